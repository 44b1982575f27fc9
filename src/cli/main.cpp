#include <ostream>
#include <sstream>

#include "cli/CliRun.h"
#include "platform/AtomicFile.h"
#include "platform/StandardOutput.h"

int main(int argc, char** argv) {
    // Ctrl+C or kill during -o leaves no temporary file behind.
    zarnet::AtomicFile::RemoveTemporaryFilesOnTermination();
    // Straight to the system, so that a failed write can say why.
    zarnet::StandardOutputBuffer standardOutput;
    std::ostream out(&standardOutput);
    std::ostringstream messages;
    const int status = zarnet::cli::RunProgram(argc, argv, out, messages);
    zarnet::WriteMessages(messages.str());
    return status;
}
