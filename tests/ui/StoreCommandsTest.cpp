#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "platform/PrivateProfile.h"
#include "platform/TextFile.h"
#include "support/UserRegistry.h"
#include "ui/WindowFixture.h"

namespace zarnet::testing {

class StoreCommandsTest : public WindowTest {
    Q_OBJECT

  private:
    QString ComboText() { return Combo()->currentText(); }
    std::string IniFile() { return env_->Paths.IniFileName(); }
    std::string IniSwitch() {
        return PrivateProfile(IniFile()).ReadString("Default", "IniFile", "-");
    }

    // The record that `data` becomes after a trip through the window.
    TRegData Shown(const TRegData& data) {
        TRegData shown = data;
        shown.Header.clear();
        shown.Footer.clear();
        return shown;
    }

    void ExpectQuestions(const std::vector<QString>& texts, MessageKind kind) {
        QCOMPARE(Desktop().Messages.size(), texts.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            QCOMPARE(Desktop().Messages[i].Text, texts[i]);
            QVERIFY(Desktop().Messages[i].Kind == kind);
            QVERIFY(Desktop().Messages[i].Buttons == MessageButtons::YesNo);
        }
    }

  private slots:
    void init() { StartFixture(false); }

    void cleanup() { EndFixture(); }

    void firstStartUsesTheRegistryDefaults() {
        env_->OpenWindow();
        QVERIFY(Action("RegDefaultMenu")->isChecked());
        QVERIFY(!FileExists(IniFile()));
        QCOMPARE(ComboText(), QString());
        QCOMPARE(Edit("StCount")->text(), Q("001"));
        QCOMPARE(Edit("EdCount")->text(), Q("010"));
        QCOMPARE(Edit("FileNameExt")->text(), Q(".jpg"));
        QCOMPARE(Edit("SaveFileNameEdit")->text(),
                 QString::fromStdString(env_->ProgramFolder.File("Download.html")));
        QVERIFY(Action("ImageSrc")->isChecked());
        QCOMPARE(Window().RegData().Output.ImageWidth, 40);
        QCOMPARE(Window().RegData().Output.ImageHeight, 60);
        QVERIFY(Window().RegData().Output.Separator && Window().RegData().Output.Border &&
                !Window().RegData().Output.ClickView);
        QVERIFY(Action("ViewDefaultMenu")->isChecked());
        QVERIFY(!Action("OverWriteMenu")->isChecked());
        QVERIFY(!Window().Templates().HeaderLines.empty());
        QVERIFY(Desktop().Errors.empty());
    }

    void startLoadsTheStoreTheSwitchNames_data() {
        QTest::addColumn<bool>("iniDefault");
        QTest::newRow("registry") << false;
        QTest::newRow("ini file") << true;
    }

    void startLoadsTheStoreTheSwitchNames() {
        QFETCH(bool, iniDefault);
        TRegData stored = env_->SampleRecord();
        TRegData other = env_->NewRecord();
        other.LastItem.Dir = "http://other/";
        env_->StoreInRegistry(iniDefault ? other : stored);
        if (iniDefault) {
            env_->StoreInIniDefault(stored);
        }
        env_->OpenWindow();
        for (const char* item : {"RegDefaultMenu", "RegDefaultSubMenu"}) {
            QCOMPARE(Action(item)->isChecked(), !iniDefault);
        }
        QCOMPARE(ComboText(), QString::fromStdString(stored.LastItem.Dir));
        QCOMPARE(Edit("FileNameFront")->text(), Q("pic"));
        QVERIFY(Action("HTML")->isChecked());
        Window().CollectSettings();
        TRegData expected = stored;
        expected.ViewFont.SetPixelsPerInch(Window().RegData().ViewFont.PixelsPerInch());
        expected.ViewFont.SetSize(stored.ViewFont.Size());
        QVERIFY(Window().RegData() == (iniDefault ? expected : Shown(expected)));
    }

