// What a box stores or writes is what it shows: a character code page 932
// lacks is refused where it is typed or pasted, and a tooltip names it.
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

namespace zarnet::testing {

class CodePageInputTest : public WindowTest {
    Q_OBJECT

  private slots:
    void init() { StartFixture(true); }
    void cleanup() { EndFixture(true); }

    void foreignCharactersAreRefused_data() {
        QTest::addColumn<QString>("box");  // the editor's boxes are in its own window
        QTest::addColumn<bool>("paste");   // else typed
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("tip");  // empty when nothing is refused
        QTest::newRow("typed into the address")
            << "UrlCombo" << false << "café"
            << "caf"
            << "コードページ932にない文字「é」U+00E9 は使えません";
        QTest::newRow("pasted into the front string")
            << "FileNameFront" << true << "a😀b"
            << "ab"
            << "コードページ932にない文字「😀」U+1F600 は使えません";
        QTest::newRow("typed into the save name")
            << "SaveFileNameEdit" << false << "x€.html"
            << "x.html"
            << "コードページ932にない文字「€」U+20AC は使えません";
        QTest::newRow("pasted into the values")
            << "CSVListEdit" << true << "aŝbŝ"
            << "ab"
            << "コードページ932にない文字「ŝ」U+015D は使えません";
        QTest::newRow("Japanese and Greek kept") << "FileNameRear" << false << "写真Ωｱ"
                                                 << "写真Ωｱ" << QString();
        QTest::newRow("the input method's wave dash kept") << "StCount" << false << "1〜"
                                                           << "1〜" << QString();
        QTest::newRow("pasted into the header")
            << "HeaderEdit" << true << "<p>é</p>\n<p>ü</p>"
            << "<p></p>\n<p></p>"
            << "コードページ932にない文字「é」U+00E9 は使えません";
        QTest::newRow("typed into the footer")
            << "FooterEdit" << false << "end😀"
            << "end"
            << "コードページ932にない文字「😀」U+1F600 は使えません";
    }

    void foreignCharactersAreRefused() {
        QFETCH(QString, box);
        QFETCH(bool, paste);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        QFETCH(QString, tip);
        QToolTip::hideText();
        QApplication::clipboard()->setText(input);
        const bool inEditor = box == Q("HeaderEdit") || box == Q("FooterEdit");
        const auto enter = [&](QWidget* widget) {
            widget->setFocus();
            if (paste) {
                QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
            } else {
                // One key at a time, as a keyboard or an input method sends them.
                for (qsizetype at = 0; at < input.size(); ++at) {
                    const qsizetype size = input[at].isHighSurrogate() ? 2 : 1;
                    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, input.mid(at, size));
                    QApplication::sendEvent(widget, &key);
                    at += size - 1;
                }
            }
        };
        QString shown;
        QString tipShown;
        if (inEditor) {
            WhenShown(this, [&] {
                auto* edit = Child<QPlainTextEdit>(Window().HtmlEditForm(), box.toLatin1());
                edit->clear();
                enter(edit);
                shown = edit->toPlainText();
                tipShown = QToolTip::isVisible() ? QToolTip::text() : QString();
                Child<QPushButton>(Window().HtmlEditForm(), "Button4")->click();
            });
            Action("SetHTMLMenu")->trigger();
        } else {
            QLineEdit* edit = box == Q("UrlCombo") ? Combo()->lineEdit() : Edit(box.toLatin1());
            edit->clear();
            enter(edit);
            shown = edit->text();
            tipShown = QToolTip::isVisible() ? QToolTip::text() : QString();
        }
        QCOMPARE(shown, kept);
        QCOMPARE(tipShown, tip);
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::CodePageInputTest)
#include "CodePageInputTest.moc"
