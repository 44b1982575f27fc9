#pragma once

#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QWidget;

// The controls of every window, built the same way. Each gets its form name,
// by which tests and the window itself find it.
namespace zarnet {

// A height the control's font decides, for boxes a strip is fitted to.
inline constexpr int kFontHeight = 0;

// A window of its own with a title bar, the system menu, the minimise,
// maximise and close buttons.
void MakeTopLevel(QWidget& window);

// Tab and Shift+Tab go through the controls in this order.
void SetTabOrder(std::initializer_list<QWidget*> order);

// The widgets of `parent` stacked top to bottom, edge to edge.
QVBoxLayout* StackLayout(QWidget* parent);

void Name(QObject& object, const char* name);
// The control, named; for controls a layout places.
template <typename Control>
Control* Named(Control* control, const char* name) {
    Name(*control, name);
    return control;
}

// A bare panel, sized by its parent's layout or by the caller.
QWidget* AddPanel(QWidget* parent, const char* name);
// A panel with a sunken bevel.
QFrame* AddSunkenPanel(QWidget* parent, const char* name);
// A panel of fixed width at the right end of `bar`, whatever the bar's width.
QWidget* AddRightPanel(QWidget* bar, const char* name, int width);
// A bar of fixed height showing a caption, framed as `frameStyle` says.
QLabel* AddCaptionBar(QWidget* parent, const char* name, const QString& caption, int height,
                      int frameStyle, Qt::Alignment alignment);
// A label as large as its text, at `at`. Labels show plain text: some show
// addresses the user typed, never to be read as markup.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QPoint at);
QLineEdit* AddEdit(QWidget* parent, const char* name, const QRect& geometry,
                   const QString& text = {}, const QString& hint = {});
QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry, const QString& hint = {}, const QIcon& icon = {});
// A flat picture button, as on a tool bar: it takes no focus.
QToolButton* AddToolButton(QWidget* parent, const char* name, const QIcon& icon,
                           const QRect& geometry, const QString& hint);
QCheckBox* AddCheck(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
// A group box with its caption on the frame line (TitleOnFrame).
QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& caption);
// A text box of whole lines: no wrapping, both scroll bars always shown.
QPlainTextEdit* AddTextBox(QWidget* parent, const char* name);

}  // namespace zarnet
