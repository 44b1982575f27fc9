#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <functional>

#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

// Typing as a Japanese user does: with the input method on, the keys of the
// ASCII keyboard give full-width characters, and Alt keys are menu keys.
class JapaneseTypingTest : public WindowTest {
    Q_OBJECT

  private:
    enum Way { Keys, Commit, Paste };

    // What reaches a box: key by key, one commit of the input method after
    // its preedit, or Ctrl+V.
    static void Enter(QLineEdit* box, int way, const QString& text) {
        if (way == Keys) {
            for (const QChar ch : text) {
                QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(box, &key);
            }
        } else if (way == Commit) {
            QInputMethodEvent preedit(text, {});
            QApplication::sendEvent(box, &preedit);
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(box, &commit);
        } else {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
    }

    // Runs `act` on the box, in the settings dialog for its two sizes.
    void OnBox(const QString& name, const std::function<void(QLineEdit*)>& act) {
        if (name != Q("ImageWidth") && name != Q("ImageHeight")) {
            act(Edit(name.toLatin1().constData()));
            return;
        }
        TPropertyForm& dialog = Window().PropertyForm();
        WhenShown(this, [&] {
            act(Child<QLineEdit>(dialog, name.toLatin1().constData()));
            dialog.reject();
        });
        Action("PropertyMenu")->trigger();
    }

  private slots:
    void init() { StartFixture(true); }
    void cleanup() { EndFixture(true); }

    // Each number box and each way in; which character becomes which is the
    // table of FullWidthInputTest.
    void numberBoxesTakeAsciiAsTyped_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("at");  // the cursor before
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursor");  // the cursor after
        QTest::newRow("start typed")
            << Q("StCount") << int(Keys) << Q("") << 0 << Q("００５") << Q("005") << 3;
        QTest::newRow("end committed")
            << Q("EdCount") << int(Commit) << Q("") << 0 << Q("０１２") << Q("012") << 3;
        QTest::newRow("step pasted")
            << Q("PMEDit") << int(Paste) << Q("") << 0 << Q("１３") << Q("13") << 2;
        QTest::newRow("cursor kept")
            << Q("StCount") << int(Commit) << Q("15") << 1 << Q("０") << Q("105") << 2;
        QTest::newRow("width") << Q("ImageWidth") << int(Commit) << Q("") << 0 << Q("２０")
                               << Q("20") << 2;
        QTest::newRow("height") << Q("ImageHeight") << int(Paste) << Q("9") << 0 << Q("３")
                                << Q("39") << 1;
        QTest::newRow("other boxes keep full width")
            << Q("FileNameFront") << int(Commit) << Q("") << 0 << Q("写真０１ー") << Q("写真０１ー")
            << 5;
    }

    void numberBoxesTakeAsciiAsTyped() {
        QFETCH(QString, box);
        QFETCH(int, way);
        QFETCH(QString, before);
        QFETCH(int, at);
        QFETCH(QString, entered);
        QFETCH(QString, after);
        QFETCH(int, cursor);
        QString shown;
        int shownCursor = -1;
        OnBox(box, [&](QLineEdit* edit) {
            edit->setText(before);
            edit->setCursorPosition(at);
            Enter(edit, way, entered);
            shown = edit->text();
            shownCursor = edit->cursorPosition();
        });
        QCOMPARE(shown, after);
        QCOMPARE(shownCursor, cursor);
    }

    // The comma key and the space bar give 、 and U+3000 with the input method
    // on: they separate values as "," and " " do, and the box shows them so.
    void listTakesTheInputMethodsSeparators() {
        QLineEdit* values = Edit("CSVListEdit");
        values->clear();
        Enter(values, Commit, Q("旅行、家族　海，山､川"));
        QCOMPARE(values->text(), Q("旅行,家族 海,山,川"));
        Enter(values, Keys, Q(" \"a b\",c"));
        QCOMPARE(values->text(), Q("旅行,家族 海,山,川 \"a b\",c"));
    }

    void altWithALetterTypesNothing_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("compact");  // without a menu bar
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("after");
        QTest::newRow("end, no menu bar")
            << Q("EdCount") << true << int(Qt::AltModifier) << Q("012");
        QTest::newRow("address, no menu bar")
            << Q("UrlCombo") << true << int(Qt::AltModifier | Qt::ShiftModifier) << Q("012");
        QTest::newRow("rear, menu bar")
            << Q("FileNameRear") << false << int(Qt::AltModifier) << Q("012");
        QTest::newRow("preview") << Q("ListVIewMemo") << false << int(Qt::AltModifier) << Q("012");
        // AltGr, which Windows reports as Ctrl+Alt, types.
        QTest::newRow("AltGr") << Q("EdCount") << true << int(Qt::AltModifier | Qt::ControlModifier)
                               << Q("012q");
    }

    void altWithALetterTypesNothing() {
        QFETCH(QString, box);
        QFETCH(bool, compact);
        QFETCH(int, modifiers);
        QFETCH(QString, after);
        Window().RegData().HideMenu = true;
        Action(compact ? "ViewCompactMenu" : "ViewDefaultMenu")->trigger();
        QString shown;
        const auto press = [&](QWidget* target, const std::function<QString()>& text) {
            // A key Qt gives no mnemonic here, so no menu opens either way.
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Q, Qt::KeyboardModifiers(modifiers), Q("q"));
            QApplication::sendEvent(target, &key);
            shown = text();
        };
        if (box == Q("ListVIewMemo")) {
            auto* memo = Child<QPlainTextEdit>(Window().ListView(), "ListVIewMemo");
            WhenShown(this, [&] {
                memo->setPlainText(Q("012"));
                memo->moveCursor(QTextCursor::End);
                press(memo, [&] { return memo->toPlainText(); });
                Window().ListView().reject();
            });
            Combo()->setEditText(Q("http://e/"));
            Child<QPushButton>(Window(), "ViewBtn")->click();
        } else if (box == Q("UrlCombo")) {
            Combo()->setEditText(Q("012"));
            press(Combo(), [&] { return Combo()->currentText(); });
        } else {
            QLineEdit* edit = Edit(box.toLatin1().constData());
            edit->setText(Q("012"));
            press(edit, [&] { return edit->text(); });
        }
        QCOMPARE(shown, after);
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::JapaneseTypingTest)
#include "JapaneseTypingTest.moc"
