// The window over the registry file that stands in for the system's registry
// off Windows.
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "ui/WindowFixture.h"

namespace zarnet::testing {

class RegistryFileWindowTest : public WindowTest {
    Q_OBJECT

  private slots:
    void init() { StartFixture(false); }
    void cleanup() { EndFixture(); }

    // A registry file that is none is set aside, and the user hears where.
    void foreignRegistryFileIsSetAsideWithANotice() {
        QVERIFY(QDir().mkpath(QString::fromStdString(env_->ConfigFolder.Path() + "zarnet")));
        const std::string foreign = "Windows Registry Editor Version 5.00\r\n";
        env_->ConfigFolder.Write("zarnet/registry.reg", foreign);
        Desktop().Answers.push_back(MessageAnswer::Ok);
        env_->OpenWindow();
        const std::string file = env_->ConfigFolder.File("zarnet/registry.reg");
        QCOMPARE(Desktop().Messages.size(), size_t{1});
        QCOMPARE(Desktop().Messages[0].Text,
                 QString::fromStdString("ファイル " + file + " はレジストリファイルではないため、" +
                                        file + ".bad に移しました。設定は初期状態から始まります"));
        QCOMPARE(env_->ConfigFolder.Read("zarnet/registry.reg.bad"), foreign);
        QCOMPARE(Edit("StCount")->text(), Q("001"));
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::RegistryFileWindowTest)
#include "RegistryFileWindowTest.moc"
