// The pattern engine on arbitrary texts: every run ends, raises only its own
// errors, yields exactly the entries it announced, and writes each document
// as its entries' lines composed one by one would be; a marker replacement is
// as long as counted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "core/RunLimit.h"
#include "platform/Cp932.h"
#include "platform/ZarnetError.h"

namespace {

struct CountingSink : zarnet::ExpansionSink {
    std::uint64_t Entries = 0;
    void BeginGroup(const std::string&) override {}
    void Entry(const zarnet::AddressEntry&) override { ++Entries; }
};

// The document in code page 932, its lines put together from pieces encoded
// apart, as the program's files are written.
struct CodePageSink : zarnet::LineSink {
    std::string Bytes;
    void AddLine(std::string_view line) override { AddOwnFormLine(zarnet::cp932::Encode(line)); }
    std::string InOwnForm(std::string_view text) const override {
        return zarnet::cp932::Encode(text);
    }
    void AddOwnFormLine(std::string_view line) override {
        Bytes += line;
        Bytes += '\n';
    }
};

// The same document with each entry's line composed and encoded whole.
struct PerEntryDocument : zarnet::ExpansionSink {
    explicit PerEntryDocument(const zarnet::PatternRequest& r) : request(r) {}
    void BeginGroup(const std::string&) override {
        if (request.Kind != zarnet::MakeType::ListText && request.Output.Separator) {
            Bytes += "<HR>\n";
        }
    }
    void Entry(const zarnet::AddressEntry& entry) override {
        zarnet::ComposeLine(line, entry, request);
        Bytes += zarnet::cp932::Encode(line) + '\n';
        if (request.Kind == zarnet::MakeType::Html && entry.Number % 10 == 0) {
            Bytes += "<BR>\n";
        }
    }
    const zarnet::PatternRequest& request;
    std::string line;
    std::string Bytes;
};

struct NoFrame : zarnet::DocumentFrame {
    void InsertHeader(zarnet::LineSink&, const std::string&) const override {}
    void AppendFooter(zarnet::LineSink&) const override {}
    std::uint64_t LongestHeaderLine(const std::string&) const override { return 0; }
};

// Every kind, with switches taken from the input's length.
void CompareDocuments(zarnet::PreparedRun run, std::size_t size) {
    for (zarnet::MakeType kind :
         {zarnet::MakeType::ListText, zarnet::MakeType::Html, zarnet::MakeType::ImageSrc}) {
        run.Request.Kind = kind;
        run.Request.Output.Separator = (size & 1) != 0;
        run.Request.Output.Border = (size & 2) != 0;
        run.Request.Output.ClickView = (size & 4) != 0;
        CodePageSink composed;
        zarnet::WriteDocument(run, NoFrame{}, composed);
        PerEntryDocument expected(run.Request);
        run.Expand(expected);
        if (composed.Bytes != expected.Bytes) {
            std::abort();
        }
    }
}

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
        zarnet::CheckAddressLength(run);  // as both programs do before building
        if (run.EntryCount() > 200000) {
            return 0;  // large but valid; not worth the fuzzer's time
        }
        CountingSink sink;
        run.Expand(sink);
        if (sink.Entries != run.EntryCount()) {
            std::abort();
        }
        if (run.EntryCount() <= 20000) {
            CompareDocuments(run, size);
        }
        std::string line;
        for (zarnet::MakeType kind : {zarnet::MakeType::Html, zarnet::MakeType::ImageSrc}) {
            zarnet::AddressEntry entry{fields[1], 10, fields[2], fields[0]};
            request.Kind = kind;
            zarnet::ComposeLine(line, entry, request);
        }
    } catch (const zarnet::ZarnetError&) {
    }
    // The length counted is the length built.
    if (zarnet::MarkerCount(fields[0]).ReplacedLength(fields[1]) !=
        zarnet::ReplaceMarker(fields[0], fields[1]).size()) {
        std::abort();
    }
    return 0;
}
