#include "support/posix/ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>

#include <thread>

namespace zarnet::testing {

std::optional<int> WaitOrKillChild(pid_t pid, std::chrono::milliseconds limit) {
    constexpr std::chrono::milliseconds kPoll{10};
    int status = 0;
    for (auto waited = std::chrono::milliseconds{0}; waited < limit; waited += kPoll) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return status;
        }
        std::this_thread::sleep_for(kPoll);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return std::nullopt;
}

}  // namespace zarnet::testing
