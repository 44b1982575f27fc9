#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/FileErrors.h"
#include "platform/posix/Descriptor.h"

namespace zarnet {

namespace {

bool TooLarge(const struct stat& status) {
    return S_ISREG(status.st_mode) && static_cast<std::uint64_t>(status.st_size) > kMaxReadBytes;
}

// Raises for a file that is not read: a folder, one too large, and never
// waiting anything but a regular file.
void RefuseUnread(const std::string& path, const struct stat& status, Waiting waiting) {
    if (S_ISDIR(status.st_mode)) {
        ThrowCannotOpen(path, EISDIR);
    }
    if (waiting == Waiting::Never && !S_ISREG(status.st_mode)) {
        ThrowNotRegular(path);
    }
    if (TooLarge(status)) {
        ThrowTooLarge(path);
    }
}

}  // namespace

std::string ReadFileBytes(const std::string& path, Waiting waiting) {
    constexpr std::size_t kReadSize = 64 * 1024;
    // Never waiting, the file is looked at before it is opened: opening a pipe
    // waits for a writer, and opening a device may do more than read it. The
    // open itself does not wait either, should a pipe take the file's place
    // in between.
    if (struct stat status{}; waiting == Waiting::Never && stat(path.c_str(), &status) == 0) {
        RefuseUnread(path, status, waiting);
    }
    const Descriptor file(
        open(path.c_str(), O_RDONLY | O_CLOEXEC | (waiting == Waiting::Never ? O_NONBLOCK : 0)));
    if (!file.Open()) {
        ThrowCannotOpen(path);
    }
    const int fd = file.Get();
    std::string bytes;
    if (struct stat status{}; fstat(fd, &status) == 0) {
        RefuseUnread(path, status, waiting);
        if (S_ISREG(status.st_mode)) {
            bytes.reserve(static_cast<std::size_t>(status.st_size));
        }
    }
    // Devices and pipes tell no size: they are cut off once past the limit.
    while (bytes.size() <= kMaxReadBytes) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kReadSize);
        const ssize_t got = read(fd, bytes.data() + had, kReadSize);
        if (got < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (got < 0) {
            ThrowCannotOpen(path);
        }
        bytes.resize(had + static_cast<std::size_t>(got));
        if (got == 0) {
            return bytes;
        }
    }
    ThrowTooLarge(path);
}

void CheckKindAndSize(const std::string& path) {
    if (struct stat status{}; stat(path.c_str(), &status) == 0) {
        RefuseUnread(path, status, Waiting::Never);
    }
}

}  // namespace zarnet
