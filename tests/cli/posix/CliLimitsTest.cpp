// zarnet-cli run as the program it is, under a limit on its memory: a check
// that let an oversized pattern through would end in running out of memory,
// never in taking the machine's.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliInvoke.h"
#include "support/TempDir.h"
#include "support/posix/ChildProcess.h"

namespace zarnet {
namespace {

using namespace std::chrono_literals;
using Args = std::vector<std::string>;

// Far more than any run below needs, far less than an address of a
// gigabyte.
constexpr rlim_t kMemoryLimit = 1024u * 1024u * 1024u;

// AddressSanitizer reserves terabytes of address space at the start, and
// ends the program itself when memory runs out: there the limit is on the
// memory in use, kept by the sanitizer.
#ifdef ZARNET_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

struct Ran {
    int status = -1;  // the exit status; -1 when killed or not ended
    std::string err;
};

// The program with `args`, its standard output to the file `out`, its
// memory at most `memory` bytes, in the locale `locale`, its settings in
// `dir`. Killed after a minute.
Ran RunProgram(const Args& args, const std::string& out, const testing::TempDir& dir,
               rlim_t memory = kMemoryLimit, const char* locale = "ja_JP.UTF-8") {
    std::vector<std::string> strings = {ZARNET_CLI_PROGRAM};
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : strings) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> environment = {std::string("LC_ALL=") + locale,
                                            "XDG_CONFIG_HOME=" + dir.Path()};
    if (kSanitized) {
        const char* options = std::getenv("ASAN_OPTIONS");
        environment.push_back("ASAN_OPTIONS=" + std::string(options ? options : "") +
                              ":hard_rss_limit_mb=" + std::to_string(memory >> 20));
    }
    std::vector<char*> envp;
    for (std::string& variable : environment) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    const std::string errFile = dir.File("stderr.txt");

    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{memory, memory};
        const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if ((!kSanitized && setrlimit(RLIMIT_AS, &limit) != 0) || outFd < 0 || errFd < 0 ||
            dup2(outFd, STDOUT_FILENO) < 0 || dup2(errFd, STDERR_FILENO) < 0) {
            _exit(126);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    Ran ran;
    if (child < 0) {
        ADD_FAILURE() << "fork: " << std::strerror(errno);
        return ran;
    }
    const std::optional<int> status = testing::WaitOrKillChild(child, 60s);
    if (!status) {
        ADD_FAILURE() << "zarnet-cli did not end within a minute";
    } else if (WIFEXITED(*status)) {
        ran.status = WEXITSTATUS(*status);
    }
    ran.err = dir.Read("stderr.txt");
    return ran;
}

// A marker of the front or the rear, or every title marker of a header
// line, takes the whole value: the length of what that makes is refused
// before it is built, whatever it would come to.
TEST(CliLimitsTest, AddressesAndHeaderLinesBeyond64KiBAreRefusedBeforeAnythingIsBuilt) {
    testing::TempDir dir;
    // The title "p/" three times on a line, and twice.
    dir.Write("three.txt", "%%TITLE%%%%title%%%%Title%%\r\n");
    dir.Write("two.txt", "%%TITLE%%%%TITLE%%\r\n");
    const std::string base(32'767, 'b');  // the title is 32,768 bytes
    struct Case {
        const char* name;
        Args args;
        std::string err;  // empty when written
    };
    const Case cases[] = {
        {"front at the limit", {"-b", "p", "-f", std::string(65'534, 'f')}, ""},
        {"front past the limit",
         {"-b", "p", "-f", std::string(65'535, 'f')},
         "zarnet-cli: アドレスが長すぎます（65,537バイト、上限は65,536バイトです）\n"},
        // 65,500 markers, each taking a value of 131,000 bytes: 8.6 GB.
        {"a front of markers with a value as long",
         {"-b", "%%", "-l", std::string(131'000, 'x'), "-f", std::string(131'000, '%')},
         "zarnet-cli: アドレスが長すぎます（8,580,631,001バイト、上限は65,536バイトです）\n"},
        {"rear markers at the limit",
         {"-b", "%%", "-l", std::string(21'845, 'v'), "-r", "%%%%"},
         ""},
        {"rear markers past the limit",
         {"-b", "%%", "-l", std::string(21'846, 'v'), "-r", "%%%%"},
         "zarnet-cli: アドレスが長すぎます（65,539バイト、上限は65,536バイトです）\n"},
        {"the base's marker, the longest value past the limit",
         {"-b", "%%", "-l", "a," + std::string(65'536, 'v')},
         "zarnet-cli: アドレスが長すぎます（65,537バイト、上限は65,536バイトです）\n"},
        {"header line at the limit",
         {"-b", base, "-k", "html", "--header", dir.File("two.txt")},
         ""},
        {"header line past the limit",
         {"-b", base, "-k", "html", "--header", dir.File("three.txt")},
         "zarnet-cli: ヘッダの行が長すぎます（98,304バイト、上限は65,536バイトです）\n"},
        {"no header in the list kind",
         {"-b", base, "-k", "list", "--header", dir.File("three.txt")},
         ""},
    };
    for (const Case& c : cases) {
        const Ran ran = RunProgram(c.args, dir.File("out.txt"), dir);
        if (c.err.empty()) {
            EXPECT_EQ(ran.status, 0) << c.name << ": " << ran.err;
            EXPECT_NE(dir.Read("out.txt"), "") << c.name;
        } else {
            EXPECT_EQ(ran.status, 1) << c.name;
            EXPECT_EQ(ran.err, c.err) << c.name;
            EXPECT_EQ(dir.Read("out.txt"), "") << c.name;
        }
    }
}

// A header of sixteen million empty lines is read whole, and needs far more
// than the limit allows.
TEST(CliLimitsTest, RunningOutOfMemoryIsToldInWordsWithStatus2) {
    if (kSanitized) {
        GTEST_SKIP() << "AddressSanitizer ends the program itself when memory runs out";
    }
    testing::TempDir dir;
    dir.Write("header.txt", std::string(16 * 1024 * 1024, '\n'));
    const Ran ran = RunProgram({"-b", "p", "-k", "html", "--header", dir.File("header.txt")},
                               dir.File("out.txt"), dir, 256u * 1024u * 1024u, "C");
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err, "zarnet-cli: メモリが足りません (out of memory)\n");
}

// Standard output gets every byte of a document of many chunks, and a write
// that fails names the system's reason, as for an output file: here the
// device is full.
TEST(CliLimitsTest, StandardOutputIsWrittenWholeOrNamesWhyNot) {
    testing::TempDir dir;
    const Args args = {"-b", "p/%%", "-l", "1-100", "-s", "1", "-e", "1000", "-k", "list"};
    const std::string document = cli::testing::Invoke(args, dir).out;
    ASSERT_GT(document.size(), 900'000u);  // many times the chunk the sink writes
    struct Case {
        std::string target;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {dir.File("out.txt"), 0, ""},
        {"/dev/full", 2,
         "zarnet-cli: ストリームへの書き込みエラー (write error: standard output: " +
             std::string(std::strerror(ENOSPC)) + ")\n"},
    };
    for (const Case& c : cases) {
        const Ran ran = RunProgram(args, c.target, dir, kMemoryLimit, "C");
        EXPECT_EQ(ran.status, c.status) << c.target;
        EXPECT_EQ(ran.err, c.err) << c.target;
    }
    EXPECT_EQ(dir.Read("out.txt"), document);
}

}  // namespace
}  // namespace zarnet
