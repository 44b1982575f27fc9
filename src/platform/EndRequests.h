#pragma once

#include <optional>

namespace zarnet {

// The system's requests that the program end: on POSIX the signals SIGTERM,
// SIGHUP and SIGINT (a kill, a logout, a closed terminal, Ctrl+C). Caught,
// they reach the event loop as a readable descriptor, so the program ends
// through its window's close, which saves what the program keeps. Windows
// asks a window program to end through the window system instead.

// Catches the requests from now on: the descriptor that turns readable when
// one arrives, the same for every call, or nothing where there are none to
// catch (or no descriptor could be made; the signals then end the program as
// before). A signal the program was started to ignore (nohup) stays ignored.
std::optional<int> CatchEndRequests();

// Reads away the requests that came to the descriptor, so that it waits for
// the next.
void TakeEndRequests(int descriptor);

}  // namespace zarnet
