// The program itself, ended by the system as a logout, a kill or a closed
// terminal ends it: its window closes as the user would close it, and the
// settings reach the store.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "platform/Registry.h"
#include "store/TRegData.h"
#include "support/TempDir.h"
#include "support/posix/ChildProcess.h"

extern char** environ;

namespace zarnet {
namespace {

using namespace std::chrono_literals;

// Whether process `pid` has a handler of its own for `signal`, from the mask
// of caught signals the system shows for it.
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
            return (caught >> (signal - 1) & 1) != 0;
        }
    }
    return false;
}

TEST(EndRequestTest, SignalEndsTheWindowThroughItsCloseWhichSaves) {
    const std::pair<int, const char*> signals[] = {
        {SIGTERM, "SIGTERM"}, {SIGHUP, "SIGHUP"}, {SIGINT, "SIGINT"}};
    for (const auto& [signal, name] : signals) {
        const testing::TempDir program;
        const testing::TempDir config;
        const testing::ScopedConfigHome home(config.Path());
        // A copy of its own: the INI file and the templates beside it are the
        // test's.
        std::filesystem::copy_file(ZARNET_PROGRAM, program.File("zarnet"));
        TRegData stored;
        stored.Items[0] = {"http://kept.example/%%/", "a,b", "f", "r", "01", "09", ".png"};
        // Its folder has gone, so the window shows the default file name and
        // its close saves that.
        stored.LastSaveFname = program.File("gone/list.html");
        stored.SaveToRegistry(*OpenUserRegistry());

        std::string path = program.File("zarnet");
        char* argv[] = {path.data(), nullptr};
        // Started with the signal's default action, as from a desktop or a
        // terminal, whatever this test was started with: a program keeps a
        // signal it was started to ignore ignored.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, argv[0], nullptr, &attributes, argv, environ);
        posix_spawnattr_destroy(&attributes);
        ASSERT_EQ(spawned, 0);
        for (int wait = 0; wait < 1000 && !Catches(child, signal); ++wait) {
            std::this_thread::sleep_for(10ms);
        }
        EXPECT_TRUE(Catches(child, signal)) << name;
        kill(child, signal);
        const std::optional<int> status = testing::WaitOrKillChild(child, 10s);
        if (!status) {
            ADD_FAILURE() << "zarnet went on after " << name;
            continue;
        }
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << name << ": " << *status;

        TRegData saved;
        saved.LoadFromRegistry(*OpenUserRegistry());
        EXPECT_EQ(saved.LastSaveFname, program.File("Download.html")) << name;
        EXPECT_EQ(saved.Items[0], stored.Items[0]) << name;
    }
}

}  // namespace
}  // namespace zarnet
