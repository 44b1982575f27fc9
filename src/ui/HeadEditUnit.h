#pragma once

#include <string>

#include "ui/Desktop.h"
#include "ui/ErrorGuard.h"
#include "ui/KeylessDialog.h"

class QPlainTextEdit;
class QPushButton;

namespace zarnet {

class HtmlTemplates;
struct TemplateLoss;

// The header and footer editor: the two templates as plain text, each in a
// text box that can also be filled from a file. The templates object it is
// given is the one every generation run reads.
class THtmlEditForm : public KeylessDialog {
    Q_OBJECT

  public:
    THtmlEditForm(Desktop& desktop, HtmlTemplates& templates, QWidget* parent = nullptr);

    QPlainTextEdit* HeaderEdit() const { return headerEdit_; }
    QPlainTextEdit* FooterEdit() const { return footerEdit_; }

    // The opener behind "HTML編集(&H)" and the settings dialog's button: edits
    // the templates, and "保存終了" writes them to their files.
    void HTMLEditButtonClick();

    void FillHeaderEdit();
    void FillFooterEdit();
    // Both texts into the templates: a line left as it was keeps its bytes,
    // any other is cut to HtmlTemplates::kMaxLineBytes.
    void Button3Click();
    // Fill the header or the footer from a file of the user's choice.
    void Button5Click();
    void Button6Click();

    // Keeps no file name between uses: every browse starts empty.
    FileDialog OpenDialog1{FileDialog::Mode::Open, QString(), QString(), false};

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // One half: its caption bar with the "標準", "参照" and hidden "登録"
    // buttons, and its text box.
    struct Pane {
        QWidget* Panel;
        QPlainTextEdit* Edit;
        QPushButton* Standard;
        QPushButton* Browse;
    };
    Pane AddPane(const char* panel, const char* bar, const QString& caption, const char* buttons,
                 const char* standard, const char* browse, const char* enter, int barHeight,
                 const char* edit);
    void Browse(void (HtmlTemplates::*load)(const std::string&), void (THtmlEditForm::*fill)());
    // True when nothing would be lost, or the user agrees to the loss.
    bool MayLose(const std::string& path, const TemplateLoss& loss);

    Desktop& desktop_;
    HtmlTemplates& templates_;
    ErrorGuard guard_;
    QPlainTextEdit* headerEdit_ = nullptr;
    QPlainTextEdit* footerEdit_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

}  // namespace zarnet
