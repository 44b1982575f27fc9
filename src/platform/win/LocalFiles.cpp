#include "platform/LocalFiles.h"

#include "platform/AsciiText.h"
#include "platform/win/SystemErrors.h"
#include "platform/win/WideText.h"
#include "platform/win/WinApi.h"

namespace zarnet {

std::optional<std::string> LocalPathOfFileUrl(std::string_view url) {
    const std::optional<file_url::Parts> parts = file_url::Split(url);
    if (!parts) {
        return std::nullopt;
    }
    std::string path = file_url::PercentDecoded(parts->Path);
    if (!parts->Host.empty() && !ascii::EqualsIgnoringCase(parts->Host, "localhost")) {
        path = "//" + std::string(parts->Host) + path;  // a share on another machine
    } else if (path.size() >= 3 && path[2] == ':' &&
               ((path[1] >= 'A' && path[1] <= 'Z') || (path[1] >= 'a' && path[1] <= 'z'))) {
        path.erase(0, 1);  // "/C:/x" names the drive
    }
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

LocalFileState CheckLocalFile(const std::string& path, std::string& reason) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? LocalFileState::Found
                                                            : LocalFileState::Missing;
    }
    const DWORD error = GetLastError();
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
            return LocalFileState::Missing;
        default:
            reason = SystemReason(error);
            return LocalFileState::Unreadable;
    }
}

}  // namespace zarnet
