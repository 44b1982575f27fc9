#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/TempDir.h"

namespace zarnet::cli::testing {

using Args = std::vector<std::string>;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// zarnet-cli run as from `programFolder`, in a Japanese locale, so the
// messages stand alone.
inline Outcome Invoke(const Args& args, const zarnet::testing::TempDir& programFolder) {
    zarnet::testing::ScopedEnvironment locale("LC_ALL", "ja_JP.UTF-8");
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        RunCli(args, out, err, AppPaths::ForExecutable(programFolder.File("zarnet-cli")));
    return {status, out.str(), err.str()};
}

}  // namespace zarnet::cli::testing
