#include "ui/ZarnetView.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "ui/DesignFont.h"
#include "ui/Icons.h"
#include "ui/WindowPlacement.h"

namespace zarnet {

namespace {

constexpr int kToolBarHeight = 29;
constexpr int kToolButtonWidth = 23;
constexpr int kToolButtonHeight = 22;
constexpr int kToolButtonTop = 4;
// The window opens at 501 x 470 pixels, frame included.
constexpr int kWidth = 501;
constexpr int kHeight = 470;
constexpr std::uint32_t kSystemColorBit = 0x80000000u;

bool IsHtmlKind(int kind) {
    return kind == 1 || kind == 2;
}

}  // namespace

ProposedSave ProposeSaveName(const QString& fileName, int outputKind) {
    const bool html = IsHtmlKind(outputKind);
    ProposedSave proposed;
    proposed.Filter = html ? QStringLiteral("HTMLファイル|*.htm;*.html")
                           : QStringLiteral("テキストファイル|*.txt");
    const QString wanted = html ? QStringLiteral(".html") : QStringLiteral(".txt");
    if (fileName.isEmpty()) {
        proposed.FileName = QStringLiteral("Download") + wanted;
        return proposed;
    }
    // The extension starts at the last dot after the folder part.
    const qsizetype nameStart = QString::fromStdString(FolderPart(fileName.toStdString())).size();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot >= nameStart;
    const QString extension = hasExtension ? fileName.mid(dot) : QString();
    const QString lower = extension.toLower();
    const bool fits = html ? (lower == QLatin1String(".htm") || lower == QLatin1String(".html"))
                           : lower == QLatin1String(".txt");
    if (fits) {
        proposed.FileName = fileName;
    } else {
        proposed.FileName = (hasExtension ? fileName.left(dot) : fileName) + wanted;
    }
    return proposed;
}

TListView::TListView(Desktop& desktop, QWidget* parent)
    : QDialog(parent), desktop_(desktop), guard_(desktop, this) {
    setObjectName(QStringLiteral("ListView"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("変換結果表示"));
    setWindowIcon(icons::PreviewWindow());
    setFont(DesignFont());
    resize(kWidth, kHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBarPanel"));
    bar->setFixedHeight(kToolBarHeight);
    layout->addWidget(bar);

    QToolButton* closeButton = AddToolButton(bar, "SpeedButton2", icons::CloseWindow(), 4,
                                             QStringLiteral("ウインドウを閉じる"));
    QToolButton* saveButton = AddToolButton(bar, "SaveToFileButton", icons::SaveFile(), 32,
                                            QStringLiteral("ファイルに保存"));
    QToolButton* fontButton =
        AddToolButton(bar, "SpeedButton3", icons::Font(), 60, QStringLiteral("表示フォントの設定"));
    QToolButton* copyButton = AddToolButton(bar, "ClipBordButton", icons::Clipboard(), 90,
                                            QStringLiteral("クリップボードにコピーします"));

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("ListVIewMemo"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(memo_);

    SaveDialog1.DialogMode = FileDialog::Mode::Save;
    SaveDialog1.ConfirmOverwrite = true;

    connect(closeButton, &QToolButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QToolButton::clicked, this,
            [this] { guard_.Run([this] { SaveToFileButtonClick(); }); });
    connect(fontButton, &QToolButton::clicked, this,
            [this] { guard_.Run([this] { SpeedButton3Click(); }); });
    connect(copyButton, &QToolButton::clicked, this,
            [this] { guard_.Run([this] { ClipBordButtonClick(); }); });
}

QToolButton* TListView::AddToolButton(QWidget* bar, const char* name, const QIcon& icon, int x,
                                      const QString& hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(x, kToolButtonTop, kToolButtonWidth, kToolButtonHeight);
    return button;
}

std::vector<std::string> TListView::Lines() const {
    return SplitLines(memo_->toPlainText().toStdString());
}

void TListView::SaveToFileButtonClick() {
    const ProposedSave proposed = ProposeSaveName(SaveDialog1.FileName, outputKind_);
    SaveDialog1.Filter = proposed.Filter;
    SaveDialog1.FileName = proposed.FileName;
    // The main window saves through this window while it is hidden.
    QWidget* owner = isVisible() ? this : parentWidget();
    if (!desktop_.Execute(owner, SaveDialog1)) {
        return;
    }
    WriteTextLines(SaveDialog1.FileName.toStdString(), Lines());
}

void TListView::ClipBordButtonClick() {
    QTextCursor cursor = memo_->textCursor();
    const int caret = cursor.selectionStart();
    desktop_.SetClipboardText(memo_->toPlainText());
    cursor.setPosition(caret);
    memo_->setTextCursor(cursor);
}

void TListView::SpeedButton3Click() {
    if (const std::optional<QFont> chosen = desktop_.ChooseFont(this, memo_->font())) {
        memo_->setFont(*chosen);
    }
}

void TListView::ApplyViewFont(const TViewFont& font) {
    charSet_ = font.CharSet;
    color_ = font.Color;
    QFont shown = memo_->font();
    shown.setFamily(QString::fromStdString(font.Name()));
    // A negative height is the character height; a positive one, the cell
    // height, comes close enough to it; zero asks for the usual size.
    const std::int32_t height = font.Height < 0 ? -font.Height : font.Height;
    shown.setPixelSize(height > 0 ? height : kDesignPixelSize);
    memo_->setFont(shown);
    ShowColor();
}

void TListView::CollectViewFont(TViewFont& font) const {
    const QFont shown = memo_->font();
    font.CharSet = charSet_;
    font.Color = color_;
    if (shown.pixelSize() > 0) {
        font.Height = -shown.pixelSize();
    } else {
        // Chosen in points in the font dialog.
        font.Height = -static_cast<std::int32_t>(
            std::lround(shown.pointSizeF() * font.PixelsPerInch() / 72.0));
    }
    font.SetName(shown.family().toStdString());
    font.SetSize(font.Size());
}

void TListView::ShowColor() {
    QPalette palette = memo_->palette();
    const auto color = static_cast<std::uint32_t>(color_);
    if ((color & kSystemColorBit) != 0) {
        palette.setColor(QPalette::Text, QApplication::palette().color(QPalette::Text));
    } else {
        // Stored as 0x00BBGGRR.
        palette.setColor(QPalette::Text, QColor(static_cast<int>(color & 0xFFu),
                                                static_cast<int>((color >> 8) & 0xFFu),
                                                static_cast<int>((color >> 16) & 0xFFu)));
    }
    memo_->setPalette(palette);
}

void TListView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        // The size is the outer one, frame included, which only a window that
        // exists can tell.
        resize(QSize(kWidth, kHeight) - (frameGeometry().size() - size()));
        CenterOnScreen(*this);
    }
    memo_->moveCursor(QTextCursor::Start);
    memo_->setFocus();
}

}  // namespace zarnet
