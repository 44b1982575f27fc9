#pragma once

#include <QDialog>

namespace zarnet {

// A dialog that only its buttons close: neither Enter nor Escape stands for
// one of them, so a key pressed out of habit never confirms or drops an edit.
// Enter presses the button that has the focus, as Space does.
class KeylessDialog : public QDialog {
    Q_OBJECT

  public:
    using QDialog::QDialog;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace zarnet
