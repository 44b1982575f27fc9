#include "platform/Paths.h"

#include "platform/win/WinApi.h"

#include "platform/Cp932.h"

namespace zarnet {

namespace {

DWORD Attributes(const std::string& path) {
    return GetFileAttributesA(cp932::Encode(path).c_str());
}

}  // namespace

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer means the path was cut.
        if (length < path.size()) {
            path.resize(length);
            return cp932::Decode(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string FolderPart(std::string_view fileName) {
    // "/" too: the system takes it for "\", and so do the file choosers.
    const std::size_t separator = fileName.find_last_of("\\/:");
    return separator == std::string_view::npos ? std::string()
                                               : std::string(fileName.substr(0, separator + 1));
}

AppPaths AppPaths::ForProgramAt(const std::string& exePath) {
    // A Windows copy always keeps its files beside itself.
    return ForExecutable(exePath);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace zarnet
