#pragma once

#include <QMainWindow>
#include <cstdint>
#include <string>

#include "platform/Paths.h"
#include "store/TRegData.h"
#include "templates/HtmlTemplates.h"
#include "ui/Desktop.h"
#include "ui/ErrorGuard.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace zarnet {

class Registry;
class TListView;

// The program's main window: the pattern fields, the menus and the command
// buttons. Creating it loads the settings from the default store; destroying
// it saves them there.
class TZarnetform : public QMainWindow {
    Q_OBJECT

  public:
    // `desktop` and `registry` must outlive the window, which uses both while
    // it is destroyed.
    TZarnetform(Desktop& desktop, const AppPaths& paths, Registry& registry,
                QWidget* parent = nullptr);
    ~TZarnetform() override;

    // The record into the window, and back.
    void ApplySettings();
    void CollectSettings();

    // The output kind: 0 List(Text), 1 HTML, 2 ImageSrc.
    int GetMakeType();
    // Any kind but 0 and 1 ticks ImageSrc.
    void SetMakeType(int kind);
    void SetCompactView(bool compact);
    // The output-kind and view items: their tags name the kind and the view.
    void ListTextClick(const QAction& item);
    void ViewDefaultMenuClick(const QAction& item);
    // Sizes the strips from the boxes' real heights.
    void FitStrips();
    int ClientHeight() const;

    // Records the current pattern at the head of the history.
    void PushHistory();
    // The user changed the base address: a listed one recalls its pattern.
    void UrlComboChange();
    // A pattern field changed.
    void UrlAdrsChange();

    // The list menu's store commands.
    void LoadIniMenuClick();
    void SaveIniMenuClick();
    void LoadRegMenuClick();
    void SaveRegMenuClick();
    // Runs after the item's tick has been reversed.
    void RegDefaultMenuClick();

    void QuitBtnClick();

    TRegData& RegData() { return regData_; }
    TListView& ListView() { return *listView_; }
    HtmlTemplates& Templates() { return templates_; }
    const std::string& IniFileName() const { return iniFileName_; }

    // Copies of the record's output settings, which the generator reads and
    // the settings dialog edits.
    std::int32_t ImageWidth = 0;
    std::int32_t ImageHeight = 0;
    bool Separator = false;
    bool Border = false;
    bool ClickView = false;

    FileDialog OpenDialog1;
    FileDialog SaveDialog1;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildClientArea();
    void BuildMenus();
    void ConnectControls();
    void SetTabOrder();
    void FormCreate();
    // Runs the handler through the error guard when the signal fires.
    template <typename Signal, typename Sender>
    void OnSignal(Sender* sender, Signal signal, void (TZarnetform::*handler)());
    // The pattern the controls show, texts as typed.
    TURLItem CurrentPattern() const;
    // The drop-down list from the record's history.
    void FillHistoryList();

    Desktop& desktop_;
    Registry& registry_;
    ErrorGuard guard_;
    AppPaths paths_;
    std::string iniFileName_;
    TRegData regData_;
    HtmlTemplates templates_;
    TListView* listView_ = nullptr;
    bool centred_ = false;

    QWidget* clientArea_ = nullptr;
    QGroupBox* SampleBox = nullptr;
    QLabel* SampleUrl = nullptr;
    QWidget* MainPanel = nullptr;
    QLabel* TitlePanel1 = nullptr;
    QWidget* AdrsPanel = nullptr;
    QComboBox* UrlCombo = nullptr;
    QLineEdit* CSVListEdit = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* TitlePanel2 = nullptr;
    QWidget* FNamePanel = nullptr;
    QLineEdit* FileNameFront = nullptr;
    QLineEdit* StCount = nullptr;
    QLineEdit* EdCount = nullptr;
    QLineEdit* FileNameRear = nullptr;
    QLineEdit* FileNameExt = nullptr;
    QPushButton* MinusButton = nullptr;
    QLineEdit* PMEDit = nullptr;
    QPushButton* PlusButton = nullptr;
    QWidget* FileSavePanel = nullptr;
    QPushButton* OverwriteButton = nullptr;
    QLineEdit* SaveFileNameEdit = nullptr;
    QLabel* EditingLavel = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QWidget* ButtonPanel = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* ClipBord = nullptr;
    QPushButton* ViewBtn = nullptr;
    QPushButton* QuitBtn = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QAction* SaveToMenu = nullptr;
    QAction* SaveAsMenu = nullptr;
    QAction* ClipBordMenu = nullptr;
    QAction* V1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* PropertyMenu = nullptr;
    QAction* SetHTMLMenu = nullptr;
    QAction* OverWriteMenu = nullptr;
    QAction* AutoSaveList = nullptr;
    QAction* ViewDefaultMenu = nullptr;
    QAction* ViewCompactMenu = nullptr;
    QAction* ListText = nullptr;
    QAction* HTML = nullptr;
    QAction* ImageSrc = nullptr;
    QAction* LoadIniMenu = nullptr;
    QAction* SaveIniMenu = nullptr;
    QAction* LoadRegMenu = nullptr;
    QAction* SaveRegMenu = nullptr;
    QAction* RegDefaultMenu = nullptr;
};

}  // namespace zarnet
