#pragma once

class QWidget;

namespace zarnet {

// Ends the program through `window`'s close, as its user would end it, when
// the system asks the program to end: a signal on POSIX (a kill, a logout, a
// closed terminal, Ctrl+C), the end of the session on Windows. The close
// saves the settings, and it runs once however many requests come.
void CloseOnEndRequest(QWidget& window);

}  // namespace zarnet
