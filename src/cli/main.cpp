#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "platform/Paths.h"
#include "platform/StandardOutput.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    zarnet::UseBinaryStandardOutput();
    std::vector<std::string> args(argv + 1, argv + argc);
    return zarnet::cli::RunCli(args, std::cout, std::cerr, zarnet::AppPaths::OfRunningProgram());
}
