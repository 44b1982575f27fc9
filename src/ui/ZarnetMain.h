#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "core/RangeStepping.h"
#include "platform/Paths.h"
#include "store/DefaultStore.h"
#include "store/TRegData.h"
#include "templates/HtmlTemplates.h"
#include "ui/Desktop.h"
#include "ui/ErrorGuard.h"
#include "ui/OutputCommands.h"
#include "ui/ProbeDlgUnit.h"
#include "ui/ZarnetMainForm.h"

class QAction;

namespace zarnet {

class Registry;
class THtmlEditForm;
class TListView;
class TPropertyForm;

// The program's main window: the pattern fields, the menus and the command
// buttons. Creating it loads the settings from the default store; closing it,
// by any means, saves them there.
class TZarnetform : public QMainWindow, private OutputCommands::Host, private TProbeForm::Host {
    Q_OBJECT

  public:
    // `desktop` and `registry` must outlive the window.
    TZarnetform(Desktop& desktop, const AppPaths& paths, Registry& registry,
                QWidget* parent = nullptr);
    ~TZarnetform() override;

    // The record into the window, and back.
    void ApplySettings();
    void CollectSettings();

    // The ticked output kind; ImageSrc should none be ticked.
    MakeType GetMakeType() override;
    void SetMakeType(MakeType kind);
    void SetCompactView(bool compact);
    // Every output-kind item: ticks `kind`.
    void ListTextClick(MakeType kind);
    // Both view items: the standard or the compact view.
    void ViewDefaultMenuClick(bool compact);
    int ClientHeight() const;

    // Records the current pattern at the head of the history.
    void PushHistory() override;
    // The user changed the base address: a listed one recalls its pattern.
    void UrlComboChange();
    // A pattern field changed: the sample follows.
    void UrlAdrsChange();
    void PMEDitChange();
    // Both range buttons: the next block up (＋) or down (－).
    void PlusButtonClick(StepDirection direction);

    // ｱﾄﾞﾚｽから設定: the dialog, on the clipboard's address when it holds
    // one line.
    void FromAddressMenuClick();
    // The dialog on `address`; a confirmed pattern fills the boxes as typing
    // would, and the history stays as it is.
    void OpenFromAddress(const QString& address);

    // The list menu's store commands. A history they load is the user's
    // choice: the shut-down save keeps it all, as if this window had pushed it.
    void LoadIniMenuClick();
    void SaveIniMenuClick();
    void LoadRegMenuClick();
    void SaveRegMenuClick();
    // Runs after the item's tick has been reversed.
    void RegDefaultMenuClick();

    void QuitBtnClick();

    // Runs the settings dialog; confirmed values go into the record, and the
    // view is applied again so a changed HideMenu shows at once.
    void PropertyMenuClick();

    // The series probe: the checks of every output command first, then the
    // probe's dialog on the pattern that passed them.
    void ProbeMenuClick();

    TRegData& RegData() { return regData_; }
    TListView& ListView() { return *listView_; }
    THtmlEditForm& HtmlEditForm() { return *htmlEditForm_; }
    TPropertyForm& PropertyForm() { return *propertyForm_; }
    TProbeForm& ProbeForm() { return *probeForm_; }
    HtmlTemplates& Templates() { return templates_; }
    ZarnetMainForm& Form() { return ui_; }
    const std::string& IniFileName() const { return iniFileName_; }

    FileDialog OpenDialog1;
    FileDialog SaveDialog1;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // An address dropped anywhere on the window opens ｱﾄﾞﾚｽから設定 on it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Start and end keep the widths they were typed with.
    void ApplyRange(std::int32_t first, std::int32_t last) override;
    void ShowFound(const PreparedRun& run, const ProbeResult& result) override;
    void ConnectControls();
    void FormCreate();
    // What a load passed over, in one warning box.
    void ShowNotices(const std::vector<std::string>& notices);
    // The store's record into the window; a value the registry cannot give
    // keeps its default and is told of afterwards.
    void LoadAndApply(StoreKind store);
    // The handler runs through the error guard when the signal fires.
    template <typename Sender, typename Signal>
    void On(Sender* sender, Signal signal, void (TZarnetform::*handler)());
    // The drop-down list from the record's history, marking the entry the
    // box shows, if it is listed.
    void FillHistoryList();

    Desktop& desktop_;
    Registry& registry_;
    ErrorGuard guard_;
    AppPaths paths_;
    std::string iniFileName_;
    TRegData regData_;
    HtmlTemplates templates_;
    ZarnetMainForm ui_;
    THtmlEditForm* htmlEditForm_ = nullptr;
    TListView* listView_ = nullptr;
    TPropertyForm* propertyForm_ = nullptr;
    TProbeForm* probeForm_ = nullptr;
    std::unique_ptr<OutputCommands> outputs_;
};

}  // namespace zarnet
