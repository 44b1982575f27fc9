#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/LoopbackServer.h"
#include "support/TempDir.h"
#include "support/posix/ChildProcess.h"

extern char** environ;

namespace zarnet {
namespace {

using namespace std::chrono_literals;

// Ctrl+C ends a probe at once, and the output file it was to replace stays
// as it was, with nothing left beside it.
TEST(CliInterruptTest, CtrlCEndsAProbeAtOnceLeavingTheOutputFileAsItWas) {
    testing::LoopbackServer server([](const testing::HttpRequest&) {
        testing::HttpReply never;
        never.Hang = true;
        return never;
    });
    testing::TempDir dir;
    dir.Write("out.txt", "old");
    std::vector<std::string> args = {
        ZARNET_CLI_PROGRAM, "-b", server.Url("/"),    "-s", "1", "-e", "9",
        "--probe",          "-o", dir.File("out.txt")};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ), 0);

    for (int wait = 0; wait < 1000 && server.Requests().empty(); ++wait) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_FALSE(server.Requests().empty());
    kill(child, SIGINT);
    const std::optional<int> status = testing::WaitOrKillChild(child, 5s);
    if (!status) {
        FAIL() << "zarnet-cli went on after Ctrl+C";
    }
    EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == SIGINT) << *status;
    EXPECT_EQ(dir.Read("out.txt"), "old");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        left.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(left, std::vector<std::string>{"out.txt"});
}

}  // namespace
}  // namespace zarnet
