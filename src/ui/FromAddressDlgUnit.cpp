#include "ui/FromAddressDlgUnit.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <string>
#include <string_view>

#include "core/CodePageRefusal.h"
#include "core/Messages.h"
#include "core/SampleAddress.h"
#include "platform/Cp932.h"
#include "ui/CodePageGuard.h"
#include "ui/DesignFont.h"
#include "ui/FormKit.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

namespace zarnet {

namespace {

constexpr int kAddressWidth = 420;
constexpr int kListRows = 5;

// The number where it stands, in brackets as the window's caption marks the
// marker, from the folder or file name that holds it on: "vol[12]/cover.jpg".
std::string NumberInPlace(const AddressParts& parts, const AddressNumber& number) {
    const std::string_view address = parts.Address;
    const std::size_t separator = address.find_last_of("/\\", number.At);
    const std::size_t from = separator == std::string_view::npos ? 0 : separator + 1;
    const std::size_t end = number.At + number.Digits.size();
    return std::string(address.substr(from, number.At - from)) + "[" + number.Digits + "]" +
           std::string(address.substr(end));
}

// A caption over its control, its underlined letter reaching the control.
void AddCaption(QVBoxLayout& rows, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    rows.addWidget(label);
    rows.addWidget(buddy);
}

}  // namespace

QString ClipboardAddress(const QString& text) {
    QString line = text;
    if (line.endsWith(QLatin1Char('\n'))) {
        line.chop(1);
    }
    if (line.endsWith(QLatin1Char('\r'))) {
        line.chop(1);
    }
    return line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')) ? QString() : line;
}

QString DroppedAddress(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        return QDir::toNativeSeparators(urls.front().toLocalFile());
    }
    // Qt offers an address list as text too, decoded for show.
    if (data.hasFormat(QStringLiteral("text/plain"))) {
        static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
        return data.text().trimmed().section(lineEnd, 0, 0);
    }
    return urls.isEmpty() ? QString() : urls.front().toString(QUrl::FullyEncoded);
}

TFromAddressForm::TFromAddressForm(Desktop& desktop, QWidget* parent)
    : QDialog(parent), guard_(desktop, this) {
    Name(*this, "FromAddressForm");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("ｱﾄﾞﾚｽから設定"));
    setFont(DesignFont());
    new WindowPlacement(*this, WindowPlacement::When::EveryShowing);

    auto* rows = new QVBoxLayout(this);
    rows->setSizeConstraint(QLayout::SetFixedSize);
    address_ =
        AddEdit(this, "AddressEdit", QRect(), {}, QStringLiteral("連番のうち1つのｱﾄﾞﾚｽを入れます"));
    address_->setMinimumWidth(kAddressWidth);
    AddCaption(*rows, QStringLiteral("ｱﾄﾞﾚｽ(&A)"), address_);
    numbers_ = Named(new QListWidget(this), "NumberList");
    numbers_->setToolTip(QStringLiteral("連番にする数字を選びます"));
    // As high as a few rows: one measured, then taken away.
    numbers_->addItem(QStringLiteral("0"));
    numbers_->setFixedHeight(numbers_->sizeHintForRow(0) * kListRows + 2 * numbers_->frameWidth());
    numbers_->clear();
    AddCaption(*rows, QStringLiteral("連番にする数字(&N)"), numbers_);
    sample_ = AddLabel(this, "SampleUrl", {}, QPoint());
    sample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sample_->setToolTip(QStringLiteral("作成するアドレスのｻﾝﾌﾟﾙを表示します"));
    sample_->setMinimumHeight(address_->sizeHint().height());
    // A long address is cut at the box's edge rather than widen the dialog.
    sample_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    AddCaption(*rows, QStringLiteral("ｻﾝﾌﾟﾙ"), sample_);

    // OK first, as the program's other dialogs have their confirming button.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = AddButton(this, "OKButton", QStringLiteral("OK"), QRect());
    ok_->setDefault(true);
    QPushButton* cancel = AddButton(this, "CancelButton", QStringLiteral("キャンセル"), QRect());
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    rows->addLayout(buttons);
    SetTabOrder({address_, numbers_, ok_, cancel});

    // What the user types or pastes is kept to the code page as in every box;
    // an address given whole is refused below, not cut.
    KeepToCodePage(*address_);
    guard_.Connect(address_, &QLineEdit::textChanged, [this] { AddressChange(); });
    guard_.Connect(numbers_, &QListWidget::currentRowChanged, [this] { NumberChange(); });
    guard_.Connect(ok_, &QPushButton::clicked, [this] { accept(); });
    guard_.Connect(cancel, &QPushButton::clicked, [this] { reject(); });
}

std::optional<PatternTexts> TFromAddressForm::Ask(const QString& address,
                                                  const PatternTexts& current) {
    current_ = current;
    address_->setText(address);
    AddressChange();
    address_->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Chosen();
}

void TFromAddressForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        ShowRefusalSoon();
    }
}

void TFromAddressForm::ShowRefusalSoon() {
    QTimer::singleShot(0, this, [this] {
        if (foreign_ && isVisible()) {
            ShowCodePageRefusal(*address_, *foreign_);
        }
    });
}

void TFromAddressForm::AddressChange() {
    const std::string address = ToStd(address_->text());
    foreign_ = cp932::FirstForeignCharacter(address);
    parts_ = foreign_ ? AddressParts{} : SplitAddress(address);
    numbers_->clear();
    for (const AddressNumber& number : parts_.Numbers) {
        numbers_->addItem(ToQt(NumberInPlace(parts_, number)));
    }
    numbers_->setCurrentRow(static_cast<int>(parts_.Numbers.size()) - 1);
    if (foreign_ && isVisible()) {
        ShowCodePageRefusal(*address_, *foreign_);
    }
    NumberChange();
}

void TFromAddressForm::NumberChange() {
    const std::optional<PatternTexts> pattern = Chosen();
    ok_->setEnabled(pattern.has_value());
    if (pattern) {
        sample_->setText(ToQt(MakeSample(*pattern).Text));
    } else if (foreign_) {
        sample_->setText(ToQt(NotInCodePageMessage(*foreign_)));
    } else if (!parts_.Address.empty()) {
        sample_->setText(ToQt(FormatMessage(messages::kNoNumberInAddress.Text, {parts_.Address})));
    } else {
        sample_->clear();
    }
}

std::optional<PatternTexts> TFromAddressForm::Chosen() const {
    const int row = numbers_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= parts_.Numbers.size()) {
        return std::nullopt;
    }
    return PatternFromAddress(parts_, static_cast<std::size_t>(row), current_);
}

}  // namespace zarnet
