#pragma once

#include <cstddef>
#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QString;
class QWidget;

namespace zarnet {

// The box takes only what code page 932 holds from the user; text set from
// code passes (for a text box, through SetTextFromCode).
void KeepToCodePage(QLineEdit& edit);
void KeepToCodePage(QComboBox& combo);
void KeepToCodePage(QPlainTextEdit& edit);

// While `applies` says so, the box takes from the user no more than
// `maxBytes` bytes of code page 932: what a typing or a paste brings beyond
// that is dropped and a tooltip says how much the box keeps. A text set from
// code may be longer; an edit then only may not make it longer still.
void KeepToByteLimit(QLineEdit& edit, std::size_t maxBytes, std::function<bool()> applies,
                     const QString& refusal);

// The tooltip at the box that names a character code page 932 lacks.
void ShowCodePageRefusal(QWidget& box, char32_t character);

// Fills a guarded text box with text the program made: it already holds only
// what code page 932 holds, and a long document is not scanned again.
void SetTextFromCode(QPlainTextEdit& edit, const QString& text);

}  // namespace zarnet
