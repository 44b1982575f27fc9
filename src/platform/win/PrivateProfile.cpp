#include "platform/PrivateProfile.h"

#include "platform/win/WinApi.h"

#include <optional>
#include <string>

#include "platform/Cp932.h"
#include "platform/IniText.h"
#include "platform/ZarnetError.h"

namespace zarnet {

// The platform keeps no state for us and writes each key itself.
class PrivateProfile::Impl {};

namespace {

std::string Encoded(std::string_view utf8) {
    return cp932::Encode(IniText::OneLine(utf8));
}

std::string Get(const std::string& file, const std::string& section, const std::string& key,
                const char* fallback) {
    char buffer[PrivateProfile::kBufferSize];
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback, buffer,
                                            static_cast<DWORD>(sizeof buffer), file.c_str());
    return std::string(buffer, length);
}

// The value, or nothing when the file, the section or the key is missing.
// The platform answers both with its default, trimmed of trailing blanks and
// cut to the buffer, so our fallback never goes through it: an empty answer
// is asked again with a default that an empty value cannot give.
std::optional<std::string> Read(const std::string& file, const std::string& section,
                                const std::string& key) {
    std::string value = Get(file, section, key, "");
    if (!value.empty() || Get(file, section, key, "-") != "-") {
        return value;
    }
    return std::nullopt;
}

}  // namespace

PrivateProfile::PrivateProfile(std::string fileName) : fileName_(std::move(fileName)) {}

PrivateProfile::~PrivateProfile() = default;

std::string PrivateProfile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view fallback) {
    std::optional<std::string> value =
        Read(cp932::Encode(fileName_), Encoded(section), Encoded(key));
    return value ? cp932::Decode(*value) : std::string(fallback);
}

void PrivateProfile::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (!WritePrivateProfileStringA(Encoded(section).c_str(), Encoded(key).c_str(),
                                    Encoded(value).c_str(), cp932::Encode(fileName_).c_str())) {
        throw ZarnetError(FormatMessage("%s に書き込めません", fileName_));
    }
}

void PrivateProfile::BeginBatch() {}

void PrivateProfile::Commit() {}

}  // namespace zarnet
