#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Paths.h"

namespace zarnet::cli {

// Exit statuses of the command-line program.
enum ExitStatus : int {
    kWritten = 0,
    kCheckFailed = 1,
    kUsageOrFileError = 2,
    // A probe left an address unchecked or could not reach a host; what it
    // found was written all the same.
    kUnchecked = 3,
};

// The whole program: arguments (without the program name) in, document out to
// `out` or the output file, messages to `err`. Returns the exit status; no
// exception leaves it.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const AppPaths& paths);
// The same for main(): the arguments and the folders of the running program.
int RunProgram(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace zarnet::cli
