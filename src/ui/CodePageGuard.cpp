#include "ui/CodePageGuard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolTip>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/CodePageRefusal.h"
#include "platform/Cp932.h"

namespace zarnet {

namespace {

struct Foreign {
    qsizetype At;
    qsizetype Size;  // 2 for a surrogate pair
};

// The characters of the text the code page lacks, and the first of them.
// Line breaks a text box keeps in its own way pass.
std::vector<Foreign> ForeignIn(QStringView text, std::optional<char32_t>& first) {
    std::vector<Foreign> found;
    for (qsizetype at = 0; at < text.size();) {
        char32_t character = text[at].unicode();
        qsizetype size = 1;
        if (QChar::isHighSurrogate(character) && at + 1 < text.size() &&
            text[at + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[at], text[at + 1]);
            size = 2;
        }
        const bool lineBreak =
            character == QChar::ParagraphSeparator || character == QChar::LineSeparator;
        if (!lineBreak && !cp932::Holds(character)) {
            found.push_back({at, size});
            if (!first) {
                first = character;
            }
        }
        at += size;
    }
    return found;
}

// Set on a text box while the program itself fills it.
constexpr char kFillingFromCode[] = "zarnetFillingFromCode";

// The code page 932 bytes of the text.
std::size_t BytesOf(QStringView text) {
    return cp932::ByteLength(text.toString().toStdString());
}

void ShowRefusal(QWidget& box, const QString& text) {
    QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())), text, &box);
}

}  // namespace

void ShowCodePageRefusal(QWidget& box, char32_t character) {
    ShowRefusal(box, QString::fromStdString(NotInCodePageMessage(character)));
}

// The characters just before the cursor are those the edit brought, so they
// go, last first, until the text fits. Must come before the box's other
// guards: their own changes would pass for the text before the edit.
void KeepToByteLimit(QLineEdit& edit, std::size_t maxBytes, std::function<bool()> applies,
                     const QString& refusal) {
    // The text as it was before each edit: the edit's own change is told
    // after textEdited.
    auto before = std::make_shared<std::size_t>(BytesOf(edit.text()));
    QObject::connect(&edit, &QLineEdit::textChanged, &edit,
                     [&edit, before] { *before = BytesOf(edit.text()); });
    QObject::connect(&edit, &QLineEdit::textEdited, &edit,
                     [&edit, maxBytes, applies = std::move(applies), refusal, before] {
                         QString text = edit.text();
                         std::size_t bytes = BytesOf(text);
                         const std::size_t allowed = std::max(maxBytes, *before);
                         if (bytes <= allowed || !applies()) {
                             return;
                         }
                         int cursor = edit.cursorPosition();
                         while (bytes > allowed && cursor > 0) {
                             const int size = cursor > 1 && text[cursor - 1].isLowSurrogate() &&
                                                      text[cursor - 2].isHighSurrogate()
                                                  ? 2
                                                  : 1;
                             cursor -= size;
                             bytes -= BytesOf(QStringView(text).mid(cursor, size));
                             text.remove(cursor, size);
                         }
                         edit.setText(text);
                         edit.setCursorPosition(cursor);
                         ShowRefusal(edit, refusal);
                     });
}

// Boxes whose text is stored or written: a character beyond the code page that
// the user types, pastes or drops is taken out at once and a tooltip at the box
// names it, so the box shows what will be stored and written.
void KeepToCodePage(QLineEdit& edit) {
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&edit] {
        // The box's own text: a guard before this one may have changed it.
        const QString text = edit.text();
        std::optional<char32_t> first;
        const std::vector<Foreign> found = ForeignIn(text, first);
        if (found.empty()) {
            return;
        }
        QString kept = text;
        int cursor = edit.cursorPosition();
        for (auto it = found.rbegin(); it != found.rend(); ++it) {
            kept.remove(it->At, it->Size);
            if (it->At < cursor) {
                cursor -= static_cast<int>(it->Size);
            }
        }
        edit.setText(kept);
        edit.setCursorPosition(cursor);
        ShowCodePageRefusal(edit, *first);
    });
}

void KeepToCodePage(QComboBox& combo) {
    KeepToCodePage(*combo.lineEdit());
}

void KeepToCodePage(QPlainTextEdit& edit) {
    QObject::connect(edit.document(), &QTextDocument::contentsChange, &edit,
                     [&edit](int position, int, int added) {
                         if (added == 0 || edit.property(kFillingFromCode).toBool()) {
                             return;
                         }
                         // A change at the start may count the document's
                         // last paragraph end, which no cursor reaches.
                         QTextCursor range(edit.document());
                         range.setPosition(position);
                         range.setPosition(
                             std::min(position + added, edit.document()->characterCount() - 1),
                             QTextCursor::KeepAnchor);
                         std::optional<char32_t> first;
                         const std::vector<Foreign> found = ForeignIn(range.selectedText(), first);
                         if (found.empty()) {
                             return;
                         }
                         // Part of the same step of the undo history as the insertion.
                         QTextCursor cut(edit.document());
                         cut.joinPreviousEditBlock();
                         for (auto it = found.rbegin(); it != found.rend(); ++it) {
                             cut.setPosition(position + static_cast<int>(it->At));
                             cut.setPosition(position + static_cast<int>(it->At + it->Size),
                                             QTextCursor::KeepAnchor);
                             cut.removeSelectedText();
                         }
                         cut.endEditBlock();
                         ShowCodePageRefusal(edit, *first);
                     });
}

void SetTextFromCode(QPlainTextEdit& edit, const QString& text) {
    edit.setProperty(kFillingFromCode, true);
    edit.setPlainText(text);
    edit.setProperty(kFillingFromCode, false);
}

}  // namespace zarnet
