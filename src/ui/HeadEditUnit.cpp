#include "ui/HeadEditUnit.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Paths.h"
#include "templates/HtmlTemplates.h"
#include "ui/CodePageGuard.h"
#include "ui/DesignFont.h"
#include "ui/EvenSplitLayout.h"
#include "ui/FormKit.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

namespace zarnet {

namespace {

// The window opens at 502 x 412 pixels, frame included, at 295, 168.
constexpr QSize kOuterSize(502, 412);
constexpr QPoint kPlace(295, 168);
constexpr int kButtonBarHeight = 35;

std::vector<std::string> LinesOf(const QPlainTextEdit& edit,
                                 const std::vector<std::string>& before) {
    return HtmlTemplates::FromEditorText(ToStd(edit.toPlainText()), before);
}

// The question before a file goes that the editor could not show whole.
QString LossQuestion(const std::string& path, const TemplateLoss& loss) {
    const QString file = ToQt(path);
    if (loss.Unreadable) {
        return QStringLiteral(
                   "ファイル %1 は読み込めなかったため、保存するとその内容はすべて"
                   "失われます。\n保存しますか？")
            .arg(file);
    }
    QString text = QStringLiteral(
                       "ファイル %1 には、この画面に表示できない内容があります。"
                       "保存すると次のものが失われます。\n")
                       .arg(file);
    if (loss.BytesFromNul > 0) {
        text += QStringLiteral("・NUL 文字とそれより後の %1 バイト\n").arg(loss.BytesFromNul);
    }
    if (loss.ForeignLines > 0) {
        text += QStringLiteral(
                    "・コードページ932にないバイトを含む %1 行の、そのバイト（「?」に"
                    "なります）\n")
                    .arg(loss.ForeignLines);
    }
    if (loss.CutLines > 0) {
        text += QStringLiteral("・%2 バイトを超える %1 行の、%2 バイトより後\n")
                    .arg(loss.CutLines)
                    .arg(HtmlTemplates::kMaxLineBytes);
    }
    return text + QStringLiteral("保存しますか？");
}

}  // namespace

THtmlEditForm::THtmlEditForm(Desktop& desktop, HtmlTemplates& templates, QWidget* parent)
    : KeylessDialog(parent), desktop_(desktop), templates_(templates), guard_(desktop, this) {
    setObjectName(QStringLiteral("HtmlEditForm"));
    MakeTopLevel(*this);
    setWindowTitle(QStringLiteral("HtmlEditForm"));
    setFont(DesignFont());
    new WindowPlacement(*this, WindowPlacement::When::FirstShowing, kOuterSize, kPlace);
    // Browsing starts where the templates are.
    OpenDialog1.InitialDir = ToQt(FolderPart(templates.HeaderPath()));

    QVBoxLayout* layout = StackLayout(this);

    const Pane header = AddPane("HeaderPanel", "Panel1", QStringLiteral("ヘッダ部"), "Panel4",
                                "Button1", "Button5", "Button8", 33, "HeaderEdit");
    const Pane footer = AddPane("FooterPanel", "Panel2", QStringLiteral("フッタ部"), "Panel5",
                                "Button2", "Button6", "Button7", 32, "FooterEdit");
    headerEdit_ = header.Edit;
    footerEdit_ = footer.Edit;
    KeepToCodePage(*headerEdit_);
    KeepToCodePage(*footerEdit_);
    // What FormShow did on every showing and resize, the layout does at every
    // size: the header half rounded down, the footer the odd pixel.
    auto* panes = new EvenSplitLayout;
    layout->addLayout(panes, 1);
    panes->addWidget(header.Panel);
    panes->addWidget(footer.Panel);

    QFrame* buttonBar = AddSunkenPanel(this, "Panel3");
    buttonBar->setFixedHeight(kButtonBarHeight);
    saveButton_ = AddButton(buttonBar, "Button3", QStringLiteral("保存終了"), QRect(12, 6, 75, 25));
    QPushButton* save = saveButton_;
    QWidget* cancelPanel = AddRightPanel(buttonBar, "Panel6", 89);
    QPushButton* cancel =
        AddButton(cancelPanel, "Button4", QStringLiteral("キャンセル"), QRect(2, 6, 75, 25));
    layout->addWidget(buttonBar);

    SetTabOrder({save, cancel, headerEdit_, header.Standard, header.Browse, footer.Standard,
                 footer.Browse, footerEdit_});

    // Before a file goes that the editor could not show whole, the user is
    // asked, and "いいえ" keeps the file and the editor open.
    guard_.Connect(save, &QPushButton::clicked, [this] {
        if (!MayLose(templates_.HeaderPath(),
                     templates_.HeaderLoss(LinesOf(*headerEdit_, templates_.HeaderLines))) ||
            !MayLose(templates_.FooterPath(),
                     templates_.FooterLoss(LinesOf(*footerEdit_, templates_.FooterLines)))) {
            return;
        }
        Button3Click();
        accept();
    });
    guard_.Connect(cancel, &QPushButton::clicked, [this] { reject(); });
    guard_.Connect(header.Browse, &QPushButton::clicked, [this] { Button5Click(); });
    guard_.Connect(footer.Browse, &QPushButton::clicked, [this] { Button6Click(); });
}

THtmlEditForm::Pane THtmlEditForm::AddPane(const char* panel, const char* bar,
                                           const QString& caption, const char* buttons,
                                           const char* standard, const char* browse,
                                           const char* enter, int barHeight, const char* edit) {
    Pane pane{};
    pane.Panel = AddPanel(this, panel);
    QVBoxLayout* stack = StackLayout(pane.Panel);

    // The caption stands in the middle of the whole bar, the buttons over its
    // right end.
    QLabel* captionBar = AddCaptionBar(pane.Panel, bar, caption, barHeight,
                                       QFrame::Panel | QFrame::Raised, Qt::AlignCenter);
    QWidget* buttonPanel = AddRightPanel(captionBar, buttons, 137);
    pane.Standard = AddButton(buttonPanel, standard, QStringLiteral("標準"), QRect(5, 4, 40, 25));
    pane.Browse = AddButton(buttonPanel, browse, QStringLiteral("参照"), QRect(48, 4, 40, 25));
    AddButton(buttonPanel, enter, QStringLiteral("登録"), QRect(92, 4, 40, 25))->hide();
    stack->addWidget(captionBar);

    pane.Edit = AddTextBox(pane.Panel, edit);
    // Tab leaves the box, as in every other box of the program.
    pane.Edit->setTabChangesFocus(true);
    stack->addWidget(pane.Edit);
    return pane;
}

void THtmlEditForm::HTMLEditButtonClick() {
    FillHeaderEdit();
    FillFooterEdit();
    if (exec() != QDialog::Accepted) {
        return;
    }
    // "Header.txt", then "Footer.txt": a header that cannot be written leaves
    // the footer file alone. The edited templates stay in memory either way.
    templates_.SaveHeader();
    templates_.SaveFooter();
}

void THtmlEditForm::FillHeaderEdit() {
    SetTextFromCode(*headerEdit_, ToQt(HtmlTemplates::EditorText(templates_.HeaderLines)));
}

void THtmlEditForm::FillFooterEdit() {
    SetTextFromCode(*footerEdit_, ToQt(HtmlTemplates::EditorText(templates_.FooterLines)));
}

void THtmlEditForm::Button3Click() {
    templates_.HeaderLines = LinesOf(*headerEdit_, templates_.HeaderLines);
    templates_.FooterLines = LinesOf(*footerEdit_, templates_.FooterLines);
}

bool THtmlEditForm::MayLose(const std::string& path, const TemplateLoss& loss) {
    return !loss.Any() ||
           desktop_.ShowMessage(this, MessageKind::Confirmation, LossQuestion(path, loss),
                                MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
}

void THtmlEditForm::Button5Click() {
    Browse(&HtmlTemplates::LoadHeader, &THtmlEditForm::FillHeaderEdit);
}

void THtmlEditForm::Button6Click() {
    Browse(&HtmlTemplates::LoadFooter, &THtmlEditForm::FillFooterEdit);
}

void THtmlEditForm::Browse(void (HtmlTemplates::*load)(const std::string&),
                           void (THtmlEditForm::*fill)()) {
    OpenDialog1.FileName.clear();
    if (!desktop_.Execute(this, OpenDialog1)) {
        return;
    }
    // A name that does not exist brings the built-in template; a file that
    // cannot be read raises before anything changes.
    (templates_.*load)(ToStd(OpenDialog1.FileName));
    (this->*fill)();
}

void THtmlEditForm::showEvent(QShowEvent* event) {
    KeylessDialog::showEvent(event);
    // Every opening starts at the first control of the tab order.
    saveButton_->setFocus();
}

}  // namespace zarnet
