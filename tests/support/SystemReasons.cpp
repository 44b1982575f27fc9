#include "support/SystemReasons.h"

#ifdef _WIN32
#include "platform/win/SystemErrors.h"
#include "platform/win/WinApi.h"
#else
#include <cerrno>
#include <cstring>
#endif

namespace zarnet::testing {

std::string FolderInTheWayReason() {
#ifdef _WIN32
    return SystemReason(ERROR_ACCESS_DENIED);
#else
    return std::strerror(EISDIR);
#endif
}

}  // namespace zarnet::testing
