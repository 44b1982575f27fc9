#pragma once

#include "ui/Desktop.h"

namespace zarnet {

// The program's filter text ("name|*.a;*.b|...") as a Qt filter string
// ("name (*.a *.b);;...").
QString QtFileFilter(const QString& filter);

// The folder a file dialog opens in: the file name's own when it names an
// existing one, else the dialog's InitialDir (empty: Qt's choice).
QString DialogStartFolder(const FileDialog& dialog);

// The desktop through Qt's own dialogs and services.
class QtDesktop : public Desktop {
  public:
    MessageAnswer ShowMessage(QWidget* parent, MessageKind kind, const QString& text,
                              MessageButtons buttons) override;
    void ShowError(QWidget* parent, const QString& title, const QString& text) override;
    bool Execute(QWidget* parent, FileDialog& dialog) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() override;
    void OpenWithAssociatedApp(const QString& file, const QString& parameters,
                               const QString& folder) override;
};

}  // namespace zarnet
