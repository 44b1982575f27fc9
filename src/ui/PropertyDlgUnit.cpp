#include "ui/PropertyDlgUnit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/NumberText.h"
#include "ui/ControlLook.h"
#include "ui/DesignFont.h"
#include "ui/FormKit.h"
#include "ui/FullWidthGuard.h"
#include "ui/HeadEditUnit.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

namespace zarnet {

namespace {

constexpr int kClientWidth = 354;
constexpr int kClientHeight = 208;
constexpr int kButtonPanelHeight = 38;
// The smallest thumbnail side the dialog accepts.
constexpr std::int32_t kMinImageSide = 10;

// A size as the dialog reads it: the engine's number conversion, -1 for a
// text that is no number.
std::int32_t SizeOf(const QLineEdit& box) {
    return NumberOr(ToStd(box.text()), -1);
}

}  // namespace

TPropertyForm::TPropertyForm(Desktop& desktop, THtmlEditForm& editor, QWidget* parent)
    : KeylessDialog(parent), desktop_(desktop), guard_(desktop, this) {
    setObjectName(QStringLiteral("PropertyForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("設定"));
    setFont(DesignFont());
    setFixedSize(kClientWidth, kClientHeight);
    new WindowPlacement(*this, WindowPlacement::When::EveryShowing);

    QGroupBox* sizes = AddGroup(this, "GroupBox4", QStringLiteral("縮小イメージの大きさ"));
    sizes->setGeometry(16, 9, 131, 68);
    AddLabel(sizes, "Label9", QStringLiteral("表示幅"), QPoint(10, 22));
    imageWidth_ = AddEdit(sizes, "ImageWidth", QRect(68, 18, 40, 20));
    AddLabel(sizes, "Label10", QStringLiteral("表示高"), QPoint(10, 46));
    imageHeight_ = AddEdit(sizes, "ImageHeight", QRect(68, 42, 40, 20));
    TypeNumbersInAscii(*imageWidth_);
    TypeNumbersInAscii(*imageHeight_);

    QPushButton* editTemplates = AddButton(
        this, "HTMLEditButton", QStringLiteral("ヘッダ・フッタ編集"), QRect(16, 86, 105, 25));
    // Some air between the caption and the bevel.
    FitTextWidth(*editTemplates, editTemplates->width() - 6);

    QGroupBox* html = AddGroup(this, "GroupBox1", QStringLiteral("HTML出力の設定"));
    html->setGeometry(160, 8, 185, 101);
    separator_ =
        AddCheck(html, "SepCheckBox", QStringLiteral("セパレータを入れる"), QRect(9, 18, 160, 17));
    clickView_ =
        AddCheck(html, "ClickView", QStringLiteral("別窓で実寸表示"), QRect(9, 42, 160, 17));
    border_ = AddCheck(html, "BorderCheck", QStringLiteral("イメージの枠を入れる"),
                       QRect(9, 68, 160, 17));

    autoSave_ = AddCheck(this, "AutoSaveCheck", QStringLiteral("+/-ボタンクリックでファイル登録"),
                         QRect(20, 120, 241, 17));
    hideMenu_ = AddCheck(this, "HideMenuCheck", QStringLiteral("コンパクト表示でメニューも隠す"),
                         QRect(20, 144, 245, 17));

    QFrame* buttons = AddSunkenPanel(this, "Panel1");
    buttons->setGeometry(0, kClientHeight - kButtonPanelHeight, kClientWidth, kButtonPanelHeight);
    QPushButton* confirm =
        AddButton(buttons, "Button1", QStringLiteral("設定保存"), QRect(16, 8, 75, 25));
    QPushButton* cancel =
        AddButton(buttons, "Button2", QStringLiteral("キャンセル"), QRect(268, 8, 75, 25));

    SetTabOrder({imageWidth_, imageHeight_, editTemplates, border_, clickView_, separator_, confirm,
                 cancel, autoSave_, hideMenu_});

    guard_.Connect(confirm, &QPushButton::clicked, [this] { Button1Click(); });
    guard_.Connect(cancel, &QPushButton::clicked, [this] { reject(); });
    guard_.Connect(editTemplates, &QPushButton::clicked,
                   [&editor] { editor.HTMLEditButtonClick(); });
}

void TPropertyForm::showEvent(QShowEvent* event) {
    KeylessDialog::showEvent(event);
    // Every opening starts at the first control of the tab order, not at the
    // button that closed the dialog last time.
    imageWidth_->setFocus();
}

// The edited values go back only when the user confirms two valid sizes.
bool TPropertyForm::Edit(TRegData& record) {
    Fill(record);
    if (exec() != QDialog::Accepted) {
        return false;
    }
    TakeInto(record);
    return true;
}

void TPropertyForm::Fill(const TRegData& record) {
    imageWidth_->setText(QString::number(record.Output.ImageWidth));
    imageHeight_->setText(QString::number(record.Output.ImageHeight));
    border_->setChecked(record.Output.Border);
    clickView_->setChecked(record.Output.ClickView);
    separator_->setChecked(record.Output.Separator);
    autoSave_->setChecked(record.AutoSave);
    hideMenu_->setChecked(record.HideMenu);
}

void TPropertyForm::TakeInto(TRegData& record) const {
    record.Output.ImageWidth = SizeOf(*imageWidth_);
    record.Output.ImageHeight = SizeOf(*imageHeight_);
    record.Output.Border = border_->isChecked();
    record.Output.ClickView = clickView_->isChecked();
    record.Output.Separator = separator_->isChecked();
    record.AutoSave = autoSave_->isChecked();
    record.HideMenu = hideMenu_->isChecked();
}

void TPropertyForm::Button1Click() {
    const auto refuse = [this](const char* message) {
        desktop_.ShowMessage(this, MessageKind::Error, QString::fromUtf8(message),
                             MessageButtons::Ok);
    };
    if (SizeOf(*imageHeight_) < kMinImageSide) {
        refuse("イメージの表示高が、数値ではないか小さすぎます");
        return;
    }
    if (SizeOf(*imageWidth_) < kMinImageSide) {
        refuse("イメージの表示幅が、数値ではないか小さすぎます");
        return;
    }
    accept();
}

}  // namespace zarnet
