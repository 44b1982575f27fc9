#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <set>

#include "support/LoopbackServer.h"
#include "ui/ProbeDlgUnit.h"
#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

namespace {

// A series 001 to 012 without 005, of ".../pNNN.jpg".
HttpReply SeriesReply(const HttpRequest& request) {
    const std::size_t p = request.Target.rfind("/p");
    const std::string number = p == std::string::npos ? "" : request.Target.substr(p + 2, 3);
    static const std::set<std::string> files = {"001", "002", "003", "004", "006", "007",
                                                "008", "009", "010", "011", "012"};
    if (files.count(number) != 0 && request.Target.ends_with(".jpg")) {
        return FileReply(request, "image " + number);
    }
    HttpReply missing;
    missing.Status = 404;
    return missing;
}

}  // namespace

class ProbeDialogTest : public WindowTest {
    Q_OBJECT

  private:
    TProbeForm& Dialog() { return Window().ProbeForm(); }
    void Click(const char* button) {
        QPushButton* pushed = Child<QPushButton>(Dialog(), button);
        QVERIFY(pushed->isEnabled());
        pushed->click();
    }
    QString Findings() { return Child<QPlainTextEdit>(Dialog(), "FindingsMemo")->toPlainText(); }
    QString Status() { return Child<QLabel>(Window(), "EditingLavel")->text(); }

    void TypePattern(const std::string& base) {
        Combo()->setEditText(QString::fromStdString(base));
        Edit("FileNameFront")->setText(Q("p"));
        Edit("StCount")->setText(Q("001"));
        Edit("EdCount")->setText(Q("03"));
        Edit("FileNameExt")->setText(Q("jpg"));
        Action("ListText")->trigger();
    }

  private slots:
    void init() { StartFixture(true); }
    void cleanup() { EndFixture(); }

    void probesALoopbackSeriesAndAppliesTheRange() {
        LoopbackServer server(SeriesReply);
        TypePattern(server.Url("/img"));
        Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        // Checks that fail return early: the dialog closes all the same.
        const auto inDialog = [&] {
            QTRY_VERIFY(Dialog().isVisible());
            Child<QLineEdit>(Dialog(), "GapEdit")->setText(Q("3"));
            Click("StartButton");
            QTRY_VERIFY_WITH_TIMEOUT(!Dialog().Running(), 20000);
            QCOMPARE(Findings(), Q("001～012　欠番 005"));
            Click("ApplyRangeButton");
            // Each box keeps the width it was typed with.
            QCOMPARE(Edit("StCount")->text(), Q("001"));
            QCOMPARE(Edit("EdCount")->text(), Q("12"));
            QCOMPARE(Status(), Q("編集中"));  // through the boxes' change handling

            WhenShown(this, [&] {
                QTRY_VERIFY(Window().ListView().isVisible());
                QCOMPARE(Window().ListView().ListVIewMemo()->toPlainText().count(Q("\n")), 11);
                QVERIFY(!Window().ListView().ListVIewMemo()->toPlainText().contains(Q("p005")));
                Child<QToolButton>(Window().ListView(), "SpeedButton2")->click();
            });
            Click("ShowFoundButton");
            QCOMPARE(Status(), Q("登録済"));
            Click("CancelButton");  // closes, the probe being over
        };
        WhenShown(this, [&] {
            inDialog();
            Dialog().reject();
        });
        // The menu command's key, in a box too.
        QTest::keyClick(Edit("EdCount"), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!Dialog().isVisible());
        QCOMPARE(Edit("FileNameExt")->text(), Q(".jpg"));  // the checks ran first
        QCOMPARE(Window().RegData().Probe.Gap, 3);
        QCOMPARE(Window().RegData().Items[0].Dir, server.Url("/img"));
        QCOMPARE(Window().RegData().Items[0].EdCount, std::string("12"));
    }

    void cancelStopsARunningProbeAtOnce() {
        LoopbackServer server([](const HttpRequest&) {
            HttpReply never;
            never.Hang = true;
            return never;
        });
        TypePattern(server.Url("/img"));
        const auto inDialog = [&] {
            Click("StartButton");
            QTRY_VERIFY_WITH_TIMEOUT(!server.Requests().empty(), 10000);
            QVERIFY(Dialog().Running());
            Click("CancelButton");
            QVERIFY(!Dialog().Running());
            QCOMPARE(Child<QLabel>(Dialog(), "CurrentLabel")->text(), Q("中止しました"));
            QVERIFY(!Child<QPushButton>(Dialog(), "ApplyRangeButton")->isEnabled());
            // Its requests are dropped, their connections closed.
            QTRY_COMPARE_WITH_TIMEOUT(server.ConnectionsOpen(), 0, 10000);
            QVERIFY(Dialog().isVisible());
            Click("CancelButton");
        };
        WhenShown(this, [&] {
            inDialog();
            Dialog().reject();
        });
        Action("ProbeMenu")->trigger();
        QVERIFY(!Dialog().isVisible());
        QVERIFY(Desktop().Errors.empty());
    }

    void aHostThatCannotBeReachedIsToldInTheErrorBox() {
        std::string url;
        {
            LoopbackServer gone([](const HttpRequest&) { return HttpReply{}; });
            url = gone.Url("/img");
        }
        TypePattern(url);
        WhenShown(this, [&] {
            Click("StartButton");
            QTRY_VERIFY_WITH_TIMEOUT(!Dialog().Running(), 10000);
            Dialog().reject();
        });
        Action("ProbeSubMenu")->trigger();
        QCOMPARE(Desktop().Errors.size(), std::size_t{1});
        QCOMPARE(Desktop().Errors[0].Text,
                 Q("ホスト ") + QString::fromStdString(url.substr(7, url.size() - 11)) +
                     Q(" に接続できません (Couldn't connect to server)."));
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::ProbeDialogTest)
#include "ProbeDialogTest.moc"
