// The window ended by a signal, as a kill or a logout ends it: it closes as
// its quit command closes it, after the command it is busy with.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <csignal>

#include "ui/CloseOnEnd.h"
#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

class EndRequestWindowTest : public WindowTest {
    Q_OBJECT

  private slots:
    void init() { StartFixture(true); }
    void cleanup() { EndFixture(true); }

    // The preview waits in its own event loop; the pattern is recorded only
    // when it has closed. That an idle window saves is the program's test.
    void signalClosesTheWindowAfterTheCommand() {
        CloseOnEndRequest(Window());
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        Combo()->setEditText(Q("http://e/"));
        Edit("StCount")->setText(Q("1"));
        Edit("EdCount")->setText(Q("2"));
        WhenShown(this, [this] {
            QTRY_VERIFY(Window().ListView().isVisible());
            std::raise(SIGTERM);
        });
        Action("V1")->trigger();
        QTRY_VERIFY(!Window().isVisible());
        QVERIFY(!Window().ListView().isVisible());

        const TRegData saved = env_->LoadRegistry();
        QCOMPARE(saved.LastItem.Dir, std::string("http://e/"));
        QCOMPARE(saved.HistoryList(), std::vector<std::string>{"http://e/"});
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::EndRequestWindowTest)
#include "EndRequestWindowTest.moc"
