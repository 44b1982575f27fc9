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
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::CodePageInputTest)
#include "CodePageInputTest.moc"
