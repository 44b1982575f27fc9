#pragma once

#include <initializer_list>

class QPlainTextEdit;
class QVBoxLayout;
class QWidget;

// What every window of the program builds the same way.
namespace zarnet {

// A window of its own with a title bar, the system menu, the minimise,
// maximise and close buttons.
void MakeTopLevel(QWidget& window);

// Tab and Shift+Tab go through the controls in this order.
void SetTabOrder(std::initializer_list<QWidget*> order);

// The widgets of `parent` stacked top to bottom, edge to edge.
QVBoxLayout* StackLayout(QWidget* parent);

// A text box of whole lines: no wrapping, both scroll bars always shown.
void ShowWholeLines(QPlainTextEdit& box);

}  // namespace zarnet
