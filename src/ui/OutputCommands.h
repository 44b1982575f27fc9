#pragma once

#include <QString>

#include "core/PatternRequest.h"

class QWidget;

namespace zarnet {

class Desktop;
class HtmlTemplates;
struct PreparedRun;
struct ProbeResult;
class TListView;
class TRegData;
class ZarnetMainForm;

// The main window's output commands: each builds the current pattern's
// document into the preview, hands it on (shows, saves, saves as or copies
// it), records the pattern in the history and sets the status label.
class OutputCommands {
  public:
    // What the commands ask of the main window beyond its controls.
    class Host {
      public:
        virtual ~Host() = default;
        virtual MakeType GetMakeType() = 0;
        virtual void PushHistory() = 0;
    };

    // Message boxes and dialogs open over `window`; the settings record gives
    // the output settings.
    OutputCommands(Desktop& desktop, QWidget& window, ZarnetMainForm& ui, TListView& preview,
                   const HtmlTemplates& templates, const TRegData& record, Host& host);

    void SaveBtnClick();       // view
    void SaveToMenuClick();    // save
    void SaveAsMenuClick();    // save as
    void ClipBordMenuClick();  // clipboard
    // The whole save command, then the output file opened with its
    // application.
    void SpeedButton1Click();

    // The document of the window's pattern into the preview; raises the first
    // failed check's message.
    void BuildOutput();
    // The window's pattern through the checks of a run, with their
    // write-backs, and the limits on what it builds, as every output command
    // starts.
    PreparedRun CheckedRun();

    // The view command for what a probe found: the document of the found
    // addresses of `run` in the preview, then the history and the label.
    void ShowFound(const PreparedRun& run, const ProbeResult& result);

    // The output steps.
    void ShowPreview();
    void SaveToCurrentFile();
    void SaveAsFile();
    void CopyResultToClipboard();

  private:
    // Generate, output step, history, label.
    void RunCommand(void (OutputCommands::*outputStep)(), const QString& label);
    // A command's steps after its document is in the preview.
    void HandOn(void (OutputCommands::*outputStep)(), const QString& label);

    Desktop& desktop_;
    QWidget& window_;
    ZarnetMainForm& ui_;
    TListView& preview_;
    const HtmlTemplates& templates_;
    const TRegData& record_;
    Host& host_;
};

}  // namespace zarnet
