#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace zarnet {

namespace {

// What the window manager has told of the window's frame so far.
QMargins FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

}  // namespace

WindowPlacement::WindowPlacement(QWidget& window, When when, std::optional<QSize> outerSize,
                                 std::optional<QPoint> corner)
    : QObject(&window), window_(window), when_(when), outerSize_(outerSize), corner_(corner) {
    window.installEventFilter(this);
}

// Qt learns a window's frame only once the window manager has put one round
// it, after the window is shown; until then the frame the window had before,
// or else its parent's, stands in, and the window is placed again as soon as
// its own frame turns out different, unless the user has resized or maximised
// it meanwhile.
bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            // The frame turns up by the time the window is first drawn.
            window_.windowHandle()->installEventFilter(this);
            if (!placed_ || when_ == When::EveryShowing) {
                placed_ = true;
                settling_ = true;
                QMargins frame = FrameOf(window_);
                if (frame.isNull() && window_.parentWidget() != nullptr) {
                    frame = FrameOf(*window_.parentWidget()->window());
                }
                Place(frame);
            }
            break;
        case QEvent::Hide:
            settling_ = false;
            break;
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
            if (settling_ && FrameOf(window_) != frame_ && window_.size() == size_ &&
                window_.windowState() == Qt::WindowNoState) {
                Place(FrameOf(window_));
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::Place(const QMargins& frame) {
    frame_ = frame;
    const QSize border(frame.left() + frame.right(), frame.top() + frame.bottom());
    size_ = outerSize_ ? *outerSize_ - border : window_.size();
    QRect outer(corner_.value_or(QPoint()), size_ + border);
    if (!corner_) {
        outer.moveCenter(window_.screen()->availableGeometry().center());
    }
    window_.setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size_));
}

}  // namespace zarnet
