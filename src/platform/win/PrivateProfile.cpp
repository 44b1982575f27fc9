#include "platform/PrivateProfile.h"

#include "platform/win/WinApi.h"

#include <optional>
#include <string>
#include <utility>

#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/IniText.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/ZarnetError.h"
#include "platform/win/SystemErrors.h"

namespace zarnet {

// Outside a batch the platform reads and writes each key itself. A batch
// must reach the disk in one piece, which the platform cannot do: it edits
// the file's text in memory, as our own INI layer does, and replaces the file
// atomically at Commit().
class PrivateProfile::Impl {
  public:
    std::optional<IniText> batch;
    bool dirty = false;
};

namespace {

std::string Encoded(std::string_view utf8) {
    return cp932::Encode(IniText::OneLine(utf8));
}

std::string Get(const std::string& file, const std::string& section, const std::string& key,
                const char* fallback) {
    // Room beyond the program's buffer: Received() makes the cut, on a
    // character's edge, which the platform's own cut may miss.
    char buffer[PrivateProfile::kBufferSize * 2];
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

PrivateProfile::PrivateProfile(std::string fileName)
    : fileName_(std::move(fileName)), impl_(std::make_unique<Impl>()) {}

PrivateProfile::~PrivateProfile() = default;

std::string PrivateProfile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view fallback) {
    std::optional<std::string> value;
    if (impl_->batch) {
        if (const auto found = impl_->batch->Find(Encoded(section), Encoded(key))) {
            value = std::string(*found);
        }
    } else {
        value = Read(cp932::Encode(fileName_), Encoded(section), Encoded(key));
    }
    // The platform may end a cut value in half a character.
    return value ? Received(*value) : std::string(fallback);
}

void PrivateProfile::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (impl_->batch) {
        impl_->batch->Set(Encoded(section), Encoded(key), Encoded(value));
        impl_->dirty = true;
        return;
    }
    if (!WritePrivateProfileStringA(Encoded(section).c_str(), Encoded(key).c_str(),
                                    Encoded(value).c_str(), cp932::Encode(fileName_).c_str())) {
        throw ZarnetError(messages::kCannotWriteIni, {fileName_}, SystemReason(GetLastError()));
    }
}

void PrivateProfile::BeginBatch() {
    if (impl_->batch) {
        return;
    }
    // A file that cannot be read reads as empty, as the platform has it; a
    // missing one is a new file.
    std::string bytes;
    if (FileExists(fileName_)) {
        try {
            bytes = ReadFileBytes(fileName_);
        } catch (const ZarnetError&) {
        }
    }
    impl_->batch.emplace(bytes);
}

void PrivateProfile::Commit() {
    if (!impl_->batch) {
        return;
    }
    const bool dirty = std::exchange(impl_->dirty, false);
    const std::string bytes = dirty ? impl_->batch->Bytes() : std::string();
    impl_->batch.reset();
    if (!dirty) {
        return;
    }
    try {
        ReplaceFile(fileName_, bytes);
    } catch (const FileError& error) {
        throw ZarnetError(messages::kCannotWriteIni, {fileName_}, error.Reason());
    }
}

}  // namespace zarnet
