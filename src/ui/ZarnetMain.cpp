#include "ui/ZarnetMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <initializer_list>
#include <string>

#include "core/NumberText.h"
#include "core/RangeStepping.h"
#include "core/SampleAddress.h"
#include "core/SeriesProbe.h"
#include "platform/PlatformMessages.h"
#include "platform/PrivateProfile.h"
#include "store/DefaultStore.h"
#include "ui/AltKeyFilter.h"
#include "ui/ButtonKeys.h"
#include "ui/CodePageGuard.h"
#include "ui/FromAddressDlgUnit.h"
#include "ui/FullWidthGuard.h"
#include "ui/HeadEditUnit.h"
#include "ui/PropertyDlgUnit.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"
#include "ui/ZarnetView.h"

namespace zarnet {

namespace {

const QString kEditing = QStringLiteral("編集中");
const QString kIniFilter = QStringLiteral("Iniﾌｧｲﾙ|*.ini|全てのﾌｧｲﾙ|*.*");

// A drop that names an address is taken as a copy, never as a move, which
// would have the program it came from delete the text or the file.
bool TakeAsCopy(QDropEvent& event) {
    if (!event.possibleActions().testFlag(Qt::CopyAction) ||
        DroppedAddress(*event.mimeData()).isEmpty()) {
        event.ignore();
        return false;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

}  // namespace

TZarnetform::TZarnetform(Desktop& desktop, const AppPaths& paths, Registry& registry,
                         QWidget* parent)
    : QMainWindow(parent),
      desktop_(desktop),
      registry_(registry),
      guard_(desktop, this),
      paths_(paths),
      templates_(paths.SettingsFolder, Waiting::Never) {
    ui_.SetupUi(*this);
    new WindowPlacement(*this, WindowPlacement::When::FirstShowing);
    // For every window of the program, which all live as long as this one.
    new AltKeyFilter(this);
    ConnectControls();
    FormCreate();
}

TZarnetform::~TZarnetform() = default;

template <typename Sender, typename Signal>
void TZarnetform::On(Sender* sender, Signal signal, void (TZarnetform::*handler)()) {
    guard_.Connect(sender, signal, [this, handler] { (this->*handler)(); });
}

void TZarnetform::ConnectControls() {
    // First, so the change handlers below see the text the box keeps. While
    // the INI file is the default store, a box takes no more than an INI value
    // gives back, so what is typed is what the next start brings; a text
    // brought in from the registry or saved to a chosen INI file in registry
    // mode is still cut when read back, as the platform cuts it.
    const QString iniLimit = QString::fromStdString(FormatMessage(
        messages::kIniValueTooLong.Text, {std::to_string(PrivateProfile::kMaxValueBytes)}));
    const auto iniDefault = [this] { return !ui_.RegDefaultMenu->isChecked(); };
    KeepToByteLimit(*ui_.UrlCombo->lineEdit(), PrivateProfile::kMaxValueBytes, iniDefault,
                    iniLimit);
    KeepToCodePage(*ui_.UrlCombo);
    for (QLineEdit* edit : {ui_.CSVListEdit, ui_.FileNameFront, ui_.StCount, ui_.EdCount,
                            ui_.FileNameRear, ui_.FileNameExt, ui_.SaveFileNameEdit}) {
        KeepToByteLimit(*edit, PrivateProfile::kMaxValueBytes, iniDefault, iniLimit);
        KeepToCodePage(*edit);
    }
    for (QLineEdit* number : {ui_.StCount, ui_.EdCount, ui_.PMEDit}) {
        TypeNumbersInAscii(*number);
    }
    TypeSeparatorsInAscii(*ui_.CSVListEdit);
    for (QWidget* control : ui_.PopupOwners) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        guard_.Connect(control, &QWidget::customContextMenuRequested,
                       [this, control](const QPoint& pos) {
                           ui_.PopupMenu1->popup(control->mapToGlobal(pos));
                       });
    }
    // The menu bar item is the master; its pop-up twin runs the master's
    // command and shows the master's mark, whichever of the two was clicked
    // or set.
    for (const auto& pair : ui_.Twins) {
        // Plain variables: clang before 16 cannot capture structured bindings.
        QAction* master = pair.first;
        QAction* twin = pair.second;
        guard_.Connect(master, &QAction::toggled, [twin](bool on) { twin->setChecked(on); });
        guard_.Connect(twin, &QAction::triggered, [master, twin] {
            master->trigger();
            twin->setChecked(master->isChecked());
        });
    }

    // Only the user's changes of the combo recall a pattern; setting its text
    // from code does not.
    On(ui_.UrlCombo->lineEdit(), &QLineEdit::textEdited, &TZarnetform::UrlComboChange);
    On(ui_.UrlCombo, &QComboBox::activated, &TZarnetform::UrlComboChange);
    // Enter would have the combo choose the listed item again and run the
    // change handling on an unchanged text.
    ui_.UrlCombo->installEventFilter(this);
    // textChanged fires for code as for typing, and only on a real change.
    for (QLineEdit* edit : {ui_.CSVListEdit, ui_.FileNameFront, ui_.StCount, ui_.EdCount,
                            ui_.FileNameRear, ui_.FileNameExt}) {
        On(edit, &QLineEdit::textChanged, &TZarnetform::UrlAdrsChange);
    }
    On(ui_.PMEDit, &QLineEdit::textChanged, &TZarnetform::PMEDitChange);
    guard_.Connect(ui_.PlusButton, &QPushButton::clicked,
                   [this] { PlusButtonClick(StepDirection::Up); });
    guard_.Connect(ui_.MinusButton, &QPushButton::clicked,
                   [this] { PlusButtonClick(StepDirection::Down); });

    On(ui_.FromAddressMenu, &QAction::triggered, &TZarnetform::FromAddressMenuClick);
    // Drops go past the boxes to the window, whatever they land on.
    setAcceptDrops(true);
    for (QLineEdit* edit : ui_.ClientArea->findChildren<QLineEdit*>()) {
        edit->setAcceptDrops(false);
    }

    // The commands come to life with the preview window, in FormCreate.
    const auto output = [this](QObject* sender, void (OutputCommands::*command)()) {
        const auto run = [this, command] { ((*outputs_).*command)(); };
        if (auto* action = qobject_cast<QAction*>(sender)) {
            guard_.Connect(action, &QAction::triggered, run);
        } else {
            guard_.Connect(static_cast<QAbstractButton*>(sender), &QAbstractButton::clicked, run);
        }
    };
    output(ui_.ViewBtn, &OutputCommands::SaveBtnClick);
    output(ui_.V1, &OutputCommands::SaveBtnClick);
    output(ui_.OverwriteButton, &OutputCommands::SaveToMenuClick);
    output(ui_.SaveToMenu, &OutputCommands::SaveToMenuClick);
    output(ui_.SaveBtn, &OutputCommands::SaveAsMenuClick);
    output(ui_.SaveAsMenu, &OutputCommands::SaveAsMenuClick);
    output(ui_.ClipBord, &OutputCommands::ClipBordMenuClick);
    output(ui_.ClipBordMenu, &OutputCommands::ClipBordMenuClick);
    output(ui_.SpeedButton1, &OutputCommands::SpeedButton1Click);
    // Enter in the output-file box saves, whatever the shift state.
    ui_.SaveFileNameEdit->installEventFilter(this);

    On(ui_.PropertyMenu, &QAction::triggered, &TZarnetform::PropertyMenuClick);
    On(ui_.ProbeMenu, &QAction::triggered, &TZarnetform::ProbeMenuClick);
    // The editor comes to life in FormCreate.
    guard_.Connect(ui_.SetHTMLMenu, &QAction::triggered,
                   [this] { htmlEditForm_->HTMLEditButtonClick(); });
    On(ui_.QuitBtn, &QPushButton::clicked, &TZarnetform::QuitBtnClick);
    On(ui_.Exit1, &QAction::triggered, &TZarnetform::QuitBtnClick);
    On(ui_.LoadIniMenu, &QAction::triggered, &TZarnetform::LoadIniMenuClick);
    On(ui_.SaveIniMenu, &QAction::triggered, &TZarnetform::SaveIniMenuClick);
    On(ui_.LoadRegMenu, &QAction::triggered, &TZarnetform::LoadRegMenuClick);
    On(ui_.SaveRegMenu, &QAction::triggered, &TZarnetform::SaveRegMenuClick);
    On(ui_.RegDefaultMenu, &QAction::triggered, &TZarnetform::RegDefaultMenuClick);
    for (const auto& [view, compact] :
         {std::pair{ui_.ViewDefaultMenu, false}, std::pair{ui_.ViewCompactMenu, true}}) {
        guard_.Connect(view, &QAction::triggered,
                       [this, compact = compact] { ViewDefaultMenuClick(compact); });
    }
    for (const auto& [item, kind] :
         {std::pair{ui_.ListText, MakeType::ListText}, std::pair{ui_.HTML, MakeType::Html},
          std::pair{ui_.ImageSrc, MakeType::ImageSrc}}) {
        guard_.Connect(item, &QAction::triggered, [this, kind = kind] { ListTextClick(kind); });
    }
}

bool TZarnetform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && watched == ui_.UrlCombo) {
            return true;
        }
        if (enter && watched == ui_.SaveFileNameEdit) {
            guard_.Run([this] { outputs_->SaveToMenuClick(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TZarnetform::keyPressEvent(QKeyEvent* event) {
    if (!PressFocusedButton(*this, *event)) {
        QMainWindow::keyPressEvent(event);
    }
}

void TZarnetform::FormCreate() {
    ui_.FitStrips();
    htmlEditForm_ = new THtmlEditForm(desktop_, templates_, this);
    listView_ = new TListView(desktop_, this);
    propertyForm_ = new TPropertyForm(desktop_, *htmlEditForm_, this);
    probeForm_ = new TProbeForm(desktop_, static_cast<TProbeForm::Host&>(*this), this);
    outputs_ =
        std::make_unique<OutputCommands>(desktop_, *this, ui_, *listView_, templates_, regData_,
                                         static_cast<OutputCommands::Host&>(*this));

    iniFileName_ = paths_.IniFileName();
    OpenDialog1 = {FileDialog::Mode::Open, ToQt(iniFileName_), kIniFilter, false};
    SaveDialog1 = {FileDialog::Mode::Save, ToQt(iniFileName_), kIniFilter, true};

    regData_ = NewSettings(paths_);
    regData_.ViewFont.SetPixelsPerInch(logicalDpiY());
    // Only the registry load can fail; its tick stands then. Each step runs on
    // after a failure, so the window still shows what was loaded and the
    // shut-down save does not replace the store with the window's design texts.
    ui_.RegDefaultMenu->setChecked(true);
    std::vector<std::string> notices;
    guard_.Run([this, &notices] {
        ui_.RegDefaultMenu->setChecked(LoadFromDefaultStore(regData_, iniFileName_, registry_,
                                                            notices) == StoreKind::Registry);
    });
    guard_.Run([this] { templates_.LoadHeader(templates_.HeaderPath()); });
    guard_.Run([this] { templates_.LoadFooter(templates_.FooterPath()); });
    ApplySettings();
    ShowNotices(notices);
}

void TZarnetform::LoadAndApply(StoreKind store) {
    const std::vector<std::string> notices =
        LoadFromStore(regData_, store, iniFileName_, registry_);
    ApplySettings();
    ShowNotices(notices);
}

void TZarnetform::ShowNotices(const std::vector<std::string>& notices) {
    if (notices.empty()) {
        return;
    }
    QStringList lines;
    for (const std::string& notice : notices) {
        lines << ToQt(notice);
    }
    desktop_.ShowMessage(this, MessageKind::Warning, lines.join(QLatin1Char('\n')),
                         MessageButtons::Ok);
}

int TZarnetform::ClientHeight() const {
    return ui_.ClientArea->height();
}

void TZarnetform::FillHistoryList() {
    // Clearing the list empties the box, so its text is put back after.
    const QString shown = ui_.UrlCombo->currentText();
    ui_.UrlCombo->clear();
    for (const std::string& dir : regData_.HistoryList()) {
        ui_.UrlCombo->addItem(ToQt(dir));
    }
    ui_.UrlCombo->setCurrentIndex(
        ui_.UrlCombo->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
    ui_.UrlCombo->setEditText(shown);
}

void TZarnetform::ApplySettings() {
    ui_.UrlCombo->setEditText(ToQt(regData_.LastItem.Dir));
    FillHistoryList();
    ui_.ShowPattern(regData_.LastItem);
    SetMakeType(regData_.Kind);
    ui_.SaveFileNameEdit->setText(ToQt(regData_.GetSaveFname()));
    ui_.OverWriteMenu->setChecked(regData_.OWNoCheck);
    SetCompactView(regData_.Compact);
    listView_->ApplyViewFont(regData_.ViewFont);
}

void TZarnetform::CollectSettings() {
    regData_.LastItem = ui_.Pattern();
    regData_.Kind = GetMakeType();
    regData_.LastSaveFname = ToStd(ui_.SaveFileNameEdit->text());
    regData_.OWNoCheck = ui_.OverWriteMenu->isChecked();
    regData_.Compact = ui_.ViewCompactMenu->isChecked();
    listView_->CollectViewFont(regData_.ViewFont);
}

MakeType TZarnetform::GetMakeType() {
    if (ui_.ListText->isChecked()) {
        return MakeType::ListText;
    }
    return ui_.HTML->isChecked() ? MakeType::Html : MakeType::ImageSrc;
}

void TZarnetform::SetMakeType(MakeType kind) {
    QAction* item = kind == MakeType::ListText ? ui_.ListText
                    : kind == MakeType::Html   ? ui_.HTML
                                               : ui_.ImageSrc;
    item->setChecked(true);
}

void TZarnetform::ListTextClick(MakeType kind) {
    SetMakeType(kind);
}

void TZarnetform::SetCompactView(bool compact) {
    menuBar()->setVisible(!(compact && regData_.HideMenu));
    int height = ui_.AdrsPanel->height() + ui_.FNamePanel->height() + ui_.FileSavePanel->height();
    if (!compact) {
        height += ui_.SampleBox->height() + ui_.TitlePanel1->height() + ui_.TitlePanel2->height() +
                  ui_.ButtonPanel->height();
    }
    ui_.ClientArea->setFixedSize(ZarnetMainForm::kClientWidth, height);
    for (QWidget* strip : std::initializer_list<QWidget*>{ui_.SampleBox, ui_.TitlePanel1,
                                                          ui_.TitlePanel2, ui_.ButtonPanel}) {
        strip->setVisible(!compact);
    }
    (compact ? ui_.ViewCompactMenu : ui_.ViewDefaultMenu)->setChecked(true);
}

void TZarnetform::ViewDefaultMenuClick(bool compact) {
    SetCompactView(compact);
}

void TZarnetform::PushHistory() {
    if (ui_.AutoSaveList->isChecked()) {
        return;
    }
    if (regData_.AddToHistory(ui_.Pattern())) {
        FillHistoryList();
    }
}

void TZarnetform::UrlComboChange() {
    ui_.EditingLavel->setText(kEditing);
    if (const std::optional<std::size_t> slot =
            regData_.FindHistory(ToStd(ui_.UrlCombo->currentText()))) {
        ui_.ShowPattern(regData_.Items[*slot]);
    }
    UrlAdrsChange();
}

void TZarnetform::UrlAdrsChange() {
    ui_.EditingLavel->setText(kEditing);
    const Sample sample = MakeSample(ui_.Pattern());
    if (sample.DirEmpty) {
        ui_.SampleUrl->clear();
        return;
    }
    ui_.SampleUrl->setText(ToQt(sample.Text));
    // The list box looks as enabled or disabled as it is.
    ui_.CSVListEdit->setEnabled(sample.ValuesEnabled);
    QPalette palette = ui_.CSVListEdit->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(
                                         sample.ValuesEnabled ? QPalette::Base : QPalette::Button));
    ui_.CSVListEdit->setPalette(palette);
}

void TZarnetform::PMEDitChange() {
    ui_.EditingLavel->setText(kEditing);
}

void TZarnetform::PlusButtonClick(StepDirection direction) {
    ui_.EditingLavel->setText(kEditing);
    const SteppedRange range = StepRange(ToStd(ui_.StCount->text()), ToStd(ui_.EdCount->text()),
                                         ToStd(ui_.PMEDit->text()), direction);
    ui_.StCount->setText(ToQt(range.StCount));
    ui_.EdCount->setText(ToQt(range.EdCount));
    if (regData_.AutoSave) {
        outputs_->SaveToMenuClick();
    }
}

void TZarnetform::FromAddressMenuClick() {
    OpenFromAddress(ClipboardAddress(desktop_.ClipboardText()));
}

void TZarnetform::OpenFromAddress(const QString& address) {
    TFromAddressForm dialog(desktop_, this);
    if (const std::optional<PatternTexts> pattern = dialog.Ask(address, ui_.Pattern())) {
        ui_.ShowPattern(*pattern);
        // The combo's text runs no change handling of its own.
        UrlAdrsChange();
    }
}

void TZarnetform::dragEnterEvent(QDragEnterEvent* event) {
    TakeAsCopy(*event);
}

void TZarnetform::dragMoveEvent(QDragMoveEvent* event) {
    TakeAsCopy(*event);
}

void TZarnetform::dropEvent(QDropEvent* event) {
    if (!TakeAsCopy(*event)) {
        return;
    }
    const QString address = DroppedAddress(*event->mimeData());
    // The dialog waits until the drop is over, so the program it came from
    // is not held up meanwhile.
    QTimer::singleShot(0, this, [this, address] { guard_.Run([&] { OpenFromAddress(address); }); });
}

void TZarnetform::LoadIniMenuClick() {
    CollectSettings();
    if (desktop_.Execute(this, OpenDialog1)) {
        regData_.LoadFromIni(ToStd(OpenDialog1.FileName));
        regData_.AdoptHistory();
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
        LoadAndApply(StoreKind::Registry);
        regData_.AdoptHistory();
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
    const bool registryDefault = ui_.RegDefaultMenu->isChecked();
    // Written before any question; it stands whatever the answers.
    TRegData::WriteIniDefault(iniFileName_, !registryDefault);
    // The history in hand came from the store left behind; kept, it is the
    // window's to save into the new one. A load of the new one replaces it.
    regData_.AdoptHistory();
    const auto ask = [this](const QString& question) {
        return desktop_.ShowMessage(this, MessageKind::Warning, question, MessageButtons::YesNo) ==
               MessageAnswer::Yes;
    };
    const StoreKind from = registryDefault ? StoreKind::IniFile : StoreKind::Registry;
    const StoreKind to = registryDefault ? StoreKind::Registry : StoreKind::IniFile;
    if (!ask(registryDefault ? QStringLiteral("ﾚｼﾞｽﾄﾘから読み込みますか？")
                             : QStringLiteral("INIファイルから読み込みますか？"))) {
        return;
    }
    const bool keep =
        ask(registryDefault ? QStringLiteral("現在の状態をINIファイルに保存しますか？")
                            : QStringLiteral("現在の状態をﾚｼﾞｽﾄﾘに保存しますか？"));
    CollectSettings();
    if (keep) {
        SaveToDefaultStore(regData_, from, iniFileName_, registry_,
                           TRegData::StoredHistory::Replace);
    }
    LoadAndApply(to);
}

void TZarnetform::PropertyMenuClick() {
    if (propertyForm_->Edit(regData_)) {
        SetCompactView(ui_.ViewCompactMenu->isChecked());
    }
}

void TZarnetform::ProbeMenuClick() {
    const PreparedRun run = outputs_->CheckedRun();
    CheckProbeable(run);
    probeForm_->Probe(run, regData_.Probe);
}

void TZarnetform::ApplyRange(std::int32_t first, std::int32_t last) {
    std::size_t startWidth = NumberWidth(ToStd(ui_.StCount->text()));
    std::size_t endWidth = NumberWidth(ToStd(ui_.EdCount->text()));
    // Through the boxes' change handling, as typing.
    ui_.StCount->setText(ToQt(PadNumber(first, startWidth)));
    ui_.EdCount->setText(ToQt(PadNumber(last, endWidth)));
}

void TZarnetform::ShowFound(const PreparedRun& run, const ProbeResult& result) {
    outputs_->ShowFound(run, result);
}

void TZarnetform::QuitBtnClick() {
    close();
}

// Every way of closing the window comes here: the quit commands, the title
// bar, the system. The settings go to the default store before the window
// goes; nothing is asked.
void TZarnetform::closeEvent(QCloseEvent* event) {
    guard_.Run([this] {
        CollectSettings();
        // Another window on the same store may have recorded patterns since
        // this one loaded: they stay, behind this window's.
        SaveToDefaultStore(
            regData_, ui_.RegDefaultMenu->isChecked() ? StoreKind::Registry : StoreKind::IniFile,
            iniFileName_, registry_, TRegData::StoredHistory::KeepBehindPushed);
    });
    event->accept();
}

void TZarnetform::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Enter presses the focused button, so the focus shows from the start,
    // as after a Tab; showing a window clears that.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace zarnet
