#include "ui/OutputCommands.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "core/PatternExpansion.h"
#include "core/ProbeReport.h"
#include "core/RunLimit.h"
#include "platform/Paths.h"
#include "store/TRegData.h"
#include "templates/HtmlTemplates.h"
#include "ui/Desktop.h"
#include "ui/QtText.h"
#include "ui/ZarnetMainForm.h"
#include "ui/ZarnetView.h"

namespace zarnet {

namespace {

const QString kRecorded = QStringLiteral("登録済");
const QString kCopied = QStringLiteral("ｸﾘｯﾌﾟ");

// A run hands its corrections back to the boxes as typing would, so their
// change handling runs.
class BoxWriteBack : public WriteBackTarget {
  public:
    explicit BoxWriteBack(ZarnetMainForm& ui) : ui_(ui) {}
    void SetExtension(const std::string& ext) override { ui_.FileNameExt->setText(ToQt(ext)); }
    void SetStep(const std::string& step) override { ui_.PMEDit->setText(ToQt(step)); }

  private:
    ZarnetMainForm& ui_;
};

// The wait cursor while a long document is built and shown.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

OutputCommands::OutputCommands(Desktop& desktop, QWidget& window, ZarnetMainForm& ui,
                               TListView& preview, const HtmlTemplates& templates,
                               const TRegData& record, Host& host)
    : desktop_(desktop),
      window_(window),
      ui_(ui),
      preview_(preview),
      templates_(templates),
      record_(record),
      host_(host) {}

void OutputCommands::SaveBtnClick() {
    RunCommand(&OutputCommands::ShowPreview, kRecorded);
}

void OutputCommands::SaveToMenuClick() {
    RunCommand(&OutputCommands::SaveToCurrentFile, kRecorded);
}

void OutputCommands::SaveAsMenuClick() {
    RunCommand(&OutputCommands::SaveAsFile, kRecorded);
}

void OutputCommands::ClipBordMenuClick() {
    RunCommand(&OutputCommands::CopyResultToClipboard, kCopied);
}

void OutputCommands::SpeedButton1Click() {
    SaveToMenuClick();
    // Read again: a save that went to the dialog may have changed it.
    const QString fileName = ui_.SaveFileNameEdit->text();
    desktop_.OpenWithAssociatedApp(fileName, fileName, ToQt(FolderPart(fileName.toStdString())));
}

void OutputCommands::RunCommand(void (OutputCommands::*outputStep)(), const QString& label) {
    BuildOutput();
    HandOn(outputStep, label);
}

void OutputCommands::ShowFound(const PreparedRun& run, const ProbeResult& result) {
    {
        const WaitCursor busy;
        preview_.ShowRun(run, templates_,
                         [&result](ExpansionSink& sink) { ExpandFound(result, sink); });
    }
    HandOn(&OutputCommands::ShowPreview, kRecorded);
}

void OutputCommands::HandOn(void (OutputCommands::*outputStep)(), const QString& label) {
    // The preview's save dialog, given a name without a folder, opens beside
    // the output file, or where the default one goes when that folder is gone.
    std::string folder = FolderPart(ui_.SaveFileNameEdit->text().toStdString());
    if (!DirectoryExists(folder)) {
        folder = FolderPart(record_.DefaultSaveFname);
    }
    preview_.SaveDialog1.InitialDir = ToQt(folder);
    (this->*outputStep)();
    host_.PushHistory();
    ui_.EditingLavel->setText(label);
}

PreparedRun OutputCommands::CheckedRun() {
    const PatternRequest request = record_.RequestFor(ui_.Pattern(), host_.GetMakeType());
    BoxWriteBack writeBack(ui_);
    PreparedRun run = PrepareRun(request, &writeBack);
    CheckAddressLength(run);
    CheckHeaderLength(run, templates_);
    return run;
}

// The corrected extension and the group size go back into their boxes before
// the preview's text and kind are replaced.
void OutputCommands::BuildOutput() {
    const PreparedRun run = CheckedRun();
    CheckRunSize(run);
    const WaitCursor busy;
    preview_.ShowRun(run, templates_);
}

void OutputCommands::ShowPreview() {
    preview_.exec();
}

void OutputCommands::SaveToCurrentFile() {
    const std::string fileName = ui_.SaveFileNameEdit->text().toStdString();
    // A bare name or a folder that is gone leaves the choice to the user.
    if (!DirectoryExists(FolderPart(fileName))) {
        SaveAsFile();
        return;
    }
    if (!ui_.OverWriteMenu->isChecked() && FileExists(fileName) &&
        desktop_.ShowMessage(&window_, MessageKind::Information,
                             QStringLiteral("ファイルに上書きしますか"),
                             MessageButtons::YesCancel) != MessageAnswer::Yes) {
        return;
    }
    preview_.WriteTo(fileName);
}

void OutputCommands::SaveAsFile() {
    // With "上書き確認なし" ticked the dialog does not ask either.
    preview_.SaveDialog1.ConfirmOverwrite = !ui_.OverWriteMenu->isChecked();
    preview_.SaveDialog1.FileName = ui_.SaveFileNameEdit->text();
    preview_.SaveToFileButtonClick();
    ui_.SaveFileNameEdit->setText(preview_.SaveDialog1.FileName);
}

void OutputCommands::CopyResultToClipboard() {
    preview_.ClipBordButtonClick();
    desktop_.ShowMessage(&window_, MessageKind::Information,
                         QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力しました"), MessageButtons::Ok);
}

}  // namespace zarnet
