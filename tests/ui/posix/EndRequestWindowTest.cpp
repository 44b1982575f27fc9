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

    void signalClosesTheWindowAfterTheCommand_data() {
        QTest::addColumn<bool>("inPreview");
        QTest::newRow("idle") << false;
        // The preview waits in its own event loop; the pattern is recorded
        // only when it has closed.
        QTest::newRow("while the preview shows") << true;
    }

    void signalClosesTheWindowAfterTheCommand() {
        QFETCH(bool, inPreview);
        CloseOnEndRequest(Window());
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        Combo()->setEditText(Q("http://e/"));
        Edit("StCount")->setText(Q("1"));
        Edit("EdCount")->setText(Q("2"));
        if (inPreview) {
            WhenShown(this, [this] {
                QTRY_VERIFY(Window().ListView().isVisible());
                std::raise(SIGTERM);
            });
            Action("V1")->trigger();
        } else {
            std::raise(SIGTERM);
        }
        QTRY_VERIFY(!Window().isVisible());
        QVERIFY(!Window().ListView().isVisible());

        const TRegData saved = env_->LoadRegistry();
        QCOMPARE(saved.LastItem.Dir, std::string("http://e/"));
        QCOMPARE(saved.HistoryList(),
                 inPreview ? std::vector<std::string>{"http://e/"} : std::vector<std::string>{});
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::EndRequestWindowTest)
#include "EndRequestWindowTest.moc"
