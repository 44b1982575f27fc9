#include "ui/ZarnetMain.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "store/DefaultStore.h"
#include "ui/DesignFont.h"
#include "ui/Icons.h"
#include "ui/WindowPlacement.h"
#include "ui/ZarnetView.h"

namespace zarnet {

namespace {

constexpr int kClientWidth = 432;
constexpr int kSampleBoxHeight = 38;
constexpr int kTitlePanelHeight = 24;
constexpr int kFileSavePanelHeight = 30;
constexpr int kButtonPanelHeight = 31;
constexpr int kHistoryRows = 20;

const QString kCaption = QStringLiteral("Vexilo(ZarNET) ver1.2.2");
const QString kEditing = QStringLiteral("編集中");
const QString kIniFilter = QStringLiteral("Iniﾌｧｲﾙ|*.ini|全てのﾌｧｲﾙ|*.*");

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}
std::string ToStd(const QString& text) {
    return text.toStdString();
}

void Name(QObject* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
}

// A face that stands in for the design font may run wider; a label that would
// then pass its room is narrowed to fit.
void FitWidth(QLabel* label, int room) {
    const int natural = label->sizeHint().width();
    if (natural <= room) {
        return;
    }
    QFont narrow = label->font();
    narrow.setStretch(std::max<int>(QFont::UltraCondensed, QFont::Unstretched * room / natural));
    label->setFont(narrow);
    label->adjustSize();
}

// Labels show addresses the user typed: never read them as markup.
QLabel* NewLabel(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    Name(label, name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = NewLabel(text, parent, name);
    label->adjustSize();
    label->move(x, y);
    return label;
}

// Edit boxes take the height their font needs, as the strips are fitted to it.
QLineEdit* AddEdit(QWidget* parent, const char* name, const QString& text, int x, int y, int width,
                   const QString& hint) {
    auto* edit = new QLineEdit(text, parent);
    Name(edit, name);
    edit->setToolTip(hint);
    edit->setGeometry(x, y, width, edit->sizeHint().height());
    return edit;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, const QIcon& icon,
                       const QRect& geometry, const QString& hint) {
    auto* button = new QPushButton(icon, text, parent);
    Name(button, name);
    button->setToolTip(hint);
    button->setGeometry(geometry);
    return button;
}

// A caption strip: raised inner and lowered outer bevel.
QLabel* AddTitlePanel(QWidget* parent, const char* name, const QString& text) {
    QLabel* panel = NewLabel(text, parent, name);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setIndent(4);
    panel->setFixedHeight(kTitlePanelHeight);
    return panel;
}

QWidget* AddPlainPanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    Name(panel, name);
    return panel;
}

QVBoxLayout* StackLayout(QWidget* parent) {
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// The menu bar item is the master; its pop-up twin runs the master's command
// and shows the master's mark, whichever of the two was clicked or set.
void FollowMaster(QAction* master, QAction* twin) {
    QObject::connect(master, &QAction::toggled, twin, &QAction::setChecked);
    QObject::connect(twin, &QAction::triggered, master, [master, twin] {
        master->trigger();
        twin->setChecked(master->isChecked());
    });
}

}  // namespace

TZarnetform::TZarnetform(Desktop& desktop, const AppPaths& paths, Registry& registry,
                         QWidget* parent)
    : QMainWindow(parent),
      desktop_(desktop),
      registry_(registry),
      guard_(desktop, this),
      paths_(paths),
      templates_(paths.ExeFolder) {
    setObjectName(QStringLiteral("Zarnetform"));
    // Fixed size, yet with the minimise and maximise buttons.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kCaption);
    setWindowIcon(icons::MainWindow());
    setFont(DesignFont());
    BuildClientArea();
    BuildMenus();
    ConnectControls();
    SetTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

TZarnetform::~TZarnetform() {
    guard_.Run([this] {
        SaveToDefaultStore(
            regData_, RegDefaultMenu->isChecked() ? DefaultStore::Registry : DefaultStore::IniFile,
            iniFileName_, registry_);
    });
}

void TZarnetform::BuildClientArea() {
    clientArea_ = new QWidget(this);
    setCentralWidget(clientArea_);
    QVBoxLayout* strips = StackLayout(clientArea_);

    SampleBox = new QGroupBox(QStringLiteral("ｻﾝﾌﾟﾙ"), clientArea_);
    Name(SampleBox, "SampleBox");
    SampleBox->setFixedHeight(kSampleBoxHeight);
    // The caption sits on the frame line, leaving the box's height to the
    // sample.
    SampleBox->setStyleSheet(QStringLiteral(
        "QGroupBox { margin-top: 7px; border: 1px solid palette(mid); border-radius: 2px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"));
    SampleUrl = NewLabel(QStringLiteral("Sample"), SampleBox, "SampleUrl");
    SampleUrl->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SampleUrl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SampleUrl->setToolTip(QStringLiteral("作成するアドレスのｻﾝﾌﾟﾙを表示します"));
    SampleUrl->setGeometry(3, 14, kClientWidth - 6, kSampleBoxHeight - 16);
    strips->addWidget(SampleBox);

    MainPanel = AddPlainPanel(clientArea_, "MainPanel");
    QVBoxLayout* rows = StackLayout(MainPanel);
    strips->addWidget(MainPanel);

    TitlePanel1 =
        AddTitlePanel(MainPanel, "TitlePanel1",
                      QStringLiteral("基本ｱﾄﾞﾚｽ共通部　([%%]を使うと連続生成が使用できます)"));
    rows->addWidget(TitlePanel1);

    AdrsPanel = AddPlainPanel(MainPanel, "AdrsPanel");
    UrlCombo = new QComboBox(AdrsPanel);
    Name(UrlCombo, "UrlCombo");
    UrlCombo->setEditable(true);
    // The list is the history, rebuilt from the record only.
    UrlCombo->setInsertPolicy(QComboBox::NoInsert);
    UrlCombo->setCompleter(nullptr);
    UrlCombo->setMaxVisibleItems(kHistoryRows);
    UrlCombo->setToolTip(QStringLiteral("アドレス共通部、%%を使うと代入する文字列を指定できます"));
    UrlCombo->setGeometry(4, 2, 419, UrlCombo->sizeHint().height());
    CSVListEdit =
        AddEdit(AdrsPanel, "CSVListEdit", QString(), 4, 0, 285,
                QStringLiteral("共通部の%%に代入する文字列をカンマで区切って指定します。"));
    QPalette buttonFace = CSVListEdit->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    CSVListEdit->setPalette(buttonFace);
    Label7 = AddLabel(AdrsPanel, "Label7", QStringLiteral("連続生成（%%代入文字）"), 302, 0);
    FitWidth(Label7, kClientWidth - Label7->x() - 2);
    rows->addWidget(AdrsPanel);

    TitlePanel2 =
        AddTitlePanel(MainPanel, "TitlePanel2",
                      QStringLiteral("ファイル名生成部（前後の固定文字列にも%%を反映できます）"));
    rows->addWidget(TitlePanel2);

    FNamePanel = AddPlainPanel(MainPanel, "FNamePanel");
    AddLabel(FNamePanel, "Label2", QStringLiteral("前"), 4, 4);
    FileNameFront = AddEdit(FNamePanel, "FileNameFront", QString(), 24, 2, 69,
                            QStringLiteral("ファイル名の数字の前に入れる文字列"));
    AddLabel(FNamePanel, "Label4", QStringLiteral("開始"), 96, 4);
    StCount = AddEdit(FNamePanel, "StCount", QStringLiteral("001"), 128, 2, 37,
                      QStringLiteral("連続番号の開始（桁数も指定します）"));
    AddLabel(FNamePanel, "Label5", QStringLiteral("終了"), 168, 4);
    EdCount = AddEdit(FNamePanel, "EdCount", QStringLiteral("060"), 200, 2, 36,
                      QStringLiteral("連続番号の終了（桁数は無視します）"));
    AddLabel(FNamePanel, "Label6", QStringLiteral("後"), 240, 4);
    FileNameRear = AddEdit(FNamePanel, "FileNameRear", QString(), 260, 2, 69,
                           QStringLiteral("ファイル名の数字の後に入れる文字列"));
    AddLabel(FNamePanel, "Label3", QStringLiteral("拡張子"), 332, 4);
    FileNameExt = AddEdit(FNamePanel, "FileNameExt", QStringLiteral(".jpg"), 380, 2, 45,
                          QStringLiteral("拡張子を指定します。"));
    MinusButton = AddButton(FNamePanel, "MinusButton", QStringLiteral("－"), QIcon(),
                            QRect(116, 0, 16, 20), QString());
    PMEDit = AddEdit(FNamePanel, "PMEDit", QStringLiteral("10"), 134, 0, 35, QString());
    PlusButton = AddButton(FNamePanel, "PlusButton", QStringLiteral("＋"), QIcon(),
                           QRect(170, 0, 16, 20), QString());
    rows->addWidget(FNamePanel);

    auto* savePanel = new QFrame(MainPanel);
    savePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FileSavePanel = savePanel;
    Name(FileSavePanel, "FileSavePanel");
    OverwriteButton =
        AddButton(FileSavePanel, "OverwriteButton", QString(), icons::SaveFile(),
                  QRect(4, 2, 24, 25), QStringLiteral("変換結果をファイルに出力します"));
    SaveFileNameEdit = AddEdit(FileSavePanel, "SaveFileNameEdit", QString(), 32, 4, 325, QString());
    EditingLavel = AddLabel(FileSavePanel, "EditingLavel", kEditing, 364, 9);
    SpeedButton1 = new QToolButton(FileSavePanel);
    Name(SpeedButton1, "SpeedButton1");
    SpeedButton1->setIcon(icons::Browser());
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setToolTip(QStringLiteral("ブラウザを起動"));
    SpeedButton1->setGeometry(404, 4, 23, 22);
    rows->addWidget(FileSavePanel);

    ButtonPanel = AddPlainPanel(clientArea_, "ButtonPanel");
    ButtonPanel->setFixedHeight(kButtonPanelHeight);
    SaveBtn =
        AddButton(ButtonPanel, "SaveBtn", QStringLiteral("ファイル出力"), icons::WriteOutput(),
                  QRect(12, 4, 110, 25), QStringLiteral("変換結果をファイルに出力します"));
    ClipBord =
        AddButton(ButtonPanel, "ClipBord", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ"), icons::Clipboard(),
                  QRect(128, 4, 110, 25), QStringLiteral("変換結果をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰします"));
    ViewBtn = AddButton(ButtonPanel, "ViewBtn", QStringLiteral("変換確認"), icons::Preview(),
                        QRect(244, 4, 110, 25), QStringLiteral("変換結果を確認します"));
    QuitBtn = AddButton(ButtonPanel, "QuitBtn", QStringLiteral("終了"), QIcon(),
                        QRect(360, 4, 67, 25), QStringLiteral("終了します"));
    strips->addWidget(ButtonPanel);
}

void TZarnetform::BuildMenus() {
    enum class Mark { None, Toggle, Radio };
    struct Item {
        const char* Name;
        const char* Twin;
        const char* Caption;  // none for a separator
        QAction* TZarnetform::*Member;
        int Tag;
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
         {{"SaveToMenu", "Save1", "保存(&S)", &TZarnetform::SaveToMenu, 0, Mark::None},
          {"SaveAsMenu", "N7", "新規保存(&N)", &TZarnetform::SaveAsMenu, 0, Mark::None},
          {"ClipBordMenu", "C1", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)", &TZarnetform::ClipBordMenu, 0, Mark::None},
          {"V1", "V2", "変換確認(&V)", &TZarnetform::V1, 0, Mark::None},
          {"N5", "N6", nullptr, nullptr, 0, Mark::None},
          {"Exit1", "Exit2", "終了(&X)", &TZarnetform::Exit1, 0, Mark::None}}},
        {"P2",
         "P3",
         "設定(&P)",
         {{"PropertyMenu", "P4", "動作設定(&P)", &TZarnetform::PropertyMenu, 0, Mark::None},
          {"SetHTMLMenu", "HTMLH1", "HTML編集(&H)", &TZarnetform::SetHTMLMenu, 0, Mark::None},
          {"N1", "N8", nullptr, nullptr, 0, Mark::None},
          {"OverWriteMenu", "OverWriteSubMenu", "上書き確認なし(&O)", &TZarnetform::OverWriteMenu,
           0, Mark::Toggle},
          {"AutoSaveList", "AutosaveSubMenu", "自動登録禁止(&S)", &TZarnetform::AutoSaveList, 0,
           Mark::Toggle, "記録に残さない場合にチェックします"}}},
        {"Show1",
         "Show2",
         "表示(&V)",
         {{"ViewDefaultMenu", "ViewDefaultSubMenu", "標準(&D)", &TZarnetform::ViewDefaultMenu, 0,
           Mark::Radio},
          {"ViewCompactMenu", "ViewCompactSubMenu", "ｺﾝﾊﾟｸﾄ(&C)", &TZarnetform::ViewCompactMenu, 1,
           Mark::Radio}}},
        {"N3",
         "M1",
         "作成種別(&M)",
         {{"ListText", "ListTextSubMenu", "List(Text)", &TZarnetform::ListText, 0, Mark::Radio},
          {"HTML", "HTMLSubMenu", "HTML", &TZarnetform::HTML, 1, Mark::Radio},
          {"ImageSrc", "ImageSrcSubMenu", "ImageSrc", &TZarnetform::ImageSrc, 2, Mark::Radio}}},
        {"File1",
         "L1",
         "リスト(&L)",
         {{"LoadIniMenu", "L2", "ファイルから読込み(&L)", &TZarnetform::LoadIniMenu, 0, Mark::None},
          {"SaveIniMenu", "S2", "ファイルに保存(&S)", &TZarnetform::SaveIniMenu, 0, Mark::None},
          {"N2", "N10", nullptr, nullptr, 0, Mark::None},
          {"LoadRegMenu", "R1", "ﾚｼﾞｽﾄﾘから読込み(&R)", &TZarnetform::LoadRegMenu, 0, Mark::None},
          {"SaveRegMenu", "W1", "ﾚｼﾞｽﾄﾘに保存(&W)", &TZarnetform::SaveRegMenu, 0, Mark::None},
          {"N4", "N9", nullptr, nullptr, 0, Mark::None},
          {"RegDefaultMenu", "RegDefaultSubMenu", "ﾚｼﾞｽﾄﾘが標準(&D)", &TZarnetform::RegDefaultMenu,
           0, Mark::Toggle}}},
    };

    QMenuBar* mainMenu = menuBar();
    Name(mainMenu, "MainMenu1");
    PopupMenu1 = new QMenu(this);
    Name(PopupMenu1, "PopupMenu1");
    for (const SubMenu& menu : menus) {
        QMenu* barMenu = mainMenu->addMenu(QString::fromUtf8(menu.Caption));
        QMenu* popupMenu = PopupMenu1->addMenu(QString::fromUtf8(menu.Caption));
        Name(barMenu, menu.Name);
        Name(popupMenu, menu.Twin);
        // The radio items of a sub-menu form one group in each menu.
        QActionGroup* barGroup = nullptr;
        QActionGroup* popupGroup = nullptr;
        for (QMenu* shown : {barMenu, popupMenu}) {
            shown->setToolTipsVisible(true);
        }
        for (const Item& item : menu.Items) {
            if (item.Caption == nullptr) {
                Name(barMenu->addSeparator(), item.Name);
                Name(popupMenu->addSeparator(), item.Twin);
                continue;
            }
            const auto addItem = [&item](QMenu* to, const char* name, QActionGroup*& group) {
                QAction* action = to->addAction(QString::fromUtf8(item.Caption));
                Name(action, name);
                action->setData(item.Tag);
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
            FollowMaster(master, addItem(popupMenu, item.Twin, popupGroup));
            this->*item.Member = master;
        }
    }
}

template <typename Signal, typename Sender>
void TZarnetform::OnSignal(Sender* sender, Signal signal, void (TZarnetform::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { guard_.Run([this, handler] { (this->*handler)(); }); });
}

void TZarnetform::ConnectControls() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             SampleBox, SampleUrl, TitlePanel1, TitlePanel2, EditingLavel, OverwriteButton,
             ButtonPanel, Label7, findChild<QLabel*>(QStringLiteral("Label2")),
             findChild<QLabel*>(QStringLiteral("Label3")),
             findChild<QLabel*>(QStringLiteral("Label4")),
             findChild<QLabel*>(QStringLiteral("Label5")),
             findChild<QLabel*>(QStringLiteral("Label6"))}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(
            control, &QWidget::customContextMenuRequested, this,
            [this, control](const QPoint& pos) { PopupMenu1->popup(control->mapToGlobal(pos)); });
    }

    // Only the user's changes of the combo recall a pattern; setting its text
    // from code does not.
    OnSignal(UrlCombo->lineEdit(), &QLineEdit::textEdited, &TZarnetform::UrlComboChange);
    OnSignal(UrlCombo, &QComboBox::activated, &TZarnetform::UrlComboChange);
    // Enter would have the combo choose the listed item again and run the
    // change handling on an unchanged text.
    UrlCombo->installEventFilter(this);
    // textChanged fires for code as for typing, and only on a real change.
    for (QLineEdit* edit :
         {CSVListEdit, FileNameFront, StCount, EdCount, FileNameRear, FileNameExt}) {
        OnSignal(edit, &QLineEdit::textChanged, &TZarnetform::UrlAdrsChange);
    }

    OnSignal(QuitBtn, &QPushButton::clicked, &TZarnetform::QuitBtnClick);
    OnSignal(Exit1, &QAction::triggered, &TZarnetform::QuitBtnClick);
    OnSignal(LoadIniMenu, &QAction::triggered, &TZarnetform::LoadIniMenuClick);
    OnSignal(SaveIniMenu, &QAction::triggered, &TZarnetform::SaveIniMenuClick);
    OnSignal(LoadRegMenu, &QAction::triggered, &TZarnetform::LoadRegMenuClick);
    OnSignal(SaveRegMenu, &QAction::triggered, &TZarnetform::SaveRegMenuClick);
    OnSignal(RegDefaultMenu, &QAction::triggered, &TZarnetform::RegDefaultMenuClick);
    for (QAction* view : {ViewDefaultMenu, ViewCompactMenu}) {
        connect(view, &QAction::triggered, this,
                [this, view] { guard_.Run([this, view] { ViewDefaultMenuClick(*view); }); });
    }
    for (QAction* kind : {ListText, HTML, ImageSrc}) {
        connect(kind, &QAction::triggered, this,
                [this, kind] { guard_.Run([this, kind] { ListTextClick(*kind); }); });
    }
}

