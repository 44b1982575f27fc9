#pragma once

#include <string>
#include <vector>

namespace zarnet {

// The program's arguments, without its name, as UTF-8. On Windows `argv`
// comes in the ANSI code page, so they are taken from the wide command line.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace zarnet
