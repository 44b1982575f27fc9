#pragma once

class QKeyEvent;
class QWidget;

namespace zarnet {

// Enter on a focused push button presses it, as Space does and as the system
// the program's users come from has it. No button stands for Enter otherwise,
// so Enter in a box presses nothing. True when the key was Enter on a push
// button of `window`.
bool PressFocusedButton(const QWidget& window, const QKeyEvent& event);

}  // namespace zarnet
