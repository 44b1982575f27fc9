#pragma once

class QKeyEvent;
class QWidget;

namespace zarnet {

// Enter on a focused push button of `window` presses it, as Space does; true
// when the key was such an Enter.
bool PressFocusedButton(const QWidget& window, const QKeyEvent& event);

}  // namespace zarnet
