#pragma once

#include <QFont>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/Desktop.h"

namespace zarnet::testing {

// Answers every dialog from a script and records what was asked. A question
// without a scripted answer gets the cancelling one and is counted, so no test
// can wait on a modal box.
class FakeDesktop : public Desktop {
  public:
    struct Message {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
    };
    struct Error {
        QString Title;
        QString Text;
    };
    struct Opened {
        QString File;
        QString Parameters;
        QString Folder;
    };

    MessageAnswer ShowMessage(QWidget* parent, MessageKind kind, const QString& text,
                              MessageButtons buttons) override;
    void ShowError(QWidget* parent, const QString& title, const QString& text) override;
    bool Execute(QWidget* parent, FileDialog& dialog) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() override;
    void OpenWithAssociatedApp(const QString& file, const QString& parameters,
                               const QString& folder) override;

    // Scripts: answers are used in order.
    std::deque<MessageAnswer> Answers;
    // A file name picks that file; nullopt cancels.
    std::deque<std::optional<QString>> Files;
    std::deque<std::optional<QFont>> Fonts;

    std::vector<Message> Messages;
    std::vector<Error> Errors;
    // The dialogs as they were when shown.
    std::vector<FileDialog> Dialogs;
    std::vector<QFont> FontRequests;
    std::vector<Opened> OpenedFiles;
    // What the program copied, and what it reads back.
    QString Clipboard;
    int Unscripted = 0;
};

}  // namespace zarnet::testing
