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

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    constexpr std::size_t kReadSize = 64 * 1024;
    const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Open()) {
        ThrowCannotOpen(path);
    }
    const int fd = file.Get();
    std::string bytes;
    if (struct stat status{}; fstat(fd, &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            ThrowCannotOpen(path, EISDIR);
        }
        if (TooLarge(status)) {
            ThrowTooLarge(path);
        }
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

void CheckReadSize(const std::string& path) {
    if (struct stat status{}; stat(path.c_str(), &status) == 0 && TooLarge(status)) {
        ThrowTooLarge(path);
    }
}

}  // namespace zarnet
