// Replacing files where POSIX has its say: links, permissions, devices,
// crashes, signals and full disks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "platform/AtomicFile.h"
#include "platform/AtomicFileTesting.h"
#include "platform/FileErrors.h"
#include "platform/FileTestHelpers.h"
#include "platform/TextFile.h"
#include "platform/posix/TemporaryFileTesting.h"

namespace zarnet {
namespace {

namespace fs = std::filesystem;
using testing::ErrorOf;
using testing::FolderEntries;
using testing::Lines;
using testing::ManyLines;
using testing::TempDir;

// A write that fails part-way: the file size limit makes it fail for root too.

TEST(ReplaceFileTest, WriteFailingPartWayKeepsOldFileWhole) {
    const TempDir dir;
    const std::string old = ManyLines('o', 1000);
    dir.Write("out.txt", old);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message =
            ErrorOf([&] { ReplaceFile(dir.File("out.txt"), ManyLines('n', 100000)); });
        _exit(message == "ストリームへの書き込みエラー" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "wrong or no error";
    EXPECT_EQ(dir.Read("out.txt"), old);
    EXPECT_EQ(FolderEntries(dir), Lines{"out.txt"});
}

TEST(ReplaceFileTest, SymbolicLinkIsFollowedToItsTarget) {
    const TempDir dir;
    fs::create_directory(dir.File("real"));
    dir.Write("real/a.txt", "old");
    const struct {
        const char* name;
        std::string link;
        std::string pointsTo;
        std::string target;
    } cases[] = {
        {"Absolute", "abs.txt", dir.File("real/a.txt"), "real/a.txt"},
        {"Relative", "rel.txt", "real/a.txt", "real/a.txt"},
        {"Chain", "chain.txt", "rel.txt", "real/a.txt"},
        {"Dangling", "dangling.txt", "real/b.txt", "real/b.txt"},
    };
    for (const auto& c : cases) {
        fs::create_symlink(c.pointsTo, dir.File(c.link));
        ReplaceFile(dir.File(c.link), c.name);
        EXPECT_TRUE(fs::is_symlink(dir.File(c.link))) << c.name;
        EXPECT_EQ(dir.Read(c.target), c.name) << c.name;
    }
    EXPECT_EQ(FolderEntries(dir),
              (Lines{"abs.txt", "chain.txt", "dangling.txt", "real", "rel.txt"}));
}

TEST(ReplaceFileTest, ReplacedFileKeepsItsPermissionsAndNewFileFollowsUmask) {
    const TempDir dir;
    const struct {
        const char* name;
        bool exists;
        mode_t existingMode;
        mode_t mask;
        mode_t expected;
    } cases[] = {
        {"Private", true, 0600, 022, 0600},       {"Executable", true, 0755, 022, 0755},
        {"GroupReadable", true, 0640, 077, 0640}, {"NewWithUmask022", false, 0, 022, 0644},
        {"NewWithUmask077", false, 0, 077, 0600},
    };
    for (const auto& c : cases) {
        const std::string path = dir.File(c.name);
        if (c.exists) {
            dir.Write(c.name, "old");
            ASSERT_EQ(chmod(path.c_str(), c.existingMode), 0);
        }
        const mode_t previousMask = umask(c.mask);
        ReplaceFile(path, "new");
        umask(previousMask);
        struct stat status {};
        ASSERT_EQ(stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.expected) << c.name;
        EXPECT_EQ(dir.Read(c.name), "new") << c.name;
    }
}

// Root saving a user's file leaves it the user's, not root's.
TEST(ReplaceFileTest, ReplacedFileKeepsItsOwnerAndGroup) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file away";
    }
    const TempDir dir;
    dir.Write("users.txt", "old");
    const std::string path = dir.File("users.txt");
    ASSERT_EQ(chown(path.c_str(), 4321, 8765), 0);
    ReplaceFile(path, "new");
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_TRUE(status.st_uid == 4321 && status.st_gid == 8765 && dir.Read("users.txt") == "new");
}

// The child process ends itself at the chosen step of a replacement, as a
// crash or a power cut would.
int crashAtStep = 0;
int stepsSeen = 0;
void CrashAtChosenStep(const char* /*step*/) {
    if (++stepsSeen == crashAtStep) {
        _exit(3);
    }
}

TEST(ReplaceFileTest, DevicesAndPipesAreWrittenInPlace) {
    TempDir folder;
    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Held open for reading and writing, so that opening it never blocks.
    const int held = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(held, 0);
    WriteTextLines(fifo, {"p/"});
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    char buffer[16] = {};
    EXPECT_EQ(read(held, buffer, sizeof buffer), 4);
    EXPECT_EQ(std::string(buffer, 4), "p/\r\n");
    close(held);
}

// Writing onto a pipe waits for its reader as the shell does, unless the
// caller never waits: then a pipe nobody reads fails at once and one that is
// read is written. Each write runs in a child with an alarm, so a wait that
// never ends fails the test instead of hanging it.
TEST(ReplaceFileTest, PipeIsWaitedForOnlyLikeTheShell) {
    const struct {
        const char* name;
        Waiting waiting;
        bool readerFirst;  // else the reader comes a moment after the write began
        bool fails;
        std::string read;
    } cases[] = {
        {"ShellWaitsForTheReader", Waiting::LikeTheShell, false, false, "p/\r\n"},
        {"NeverFailsWithoutReader", Waiting::Never, false, true, ""},
        {"NeverWritesWhileRead", Waiting::Never, true, false, "p/\r\n"},
    };
    for (const auto& c : cases) {
        const TempDir folder;
        const std::string fifo = folder.File("pipe");
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        const auto openReader = [&] { return open(fifo.c_str(), O_RDONLY | O_NONBLOCK); };
        int reader = c.readerFirst ? openReader() : -1;
        const std::string expected =
            c.fails ? "ファイル " + fifo + " を作成できません" : "no error";
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            alarm(10);
            const std::string message =
                ErrorOf([&] { WriteTextLines(fifo, {"p/"}, TextEncoding::Cp932, {}, c.waiting); });
            _exit(message == expected ? 0 : 1);
        }
        if (reader < 0) {
            usleep(200 * 1000);
            reader = openReader();
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.name;
        char buffer[16] = {};
        const ssize_t got = read(reader, buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0))), c.read)
            << c.name;
        close(reader);
    }
}

