#include "platform/EndRequests.h"

namespace zarnet {

// A window program has no console whose events could end it, and the end of
// the session comes as window messages, which the window's own code handles.
std::optional<int> CatchEndRequests() {
    return std::nullopt;
}

void TakeEndRequests(int) {}

}  // namespace zarnet
