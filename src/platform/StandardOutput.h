#pragma once

#include <string_view>

namespace zarnet {

// Puts standard output in binary mode, so the CR LF line ends the program
// writes reach it unchanged (a no-op where there is no text mode).
void UseBinaryStandardOutput();

// The program's messages (UTF-8) to standard error. A Windows console shows
// them in its own characters; anything else, a pipe or a file, receives the
// UTF-8 bytes.
void WriteMessages(std::string_view utf8);

}  // namespace zarnet
