#pragma once

#include <signal.h>

namespace zarnet {

// Runs `handler` on `signal` from now on, with the sigaction `flags`, unless
// the program was started to ignore the signal (nohup, a background job):
// that stays ignored.
inline void CatchUnlessIgnored(int signal, void (*handler)(int), int flags) {
    struct sigaction old {};
    if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

}  // namespace zarnet
