#include "ui/ControlLook.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QWidget>
#include <algorithm>

namespace zarnet {

void TitleOnFrame(QGroupBox& box) {
    box.setStyleSheet(QStringLiteral(
        "QGroupBox { margin-top: 7px; border: 1px solid palette(mid); border-radius: 2px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"));
}

void FitTextWidth(QWidget& control, int room) {
    const int natural = control.sizeHint().width();
    if (natural <= room) {
        return;
    }
    QFont narrow = control.font();
    narrow.setStretch(std::max<int>(QFont::UltraCondensed, QFont::Unstretched * room / natural));
    control.setFont(narrow);
    // Not every face can be narrowed; a smaller size then makes the room.
    constexpr int kSmallestPixelSize = 9;
    while (control.sizeHint().width() > room && narrow.pixelSize() > kSmallestPixelSize) {
        narrow.setPixelSize(narrow.pixelSize() - 1);
        control.setFont(narrow);
    }
}

namespace {

QString WithKey(const QString& hint, const QKeySequence& key) {
    return hint + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

}  // namespace

void GiveKey(QAbstractButton& button, const QKeySequence& key) {
    button.setShortcut(key);
    button.setToolTip(WithKey(button.toolTip(), key));
}

void GiveKey(QAction& action, QWidget& window, const QKeySequence& key) {
    action.setShortcut(key);
    action.setToolTip(WithKey(action.toolTip(), key));
    action.setStatusTip(action.toolTip());
    // The window's own, so the key does not depend on the menu bar.
    window.addAction(&action);
}

}  // namespace zarnet
