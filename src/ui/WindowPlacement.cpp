#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace zarnet {

void CenterOnScreen(QWidget& window) {
    if (const QScreen* shownOn = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(shownOn->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

}  // namespace zarnet
