#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "ui/PropertyDlgUnit.h"
#include "ui/WindowFixture.h"

namespace zarnet::testing {

class PropertyDialogTest : public WindowTest {
    Q_OBJECT

  private:
    TPropertyForm& Dialog() { return Window().PropertyForm(); }
    QLineEdit* Box(const char* name) { return Child<QLineEdit>(Dialog(), name); }
    QCheckBox* Check(const char* name) { return Child<QCheckBox>(Dialog(), name); }
    void Click(const char* button) { Child<QPushButton>(Dialog(), button)->click(); }

    // Runs the dialog from the menu with `act` inside it.
    void RunDialog(const std::function<void()>& act) {
        WhenShown(this, act);
        Action("PropertyMenu")->trigger();
        QVERIFY(!Dialog().isVisible());
    }

    TRegData Current() { return Window().RegData(); }

  private slots:
    void init() {
        StartFixture(true);
        TRegData& record = Window().RegData();
        record.Output = {.ImageWidth = 40,
                         .ImageHeight = 60,
                         .Separator = true,
                         .Border = false,
                         .ClickView = true};
        record.AutoSave = false;
        record.HideMenu = true;
    }

    void cleanup() { EndFixture(); }

    void opensOnTheCurrentValues() {
        RunDialog([&] {
            QCOMPARE(Box("ImageWidth")->text(), Q("40"));
            QCOMPARE(Box("ImageHeight")->text(), Q("60"));
            QVERIFY(Check("SepCheckBox")->isChecked());
            QVERIFY(!Check("BorderCheck")->isChecked());
            QVERIFY(Check("ClickView")->isChecked());
            QVERIFY(!Check("AutoSaveCheck")->isChecked());
            QVERIFY(Check("HideMenuCheck")->isChecked());
            QCOMPARE(Dialog().windowTitle(), Q("設定"));
            Click("Button2");
        });
    }

    void sizes_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("message");  // none when accepted
        QTest::addColumn<int>("storedWidth");
        QTest::addColumn<int>("storedHeight");
        const QString width = Q("イメージの表示幅が、数値ではないか小さすぎます");
        const QString height = Q("イメージの表示高が、数値ではないか小さすぎます");
        QTest::newRow("10 and 10") << "10"
                                   << "10" << QString() << 10 << 10;
        QTest::newRow("width 9") << "9"
                                 << "10" << width << 40 << 60;
        QTest::newRow("height 9") << "10"
                                  << "9" << height << 40 << 60;
        QTest::newRow("both empty: the height first") << ""
                                                      << "" << height << 40 << 60;
        QTest::newRow("leading blanks") << " 20"
                                        << "  30" << QString() << 20 << 30;
        QTest::newRow("trailing blank") << "20 "
                                        << "30" << width << 40 << 60;
        QTest::newRow("hexadecimal") << "$20"
                                     << "0x20" << QString() << 32 << 32;
        QTest::newRow("negative") << "-20"
                                  << "20" << width << 40 << 60;
        QTest::newRow("no upper limit") << "2147483647"
                                        << "100000" << QString() << 2147483647 << 100000;
    }

    // A refused size keeps the dialog open with its message; it is then
    // cancelled.
    void sizes() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, message);
        QFETCH(int, storedWidth);
        QFETCH(int, storedHeight);
        if (!message.isEmpty()) {
            Desktop().Answers.push_back(MessageAnswer::Ok);
        }
        RunDialog([&] {
            Box("ImageWidth")->setText(width);
            Box("ImageHeight")->setText(height);
            Click("Button1");
            if (!message.isEmpty()) {
                QVERIFY(Dialog().isVisible());
                Click("Button2");
            }
        });
        if (message.isEmpty()) {
            QVERIFY(Desktop().Messages.empty());
        } else {
            QCOMPARE(Desktop().Messages.size(), size_t{1});
            QCOMPARE(Desktop().Messages[0].Text, message);
            QVERIFY(Desktop().Messages[0].Kind == MessageKind::Error);
            QVERIFY(Desktop().Messages[0].Buttons == MessageButtons::Ok);
        }
        QCOMPARE(Window().RegData().Output.ImageWidth, storedWidth);
        QCOMPARE(Window().RegData().Output.ImageHeight, storedHeight);
    }

    void confirmCopiesEverySettingBack() {
        TRegData expected = Current();
        RunDialog([&] {
            Box("ImageWidth")->setText(Q("120"));
            Box("ImageHeight")->setText(Q("90"));
            for (const char* name :
                 {"SepCheckBox", "BorderCheck", "ClickView", "AutoSaveCheck", "HideMenuCheck"}) {
                Check(name)->toggle();
            }
            Click("Button1");
        });
        expected.Output = {.ImageWidth = 120,
                           .ImageHeight = 90,
                           .Separator = false,
                           .Border = true,
                           .ClickView = false};
        expected.AutoSave = true;
        expected.HideMenu = false;
        QVERIFY(Current() == expected);
    }

    void cancelAfterEditsChangesNothing() {
        const TRegData before = Current();
        RunDialog([&] {
            Box("ImageWidth")->setText(Q("500"));
            Box("ImageHeight")->setText(Q("x"));
            Check("AutoSaveCheck")->toggle();
            Check("SepCheckBox")->toggle();
            QTest::keyClick(&Dialog(), Qt::Key_Escape);  // bound to no button
            QTest::keyClick(Box("ImageWidth"), Qt::Key_Return);
            QVERIFY(Dialog().isVisible());
            Child<QPushButton>(Dialog(), "Button2")->setFocus();
            Click("Button2");
        });
        QVERIFY(Current() == before);
        // Each opening starts from the values again, at the first control.
        RunDialog([&] {
            QCOMPARE(Dialog().focusWidget(), Box("ImageWidth"));
            QCOMPARE(Box("ImageWidth")->text(), Q("40"));
            QVERIFY(Check("SepCheckBox")->isChecked());
            Click("Button2");
        });
    }

    void hideMenu_data() {
        QTest::addColumn<bool>("compact");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("menuShown");
        QTest::newRow("compact, hide") << true << true << false;
        QTest::newRow("compact, show again") << true << false << true;
        QTest::newRow("standard, hide") << false << true << true;
    }

    // A changed HideMenu shows as soon as the dialog is confirmed.
    void hideMenu() {
        QFETCH(bool, compact);
        QFETCH(bool, hide);
        QFETCH(bool, menuShown);
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        Window().RegData().HideMenu = !hide;
        Window().SetCompactView(compact);
        RunDialog([&] {
            Check("HideMenuCheck")->setChecked(hide);
            Click("Button1");
        });
        QCOMPARE(Window().menuBar()->isVisible(), menuShown);
        QCOMPARE(Action("ViewCompactMenu")->isChecked(), compact);
    }

    void confirmingWithoutChangesAppliesTheViewAgain() {
        Window().SetCompactView(false);
        Window().centralWidget()->setFixedHeight(10);
        RunDialog([&] { Click("Button1"); });
        QVERIFY(Window().ClientHeight() > 10);
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::PropertyDialogTest)
#include "PropertyDialogTest.moc"
