#include "ui/ButtonKeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace zarnet {

// As the system the program's users come from has it. No button stands for
// Enter otherwise, so Enter in a box presses nothing.
bool PressFocusedButton(const QWidget& window, const QKeyEvent& event) {
    auto* button = qobject_cast<QPushButton*>(window.focusWidget());
    if (button == nullptr || (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)) {
        return false;
    }
    // A held key presses once.
    if (!event.isAutoRepeat()) {
        button->click();
    }
    return true;
}

}  // namespace zarnet