    void startLoadsTheTemplatesBesideTheProgram() {
        env_->ProgramFolder.Write("Header.txt", "<HTML>%%TITLE%%\r\n");
        env_->ProgramFolder.Write("Footer.txt", "</HTML>\r\n");
        env_->OpenWindow();
        QCOMPARE(Window().Templates().HeaderLines, std::vector<std::string>{"<HTML>%%TITLE%%"});
        QCOMPARE(Window().Templates().FooterLines, std::vector<std::string>{"</HTML>"});
    }

    // A bad value costs only itself: it keeps its default, one warning tells
    // of it, and the rest is loaded and saved again as it was.
    void brokenRegistryValueCostsOnlyItself() {
        StoreRegistryValues("Last",
                            "\"Dir\"=\"http://kept/\"\r\n\"ImageWidth\"=dword:00000010\r\n"
                            "\"ImageHeight\"=\"90\"\r\n\"MakeType\"=\"1\"\r\n\"Border\"=\"0\"\r\n");
        Desktop().Answers.push_back(MessageAnswer::Ok);
        env_->OpenWindow();
        QVERIFY(Desktop().Errors.empty());
        QCOMPARE(Desktop().Messages.size(), size_t{1});
        QCOMPARE(Desktop().Messages[0].Text, Q("'ImageWidth' のデータ型が不正です"));
        QVERIFY(Desktop().Messages[0].Kind == MessageKind::Warning);
        QCOMPARE(ComboText(), Q("http://kept/"));
        QVERIFY(Action("RegDefaultMenu")->isChecked());
        QVERIFY(Action("HTML")->isChecked());
        env_->CloseWindow();

        const TRegData saved = env_->LoadRegistry();
        QCOMPARE(saved.Output.ImageWidth, 40);
        QCOMPARE(saved.Output.ImageHeight, 90);
        QVERIFY(saved.Kind == MakeType::Html);
        QVERIFY(!saved.Output.Border);
    }

    void closingByTheTitleBarSavesLikeQuit_data() {
        QTest::addColumn<QString>("by");
        QTest::addColumn<bool>("iniDefault");
        QTest::newRow("title bar, registry") << "title bar" << false;
        QTest::newRow("quit button, registry") << "QuitBtn" << false;
        QTest::newRow("menu item, registry") << "Exit1" << false;
        QTest::newRow("title bar, ini file") << "title bar" << true;
        QTest::newRow("quit button, ini file") << "QuitBtn" << true;
        QTest::newRow("pop-up item, ini file") << "Exit2" << true;
    }

    void closingByTheTitleBarSavesLikeQuit() {
        QFETCH(QString, by);
        QFETCH(bool, iniDefault);
        if (iniDefault) {
            env_->StoreInIniDefault(env_->NewRecord());
        }
        env_->OpenWindow();
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        QTest::keyClicks(Child<QComboBox>(Window(), "UrlCombo")->lineEdit(), Q("http://typed/"));
        QTest::keyClicks(Edit("FileNameFront"), Q("img"));
        Action("ViewCompactMenu")->trigger();
        Action("OverWriteMenu")->trigger();
        Action("ListText")->trigger();
        if (by == Q("title bar")) {
            Window().close();
        } else if (by == Q("QuitBtn")) {
            Child<QPushButton>(Window(), "QuitBtn")->click();
        } else {
            Action(by.toLatin1().constData())->trigger();
        }
        QVERIFY(!Window().isVisible());
        env_->CloseWindow();

        const TRegData saved = iniDefault ? env_->LoadIni(IniFile()) : env_->LoadRegistry();
        QCOMPARE(saved.LastItem.Dir, std::string("http://typed/"));
        QCOMPARE(saved.LastItem.FrontStr, std::string("img"));
        QVERIFY(saved.Compact && saved.OWNoCheck);
        QVERIFY(saved.Kind == MakeType::ListText);
        // The other store stays as it was.
        if (iniDefault) {
            QCOMPARE(env_->LoadRegistry().LastItem.Dir, std::string());
        } else {
            QVERIFY(!FileExists(IniFile()));
        }
        QVERIFY(Desktop().Messages.empty());
    }

