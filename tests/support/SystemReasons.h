#pragma once

#include <string>

namespace zarnet::testing {

// The system's words for a file that cannot be made because a folder of that
// name is in the way: "Is a directory" here, access denied on Windows.
std::string FolderInTheWayReason();

}  // namespace zarnet::testing
