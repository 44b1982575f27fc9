#include "ui/CloseOnEnd.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <optional>

#include "platform/EndRequests.h"

namespace zarnet {

namespace {

using namespace std::chrono_literals;

// How often, and how long, the window waits for the commands to run to their
// end; past that it closes all the same, so the settings are saved.
constexpr std::chrono::milliseconds kPoll = 10ms;
constexpr int kPolls = 300;

// A request may come while a command waits in a modal window: the window then
// closes each modal window that shows (as Escape would), and closes itself
// only once the event loop the last of them ran in has returned, the command
// with it. So what a command still does after its modal window, such as
// recording its pattern, is saved too. `modalLoop` is the level of the event
// loop of the modal window last closed, 0 before any.
void CloseAfterModals(QWidget& window, int modalLoop, int polls) {
    if (!window.isVisible()) {
        return;  // closed already, and the settings saved with it
    }
    if (polls >= kPolls) {  // a modal window that stays, or a command that goes on
        window.close();
        QApplication::closeAllWindows();
        return;
    }
    const int loop = QThread::currentThread()->loopLevel();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        modalLoop = loop;
    } else if (modalLoop == 0 || loop < modalLoop) {
        window.close();
        return;
    }
    QTimer::singleShot(kPoll, &window, [&window, modalLoop, polls] {
        CloseAfterModals(window, modalLoop, polls + 1);
    });
}

}  // namespace

void CloseOnEndRequest(QWidget& window) {
    if (const std::optional<int> requests = CatchEndRequests()) {
        auto* notifier = new QSocketNotifier(*requests, QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window,
                         [&window, descriptor = *requests] {
                             TakeEndRequests(descriptor);
                             CloseAfterModals(window, 0, 0);
                         });
    }
    // At the end of a Windows session Qt announces the quit, and the system
    // ends the process as soon as that is done, closing no window: the window
    // closes here, at once. Asked earlier, to commit data, the program does
    // not end yet, since the session may still be cancelled. After the
    // window's own close the quit finds it closed.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, [&window] {
        if (window.isVisible()) {
            window.close();
        }
    });
}

}  // namespace zarnet