    void loadIniMenuLoadsThePickedFile() {
        const std::string picked = env_->ProgramFolder.File("picked.ini");
        env_->SampleRecord().SaveToIni(picked);
        env_->OpenWindow();
        Desktop().Files.push_back(QString::fromStdString(picked));
        Action("LoadIniMenu")->trigger();
        const FileDialog& asked = Desktop().Dialogs.at(0);
        QVERIFY(asked.DialogMode == FileDialog::Mode::Open);
        QCOMPARE(asked.FileName, QString::fromStdString(IniFile()));
        QCOMPARE(asked.Filter, Q("Iniﾌｧｲﾙ|*.ini|全てのﾌｧｲﾙ|*.*"));
        QCOMPARE(ComboText(), Q("http://last.example/%%/"));
        QCOMPARE(Window().RegData().Output.ImageWidth, 120);

        // The dialog opens at the file last picked in it.
        Desktop().Files.push_back(std::nullopt);
        Action("LoadIniMenu")->trigger();
        QCOMPARE(Desktop().Dialogs.at(1).FileName, QString::fromStdString(picked));
    }

    void loadIniMenuOfAMissingFileGivesTheDefaults() {
        env_->OpenWindow();
        Child<QComboBox>(Window(), "UrlCombo")->setEditText(Q("http://x/"));
        Window().PushHistory();
        Desktop().Files.push_back(QString::fromStdString(env_->ProgramFolder.File("none.ini")));
        Action("LoadIniMenu")->trigger();
        QCOMPARE(ComboText(), QString());
        QCOMPARE(Child<QComboBox>(Window(), "UrlCombo")->count(), 0);
        QCOMPARE(Edit("StCount")->text(), QString());
        QVERIFY(Window().RegData().Output.ClickView);
    }

    // Read as empty, it would bring in the defaults, to be saved at the end.
    void loadIniMenuRefusesAFileTooLargeToRead() {
        const std::string picked = env_->ProgramFolder.File("huge.ini");
        env_->ProgramFolder.Write("huge.ini", "");
        std::filesystem::resize_file(picked, kMaxReadBytes + 1);
        env_->OpenWindow();
        Child<QComboBox>(Window(), "UrlCombo")->setEditText(Q("http://kept/"));
        Desktop().Files.push_back(QString::fromStdString(picked));
        Action("LoadIniMenu")->trigger();
        QCOMPARE(Desktop().Errors.at(0).Text,
                 Q("ファイル ") + QString::fromStdString(picked) + Q(" は開けません (too large)."));
        Desktop().Errors.clear();
        QCOMPARE(ComboText(), Q("http://kept/"));
    }

    void loadIniMenuCancelledAppliesTheSettingsAgain() {
        env_->OpenWindow();
        Child<QComboBox>(Window(), "UrlCombo")->setEditText(Q("http://kept/"));
        Edit("SaveFileNameEdit")
            ->setText(QString::fromStdString(env_->ProgramFolder.File("gone/out.html")));
        Desktop().Files.push_back(std::nullopt);
        Action("LoadIniMenu")->trigger();
        QCOMPARE(ComboText(), Q("http://kept/"));
        QCOMPARE(Edit("SaveFileNameEdit")->text(),
                 QString::fromStdString(env_->ProgramFolder.File("Download.html")));
    }

    void saveIniMenuWritesThePickedFile() {
        env_->OpenWindow();
        Child<QComboBox>(Window(), "UrlCombo")->setEditText(Q("http://saved/"));
        const std::string picked = env_->ProgramFolder.File("saved.ini");
        Desktop().Files = {QString::fromStdString(picked), std::nullopt};
        Action("SaveIniMenu")->trigger();
        const FileDialog& asked = Desktop().Dialogs.at(0);
        QVERIFY(asked.DialogMode == FileDialog::Mode::Save);
        QVERIFY(asked.ConfirmOverwrite);
        QCOMPARE(asked.Filter, Q("Iniﾌｧｲﾙ|*.ini|全てのﾌｧｲﾙ|*.*"));
        QCOMPARE(env_->LoadIni(picked).LastItem.Dir, std::string("http://saved/"));

        std::filesystem::remove(picked);
        Action("SaveIniMenu")->trigger();
        QVERIFY(!FileExists(picked));
        QVERIFY(!FileExists(IniFile()));
    }

