#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "ui/HeadEditUnit.h"
#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

// What a box stores or writes is what it shows: a character code page 932
// lacks is refused where it is typed or pasted, and a tooltip names it.
class CodePageInputTest : public WindowTest {
    Q_OBJECT

  private slots:
    void init() { StartFixture(true); }
    void cleanup() { EndFixture(true); }

    void foreignCharactersAreRefused_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");  // pasted where it holds a surrogate pair
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("refused");  // the tooltip's character, if any
        QTest::newRow("address") << Q("UrlCombo") << Q("café") << Q("caf") << Q("「é」U+00E9");
        QTest::newRow("front, pasted")
            << Q("FileNameFront") << Q("a😀b") << Q("ab") << Q("「😀」U+1F600");
        QTest::newRow("save name")
            << Q("SaveFileNameEdit") << Q("x€.html") << Q("x.html") << Q("「€」U+20AC");
        QTest::newRow("kept") << Q("FileNameRear") << Q("写真Ωｱ〜") << Q("写真Ωｱ〜") << QString();
        QTest::newRow("header, pasted") << Q("HeaderEdit") << Q("<p>é</p>\n<p>😀</p>")
                                        << Q("<p></p>\n<p></p>") << Q("「é」U+00E9");
        QTest::newRow("footer") << Q("FooterEdit") << Q("endü") << Q("end") << Q("「ü」U+00FC");
        QTest::newRow("preview") << Q("ListVIewMemo") << Q("xé") << Q("x") << Q("「é」U+00E9");
    }

    void foreignCharactersAreRefused() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, refused);
        // Windows lets a tooltip fade out; the last row's must be gone first.
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QApplication::clipboard()->setText(typed);
        const auto enter = [&](QWidget* widget) {
            if (typed.contains(QChar(0xD83D))) {
                QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
            } else {
                for (const QChar ch : typed) {
                    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                    QApplication::sendEvent(widget, &key);
                }
            }
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QString shown;
        QString tip;
        // The text boxes of the modal windows, typed into while they show.
        const auto enterShown = [&](QDialog& dialog) {
            WhenShown(this, [&] {
                auto* edit = Child<QPlainTextEdit>(dialog, box.toLatin1());
                edit->clear();
                tip = enter(edit);
                shown = edit->toPlainText();
                dialog.reject();
            });
        };
        if (box == Q("HeaderEdit") || box == Q("FooterEdit")) {
            enterShown(Window().HtmlEditForm());
            Action("SetHTMLMenu")->trigger();
        } else if (box == Q("ListVIewMemo")) {
            Combo()->setEditText(Q("http://e/"));
            Edit("StCount")->setText(Q("1"));
            Edit("EdCount")->setText(Q("1"));
            enterShown(Window().ListView());
            Child<QPushButton>(Window(), "ViewBtn")->click();
        } else {
            QLineEdit* edit = box == Q("UrlCombo") ? Combo()->lineEdit() : Edit(box.toLatin1());
            edit->clear();
            tip = enter(edit);
            shown = edit->text();
        }
        QCOMPARE(shown, kept);
        QCOMPARE(tip, refused.isEmpty()
                          ? QString()
                          : Q("コードページ932にない文字") + refused + Q(" は使えません"));
    }
    // While the INI file is the default store, a box takes no more than the
    // 2,047 bytes an INI value gives back: what a paste or a key brings past
    // them is dropped, never half a character, and a tooltip says why.
    void iniModeBoxesKeepWhatTheIniFileGivesBack_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("ini");
        QTest::addColumn<QString>("before");  // set from code
        QTest::addColumn<QString>("pasted");  // empty: Backspace pressed
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("refused");
        const auto times = [](int count, const char* text) { return Q(text).repeated(count); };
        QTest::newRow("paste past the limit")
            << Q("ValueList") << true << QString() << times(2048, "a") << times(2047, "a") << true;
        QTest::newRow("paste to the limit") << Q("FileNameExt") << true << QString()
                                            << times(2047, "e") << times(2047, "e") << false;
        QTest::newRow("double-byte character at the edge")
            << Q("FileNameFront") << true << QString() << Q("a") + times(1024, "あ")
            << Q("a") + times(1023, "あ") << true;
        QTest::newRow("full address box takes no more")
            << Q("UrlCombo") << true << times(2047, "x") << Q("y") << times(2047, "x") << true;
        QTest::newRow("longer text from code is not cut")
            << Q("FileNameRear") << true << times(3000, "r") << QString() << times(2999, "r")
            << false;
        QTest::newRow("longer text from code grows no longer")
            << Q("FileNameRear") << true << times(3000, "r") << Q("s") << times(3000, "r") << true;
        QTest::newRow("registry: no limit") << Q("SaveFileNameEdit") << false << QString()
                                            << times(3000, "a") << times(3000, "a") << false;
    }

    void iniModeBoxesKeepWhatTheIniFileGivesBack() {
        QFETCH(QString, box);
        QFETCH(bool, ini);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QFETCH(bool, refused);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        Action("RegDefaultMenu")->setChecked(!ini);
        QLineEdit* edit = box == Q("UrlCombo")    ? Combo()->lineEdit()
                          : box == Q("ValueList") ? Edit("CSVListEdit")
                                                  : Edit(box.toLatin1());
        edit->setText(before);
        if (pasted.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else {
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(edit->text(), kept);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                 refused ? Q("INIファイルに保存できる値は 2047 バイトまでです") : QString());
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::CodePageInputTest)
#include "CodePageInputTest.moc"
