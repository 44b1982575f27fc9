#include "ui/ZarnetView.h"

#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/SaveName.h"
#include "platform/TextFile.h"
#include "ui/CodePageGuard.h"
#include "ui/ControlLook.h"
#include "ui/DesignFont.h"
#include "ui/FormKit.h"
#include "ui/Icons.h"
#include "ui/WindowPlacement.h"

namespace zarnet {

namespace {

constexpr int kToolBarHeight = 29;
constexpr int kToolButtonWidth = 23;
constexpr int kToolButtonHeight = 22;
constexpr int kToolButtonTop = 4;
// The window opens at 501 x 470 pixels, frame included.
constexpr QSize kOuterSize(501, 470);
constexpr std::uint32_t kSystemColorBit = 0x80000000u;

}  // namespace

TListView::TListView(Desktop& desktop, QWidget* parent)
    : QDialog(parent), desktop_(desktop), guard_(desktop, this) {
    setObjectName(QStringLiteral("ListView"));
    MakeTopLevel(*this);
    setWindowTitle(QStringLiteral("変換結果表示"));
    setWindowIcon(icons::PreviewWindow());
    setFont(DesignFont());
    new WindowPlacement(*this, WindowPlacement::When::FirstShowing, kOuterSize);

    QVBoxLayout* layout = StackLayout(this);

    QWidget* bar = AddPanel(this, "ToolBarPanel");
    bar->setFixedHeight(kToolBarHeight);
    layout->addWidget(bar);

    const auto toolPlace = [](int x) {
        return QRect(x, kToolButtonTop, kToolButtonWidth, kToolButtonHeight);
    };
    QToolButton* closeButton = AddToolButton(bar, "SpeedButton2", icons::CloseWindow(),
                                             toolPlace(4), QStringLiteral("ウインドウを閉じる"));
    QToolButton* saveButton = AddToolButton(bar, "SaveToFileButton", icons::SaveFile(),
                                            toolPlace(32), QStringLiteral("ファイルに保存"));
    QToolButton* fontButton = AddToolButton(bar, "SpeedButton3", icons::Font(), toolPlace(60),
                                            QStringLiteral("表示フォントの設定"));
    QToolButton* copyButton =
        AddToolButton(bar, "ClipBordButton", icons::Clipboard(), toolPlace(90),
                      QStringLiteral("クリップボードにコピーします"));
    // Escape closes the window; the other buttons have keys of their own.
    GiveKey(*saveButton, QKeySequence(Qt::CTRL | Qt::Key_S));
    GiveKey(*fontButton, QKeySequence(Qt::CTRL | Qt::Key_F));
    GiveKey(*copyButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));

    memo_ = AddTextBox(this, "ListVIewMemo");
    // Saved as code page 932, like the boxes of the main window.
    KeepToCodePage(*memo_);
    layout->addWidget(memo_);

    SaveDialog1.DialogMode = FileDialog::Mode::Save;
    SaveDialog1.ConfirmOverwrite = true;

    guard_.Connect(closeButton, &QToolButton::clicked, [this] { reject(); });
    guard_.Connect(saveButton, &QToolButton::clicked, [this] { SaveToFileButtonClick(); });
    guard_.Connect(fontButton, &QToolButton::clicked, [this] { SpeedButton3Click(); });
    guard_.Connect(copyButton, &QToolButton::clicked, [this] { ClipBordButtonClick(); });
}

std::vector<std::string> TListView::Lines() const {
    return SplitLines(memo_->toPlainText().toStdString());
}

void TListView::WriteTo(const std::string& path) const {
    // The window must never hang on a pipe that no program reads.
    WriteTextLines(path, Lines(), TextEncoding::Cp932, templateLines_, Waiting::Never);
}

void TListView::ShowDocument(MakeType kind, const QString& text) {
    outputKind_ = kind;
    templateLines_ = {};
    SetTextFromCode(*memo_, text);
}

void TListView::ShowRun(const PreparedRun& run, const DocumentFrame& frame) {
    ShowRun(run, frame, [&run](ExpansionSink& sink) { run.Expand(sink); });
}

void TListView::ShowRun(const PreparedRun& run, const DocumentFrame& frame,
                        const EntrySource& entries) {
    // The text, and the bytes of the lines that came as bytes.
    class Document : public TextSink {
      public:
        void AddCodePageLine(std::string_view bytes, std::string_view line) override {
            AddLine(line);
            Known.Add(bytes, line);
        }
        KnownLines Known;
    };
    Document document;
    WriteDocument(run, frame, document, entries);
    ShowDocument(run.Request.Kind, QString::fromStdString(document.Text));
    templateLines_ = std::move(document.Known);
}

void TListView::SaveToFileButtonClick() {
    const ProposedSave proposed = ProposeSaveName(SaveDialog1.FileName.toStdString(), outputKind_);
    SaveDialog1.Filter = QString::fromStdString(proposed.Filter);
    SaveDialog1.FileName = QString::fromStdString(proposed.FileName);
    // The main window saves through this window while it is hidden.
    QWidget* owner = isVisible() ? this : parentWidget();
    if (!desktop_.Execute(owner, SaveDialog1)) {
        return;
    }
    WriteTo(SaveDialog1.FileName.toStdString());
}

void TListView::ClipBordButtonClick() {
    QTextCursor cursor = memo_->textCursor();
    const int caret = cursor.selectionStart();
    desktop_.SetClipboardText(memo_->toPlainText());
    cursor.setPosition(caret);
    memo_->setTextCursor(cursor);
}

void TListView::SpeedButton3Click() {
    // The stored face may be one the system lacks and draws with another;
    // the dialog knows only the faces it lists, so it opens on the one drawn.
    const QFont shown = memo_->font();
    QFont drawn = shown;
    drawn.setFamily(QFontInfo(shown).family());
    std::optional<QFont> chosen = desktop_.ChooseFont(this, drawn);
    if (!chosen) {
        return;
    }
    if (chosen->family() == drawn.family()) {
        chosen->setFamily(shown.family());
    }
    memo_->setFont(*chosen);
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
    // A load takes the height from Size, read last: round it through whole
    // points now, so the saved font loads back as it is.
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
    memo_->moveCursor(QTextCursor::Start);
    memo_->setFocus();
}

}  // namespace zarnet
