#include "platform/EndRequests.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/Signals.h"

namespace zarnet {

namespace {

// The pipe's end the handler writes to; set before the handler is.
int requestEnd = -1;

// Only async-signal-safe calls here: one byte into the pipe. A full pipe
// already holds a request, so a byte that does not fit loses nothing.
void NoteRequest(int) {
    const int saved = errno;
    const char request = 1;
    [[maybe_unused]] const ssize_t written = ::write(requestEnd, &request, 1);
    errno = saved;
}

}  // namespace

std::optional<int> CatchEndRequests() {
    static int requests = -1;
    if (requests >= 0) {
        return requests;
    }
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return std::nullopt;
    }
    requests = ends[0];
    requestEnd = ends[1];
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        // Restarted, the calls the signal interrupts go on as if it had not come.
        CatchUnlessIgnored(signal, NoteRequest, SA_RESTART);
    }
    return requests;
}

void TakeEndRequests(int descriptor) {
    char requests[64];
    while (::read(descriptor, requests, sizeof requests) > 0) {
    }
}

}  // namespace zarnet
