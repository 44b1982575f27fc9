#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace zarnet {

// Kinds of message box; each has its own caption and icon.
enum class MessageKind { Information, Warning, Confirmation, Error };

// The button sets the program uses. The first button is the default one,
// except in YesNoDefaultNo (a question whose "yes" loses data); Escape (or
// closing the box) answers the last.
enum class MessageButtons { Ok, YesNo, YesCancel, YesNoDefaultNo };

enum class MessageAnswer { Ok, Yes, No, Cancel };

// A file dialog's state, kept between uses as the windows keep their dialogs:
// Execute() starts at FileName and leaves the chosen file there.
struct FileDialog {
    enum class Mode { Open, Save };

    Mode DialogMode = Mode::Open;
    QString FileName;
    // The program's own filter text: pairs of "name|patterns", patterns
    // separated by ";".
    QString Filter;
    // Save dialogs: ask before an existing file is picked.
    bool ConfirmOverwrite = false;
    // Where the dialog opens when FileName names no existing folder. Given an
    // initialiser, so the dialogs that do not use it need not name it.
    QString InitialDir{};
};

// Everything the windows need from the desktop beyond their own widgets:
// message boxes, file and font dialogs, the clipboard, opening a file with its
// application. Windows get it passed in, so tests can answer every question.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // Caption by kind: "情報", "警告", "確認", "エラー".
    virtual MessageAnswer ShowMessage(QWidget* parent, MessageKind kind, const QString& text,
                                      MessageButtons buttons) = 0;
    // The box of an abandoned command: error icon, one OK button, `title`.
    virtual void ShowError(QWidget* parent, const QString& title, const QString& text) = 0;

    // True when the user picked a file; it is then in dialog.FileName.
    virtual bool Execute(QWidget* parent, FileDialog& dialog) = 0;

    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;

    virtual void SetClipboardText(const QString& text) = 0;
    // The clipboard's plain text; empty when it holds none.
    virtual QString ClipboardText() = 0;

    // Opens `file` with the application the system associates with it,
    // handing it `parameters` and starting in `folder`. Failures are silent.
    virtual void OpenWithAssociatedApp(const QString& file, const QString& parameters,
                                       const QString& folder) = 0;
};

}  // namespace zarnet
