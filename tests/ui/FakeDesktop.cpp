#include "ui/FakeDesktop.h"

namespace zarnet::testing {

MessageAnswer FakeDesktop::ShowMessage(QWidget*, MessageKind kind, const QString& text,
                                       MessageButtons buttons) {
    Messages.push_back({kind, text, buttons});
    if (Answers.empty()) {
        ++Unscripted;
        switch (buttons) {
            case MessageButtons::Ok:
                return MessageAnswer::Ok;
            case MessageButtons::YesNo:
            case MessageButtons::YesNoDefaultNo:
                return MessageAnswer::No;
            case MessageButtons::YesCancel:
                break;
        }
        return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void FakeDesktop::ShowError(QWidget*, const QString& title, const QString& text) {
    Errors.push_back({title, text});
}

bool FakeDesktop::Execute(QWidget*, FileDialog& dialog) {
    Dialogs.push_back(dialog);
    if (Files.empty()) {
        ++Unscripted;
        return false;
    }
    const std::optional<QString> file = Files.front();
    Files.pop_front();
    if (!file) {
        return false;
    }
    dialog.FileName = *file;
    return true;
}

std::optional<QFont> FakeDesktop::ChooseFont(QWidget*, const QFont& initial) {
    FontRequests.push_back(initial);
    if (Fonts.empty()) {
        ++Unscripted;
        return std::nullopt;
    }
    const std::optional<QFont> font = Fonts.front();
    Fonts.pop_front();
    return font;
}

void FakeDesktop::SetClipboardText(const QString& text) {
    Clipboard = text;
}

QString FakeDesktop::ClipboardText() {
    return Clipboard;
}

void FakeDesktop::OpenWithAssociatedApp(const QString& file, const QString& parameters,
                                        const QString& folder) {
    OpenedFiles.push_back({file, parameters, folder});
}

}  // namespace zarnet::testing
