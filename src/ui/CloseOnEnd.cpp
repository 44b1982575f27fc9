#include "ui/CloseOnEnd.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <optional>

#include "platform/EndRequests.h"

namespace zarnet {

void CloseOnEndRequest(QWidget& window) {
    // Once closed the window is hidden: a later request, or the quit that
    // follows the close, finds nothing to do.
    const auto end = [&window] {
        if (!window.isVisible()) {
            return;
        }
        window.close();
        // A modal window still open would keep the program running.
        QApplication::closeAllWindows();
    };
    if (const std::optional<int> requests = CatchEndRequests()) {
        auto* notifier = new QSocketNotifier(*requests, QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window,
                         [descriptor = *requests, end] {
                             TakeEndRequests(descriptor);
                             end();
                         });
    }
    // At the end of a Windows session Qt announces the quit, and the system
    // ends the process as soon as that is done, closing no window: the window
    // closes here first. Asked earlier, to commit data, the program does not
    // end yet, since the session may still be cancelled.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, end);
}

}  // namespace zarnet
