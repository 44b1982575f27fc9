#pragma once

namespace zarnet {

// Whether reading or writing a named file may wait on a pipe or a device.
// The command-line program meets them as the shell does: it waits for a
// pipe's other end, as cat does. The window must never hang on one: it reads
// regular files only, and writes to a pipe only while a program has it open
// for reading.
enum class Waiting { LikeTheShell, Never };

}  // namespace zarnet