TEST(ReplaceFileTest, CrashAtAnyStepLeavesOldOrNewFileWhole) {
    const TempDir dir;
    const std::string path = dir.File("out.txt");
    const std::string old = ManyLines('o', 20000);
    const std::string replacement = ManyLines('n', 30000);  // several chunks
    int crashes = 0;
    bool finished = false;
    for (int step = 1; !finished && step < 100; ++step) {
        dir.Write("out.txt", old);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            crashAtStep = step;
            SetReplaceStepHookForTesting(CrashAtChosenStep);
            const std::string message = ErrorOf([&] { ReplaceFile(path, replacement); });
            _exit(message == "no error" ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 1) << "replacement failed at step " << step;
        finished = WEXITSTATUS(status) == 0;
        crashes += finished ? 0 : 1;
        const std::string content = dir.Read("out.txt");
        EXPECT_TRUE(content == old || content == replacement) << "mixed after step " << step;
        // The unnamed temporary file went with the process.
        EXPECT_EQ(FolderEntries(dir), Lines{"out.txt"}) << "left after step " << step;
        if (finished) {
            EXPECT_EQ(content, replacement);
        }
    }
    EXPECT_TRUE(finished);
    EXPECT_GE(crashes, 5);  // created, written at least twice, synced, renamed
}

// A failed write names the file and the system's reason for whoever says

// more than the platform's text.

TEST(ReplaceFileTest, FailedWriteKnowsTheFileAndTheReason) {
    try {
        WriteTextLines("/dev/full", {"line"});
        ADD_FAILURE() << "writing to /dev/full passed";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "ストリームへの書き込みエラー");
        EXPECT_EQ(error.Explained(),
                  "ストリームへの書き込みエラー (/dev/full: No space left on device)");
    }
    const TempDir dir;
    try {
        ReadFileBytes(dir.File("missing"));
        ADD_FAILURE() << "reading a missing file passed";
    } catch (const FileError& error) {
        // The message names the file already; the reason follows.
        EXPECT_EQ(error.Explained(),
                  "ファイル " + dir.File("missing") + " は開けません (No such file or directory)");
    }
}