    void registryCommandsAskFirst_data() {
        QTest::addColumn<bool>("load");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("item");
        QTest::newRow("load, yes") << true << true << "LoadRegMenu";
        QTest::newRow("load from the pop-up, no") << true << false << "R1";
        QTest::newRow("save from the pop-up, yes") << false << true << "W1";
        QTest::newRow("save, no") << false << false << "SaveRegMenu";
    }

    void registryCommandsAskFirst() {
        QFETCH(bool, load);
        QFETCH(bool, yes);
        QFETCH(QString, item);
        TRegData stored = env_->NewRecord();
        stored.LastItem.Dir = "http://stored/";
        env_->StoreInRegistry(stored);
        env_->OpenWindow();
        Child<QComboBox>(Window(), "UrlCombo")->setEditText(Q("http://typed/"));
        Desktop().Answers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);
        Action(item.toLatin1().constData())->trigger();
        ExpectQuestions({load ? Q("ﾚｼﾞｽﾄﾘから読み込みます") : Q("ﾚｼﾞｽﾄﾘに保存します")},
                        MessageKind::Information);
        const bool stays = !load || !yes;
        QCOMPARE(ComboText(), stays ? Q("http://typed/") : Q("http://stored/"));
        QCOMPARE(env_->LoadRegistry().LastItem.Dir,
                 std::string(load || !yes ? "http://stored/" : "http://typed/"));
        // Both commands collect the window first.
        QCOMPARE(Window().RegData().LastItem.Dir,
                 std::string(load && yes ? "http://stored/" : "http://typed/"));
    }

    void switchingToTheIniFile_data() {
        QTest::addColumn<bool>("load");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("item");
        QTest::newRow("no") << false << false << "RegDefaultMenu";
        QTest::newRow("yes, no") << true << false << "RegDefaultMenu";
        QTest::newRow("yes, yes from the pop-up") << true << true << "RegDefaultSubMenu";
    }

    void switchingToTheIniFile() {
        QFETCH(bool, load);
        QFETCH(bool, keep);
        QFETCH(QString, item);
        env_->OpenWindow();
        Child<QComboBox>(Window(), "UrlCombo")->setEditText(Q("http://typed/"));
        Desktop().Answers = {load ? MessageAnswer::Yes : MessageAnswer::No,
                             keep ? MessageAnswer::Yes : MessageAnswer::No};
        if (!load) {
            Desktop().Answers.pop_back();
        }
        Action(item.toLatin1().constData())->trigger();
        QVERIFY(!Action("RegDefaultMenu")->isChecked());
        QVERIFY(!Action("RegDefaultSubMenu")->isChecked());
        QCOMPARE(IniSwitch(), std::string("1"));
        std::vector<QString> asked = {Q("INIファイルから読み込みますか？")};
        if (load) {
            asked.push_back(Q("現在の状態をﾚｼﾞｽﾄﾘに保存しますか？"));
        }
        ExpectQuestions(asked, MessageKind::Warning);
        QCOMPARE(env_->LoadRegistry().LastItem.Dir, std::string(keep ? "http://typed/" : ""));
        if (load) {
            // The INI file holds only the switch: its defaults show.
            QCOMPARE(ComboText(), QString());
            QVERIFY(Window().RegData().Output.ClickView);
        } else {
            QCOMPARE(ComboText(), Q("http://typed/"));
        }

        // The next start reads the INI file that shut-down wrote.
        Window().close();
        env_->CloseWindow();
        env_->OpenWindow();
        QVERIFY(!Action("RegDefaultMenu")->isChecked());
        QCOMPARE(ComboText(), load ? QString() : Q("http://typed/"));
    }

    void switchingToTheRegistry_data() {
        QTest::addColumn<bool>("load");
        QTest::addColumn<bool>("keep");
        QTest::newRow("no") << false << false;
        QTest::newRow("yes, no") << true << false;
        QTest::newRow("yes, yes") << true << true;
    }

