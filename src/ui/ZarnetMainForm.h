#pragma once

#include <utility>
#include <vector>

#include "core/PatternRequest.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

namespace zarnet {

// The main window's controls and menus, created and laid out as a Designer
// form would: names, captions, hints, places and the focus order. It holds no
// behaviour; the window connects the signals.
class ZarnetMainForm {
  public:
    static constexpr int kClientWidth = 432;

    // Builds everything into `window`, which owns the widgets.
    void SetupUi(QMainWindow& window);

    // Sizes the strips from the boxes' real heights.
    void FitStrips();

    // The seven pattern texts as the boxes show them, and into the boxes.
    PatternTexts Pattern() const;
    void ShowPattern(const PatternTexts& pattern);

    QWidget* ClientArea = nullptr;
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
    QLabel* Label2 = nullptr;
    QLineEdit* FileNameFront = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* StCount = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* EdCount = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* FileNameRear = nullptr;
    QLabel* Label3 = nullptr;
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
    QAction* FromAddressMenu = nullptr;
    QAction* SaveToMenu = nullptr;
    QAction* SaveAsMenu = nullptr;
    QAction* ClipBordMenu = nullptr;
    QAction* V1 = nullptr;
    QAction* ProbeMenu = nullptr;
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

    // Each menu-bar item with its pop-up twin.
    std::vector<std::pair<QAction*, QAction*>> Twins;
    // The controls whose right click opens the pop-up menu.
    std::vector<QWidget*> PopupOwners;

  private:
    void BuildClientArea(QMainWindow& window);
    void BuildMenus(QMainWindow& window);
    // Each label's text on the line of its box's text.
    void AlignLabels();
};

}  // namespace zarnet
