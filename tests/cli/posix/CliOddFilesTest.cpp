// zarnet-cli on odd targets: standard streams named as files, inputs that
// never end, folders where files should be.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
// stream: a log opened for appending keeps its lines, a pipe gets the
// document, and nothing is renamed over the file behind the stream.
TEST(CliOddFilesTest, StreamNamedAsOutputFileIsWrittenInPlace) {
    enum class Stream { AppendedLog, Pipe };
    struct Case {
        const char* name;
        std::string output;  // "LOG" and "LINK" stand for files of the folder
        int fd;              // the descriptor the stream is opened on
        Stream stream;
    };
    const Case cases[] = {
        {"stdout appending to a log", "/dev/stdout", 1, Stream::AppendedLog},
        {"stdout into a pipe", "/dev/stdout", 1, Stream::Pipe},
        {"proc fd into a pipe", "/proc/self/fd/1", 1, Stream::Pipe},
        {"fd 3 appending", "/dev/fd/3", 3, Stream::AppendedLog},
        {"stderr appending", "/dev/stderr", 2, Stream::AppendedLog},
        {"the log's own name", "LOG", 1, Stream::AppendedLog},
        {"a link to stdout", "LINK", 1, Stream::AppendedLog},
    };
    const std::string document = "p/\r\n";
    for (const Case& c : cases) {
        TempDir folder;
        folder.Write("log", "log\r\n");
        std::filesystem::create_symlink("/dev/stdout", folder.File("link"));
        const std::string output = c.output == "LOG"    ? folder.File("log")
                                   : c.output == "LINK" ? folder.File("link")
                                                        : c.output;
        int pipeEnds[2] = {-1, -1};
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            // First, as it may hold the number the stream goes to.
            close(pipeEnds[0]);
            const int stream = c.stream == Stream::Pipe
                                   ? pipeEnds[1]
                                   : open(folder.File("log").c_str(), O_WRONLY | O_APPEND);
            dup2(stream, c.fd);
            std::ostringstream out;
            std::ostringstream err;
            _exit(RunCli({"-b", "p", "-k", "list", "-o", output}, out, err,
                         AppPaths::ForExecutable(folder.File("zarnet-cli"))));
        }
        close(pipeEnds[1]);
        std::string piped;
        char buffer[256];
        for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
            piped.append(buffer, static_cast<std::size_t>(got));
        }
        close(pipeEnds[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kWritten) << c.name;
        if (c.stream == Stream::Pipe) {
            EXPECT_EQ(piped, document) << c.name;
        } else {
            EXPECT_EQ(folder.Read("log"), "log\r\n" + document) << c.name;
            EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link"))) << c.name;
        }
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
        {"--settings", folder.File("huge.txt"), "too large"},
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