// Where the temporary file has a name, every signal that ends the program
// removes it first, and what the program does with a signal stays its own:
// a signal it ignores (nohup, a background job) stays ignored, a handler of
// its own (the window's orderly close) is passed the signal and the write
// goes on, a fault handler gets it once the file is gone; after the write
// each disposition is as it was. Each child raises its signal in the middle
// of the write; an alarm ends a child that hangs.

int chosenSignal = 0;
void RaiseChosenOnce(const char* step) {
    if (std::string_view(step) == "written" && chosenSignal != 0) {
        raise(std::exchange(chosenSignal, 0));
    }
}

int handledSignals = 0;
TEST(ReplaceFileTest, SignalsEndingTheProgramRemoveANamedTemporaryFile) {
    using Handler = void (*)(int);
    enum class End { BySignal, ByFault, Exits };  // a sanitizer may end a fault its own way
    struct Case {
        int signal;
        Handler disposition = SIG_DFL;
        bool raised = true;
        End end = End::BySignal;
        int exitStatus = 0;  // of a child that exits; 0: the write went on and finished
    };
    const Case cases[] = {
        {SIGINT},
        {SIGTERM},
        {SIGHUP},
        {SIGQUIT},
        {SIGPIPE},
        {SIGUSR1},
        {SIGUSR2},
        {SIGALRM},
        {SIGXCPU},
        {SIGXFSZ},
        {SIGVTALRM},
        {SIGPROF},
        {SIGSEGV, SIG_DFL, true, End::ByFault},
        {SIGBUS, SIG_DFL, true, End::ByFault},
        {SIGABRT, SIG_DFL, true, End::ByFault},
        {SIGFPE, SIG_DFL, true, End::ByFault},
        {SIGILL, SIG_DFL, true, End::ByFault},
        {SIGSYS, SIG_DFL, true, End::ByFault},
        {SIGHUP, SIG_IGN, true, End::Exits},
        {SIGTERM, [](int) { ++handledSignals; }, true, End::Exits},
        {SIGSEGV, [](int) { _exit(7); }, true, End::Exits, 7},
        {SIGUSR1, SIG_DFL, false, End::Exits},
    };
    for (const Case& c : cases) {
        const std::string name = std::string(strsignal(c.signal)) +
                                 (c.disposition == SIG_DFL ? "" : ", the program's own") +
                                 (c.raised ? "" : ", not raised");
        const TempDir dir;
        dir.Write("out.txt", "old");
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            alarm(10);
            struct sigaction own {};
            own.sa_handler = c.disposition;
            sigemptyset(&own.sa_mask);
            sigaction(c.signal, &own, nullptr);
            UseNamedTemporaryFilesForTesting(true);
            chosenSignal = c.raised ? c.signal : 0;
            SetReplaceStepHookForTesting(RaiseChosenOnce);
            ReplaceFile(dir.File("out.txt"), ManyLines('n', 30000));
            struct sigaction after {};
            sigaction(c.signal, nullptr, &after);
            const bool handledOnce =
                handledSignals ==
                (c.disposition == SIG_DFL || c.disposition == SIG_IGN || !c.raised ? 0 : 1);
            _exit(after.sa_handler == c.disposition && handledOnce ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        switch (c.end) {
            case End::BySignal:
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << name;
                break;
            case End::ByFault:
                EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name;
                break;
            case End::Exits:
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.exitStatus) << name;
                break;
        }
        const bool written = c.end == End::Exits && c.exitStatus == 0;
        EXPECT_EQ(FolderEntries(dir), Lines{"out.txt"}) << name;
        EXPECT_EQ(dir.Read("out.txt"), written ? ManyLines('n', 30000) : "old") << name;
    }
}

}  // namespace
}  // namespace zarnet
