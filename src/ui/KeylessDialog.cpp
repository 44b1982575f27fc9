#include "ui/KeylessDialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/ButtonKeys.h"

namespace zarnet {

void KeylessDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            PressFocusedButton(*this, *event);
            event->accept();
            return;
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void KeylessDialog::showEvent(QShowEvent* event) {
    // Left to Qt, a dialog's buttons would take turns as the default one,
    // which Enter presses from anywhere in the dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
    // Enter presses the focused button, so the focus shows from the start,
    // as after a Tab; showing a window clears that.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace zarnet
