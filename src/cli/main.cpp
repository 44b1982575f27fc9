#include <iostream>

#include "cli/CliRun.h"
#include "platform/Paths.h"
#include "platform/ProgramArguments.h"
#include "platform/StandardOutput.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    zarnet::UseBinaryStandardOutput();
    return zarnet::cli::RunCli(zarnet::ProgramArguments(argc, argv), std::cout, std::cerr,
                               zarnet::AppPaths::OfRunningProgram());
}
