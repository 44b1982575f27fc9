#include "ui/ZarnetMainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "ui/ControlLook.h"
#include "ui/DesignFont.h"
#include "ui/FormKit.h"
#include "ui/Icons.h"
#include "ui/QtText.h"

namespace zarnet {

namespace {

constexpr int kSampleBoxHeight = 38;
constexpr int kTitlePanelHeight = 24;
// A caption strip: raised inner and lowered outer bevel, the text at the left.
constexpr int kTitleFrame = QFrame::Box | QFrame::Sunken;
constexpr Qt::Alignment kTitleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kTitleIndent = 4;
constexpr int kFileSavePanelHeight = 30;
constexpr int kButtonPanelHeight = 31;
constexpr int kHistoryRows = 20;

}  // namespace

void ZarnetMainForm::SetupUi(QMainWindow& window) {
    window.setObjectName(QStringLiteral("Zarnetform"));
    // Fixed size, yet with the minimise and maximise buttons.
    MakeTopLevel(window);
    window.setWindowTitle(QStringLiteral("Vexilo(ZarNET) ver1.2.2"));
    window.setWindowIcon(icons::MainWindow());
    window.setFont(DesignFont());
    BuildClientArea(window);
    BuildMenus(window);
    GiveKey(*FromAddressMenu, window, QKeySequence(Qt::CTRL | Qt::Key_L));
    GiveKey(*ProbeMenu, window, QKeySequence(Qt::CTRL | Qt::Key_R));
    for (const auto& [master, twin] : Twins) {
        if (!master->shortcut().isEmpty()) {  // the twin's hint names the key too
            twin->setToolTip(master->toolTip());
            twin->setStatusTip(master->statusTip());
        }
    }
    SetTabOrder({OverwriteButton, SaveFileNameEdit, UrlCombo, CSVListEdit, FileNameFront, StCount,
                 EdCount, FileNameRear, FileNameExt, PlusButton, PMEDit, MinusButton, SaveBtn,
                 ClipBord, ViewBtn, QuitBtn});
    // The first of the order has the focus when the window opens.
    OverwriteButton->setFocus();
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    PopupOwners = {SampleBox,       SampleUrl,   TitlePanel1, TitlePanel2, EditingLavel,
                   OverwriteButton, ButtonPanel, Label2,      Label3,      Label4,
                   Label5,          Label6,      Label7};
}

void ZarnetMainForm::BuildClientArea(QMainWindow& window) {
    ClientArea = AddPanel(&window, "ClientArea");
    window.setCentralWidget(ClientArea);
    QVBoxLayout* strips = StackLayout(ClientArea);

    // The caption sits on the frame line, leaving the box's height to the
    // sample.
    SampleBox = AddGroup(ClientArea, "SampleBox", QStringLiteral("ｻﾝﾌﾟﾙ"));
    SampleBox->setFixedHeight(kSampleBoxHeight);
    SampleUrl = AddLabel(SampleBox, "SampleUrl", QStringLiteral("Sample"), QPoint(3, 14));
    SampleUrl->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SampleUrl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SampleUrl->setToolTip(QStringLiteral("作成するアドレスのｻﾝﾌﾟﾙを表示します"));
    SampleUrl->setGeometry(3, 14, kClientWidth - 6, kSampleBoxHeight - 16);
    strips->addWidget(SampleBox);

    MainPanel = AddPanel(ClientArea, "MainPanel");
    QVBoxLayout* rows = StackLayout(MainPanel);
    strips->addWidget(MainPanel);

    // Each strip of the main panel: its caption, then the panel its controls
    // go on.
    TitlePanel1 =
        AddCaptionBar(MainPanel, "TitlePanel1",
                      QStringLiteral("基本ｱﾄﾞﾚｽ共通部　([%%]を使うと連続生成が使用できます)"),
                      kTitlePanelHeight, kTitleFrame, kTitleAlignment);
    TitlePanel1->setIndent(kTitleIndent);
    rows->addWidget(TitlePanel1);
    AdrsPanel = AddPanel(MainPanel, "AdrsPanel");
    rows->addWidget(AdrsPanel);
    UrlCombo = new QComboBox(AdrsPanel);
    Name(*UrlCombo, "UrlCombo");
    UrlCombo->setEditable(true);
    // The list is the history, rebuilt from the record only.
    UrlCombo->setInsertPolicy(QComboBox::NoInsert);
    UrlCombo->setCompleter(nullptr);
    UrlCombo->setMaxVisibleItems(kHistoryRows);
    UrlCombo->setToolTip(QStringLiteral("アドレス共通部、%%を使うと代入する文字列を指定できます"));
    UrlCombo->setGeometry(4, 2, 419, UrlCombo->sizeHint().height());
    CSVListEdit =
        AddEdit(AdrsPanel, "CSVListEdit", QRect(4, 0, 285, kFontHeight), QString(),
                QStringLiteral("共通部の%%に代入する文字列をカンマで区切って指定します。"));
    QPalette buttonFace = CSVListEdit->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    CSVListEdit->setPalette(buttonFace);
    Label7 =
        AddLabel(AdrsPanel, "Label7", QStringLiteral("連続生成（%%代入文字）"), QPoint(302, 0));
    FitTextWidth(*Label7, kClientWidth - Label7->x() - 2);
    Label7->adjustSize();

    TitlePanel2 =
        AddCaptionBar(MainPanel, "TitlePanel2",
                      QStringLiteral("ファイル名生成部（前後の固定文字列にも%%を反映できます）"),
                      kTitlePanelHeight, kTitleFrame, kTitleAlignment);
    TitlePanel2->setIndent(kTitleIndent);
    rows->addWidget(TitlePanel2);
    FNamePanel = AddPanel(MainPanel, "FNamePanel");
    rows->addWidget(FNamePanel);
    Label2 = AddLabel(FNamePanel, "Label2", QStringLiteral("前"), QPoint(4, 4));
    FileNameFront = AddEdit(FNamePanel, "FileNameFront", QRect(24, 2, 69, kFontHeight), QString(),
                            QStringLiteral("ファイル名の数字の前に入れる文字列"));
    Label4 = AddLabel(FNamePanel, "Label4", QStringLiteral("開始"), QPoint(96, 4));
    StCount = AddEdit(FNamePanel, "StCount", QRect(128, 2, 37, kFontHeight), QStringLiteral("001"),
                      QStringLiteral("連続番号の開始（桁数も指定します）"));
    Label5 = AddLabel(FNamePanel, "Label5", QStringLiteral("終了"), QPoint(168, 4));
    EdCount = AddEdit(FNamePanel, "EdCount", QRect(200, 2, 36, kFontHeight), QStringLiteral("060"),
                      QStringLiteral("連続番号の終了（桁数は無視します）"));
    Label6 = AddLabel(FNamePanel, "Label6", QStringLiteral("後"), QPoint(240, 4));
    FileNameRear = AddEdit(FNamePanel, "FileNameRear", QRect(260, 2, 69, kFontHeight), QString(),
                           QStringLiteral("ファイル名の数字の後に入れる文字列"));
    Label3 = AddLabel(FNamePanel, "Label3", QStringLiteral("拡張子"), QPoint(332, 4));
    FileNameExt = AddEdit(FNamePanel, "FileNameExt", QRect(380, 2, 45, kFontHeight),
                          QStringLiteral(".jpg"), QStringLiteral("拡張子を指定します。"));
    MinusButton = AddButton(FNamePanel, "MinusButton", QStringLiteral("－"), QRect(116, 0, 16, 20));
    PMEDit = AddEdit(FNamePanel, "PMEDit", QRect(134, 0, 35, kFontHeight), QStringLiteral("10"));
    PlusButton = AddButton(FNamePanel, "PlusButton", QStringLiteral("＋"), QRect(170, 0, 16, 20));

    FileSavePanel = AddSunkenPanel(MainPanel, "FileSavePanel");
    OverwriteButton =
        AddButton(FileSavePanel, "OverwriteButton", QString(), QRect(4, 2, 24, 25),
                  QStringLiteral("変換結果をファイルに出力します"), icons::SaveFile());
    SaveFileNameEdit = AddEdit(FileSavePanel, "SaveFileNameEdit", QRect(32, 4, 325, kFontHeight));
    EditingLavel =
        AddLabel(FileSavePanel, "EditingLavel", QStringLiteral("編集中"), QPoint(364, 9));
    SpeedButton1 = AddToolButton(FileSavePanel, "SpeedButton1", icons::Browser(),
                                 QRect(404, 4, 23, 22), QStringLiteral("ブラウザを起動"));
    GiveKey(*SpeedButton1, QKeySequence(Qt::CTRL | Qt::Key_B));
    rows->addWidget(FileSavePanel);

    ButtonPanel = AddPanel(ClientArea, "ButtonPanel");
    ButtonPanel->setFixedHeight(kButtonPanelHeight);
    SaveBtn =
        AddButton(ButtonPanel, "SaveBtn", QStringLiteral("ファイル出力"), QRect(12, 4, 110, 25),
                  QStringLiteral("変換結果をファイルに出力します"), icons::WriteOutput());
    ClipBord =
        AddButton(ButtonPanel, "ClipBord", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ"), QRect(128, 4, 110, 25),
                  QStringLiteral("変換結果をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰします"), icons::Clipboard());
    ViewBtn = AddButton(ButtonPanel, "ViewBtn", QStringLiteral("変換確認"), QRect(244, 4, 110, 25),
                        QStringLiteral("変換結果を確認します"), icons::Preview());
    QuitBtn = AddButton(ButtonPanel, "QuitBtn", QStringLiteral("終了"), QRect(360, 4, 67, 25),
                        QStringLiteral("終了します"));
    strips->addWidget(ButtonPanel);
}

void ZarnetMainForm::BuildMenus(QMainWindow& window) {
    enum class Mark { None, Toggle, Radio };
    struct Item {
        const char* Name;
        const char* Twin;
        const char* Caption;  // none for a separator
        QAction* ZarnetMainForm::*Member;
        Mark Marked;
        const char* Hint = nullptr;
    };
    struct SubMenu {
        const char* Name;
        const char* Twin;
        const char* Caption;
        std::vector<Item> Items;
    };
    const std::initializer_list<SubMenu> menus = {
        {"File2",
         "File3",
         "ファイル(&F)",
         {{"FromAddressMenu", "FromAddressSubMenu", "ｱﾄﾞﾚｽから設定(&A)",
           &ZarnetMainForm::FromAddressMenu, Mark::None, "1つのｱﾄﾞﾚｽから各欄を設定します"},
          {"N11", "N12", nullptr, nullptr, Mark::None},
          {"SaveToMenu", "Save1", "保存(&S)", &ZarnetMainForm::SaveToMenu, Mark::None},
          {"SaveAsMenu", "N7", "新規保存(&N)", &ZarnetMainForm::SaveAsMenu, Mark::None},
          {"ClipBordMenu", "C1", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)", &ZarnetMainForm::ClipBordMenu, Mark::None},
          {"V1", "V2", "変換確認(&V)", &ZarnetMainForm::V1, Mark::None},
          {"ProbeMenu", "ProbeSubMenu", "連番確認(&R)", &ZarnetMainForm::ProbeMenu, Mark::None,
           "実在する連番の範囲を調べます"},
          {"N5", "N6", nullptr, nullptr, Mark::None},
          {"Exit1", "Exit2", "終了(&X)", &ZarnetMainForm::Exit1, Mark::None}}},
        {"P2",
         "P3",
         "設定(&P)",
         {{"PropertyMenu", "P4", "動作設定(&P)", &ZarnetMainForm::PropertyMenu, Mark::None},
          {"SetHTMLMenu", "HTMLH1", "HTML編集(&H)", &ZarnetMainForm::SetHTMLMenu, Mark::None},
          {"N1", "N8", nullptr, nullptr, Mark::None},
          {"OverWriteMenu", "OverWriteSubMenu", "上書き確認なし(&O)",
           &ZarnetMainForm::OverWriteMenu, Mark::Toggle},
          {"AutoSaveList", "AutosaveSubMenu", "自動登録禁止(&S)", &ZarnetMainForm::AutoSaveList,
           Mark::Toggle, "記録に残さない場合にチェックします"}}},
        {"Show1",
         "Show2",
         "表示(&V)",
         {{"ViewDefaultMenu", "ViewDefaultSubMenu", "標準(&D)", &ZarnetMainForm::ViewDefaultMenu,
           Mark::Radio},
          {"ViewCompactMenu", "ViewCompactSubMenu", "ｺﾝﾊﾟｸﾄ(&C)", &ZarnetMainForm::ViewCompactMenu,
           Mark::Radio}}},
        {"N3",
         "M1",
         "作成種別(&M)",
         {{"ListText", "ListTextSubMenu", "List(Text)", &ZarnetMainForm::ListText, Mark::Radio},
          {"HTML", "HTMLSubMenu", "HTML", &ZarnetMainForm::HTML, Mark::Radio},
          {"ImageSrc", "ImageSrcSubMenu", "ImageSrc", &ZarnetMainForm::ImageSrc, Mark::Radio}}},
        {"File1",
         "L1",
         "リスト(&L)",
         {{"LoadIniMenu", "L2", "ファイルから読込み(&L)", &ZarnetMainForm::LoadIniMenu, Mark::None},
          {"SaveIniMenu", "S2", "ファイルに保存(&S)", &ZarnetMainForm::SaveIniMenu, Mark::None},
          {"N2", "N10", nullptr, nullptr, Mark::None},
          {"LoadRegMenu", "R1", "ﾚｼﾞｽﾄﾘから読込み(&R)", &ZarnetMainForm::LoadRegMenu, Mark::None},
          {"SaveRegMenu", "W1", "ﾚｼﾞｽﾄﾘに保存(&W)", &ZarnetMainForm::SaveRegMenu, Mark::None},
          {"N4", "N9", nullptr, nullptr, Mark::None},
          {"RegDefaultMenu", "RegDefaultSubMenu", "ﾚｼﾞｽﾄﾘが標準(&D)",
           &ZarnetMainForm::RegDefaultMenu, Mark::Toggle}}},
    };

    QMenuBar* mainMenu = window.menuBar();
    Name(*mainMenu, "MainMenu1");
    PopupMenu1 = new QMenu(&window);
    Name(*PopupMenu1, "PopupMenu1");
    for (const SubMenu& menu : menus) {
        QMenu* barMenu = mainMenu->addMenu(QString::fromUtf8(menu.Caption));
        QMenu* popupMenu = PopupMenu1->addMenu(QString::fromUtf8(menu.Caption));
        Name(*barMenu, menu.Name);
        Name(*popupMenu, menu.Twin);
        // The radio items of a sub-menu form one group in each menu.
        QActionGroup* barGroup = nullptr;
        QActionGroup* popupGroup = nullptr;
        for (QMenu* shown : {barMenu, popupMenu}) {
            shown->setToolTipsVisible(true);
        }
        for (const Item& item : menu.Items) {
            if (item.Caption == nullptr) {
                Name(*barMenu->addSeparator(), item.Name);
                Name(*popupMenu->addSeparator(), item.Twin);
                continue;
            }
            const auto addItem = [&item](QMenu* to, const char* name, QActionGroup*& group) {
                QAction* action = to->addAction(QString::fromUtf8(item.Caption));
                Name(*action, name);
                action->setCheckable(item.Marked != Mark::None);
                if (item.Marked == Mark::Radio) {
                    if (group == nullptr) {
                        group = new QActionGroup(to);
                    }
                    group->addAction(action);
                }
                if (item.Hint != nullptr) {
                    action->setToolTip(QString::fromUtf8(item.Hint));
                    action->setStatusTip(action->toolTip());
                }
                return action;
            };
            QAction* master = addItem(barMenu, item.Name, barGroup);
            Twins.emplace_back(master, addItem(popupMenu, item.Twin, popupGroup));
            this->*item.Member = master;
        }
    }
}

void ZarnetMainForm::FitStrips() {
    const int comboHeight = UrlCombo->height();
    const int frontHeight = FileNameFront->height();
    const int stepHeight = PMEDit->height();
    AdrsPanel->setFixedHeight(comboHeight + CSVListEdit->height() + 6);
    CSVListEdit->move(CSVListEdit->x(), comboHeight + 4);
    Label7->move(Label7->x(), comboHeight + 6);
    FileSavePanel->setFixedHeight(kFileSavePanelHeight);
    for (QWidget* stepper : {PlusButton, MinusButton}) {
        stepper->resize(stepper->width(), stepHeight);
    }
    for (QWidget* stepper : std::initializer_list<QWidget*>{PlusButton, PMEDit, MinusButton}) {
        stepper->move(stepper->x(), frontHeight + 4);
    }
    FNamePanel->setFixedHeight(frontHeight + stepHeight + 6);
    AlignLabels();
}

void ZarnetMainForm::AlignLabels() {
    // A label as high as its box, its text centred as the box centres its own.
    for (const auto& [label, box] :
         {std::pair(Label2, FileNameFront), std::pair(Label4, StCount), std::pair(Label5, EdCount),
          std::pair(Label6, FileNameRear), std::pair(Label3, FileNameExt)}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(label->x(), box->y(), label->width(), box->height());
    }
}

PatternTexts ZarnetMainForm::Pattern() const {
    return {.Dir = ToStd(UrlCombo->currentText()),
            .ContStr = ToStd(CSVListEdit->text()),
            .FrontStr = ToStd(FileNameFront->text()),
            .RearStr = ToStd(FileNameRear->text()),
            .StCount = ToStd(StCount->text()),
            .EdCount = ToStd(EdCount->text()),
            .ExtStr = ToStd(FileNameExt->text())};
}

// Setting a box's text runs its change handling when the text changes; the
// combo's text runs none.
void ZarnetMainForm::ShowPattern(const PatternTexts& pattern) {
    UrlCombo->setEditText(ToQt(pattern.Dir));
    CSVListEdit->setText(ToQt(pattern.ContStr));
    FileNameFront->setText(ToQt(pattern.FrontStr));
    FileNameRear->setText(ToQt(pattern.RearStr));
    StCount->setText(ToQt(pattern.StCount));
    EdCount->setText(ToQt(pattern.EdCount));
    FileNameExt->setText(ToQt(pattern.ExtStr));
}

}  // namespace zarnet
