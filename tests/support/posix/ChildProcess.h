#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>

namespace zarnet::testing {

// The wait status of the child `pid` once it has ended, or nothing when it
// is still running after `limit`: a test that started it must not hang on it.
std::optional<int> WaitForChild(pid_t pid, std::chrono::milliseconds limit);

// As WaitForChild, but a child still running after `limit` is killed, waited
// for, and nothing is returned.
std::optional<int> WaitOrKillChild(pid_t pid, std::chrono::milliseconds limit);

}  // namespace zarnet::testing
