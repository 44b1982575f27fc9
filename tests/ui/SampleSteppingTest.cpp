#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/WindowFixture.h"

namespace zarnet::testing {

class SampleSteppingTest : public WindowTest {
    Q_OBJECT

  private:
    QString Sample() { return Child<QLabel>(Window(), "SampleUrl")->text(); }
    QString Status() { return Child<QLabel>(Window(), "EditingLavel")->text(); }
    QLineEdit* Values() { return Edit("CSVListEdit"); }
    void Click(const char* button) { Child<QPushButton>(Window(), button)->click(); }

    // Typing the base address runs the combo's change handling.
    void TypeBase(const QString& dir) {
        Combo()->lineEdit()->clear();
        QTest::keyClicks(Combo()->lineEdit(), dir);
    }

    void SetRange(const char* start, const char* end, const char* step) {
        Edit("StCount")->setText(Q(start));
        Edit("EdCount")->setText(Q(end));
        Edit("PMEDit")->setText(Q(step));
    }

  private slots:
    void init() { StartFixture(true); }

    void cleanup() { EndFixture(); }

    void sampleFollowsEveryKeystroke_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rear");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("valuesEnabled");
        QTest::newRow("marker") << "photos/%%"
                                << "img"
                                << "001"
                                << ""
                                << ".jpg"
                                << "photos/##/img001.jpg" << true;
        QTest::newRow("first marker only") << "a%%b%%"
                                           << ""
                                           << ""
                                           << ""
                                           << ""
                                           << "a##b%%/" << true;
        QTest::newRow("no marker") << "photos"
                                   << "f"
                                   << "1"
                                   << "r"
                                   << "jpg"
                                   << "photos/f1rjpg" << false;
        QTest::newRow("front keeps its marker") << "d/"
                                                << "x%%"
                                                << " 7"
                                                << ""
                                                << ""
                                                << "d/x%% 7" << false;
    }

    void sampleFollowsEveryKeystroke() {
        QFETCH(QString, dir);
        QFETCH(QString, front);
        QFETCH(QString, start);
        QFETCH(QString, rear);
        QFETCH(QString, ext);
        QFETCH(QString, sample);
        QFETCH(bool, valuesEnabled);
        for (const char* box : {"FileNameFront", "StCount", "FileNameRear", "FileNameExt"}) {
            Edit(box)->clear();
        }
        TypeBase(dir);
        QTest::keyClicks(Edit("FileNameFront"), front);
        QTest::keyClicks(Edit("StCount"), start);
        QTest::keyClicks(Edit("FileNameRear"), rear);
        QTest::keyClicks(Edit("FileNameExt"), ext);
        QCOMPARE(Sample(), sample);
        QCOMPARE(Values()->isEnabled(), valuesEnabled);
        const QPalette::ColorRole look = valuesEnabled ? QPalette::Base : QPalette::Button;
        QCOMPARE(Values()->palette().color(QPalette::Base), QApplication::palette().color(look));
        QCOMPARE(Status(), Q("編集中"));
    }

    void emptyBaseEmptiesTheSampleAndLeavesTheList() {
        TypeBase(Q("p/%%"));
        QVERIFY(Values()->isEnabled());
        Combo()->lineEdit()->clear();
        QTest::keyClicks(Edit("FileNameFront"), Q("front"));
        QCOMPARE(Sample(), QString());
        QVERIFY(Values()->isEnabled());
    }

