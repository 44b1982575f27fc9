#include <iostream>
#include <sstream>

#include "cli/CliRun.h"
#include "platform/StandardOutput.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    zarnet::UseBinaryStandardOutput();
    std::ostringstream messages;
    const int status = zarnet::cli::RunProgram(argc, argv, std::cout, messages);
    std::cout.flush();
    zarnet::WriteMessages(messages.str());
    return status;
}
