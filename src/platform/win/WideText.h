#pragma once

#include <string>
#include <string_view>

// The program's UTF-8 text and the system's UTF-16, for the few calls that
// have no code page 932 form (the command line, the console, known folders).
namespace zarnet {

std::string ToUtf8(std::wstring_view wide);
std::wstring ToWide(std::string_view utf8);

}  // namespace zarnet
