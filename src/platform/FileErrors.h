#pragma once

#include <string>

namespace zarnet {

// The platform's file errors, with their own texts; `path` is the full path.
[[noreturn]] void ThrowCannotOpen(const std::string& path);    // for reading
[[noreturn]] void ThrowCannotCreate(const std::string& path);  // for writing
[[noreturn]] void ThrowWriteError();                           // a write failed part-way

}  // namespace zarnet