    void stepping_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("newStart");  // the old texts stay after an error
        QTest::addColumn<QString>("newEnd");
        QTest::addColumn<QString>("error");
        QTest::newRow("plus") << "PlusButton"
                              << "001"
                              << "010"
                              << "10"
                              << "011"
                              << "021"
                              << "";
        QTest::newRow("plus widens") << "PlusButton"
                                     << "1"
                                     << "9"
                                     << "5"
                                     << "10"
                                     << "15"
                                     << "";
        QTest::newRow("plus keeps four digits") << "PlusButton"
                                                << "0001"
                                                << "10"
                                                << "10"
                                                << "0011"
                                                << "0021"
                                                << "";
        QTest::newRow("step 0") << "PlusButton"
                                << "1"
                                << "5"
                                << "0"
                                << "6"
                                << "6"
                                << "";
        QTest::newRow("minus goes to the block before") << "MinusButton"
                                                        << "011"
                                                        << "021"
                                                        << "10"
                                                        << "000"
                                                        << "010"
                                                        << "";
        QTest::newRow("minus stops at zero") << "MinusButton"
                                             << "005"
                                             << "014"
                                             << "10"
                                             << "000"
                                             << "004"
                                             << "";
        QTest::newRow("minus from zero") << "MinusButton"
                                         << "000"
                                         << "012"
                                         << "12"
                                         << "000"
                                         << "012"
                                         << "0より前の番号には戻れません.";
        QTest::newRow("step with a trailing blank") << "PlusButton"
                                                    << "1"
                                                    << "5"
                                                    << "5 "
                                                    << "1"
                                                    << "5"
                                                    << "増分数値を確認してください.";
        QTest::newRow("empty step") << "MinusButton"
                                    << "1"
                                    << "5"
                                    << ""
                                    << "1"
                                    << "5"
                                    << "増分数値を確認してください.";
        QTest::newRow("end no number") << "PlusButton"
                                       << "1"
                                       << "x"
                                       << "5"
                                       << "1"
                                       << "x"
                                       << "終了番号を確認してください.";
    }

    void stepping() {
        QFETCH(QString, button);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, step);
        QFETCH(QString, newStart);
        QFETCH(QString, newEnd);
        QFETCH(QString, error);
        TypeBase(Q("http://e/"));
        SetRange(start.toLatin1().constData(), end.toLatin1().constData(),
                 step.toLatin1().constData());
        Child<QLabel>(Window(), "EditingLavel")->setText(Q("登録済"));
        Click(button.toLatin1().constData());
        QCOMPARE(Edit("StCount")->text(), newStart);
        QCOMPARE(Edit("EdCount")->text(), newEnd);
        QCOMPARE(Status(), Q("編集中"));
        if (error.isEmpty()) {
            QVERIFY(Desktop().Errors.empty());
            QCOMPARE(Sample(), Q("http://e/") + newStart + Q(".jpg"));
        } else {
            QCOMPARE(Desktop().Errors.size(), size_t{1});
            QCOMPARE(Desktop().Errors[0].Text, error);
        }
    }

    void autoSaveSavesEachStep_data() {
        QTest::addColumn<bool>("autoSave");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void autoSaveSavesEachStep() {
        QFETCH(bool, autoSave);
        Window().RegData().AutoSave = autoSave;
        Action("ListText")->trigger();
        TypeBase(Q("http://e/"));
        SetRange("1", "2", "1");
        Edit("FileNameExt")->setText(Q(".png"));
        Edit("SaveFileNameEdit")->setText(QString::fromStdString(Folder().File("list.txt")));
        Click("PlusButton");
        QCOMPARE(Edit("StCount")->text(), Q("3"));
        if (autoSave) {
            QCOMPARE(Folder().Read("list.txt"),
                     std::string("http://e/3.png\r\nhttp://e/4.png\r\n"));
            QCOMPARE(Status(), Q("登録済"));
            QCOMPARE(Combo()->count(), 1);
            // The group size goes back into the step box.
            QCOMPARE(Edit("PMEDit")->text(), Q("2"));
        } else {
            QVERIFY(!FileExists(Folder().File("list.txt")));
            QCOMPARE(Status(), Q("編集中"));
        }
    }

    // With auto-save a failing check of the run comes after the new range.
    void autoSaveReportsAFailedRunAfterTheStep() {
        Window().RegData().AutoSave = true;
        Combo()->setEditText(QString());
        SetRange("1", "2", "1");
        Click("PlusButton");
        QCOMPARE(Edit("StCount")->text(), Q("3"));
        QCOMPARE(Desktop().Errors.size(), size_t{1});
        QCOMPARE(Desktop().Errors[0].Text, Q("アドレスを入力してください."));
        Desktop().Errors.clear();
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::SampleSteppingTest)
#include "SampleSteppingTest.moc"
