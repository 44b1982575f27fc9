#include "ui/KeylessDialog.h"

#include <QKeyEvent>
#include <QPushButton>

namespace zarnet {

void KeylessDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void KeylessDialog::showEvent(QShowEvent* event) {
    // A dialog's buttons answer Enter when focused unless told otherwise.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
}

}  // namespace zarnet