bool TZarnetform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == UrlCombo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TZarnetform::SetTabOrder() {
    const std::initializer_list<QWidget*> order = {
        OverwriteButton, SaveFileNameEdit, UrlCombo,    CSVListEdit, FileNameFront, StCount,
        EdCount,         FileNameRear,     FileNameExt, PlusButton,  PMEDit,        MinusButton,
        SaveBtn,         ClipBord,         ViewBtn,     QuitBtn};
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void TZarnetform::FormCreate() {
    FitStrips();
    listView_ = new TListView(desktop_, this);

    iniFileName_ = paths_.IniFileName();
    OpenDialog1 = {FileDialog::Mode::Open, ToQt(iniFileName_), kIniFilter, false};
    SaveDialog1 = {FileDialog::Mode::Save, ToQt(iniFileName_), kIniFilter, true};

    regData_ = NewSettings(paths_);
    regData_.ViewFont.SetPixelsPerInch(logicalDpiY());
    // Only the registry load can fail; its tick stands then. Each step runs on
    // after a failure, so the window still shows what was loaded and the
    // shut-down save does not replace the store with the window's design texts.
    RegDefaultMenu->setChecked(true);
    guard_.Run([this] {
        RegDefaultMenu->setChecked(LoadFromDefaultStore(regData_, iniFileName_, registry_) ==
                                   DefaultStore::Registry);
    });
    guard_.Run([this] { templates_.LoadHeader(templates_.HeaderPath()); });
    guard_.Run([this] { templates_.LoadFooter(templates_.FooterPath()); });
    ApplySettings();
}

void TZarnetform::FitStrips() {
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
}

int TZarnetform::ClientHeight() const {
    return clientArea_->height();
}

TURLItem TZarnetform::CurrentPattern() const {
    TURLItem item;
    item.Dir = ToStd(UrlCombo->currentText());
    item.ContStr = ToStd(CSVListEdit->text());
    item.FrontStr = ToStd(FileNameFront->text());
    item.RearStr = ToStd(FileNameRear->text());
    item.StCount = ToStd(StCount->text());
    item.EdCount = ToStd(EdCount->text());
    item.ExtStr = ToStd(FileNameExt->text());
    return item;
}

void TZarnetform::FillHistoryList() {
    UrlCombo->clear();
    for (const std::string& dir : regData_.HistoryList()) {
        UrlCombo->addItem(ToQt(dir));
    }
}

void TZarnetform::ApplySettings() {
    FillHistoryList();
    const TURLItem& last = regData_.LastItem;
    UrlCombo->setEditText(ToQt(last.Dir));
    CSVListEdit->setText(ToQt(last.ContStr));
    FileNameFront->setText(ToQt(last.FrontStr));
    FileNameRear->setText(ToQt(last.RearStr));
    StCount->setText(ToQt(last.StCount));
    EdCount->setText(ToQt(last.EdCount));
    FileNameExt->setText(ToQt(last.ExtStr));
    ImageWidth = regData_.ImageWidth;
    ImageHeight = regData_.ImageHeight;
    SetMakeType(regData_.MakeType);
    SaveFileNameEdit->setText(ToQt(regData_.GetSaveFname()));
    Separator = regData_.Separator;
    Border = regData_.Border;
    OverWriteMenu->setChecked(regData_.OWNoCheck);
    ClickView = regData_.ClickView;
    SetCompactView(regData_.Compact);
    listView_->ApplyViewFont(regData_.ViewFont);
}

void TZarnetform::CollectSettings() {
    regData_.LastItem = CurrentPattern();
    regData_.ImageWidth = ImageWidth;
    regData_.ImageHeight = ImageHeight;
    regData_.MakeType = GetMakeType();
    regData_.LastSaveFname = ToStd(SaveFileNameEdit->text());
    regData_.Separator = Separator;
    regData_.Border = Border;
    regData_.OWNoCheck = OverWriteMenu->isChecked();
    regData_.ClickView = ClickView;
    regData_.Compact = ViewCompactMenu->isChecked();
    listView_->CollectViewFont(regData_.ViewFont);
}

int TZarnetform::GetMakeType() {
    if (ListText->isChecked()) {
        return 0;
    }
    if (HTML->isChecked()) {
        return 1;
    }
    if (!ImageSrc->isChecked()) {
        SetMakeType(2);
    }
    return 2;
}

void TZarnetform::SetMakeType(int kind) {
    (kind == 0 ? ListText : kind == 1 ? HTML : ImageSrc)->setChecked(true);
}

void TZarnetform::ListTextClick(const QAction& item) {
    SetMakeType(item.data().toInt());
}

void TZarnetform::SetCompactView(bool compact) {
    menuBar()->setVisible(!(compact && regData_.HideMenu));
    int height = AdrsPanel->height() + FNamePanel->height() + FileSavePanel->height();
    if (!compact) {
        height += SampleBox->height() + TitlePanel1->height() + TitlePanel2->height() +
                  ButtonPanel->height();
    }
    clientArea_->setFixedSize(kClientWidth, height);
    for (QWidget* strip :
         std::initializer_list<QWidget*>{SampleBox, TitlePanel1, TitlePanel2, ButtonPanel}) {
        strip->setVisible(!compact);
    }
    (compact ? ViewCompactMenu : ViewDefaultMenu)->setChecked(true);
}

void TZarnetform::ViewDefaultMenuClick(const QAction& item) {
    SetCompactView(item.data().toInt() == 1);
}

void TZarnetform::PushHistory() {
    if (AutoSaveList->isChecked()) {
        return;
    }
    if (!regData_.AddToHistory(CurrentPattern())) {
        return;
    }
    FillHistoryList();
    UrlCombo->setCurrentIndex(0);
}

void TZarnetform::UrlComboChange() {
    EditingLavel->setText(kEditing);
    if (const std::optional<std::size_t> slot =
            regData_.FindHistory(ToStd(UrlCombo->currentText()))) {
        const TURLItem& entry = regData_.Items[*slot];
        UrlCombo->setEditText(ToQt(entry.Dir));
        CSVListEdit->setText(ToQt(entry.ContStr));
        FileNameFront->setText(ToQt(entry.FrontStr));
        StCount->setText(ToQt(entry.StCount));
        EdCount->setText(ToQt(entry.EdCount));
        FileNameRear->setText(ToQt(entry.RearStr));
        FileNameExt->setText(ToQt(entry.ExtStr));
    }
    UrlAdrsChange();
}

void TZarnetform::UrlAdrsChange() {
    EditingLavel->setText(kEditing);
}

void TZarnetform::LoadIniMenuClick() {
    CollectSettings();
    if (desktop_.Execute(this, OpenDialog1)) {
        regData_.LoadFromIni(ToStd(OpenDialog1.FileName));
    }
    ApplySettings();
}

void TZarnetform::SaveIniMenuClick() {
    CollectSettings();
    if (desktop_.Execute(this, SaveDialog1)) {
        regData_.SaveToIni(ToStd(SaveDialog1.FileName));
    }
}

void TZarnetform::LoadRegMenuClick() {
    CollectSettings();
    if (desktop_.ShowMessage(this, MessageKind::Information,
                             QStringLiteral("ﾚｼﾞｽﾄﾘから読み込みます"),
                             MessageButtons::YesNo) == MessageAnswer::Yes) {
        regData_.LoadFromRegistry(registry_);
        ApplySettings();
    }
}

void TZarnetform::SaveRegMenuClick() {
    CollectSettings();
    if (desktop_.ShowMessage(this, MessageKind::Information, QStringLiteral("ﾚｼﾞｽﾄﾘに保存します"),
                             MessageButtons::YesNo) == MessageAnswer::Yes) {
        regData_.SaveToRegistry(registry_);
    }
}

void TZarnetform::RegDefaultMenuClick() {
    const bool registryDefault = RegDefaultMenu->isChecked();
    // Written before any question; it stands whatever the answers.
    TRegData::WriteIniDefault(iniFileName_, !registryDefault);
    const auto ask = [this](const QString& question) {
        return desktop_.ShowMessage(this, MessageKind::Warning, question, MessageButtons::YesNo) ==
               MessageAnswer::Yes;
    };
    if (registryDefault) {
        if (!ask(QStringLiteral("ﾚｼﾞｽﾄﾘから読み込みますか？"))) {
            return;
        }
        const bool keep = ask(QStringLiteral("現在の状態をINIファイルに保存しますか？"));
        CollectSettings();
        if (keep) {
            regData_.SaveToIni(iniFileName_);
        }
        regData_.LoadFromRegistry(registry_);
    } else {
        if (!ask(QStringLiteral("INIファイルから読み込みますか？"))) {
            return;
        }
        const bool keep = ask(QStringLiteral("現在の状態をﾚｼﾞｽﾄﾘに保存しますか？"));
        CollectSettings();
        if (keep) {
            regData_.SaveToRegistry(registry_);
        }
        regData_.LoadFromIni(iniFileName_);
    }
    ApplySettings();
}

void TZarnetform::QuitBtnClick() {
    close();
}

void TZarnetform::closeEvent(QCloseEvent* event) {
    guard_.Run([this] { CollectSettings(); });
    event->accept();
}

void TZarnetform::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_) {
        return;
    }
    centred_ = true;
    CenterOnScreen(*this);
    OverwriteButton->setFocus();
}

}  // namespace zarnet
