#include "ui/QtDesktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTreeView>
#include <QUrl>
#include <memory>
#include <string>

#include "platform/Paths.h"
#include "ui/QtText.h"

#ifdef _WIN32
#include "platform/Cp932.h"
#include "platform/win/WinApi.h"
// Needs the declarations of windows.h before it.
#include <shellapi.h>
#endif

namespace zarnet {

namespace {

QString CaptionFor(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QStringLiteral("情報");
        case MessageKind::Warning:
            return QStringLiteral("警告");
        case MessageKind::Confirmation:
            return QStringLiteral("確認");
        case MessageKind::Error:
            break;
    }
    return QStringLiteral("エラー");
}

QMessageBox::Icon IconFor(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
        case MessageKind::Error:
            break;
    }
    return QMessageBox::Critical;
}

// Qt's own chooser sizes its columns for short English texts, so the dates of
// the system's locale and the translated types came out cut. Once the folder
// it opens on is read, each column but the name takes what its texts need,
// and the chooser grows where the name would be left narrower than Qt makes
// it. The system's own chooser lays out its columns itself.
void ShowWholeColumns(QFileDialog& dialog) {
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (tree == nullptr || model == nullptr) {
        return;
    }
    const int nameWidth = tree->header()->sectionSize(0);
    auto fitted = std::make_shared<QMetaObject::Connection>();
    *fitted = QObject::connect(model, &QFileSystemModel::directoryLoaded, tree,
                               [&dialog, tree, model, nameWidth, fitted](const QString& folder) {
                                   // The folders above it are read first.
                                   if (folder != model->filePath(tree->rootIndex())) {
                                       return;
                                   }
                                   QObject::disconnect(*fitted);
                                   QHeaderView* header = tree->header();
                                   int width = nameWidth;
                                   for (int column = 1; column < header->count(); ++column) {
                                       tree->resizeColumnToContents(column);
                                       width += header->sectionSize(column);
                                   }
                                   header->resizeSection(0, nameWidth);
                                   const int missing = width - tree->viewport()->width();
                                   if (missing > 0) {
                                       // Grown on both sides, so it stays where it was centred.
                                       dialog.setGeometry(dialog.geometry().adjusted(
                                           -missing / 2, 0, missing - missing / 2, 0));
                                   }
                               });
}

}  // namespace

// "*.*" becomes "*", which also matches names without a dot.
QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

QString DialogStartFolder(const FileDialog& dialog) {
    const std::string folder = FolderPart(ToStd(dialog.FileName));
    return DirectoryExists(folder) ? ToQt(folder) : dialog.InitialDir;
}

MessageAnswer QtDesktop::ShowMessage(QWidget* parent, MessageKind kind, const QString& text,
                                     MessageButtons buttons) {
    QMessageBox box(IconFor(kind), CaptionFor(kind), text, QMessageBox::NoButton, parent);
    // Messages carry file names and typed texts, never markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    const bool yesNo = buttons != MessageButtons::YesCancel;
    QPushButton* other = yesNo
                             ? box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole)
                             : box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(buttons == MessageButtons::YesNoDefaultNo ? other : yes);
    // Escape and the close box both answer the second button.
    box.setEscapeButton(other);
    box.exec();
    if (box.clickedButton() == yes) {
        return MessageAnswer::Yes;
    }
    return yesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

void QtDesktop::ShowError(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool QtDesktop::Execute(QWidget* parent, FileDialog& dialog) {
    QFileDialog fileDialog(parent);
    // A typed name that does not exist is accepted by both kinds, and nothing
    // is appended to it.
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setAcceptMode(dialog.DialogMode == FileDialog::Mode::Save ? QFileDialog::AcceptSave
                                                                         : QFileDialog::AcceptOpen);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite, !dialog.ConfirmOverwrite);
    fileDialog.setNameFilter(QtFileFilter(dialog.Filter));
    // A bare name would open in the working folder, where no user looks.
    if (const QString folder = DialogStartFolder(dialog); !folder.isEmpty()) {
        fileDialog.setDirectory(QDir::fromNativeSeparators(folder));
    }
    ShowWholeColumns(fileDialog);
    if (!dialog.FileName.isEmpty()) {
        fileDialog.selectFile(QFileInfo(QDir::fromNativeSeparators(dialog.FileName)).fileName());
    }
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) {
        return false;
    }
    dialog.FileName = QDir::toNativeSeparators(fileDialog.selectedFiles().constFirst());
    return true;
}

std::optional<QFont> QtDesktop::ChooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) {
        return std::nullopt;
    }
    return chosen;
}

void QtDesktop::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtDesktop::ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

void QtDesktop::OpenWithAssociatedApp(const QString& file,
                                      [[maybe_unused]] const QString& parameters,
                                      [[maybe_unused]] const QString& folder) {
#ifdef _WIN32
    // The program names its files in code page 932, as it writes them.
    const std::string ansiFile = cp932::Encode(file.toStdString());
    const std::string ansiParameters = cp932::Encode(parameters.toStdString());
    const std::string ansiFolder = cp932::Encode(folder.toStdString());
    ShellExecuteA(nullptr, nullptr, ansiFile.c_str(), ansiParameters.c_str(), ansiFolder.c_str(),
                  SW_SHOW);
#else
    // Other desktops hand the file to its application without parameters.
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
#endif
}

}  // namespace zarnet
