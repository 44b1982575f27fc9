#include "platform/StandardOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/FileErrors.h"

namespace zarnet {

bool StandardOutputBuffer::Put(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            failureReason_ = written < 0 ? ErrnoReason(errno) : std::string();
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void WriteMessages(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

}  // namespace zarnet
