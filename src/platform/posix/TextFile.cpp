#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileErrors.h"

namespace zarnet {

std::string ReadFileBytes(const std::string& path) {
    constexpr std::size_t kReadSize = 64 * 1024;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ThrowCannotOpen(path);
    }
    std::string bytes;
    if (struct stat status{}; fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    }
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kReadSize);
        const ssize_t got = read(fd, bytes.data() + had, kReadSize);
        if (got < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (got < 0) {  // a folder fails here
            const int error = errno;
            close(fd);
            ThrowCannotOpen(path, error);
        }
        bytes.resize(had + static_cast<std::size_t>(got));
        if (got == 0) {
            break;
        }
    }
    close(fd);
    return bytes;
}

}  // namespace zarnet
