#include <ostream>
#include <sstream>

#include "cli/CliRun.h"
#include "platform/StandardOutput.h"

int main(int argc, char** argv) {
    // Straight to the system, so that a failed write can say why.
    zarnet::StandardOutputBuffer standardOutput;
    std::ostream out(&standardOutput);
    std::ostringstream messages;
    const int status = zarnet::cli::RunProgram(argc, argv, out, messages);
    zarnet::WriteMessages(messages.str());
    return status;
}
