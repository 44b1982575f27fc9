#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>

namespace zarnet::testing {

// The wait status of the child `pid` once it has ended, or nothing when it
// is still running after `limit`: it is then killed and waited for, since a
// test that started it must not hang on it.
std::optional<int> WaitOrKillChild(pid_t pid, std::chrono::milliseconds limit);

}  // namespace zarnet::testing
