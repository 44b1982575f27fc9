#pragma once

class QAbstractButton;
class QAction;
class QGroupBox;
class QKeySequence;
class QWidget;

// Looks the windows share where Qt's style or the stand-in for the design
// font differ from the layout the windows were drawn for.
namespace zarnet {

// The caption sits on the frame line, leaving the box's height to its
// contents, as the layout's positions inside group boxes expect.
void TitleOnFrame(QGroupBox& box);

// A stand-in face may run wider than the design font: a control whose text
// would pass `room` pixels gets a narrower font.
void FitTextWidth(QWidget& control, int room);

// A button that takes no focus answers a key of its own, which its hint
// names after its text.
void GiveKey(QAbstractButton& button, const QKeySequence& key);
// A menu command's key, named in its hint likewise. The key works in the
// window also while the menu bar is hidden.
void GiveKey(QAction& action, QWidget& window, const QKeySequence& key);

}  // namespace zarnet
