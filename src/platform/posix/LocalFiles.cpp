#include "platform/LocalFiles.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/AsciiText.h"
#include "platform/FileErrors.h"

namespace zarnet {

std::optional<std::string> LocalPathOfFileUrl(std::string_view url) {
    const std::optional<file_url::Parts> parts = file_url::Split(url);
    if (!parts || (!parts->Host.empty() && !ascii::EqualsIgnoringCase(parts->Host, "localhost"))) {
        return std::nullopt;
    }
    return file_url::PercentDecoded(parts->Path);
}

LocalFileState CheckLocalFile(const std::string& path, std::string& reason) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        return S_ISREG(status.st_mode) ? LocalFileState::Found : LocalFileState::Missing;
    }
    if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG) {
        return LocalFileState::Missing;
    }
    reason = ErrnoReason(errno);
    return LocalFileState::Unreadable;
}

}  // namespace zarnet
