// The pattern engine on arbitrary texts: every run ends, raises only its own
// errors, and yields exactly the entries it announced.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "platform/ZarnetError.h"

namespace {

struct CountingSink : zarnet::ExpansionSink {
    std::uint64_t Entries = 0;
    void BeginGroup(const std::string&) override {}
    void Entry(const zarnet::AddressEntry&) override { ++Entries; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Fields are separated by 0x01 bytes: base, values, front, start, end, rear, ext.
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string fields[7];
    for (std::string& field : fields) {
        const std::size_t cut = rest.find('\x01');
        field = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    zarnet::PatternRequest request;
    request.Texts.Dir = fields[0];
    request.Texts.ContStr = fields[1];
    request.Texts.FrontStr = fields[2];
    request.Texts.StCount = fields[3];
    request.Texts.EdCount = fields[4];
    request.Texts.RearStr = fields[5];
    request.Texts.ExtStr = fields[6];
    try {
        const zarnet::PreparedRun run = zarnet::PrepareRun(request);
        if (run.EntryCount() > 200000) {
            return 0;  // large but valid; not worth the fuzzer's time
        }
        CountingSink sink;
        run.Expand(sink);
        if (sink.Entries != run.EntryCount()) {
            std::abort();
        }
        std::string line;
        for (zarnet::MakeType kind : {zarnet::MakeType::Html, zarnet::MakeType::ImageSrc}) {
            zarnet::AddressEntry entry{fields[1], 10, fields[2], fields[0]};
            request.Kind = kind;
            zarnet::ComposeLine(line, entry, request);
        }
    } catch (const zarnet::ZarnetError&) {
    }
    (void)zarnet::ReplaceMarker(fields[0], fields[1]);
    return 0;
}
