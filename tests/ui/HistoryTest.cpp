#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ui/WindowFixture.h"

namespace zarnet::testing {

class HistoryTest : public WindowTest {
    Q_OBJECT

  private:
    QLabel* Status() { return Child<QLabel>(Window(), "EditingLavel"); }

    QStringList ListItems() {
        QStringList items;
        for (int i = 0; i < Combo()->count(); ++i) {
            items << Combo()->itemText(i);
        }
        return items;
    }

    // A window whose history holds `count` entries "http://h<n>/".
    void OpenWithHistory(int count) {
        TRegData data = env_->NewRecord();
        for (int n = 0; n < count; ++n) {
            const std::string tag = std::to_string(n);
            data.Items[static_cast<std::size_t>(n)] = {"http://h" + tag + "/",
                                                       "v" + tag,
                                                       "f" + tag,
                                                       "r" + tag,
                                                       "00" + tag,
                                                       "09" + tag,
                                                       ".e" + tag};
        }
        env_->StoreInRegistry(data);
        env_->OpenWindow();
    }

    void TypePattern(const QString& dir) {
        Combo()->setEditText(dir);
        Edit("CSVListEdit")->setText(Q("1,2"));
        Edit("FileNameFront")->setText(Q("front"));
        Edit("FileNameRear")->setText(Q("rear"));
        Edit("StCount")->setText(Q("01"));
        Edit("EdCount")->setText(Q("05"));
        Edit("FileNameExt")->setText(Q(".png"));
    }

  private slots:
    void init() { StartFixture(false); }

    void cleanup() { EndFixture(true); }

    void freshStartHasAnEmptyList() {
        OpenWithHistory(0);
        QCOMPARE(Combo()->count(), 0);
        QVERIFY(!Combo()->lineEdit()->completer());
    }

    void listMarksTheEntryTheBoxShows_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("marked");
        QTest::newRow("listed") << "http://h2/" << 2;
        QTest::newRow("first") << "http://h0/" << 0;
        QTest::newRow("other case is another text") << "HTTP://H2/" << -1;
        QTest::newRow("not listed") << "http://elsewhere/" << -1;
    }

    // At the start and after every store load.
    void listMarksTheEntryTheBoxShows() {
        QFETCH(QString, last);
        QFETCH(int, marked);
        TRegData data = env_->NewRecord();
        for (int n = 0; n < 4; ++n) {
            data.Items[static_cast<std::size_t>(n)].Dir = "http://h" + std::to_string(n) + "/";
        }
        data.LastItem.Dir = last.toStdString();
        env_->StoreInRegistry(data);
        env_->OpenWindow();
        QCOMPARE(Combo()->currentIndex(), marked);
        QCOMPARE(Combo()->currentText(), last);
        QCOMPARE(Combo()->count(), 4);

        Window().RegData() = data;
        Window().RegData().LastItem.Dir = "http://h1/";
        Window().ApplySettings();
        QCOMPARE(Combo()->currentIndex(), 1);
        QCOMPARE(Combo()->currentText(), Q("http://h1/"));
    }

    void newAddressEntersAtTheTopAndPushesTheOldestOut() {
        OpenWithHistory(20);
        TypePattern(Q("http://new/"));
        Window().PushHistory();
        QCOMPARE(Combo()->count(), 20);
        QCOMPARE(Combo()->itemText(0), Q("http://new/"));
        QCOMPARE(Combo()->itemText(1), Q("http://h0/"));
        QCOMPARE(Combo()->itemText(19), Q("http://h18/"));
        QCOMPARE(Combo()->currentIndex(), 0);
        QCOMPARE(Combo()->currentText(), Q("http://new/"));
        const TURLItem expected{"http://new/", "1,2", "front", "rear", "01", "05", ".png"};
        QVERIFY(Window().RegData().Items[0] == expected);
    }

    void listedAddressMovesWithItsEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("same text") << "http://h2/";
        QTest::newRow("other case") << "HTTP://H2/";
    }

    void listedAddressMovesWithItsEntry() {
        QFETCH(QString, typed);
        OpenWithHistory(5);
        TypePattern(typed);
        Window().PushHistory();
        QCOMPARE(ListItems(), QStringList({typed, Q("http://h0/"), Q("http://h1/"), Q("http://h3/"),
                                           Q("http://h4/")}));
        QCOMPARE(Window().RegData().Items[0].FrontStr, std::string("front"));
        QCOMPARE(Combo()->currentText(), typed);
    }

    void blanksAroundAreKeptAndBlanksAloneAreNotRecorded() {
        OpenWithHistory(2);
        TypePattern(Q(" \t "));
        Window().PushHistory();
        QCOMPARE(ListItems(), QStringList({Q("http://h0/"), Q("http://h1/")}));
        QCOMPARE(Combo()->currentText(), Q(" \t "));

        TypePattern(Q("  http://x/ "));
        Window().PushHistory();
        QCOMPARE(Combo()->itemText(0), Q("  http://x/ "));
        QCOMPARE(Window().RegData().Items[0].Dir, std::string("  http://x/ "));
    }

    void autoSaveListTickedRecordsNothing() {
        OpenWithHistory(3);
        const std::array<TURLItem, TRegData::kHistorySize> before = Window().RegData().Items;
        Child<QAction>(Window(), "AutoSaveList")->trigger();
        TypePattern(Q("http://new/"));
        Window().PushHistory();
        QVERIFY(Window().RegData().Items == before);
        QCOMPARE(ListItems(), QStringList({Q("http://h0/"), Q("http://h1/"), Q("http://h2/")}));
        QCOMPARE(Combo()->currentText(), Q("http://new/"));
    }

    void typingAListedAddressRecallsItsPattern() {
        OpenWithHistory(3);
        Combo()->setEditText(QString());
        Status()->setText(Q("登録済"));
        QTest::keyClicks(Combo()->lineEdit(), Q("HTTP://H1"));
        QCOMPARE(Edit("FileNameFront")->text(), QString());  // no match yet
        QCOMPARE(Status()->text(), Q("編集中"));
        QTest::keyClicks(Combo()->lineEdit(), Q("/"));
        QCOMPARE(Combo()->currentText(), Q("http://h1/"));
        QCOMPARE(Edit("CSVListEdit")->text(), Q("v1"));
        QCOMPARE(Edit("FileNameFront")->text(), Q("f1"));
        QCOMPARE(Edit("FileNameRear")->text(), Q("r1"));
        QCOMPARE(Edit("StCount")->text(), Q("001"));
        QCOMPARE(Edit("EdCount")->text(), Q("091"));
        QCOMPARE(Edit("FileNameExt")->text(), Q(".e1"));
    }

    void choosingAListItemRecallsItsPattern() {
        OpenWithHistory(3);
        Combo()->setCurrentIndex(1);
        QCOMPARE(Edit("FileNameFront")->text(), QString());  // set from code: no recall
        Status()->setText(Q("登録済"));
        // Down on the closed combo chooses the next list item.
        QTest::keyClick(Combo(), Qt::Key_Down);
        QCOMPARE(Combo()->currentText(), Q("http://h2/"));
        QCOMPARE(Edit("FileNameFront")->text(), Q("f2"));
        QCOMPARE(Status()->text(), Q("編集中"));
    }

    void enterInTheComboRecallsNothingMore() {
        OpenWithHistory(3);
        Combo()->setEditText(QString());
        QTest::keyClicks(Combo()->lineEdit(), Q("http://h1/"));
        Edit("FileNameFront")->setText(Q("edited"));
        // Keys reach the combo, which hands them to its line edit.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(Combo(), key);
            QCOMPARE(Edit("FileNameFront")->text(), Q("edited"));
        }
    }

    void settingTheComboFromCodeRecallsNothing() {
        OpenWithHistory(3);
        Combo()->setEditText(Q("http://h0/"));
        QCOMPARE(Edit("FileNameFront")->text(), QString());
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::HistoryTest)
#include "HistoryTest.moc"
