// The input is an INI file. Names found in it (cut byte-wise, so they come
// out odd as often as not) and a few fixed ones are read and written; the
// edited text must then answer exactly as its bytes read afresh.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Cp932.h"
#include "platform/IniText.h"

namespace {

constexpr std::size_t kMaxNames = 6;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_ini: %s\n", what);
        std::abort();
    }
}

void AddName(std::vector<std::string>& names, std::string_view name) {
    if (names.size() < kMaxNames) {
        names.emplace_back(name);
    }
}

// Section names between "[" and the next "]", key names before "=", values
// after it: byte-wise, unlike the reader.
void Harvest(std::string_view bytes, std::vector<std::string>& sections,
             std::vector<std::string>& keys, std::vector<std::string>& values) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        std::string_view line = bytes.substr(start, stop - start);
        if (std::size_t open = line.find('['); open != std::string_view::npos) {
            AddName(sections, line.substr(open + 1, line.find(']', open) - open - 1));
        }
        if (std::size_t equals = line.find('='); equals != std::string_view::npos) {
            AddName(keys, line.substr(0, equals));
            AddName(values, line.substr(equals + 1));
        }
        if (stop == std::string_view::npos) {
            break;
        }
        start = stop + 1;
    }
}

std::optional<std::string> Found(const zarnet::IniText& text, const std::string& section,
                                 const std::string& key) {
    std::optional<std::string_view> value = text.Find(section, key);
    if (!value) {
        return std::nullopt;
    }
    return std::string(*value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // ソ, ゾ, ア, ヂ: second bytes "\", "]", "A", "a".
    std::vector<std::string> sections = {"s", "\x83\x5D"};
    std::vector<std::string> keys = {"k", "\x83\x41", "\x83\x61", "\x83\x5C"};
    std::vector<std::string> values = {"v", " \"q\" ", "a\r\n[s]\r\nk=forged"};
    const std::size_t fixedSections = sections.size();
    const std::size_t fixedKeys = keys.size();
    Harvest(bytes, sections, keys, values);

    zarnet::IniText text(bytes);
    Check(text.Bytes() == bytes, "unedited text changed");
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            if (std::optional<std::string> value = Found(text, section, key)) {
                std::string_view shown = std::string_view(*value).substr(0, value->find('\0'));
                zarnet::cp932::Decode(zarnet::cp932::CutBytes(shown, 2047));
            }
        }
    }

    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::string& section = sections[i];
        const std::string& key = keys[(i * 3 + size) % keys.size()];
        text.Set(section, key, values[(i + size) % values.size()]);
        if (i < fixedSections && (i * 3 + size) % keys.size() < fixedKeys) {
            Check(text.Find(section, key).has_value(), "written key not found");
        }
    }

    const zarnet::IniText fresh(text.Bytes());
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            Check(Found(text, section, key) == Found(fresh, section, key),
                  "edited text reads unlike its bytes");
        }
    }
    return 0;
}
