#pragma once

namespace zarnet {

// Puts standard output in binary mode, so the CR LF line ends the program
// writes reach it unchanged (a no-op where there is no text mode).
void UseBinaryStandardOutput();

}  // namespace zarnet
