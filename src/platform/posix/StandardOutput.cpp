#include "platform/StandardOutput.h"

#include <cstdio>

namespace zarnet {

void UseBinaryStandardOutput() {}

void WriteMessages(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

}  // namespace zarnet
