#pragma once

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QString;

namespace zarnet {

// Boxes whose text is stored or written take only what code page 932 holds:
// a character beyond it that the user types, pastes or drops is taken out at
// once and a tooltip at the box names it, so the box shows what will be
// stored and written. Text set from code passes as it is (for a text box,
// set through SetTextFromCode).
void KeepToCodePage(QLineEdit& edit);
void KeepToCodePage(QComboBox& combo);
void KeepToCodePage(QPlainTextEdit& edit);

// Fills a guarded text box with text the program made: it already holds only
// what code page 932 holds, and a long document is not scanned again.
void SetTextFromCode(QPlainTextEdit& edit, const QString& text);

}  // namespace zarnet
