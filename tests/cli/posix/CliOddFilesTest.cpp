// zarnet-cli on odd targets: standard streams named as files, inputs that
// never end, folders where files should be.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/CliInvoke.h"
#include "cli/CliRun.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"

namespace zarnet::cli {
namespace {

using testing::Invoke;
using testing::Outcome;
using zarnet::testing::TempDir;

// An output file named for a stream the shell opened writes into that
// stream: a log opened for appending keeps its lines and a pipe gets the
// document, where the link was followed to the log and renamed over it.
TEST(CliOddFilesTest, StreamNamedAsOutputFileIsWrittenInPlace) {
    struct Case {
        std::string output;  // "LOG" for the log's own name
        int fd;              // where the stream is opened
        bool pipe;           // else the log, opened for appending
    };
    const Case cases[] = {
        {"/dev/stdout", 1, false}, {"/dev/stdout", 1, true},  {"/proc/self/fd/1", 1, true},
        {"/dev/fd/3", 3, false},   {"/dev/stderr", 2, false}, {"LOG", 1, false},
    };
    for (const Case& c : cases) {
        TempDir folder;
        folder.Write("log", "log\r\n");
        const std::string output = c.output == "LOG" ? folder.File("log") : c.output;
        int ends[2] = {-1, -1};
        ASSERT_EQ(pipe(ends), 0);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            close(ends[0]);  // first: it may hold the stream's number
            dup2(c.pipe ? ends[1] : open(folder.File("log").c_str(), O_WRONLY | O_APPEND), c.fd);
            std::ostringstream unused;
            _exit(RunCli({"-b", "p", "-k", "list", "-o", output}, unused, unused,
                         AppPaths::ForExecutable(folder.File("zarnet-cli"))));
        }
        close(ends[1]);
        std::string piped(16, '\0');
        piped.resize(
            static_cast<std::size_t>(std::max<ssize_t>(read(ends[0], piped.data(), 16), 0)));
        close(ends[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kWritten) << c.output;
        EXPECT_EQ(c.pipe ? piped : folder.Read("log"), c.pipe ? "p/\r\n" : "log\r\np/\r\n")
            << c.output;
    }
}

// Every read failure names the true reason, and nothing is read without
// end.
TEST(CliOddFilesTest, InputThatCannotBeReadNamesTheReason) {
    TempDir folder;
    folder.Write("huge.txt", "");
    // Past the limit without taking the disk space.
    std::filesystem::resize_file(folder.File("huge.txt"), kMaxReadBytes + 1);
    struct Case {
        const char* option;
        std::string file;
        const char* reason;
    };
    const Case cases[] = {
        {"--header", folder.Path(), "Is a directory"},
        {"--header", "/dev/zero", "too large"},
        {"--footer", folder.File("huge.txt"), "too large"},
        {"--settings", "/dev/zero", "too large"},
    };
    for (const Case& c : cases) {
        const Outcome o = Invoke({"-b", "p", "-k", "html", c.option, c.file}, folder);
        EXPECT_EQ(o.status, kUsageOrFileError) << c.file;
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, "zarnet-cli: ファイル " + c.file + " は開けません (" + c.reason + ")\n");
    }
}

}  // namespace
}  // namespace zarnet::cli
