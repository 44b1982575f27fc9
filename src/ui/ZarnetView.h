#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "platform/TextFile.h"
#include "store/TViewFont.h"
#include "ui/Desktop.h"
#include "ui/ErrorGuard.h"

class QPlainTextEdit;

namespace zarnet {

// The result preview window: the text of the last generation run, which the
// user may read, edit, save, copy and show in another font.
class TListView : public QDialog {
    Q_OBJECT

  public:
    explicit TListView(Desktop& desktop, QWidget* parent = nullptr);

    QPlainTextEdit* ListVIewMemo() const { return memo_; }

    // The output kind of the text now in the window; List(Text) until the
    // first run.
    MakeType OutputKind() const { return outputKind_; }
    // A new document of that kind, in place of the text and kind shown.
    void ShowDocument(MakeType kind, const QString& text);
    // The whole document of a run, set in one go: one line of text for each
    // line of the document.
    void ShowRun(const PreparedRun& run, const DocumentFrame& frame);
    // The same document holding only the entries `entries` gives.
    void ShowRun(const PreparedRun& run, const DocumentFrame& frame, const EntrySource& entries);

    // The text as lines, by the program's line rules.
    std::vector<std::string> Lines() const;
    // The text to a file, in code page 932 with CR LF: the template lines a
    // run brought in, where still as they were, as the templates' own bytes.
    void WriteTo(const std::string& path) const;

    // Keeps its file name and options between uses; the main window sets both
    // before it saves through this window.
    FileDialog SaveDialog1;

    // Proposes a name by the output kind, asks for the file and writes the
    // text there in code page 932 with CR LF. Raises the file errors.
    void SaveToFileButtonClick();
    // The whole text to the clipboard; the caret goes back where the selection
    // began.
    void ClipBordButtonClick();
    // The font dialog, opened on the font in use; a choice that keeps the
    // face keeps its stored name too.
    void SpeedButton3Click();

    // The settings record's font on the text box: character set, colour,
    // height and name; the style stays.
    void ApplyViewFont(const TViewFont& font);
    // The text box's font back into the record's.
    void CollectViewFont(TViewFont& font) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowColor();

    Desktop& desktop_;
    ErrorGuard guard_;
    QPlainTextEdit* memo_ = nullptr;
    MakeType outputKind_ = MakeType::ListText;
    KnownLines templateLines_;
    // Qt fonts have neither; they are kept for the settings.
    std::uint8_t charSet_ = TViewFont::kShiftJisCharSet;
    std::int32_t color_ = TViewFont::kWindowTextColor;
};

}  // namespace zarnet