    void switchingToTheRegistry() {
        QFETCH(bool, load);
        QFETCH(bool, keep);
        TRegData inRegistry = env_->NewRecord();
        inRegistry.LastItem.Dir = "http://registry/";
        env_->StoreInRegistry(inRegistry);
        TRegData inIni = env_->NewRecord();
        inIni.LastItem.Dir = "http://ini/";
        env_->StoreInIniDefault(inIni);
        env_->OpenWindow();
        Child<QComboBox>(Window(), "UrlCombo")->setEditText(Q("http://typed/"));
        Desktop().Answers = {load ? MessageAnswer::Yes : MessageAnswer::No,
                             keep ? MessageAnswer::Yes : MessageAnswer::No};
        if (!load) {
            Desktop().Answers.pop_back();
        }
        Action("RegDefaultMenu")->trigger();
        QVERIFY(Action("RegDefaultMenu")->isChecked());
        QCOMPARE(IniSwitch(), std::string("0"));
        std::vector<QString> asked = {Q("ﾚｼﾞｽﾄﾘから読み込みますか？")};
        if (load) {
            asked.push_back(Q("現在の状態をINIファイルに保存しますか？"));
        }
        ExpectQuestions(asked, MessageKind::Warning);
        QCOMPARE(env_->LoadIni(IniFile()).LastItem.Dir,
                 std::string(keep ? "http://typed/" : "http://ini/"));
        QCOMPARE(ComboText(), load ? Q("http://registry/") : Q("http://typed/"));
    }

    // A history the list menu brought in, or kept while the default store
    // changed, is the window's own: the shut-down save keeps all of it, in
    // front of what the default store held.
    void shutDownKeepsTheHistoryTheWindowTookIn_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("loaded from an INI file") << "LoadIniMenu";
        QTest::newRow("loaded from the registry") << "LoadRegMenu";
        QTest::newRow("kept while switching") << "RegDefaultMenu";
    }

    void shutDownKeepsTheHistoryTheWindowTookIn() {
        QFETCH(QString, item);
        const TRegData brought = env_->SampleRecord();
        TRegData held = env_->NewRecord();
        held.Items[0].Dir = "http://held/";
        const std::string picked = env_->ProgramFolder.File("picked.ini");
        bool iniDefaultAtEnd = true;
        if (item == Q("LoadIniMenu")) {
            env_->StoreInRegistry(held);
            brought.SaveToIni(picked);
            Desktop().Files.push_back(QString::fromStdString(picked));
            iniDefaultAtEnd = false;
        } else if (item == Q("LoadRegMenu")) {
            env_->StoreInIniDefault(held);
            env_->StoreInRegistry(brought);
            Desktop().Answers = {MessageAnswer::Yes};
        } else {
            held.SaveToIni(IniFile());  // no switch: the registry is the default
            env_->StoreInRegistry(brought);
            Desktop().Answers = {MessageAnswer::No};  // switched, nothing loaded
        }
        env_->OpenWindow();
        Action(item.toLatin1().constData())->trigger();
        env_->CloseWindow();

        const TRegData saved = iniDefaultAtEnd ? env_->LoadIni(IniFile()) : env_->LoadRegistry();
        const std::vector<std::string> expected = {"http://example.com/0/%%/",
                                                   "http://example.com/1/%%/",
                                                   "http://example.com/2/%%/", "http://held/"};
        QCOMPARE(saved.HistoryList(), expected);
    }

    void switchThatCannotBeWrittenAsksNothing() {
        env_->OpenWindow();
        // A folder where the INI file should be fails for root too.
        QVERIFY(QDir().mkpath(QString::fromStdString(IniFile())));
        Action("RegDefaultMenu")->trigger();
        QVERIFY(!Action("RegDefaultMenu")->isChecked());
        QVERIFY(Desktop().Messages.empty());
        QCOMPARE(Desktop().Errors.size(), size_t{1});
        QCOMPARE(Desktop().Errors[0].Title, Q("Zarnet"));
        // The system's reason follows, in its own words.
        QVERIFY2(Desktop().Errors[0].Text.startsWith(QString::fromStdString(IniFile()) +
                                                     Q(" に書き込めません (")),
                 qPrintable(Desktop().Errors[0].Text));
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::StoreCommandsTest)
#include "StoreCommandsTest.moc"
