#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <sstream>

#include "cli/CliRun.h"
#include "platform/Cp932.h"
#include "support/SystemReasons.h"
#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

namespace {

// The list of "http://e/%%/" with the values a and b and the numbers 1 and 2.
const char* const kListDocument =
    "http://e/a/p1.jpg\nhttp://e/a/p2.jpg\nhttp://e/b/p1.jpg\nhttp://e/b/p2.jpg\n";
const char* const kListFile =
    "http://e/a/p1.jpg\r\nhttp://e/a/p2.jpg\r\nhttp://e/b/p1.jpg\r\nhttp://e/b/p2.jpg\r\n";

}  // namespace

class OutputCommandsTest : public WindowTest {
    Q_OBJECT

  private:
    QString Status() { return Child<QLabel>(Window(), "EditingLavel")->text(); }
    QString Preview() { return Window().ListView().ListVIewMemo()->toPlainText(); }
    QString OutputName() { return Edit("SaveFileNameEdit")->text(); }
    void SetOutputName(const std::string& name) {
        Edit("SaveFileNameEdit")->setText(QString::fromStdString(name));
    }
    int HistoryRows() { return Combo()->count(); }

    // A pattern of two values and two numbers, as a list.
    void TypePattern() {
        Combo()->setEditText(Q("http://e/%%"));
        Edit("CSVListEdit")->setText(Q("a,b"));
        Edit("FileNameFront")->setText(Q("p"));
        Edit("StCount")->setText(Q("1"));
        Edit("EdCount")->setText(Q("2"));
        Edit("FileNameRear")->setText(QString());
        Edit("FileNameExt")->setText(Q(".jpg"));
        Action("ListText")->trigger();
    }

    void Trigger(const char* name) {
        QObject* control = Child<QObject>(Window(), name);
        if (auto* action = qobject_cast<QAction*>(control)) {
            QVERIFY(action->isEnabled());
            action->trigger();
        } else {
            auto* button = qobject_cast<QAbstractButton*>(control);
            QVERIFY(button != nullptr && button->isEnabled());
            button->click();
        }
    }

    // Closes the preview as soon as it shows, noting what stood then.
    void ClosePreviewWhenShown(int* historyRowsWhileShown = nullptr) {
        WhenShown(this, [this, historyRowsWhileShown] {
            QTRY_VERIFY(Window().ListView().isVisible());
            if (historyRowsWhileShown != nullptr) {
                *historyRowsWhileShown = HistoryRows();
            }
            Child<QToolButton>(Window().ListView(), "SpeedButton2")->click();
        });
    }

    void ExpectMessages(const std::vector<const char*>& texts) {
        QCOMPARE(Desktop().Messages.size(), texts.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            QCOMPARE(Desktop().Messages[i].Text, Q(texts[i]));
        }
    }

  private slots:
    void init() { StartFixture(true); }

    void cleanup() { EndFixture(); }

    void everyTriggerRunsItsCommand_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("command");
        for (const char* view : {"ViewBtn", "V1", "V2"}) {
            QTest::newRow(view) << view << "view";
        }
        for (const char* save : {"OverwriteButton", "SaveToMenu", "Save1"}) {
            QTest::newRow(save) << save << "save";
        }
        for (const char* saveAs : {"SaveBtn", "SaveAsMenu", "N7"}) {
            QTest::newRow(saveAs) << saveAs << "save as";
        }
        for (const char* copy : {"ClipBord", "ClipBordMenu", "C1"}) {
            QTest::newRow(copy) << copy << "clipboard";
        }
    }

    // Generate, output step, history, label: in that order for every command.
    void everyTriggerRunsItsCommand() {
        QFETCH(QString, trigger);
        QFETCH(QString, command);
        TypePattern();
        const std::string saved = Folder().File("list.txt");
        SetOutputName(saved);
        int rowsWhileShown = -1;
        if (command == Q("view")) {
            ClosePreviewWhenShown(&rowsWhileShown);
        } else if (command == Q("save as")) {
            Desktop().Files.push_back(QString::fromStdString(Folder().File("chosen.txt")));
        } else if (command == Q("clipboard")) {
            Desktop().Answers.push_back(MessageAnswer::Ok);
        }
        Trigger(trigger.toLatin1().constData());

        QCOMPARE(Preview(), Q(kListDocument));
        QVERIFY(Window().ListView().OutputKind() == MakeType::ListText);
        QCOMPARE(HistoryRows(), 1);
        QCOMPARE(Combo()->itemText(0), Q("http://e/%%"));
        QCOMPARE(Status(), command == Q("clipboard") ? Q("ｸﾘｯﾌﾟ") : Q("登録済"));
        if (command == Q("view")) {
            QCOMPARE(rowsWhileShown, 0);  // recorded once the preview is closed
            ExpectMessages({});
        } else if (command == Q("save")) {
            QCOMPARE(Folder().Read("list.txt"), std::string(kListFile));
            ExpectMessages({});
        } else if (command == Q("save as")) {
            QCOMPARE(Folder().Read("chosen.txt"), std::string(kListFile));
            QCOMPARE(OutputName(), QString::fromStdString(Folder().File("chosen.txt")));
        } else {
            QCOMPARE(Desktop().Clipboard, Q(kListDocument));
            ExpectMessages({"ｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力しました"});
            QVERIFY(Desktop().Messages[0].Buttons == MessageButtons::Ok);
            QVERIFY(Desktop().Messages[0].Kind == MessageKind::Information);
        }
        QVERIFY(!std::filesystem::exists(saved) || command == Q("save"));
        QVERIFY(Desktop().Errors.empty());
    }

    void savedFileIsWhatZarnetCliWrites_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("list") << "list";
        QTest::newRow("html") << "html";
        QTest::newRow("image") << "image";
    }

    void savedFileIsWhatZarnetCliWrites() {
        QFETCH(QString, kind);
        env_->ProgramFolder.Write("Header.txt", "<HTML><TITLE>%%TITLE%%</TITLE>\r\n\r\n");
        env_->CloseWindow();
        env_->OpenWindow();
        Combo()->setEditText(Q("http://例/%%/"));
        Edit("CSVListEdit")->setText(Q("表,ソ,08-10"));
        Edit("FileNameFront")->setText(Q("写\"真"));
        Edit("StCount")->setText(Q("009"));
        Edit("EdCount")->setText(Q("12"));
        Edit("FileNameExt")->setText(Q("png"));
        Action(kind == Q("list") ? "ListText" : kind == Q("html") ? "HTML" : "ImageSrc")->trigger();
        SetOutputName(Folder().File("page.out"));
        Trigger("OverwriteButton");

        std::ostringstream cliOut;
        std::ostringstream cliErr;
        const int status =
            cli::RunCli({"-b", "http://例/%%/", "-l", "表,ソ,08-10", "-f", "写\"真", "-s", "009",
                         "-e", "12", "-x", "png", "-k", kind.toStdString()},
                        cliOut, cliErr, env_->Paths);
        QCOMPARE(status, 0);
        QCOMPARE(Folder().Read("page.out"), cliOut.str());
        QVERIFY(cliOut.str().find(cp932::Encode("表")) != std::string::npos);
    }

    void overwriteQuestion_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("noQuestion");
        QTest::addColumn<int>("answer");  // MessageAnswer, when asked
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("new file") << false << false << 0 << false << true;
        QTest::newRow("existing, yes") << true << false << int(MessageAnswer::Yes) << true << true;
        QTest::newRow("existing, cancel")
            << true << false << int(MessageAnswer::Cancel) << true << false;
        QTest::newRow("existing, no question") << true << true << 0 << false << true;
    }

    void overwriteQuestion() {
        QFETCH(bool, exists);
        QFETCH(bool, noQuestion);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, replaced);
        TypePattern();
        if (exists) {
            Folder().Write("list.txt", "old\r\n");
        }
        if (noQuestion) {
            Action("OverWriteSubMenu")->trigger();
        }
        if (asked) {
            Desktop().Answers.push_back(static_cast<MessageAnswer>(answer));
        }
        SetOutputName(Folder().File("list.txt"));
        Trigger("SaveToMenu");

        if (asked) {
            ExpectMessages({"ファイルに上書きしますか"});
            QVERIFY(Desktop().Messages[0].Kind == MessageKind::Information);
            QVERIFY(Desktop().Messages[0].Buttons == MessageButtons::YesCancel);
        } else {
            ExpectMessages({});
        }
        QCOMPARE(Folder().Read("list.txt"), std::string(replaced ? kListFile : "old\r\n"));
        // Cancelled or not, the pattern is recorded and the label changes.
        QCOMPARE(HistoryRows(), 1);
        QCOMPARE(Status(), Q("登録済"));
    }

    void nameWithoutAnExistingFolderGoesToTheDialog_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("bare name") << "Download.html"
                                   << "Download.txt";
        QTest::newRow("missing folder") << "/no/such/folder/x.txt"
                                        << "/no/such/folder/x.txt";
        QTest::newRow("empty") << ""
                               << "Download.txt";
    }

    void nameWithoutAnExistingFolderGoesToTheDialog() {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        TypePattern();
        Edit("SaveFileNameEdit")->setText(name);
        const QString chosen = QString::fromStdString(Folder().File("chosen.txt"));
        Desktop().Files.push_back(chosen);
        Trigger("OverwriteButton");
        QCOMPARE(Desktop().Dialogs.size(), size_t{1});
        QCOMPARE(Desktop().Dialogs[0].FileName, proposed);
        // Where the default output file goes.
        QCOMPARE(Desktop().Dialogs[0].InitialDir, QString::fromStdString(Folder().Path()));
        QCOMPARE(OutputName(), chosen);
        QCOMPARE(Folder().Read("chosen.txt"), std::string(kListFile));
        QCOMPARE(Status(), Q("登録済"));
    }

    void saveAsProposesANameForTheKind_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("filter");
        const QString html = Q("HTMLファイル|*.htm;*.html");
        const QString text = Q("テキストファイル|*.txt");
        QTest::newRow("empty, HTML") << "HTML"
                                     << ""
                                     << "Download.html" << html;
        QTest::newRow("empty, ImageSrc") << "ImageSrc"
                                         << ""
                                         << "Download.html" << html;
        QTest::newRow("empty, list") << "ListText"
                                     << ""
                                     << "Download.txt" << text;
        QTest::newRow("txt for HTML") << "HTML"
                                      << "/out/list.txt"
                                      << "/out/list.html" << html;
        QTest::newRow("html for a list") << "ListText"
                                         << "/out/page.html"
                                         << "/out/page.txt" << text;
        QTest::newRow("HTM stays") << "ImageSrc"
                                   << "/out/REPORT.HTM"
                                   << "/out/REPORT.HTM" << html;
    }

    // A cancelled dialog leaves the proposed name in the box.
    void saveAsProposesANameForTheKind() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        QFETCH(QString, filter);
        TypePattern();
        Action(kind.toLatin1().constData())->trigger();
        Edit("SaveFileNameEdit")->setText(name);
        Desktop().Files.push_back(std::nullopt);
        Trigger("SaveBtn");
        QCOMPARE(Desktop().Dialogs.size(), size_t{1});
        QCOMPARE(Desktop().Dialogs[0].FileName, proposed);
        QCOMPARE(Desktop().Dialogs[0].Filter, filter);
        QCOMPARE(OutputName(), proposed);
        QCOMPARE(HistoryRows(), 1);
        QCOMPARE(Status(), Q("登録済"));
    }

    // Its first name is a bare one, which would open in the working folder.
    void previewSavesBesideTheOutputFile() {
        TypePattern();
        std::filesystem::create_directory(Folder().File("sub"));
        SetOutputName(Folder().File("sub/out.txt"));
        Desktop().Files.push_back(std::nullopt);
        WhenShown(this, [this] {
            Child<QToolButton>(Window().ListView(), "SaveToFileButton")->click();
            Child<QToolButton>(Window().ListView(), "SpeedButton2")->click();
        });
        Trigger("ViewBtn");
        QCOMPARE(Desktop().Dialogs.size(), size_t{1});
        QCOMPARE(Desktop().Dialogs[0].FileName, Q("Download.txt"));
        QCOMPARE(Desktop().Dialogs[0].InitialDir, QString::fromStdString(Folder().File("sub/")));
    }

    void saveAsDialogConfirmsOverwritingUnlessTicked() {
        TypePattern();
        for (const bool ticked : {false, true}) {
            if (ticked) {
                Action("OverWriteMenu")->trigger();
            }
            Desktop().Files.push_back(std::nullopt);
            Trigger("SaveAsMenu");
            QCOMPARE(Desktop().Dialogs.back().ConfirmOverwrite, !ticked);
        }
    }

    void enterInTheOutputBoxSaves_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
    }

    void enterInTheOutputBoxSaves() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TypePattern();
        SetOutputName(Folder().File("list.txt"));
        QTest::keyClick(Edit("SaveFileNameEdit"), static_cast<Qt::Key>(key),
                        static_cast<Qt::KeyboardModifiers>(modifiers));
        QCOMPARE(Folder().Read("list.txt"), std::string(kListFile));
        QCOMPARE(Status(), Q("登録済"));
        // Other keys stay the box's own.
        QTest::keyClick(Edit("SaveFileNameEdit"), Qt::Key_X);
        QVERIFY(OutputName().endsWith(Q("list.txtx")));
    }

    void browserButtonSavesThenOpensTheFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("content");
        QTest::newRow("new file") << false << 0 << kListFile;
        QTest::newRow("overwrite cancelled opens the old file")
            << true << int(MessageAnswer::Cancel) << "old\r\n";
    }

    void browserButtonSavesThenOpensTheFile() {
        QFETCH(bool, exists);
        QFETCH(int, answer);
        QFETCH(QString, content);
        TypePattern();
        if (exists) {
            Folder().Write("list.txt", "old\r\n");
            Desktop().Answers.push_back(static_cast<MessageAnswer>(answer));
        }
        const QString name = QString::fromStdString(Folder().File("list.txt"));
        Edit("SaveFileNameEdit")->setText(name);
        Trigger("SpeedButton1");
        QCOMPARE(Folder().Read("list.txt"), content.toStdString());
        QCOMPARE(Desktop().OpenedFiles.size(), size_t{1});
        const FakeDesktop::Opened& opened = Desktop().OpenedFiles[0];
        QCOMPARE(opened.File, name);
        QCOMPARE(opened.Parameters, name);
        QCOMPARE(opened.Folder, QString::fromStdString(Folder().Path()));
        QCOMPARE(HistoryRows(), 1);
    }

    void browserButtonOpensTheNameChosenInTheDialog() {
        TypePattern();
        Edit("SaveFileNameEdit")->setText(Q("bare.txt"));
        const QString chosen = QString::fromStdString(Folder().File("chosen.txt"));
        Desktop().Files.push_back(chosen);
        Trigger("SpeedButton1");
        QCOMPARE(Desktop().OpenedFiles.at(0).File, chosen);
    }

    void fileErrorStopsBeforeHistoryLabelAndBrowser_data() {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("save") << "SaveToMenu";
        QTest::newRow("save as") << "SaveAsMenu";
        QTest::newRow("browser") << "SpeedButton1";
    }

    void fileErrorStopsBeforeHistoryLabelAndBrowser() {
        QFETCH(QString, trigger);
        TypePattern();
        // A folder where the file should go fails for root too.
        std::filesystem::create_directory(Folder().File("folder"));
        const QString target = QString::fromStdString(Folder().File("folder"));
        SetOutputName(Folder().File("folder"));
        if (trigger == Q("SaveAsMenu")) {
            Desktop().Files.push_back(target);
        }
        Edit("PMEDit")->setText(Q("2"));  // the run's group size: no edit
        Child<QLabel>(Window(), "EditingLavel")->setText(Q("before"));
        Trigger(trigger.toLatin1().constData());
        QCOMPARE(Desktop().Errors.size(), size_t{1});
        QCOMPARE(Desktop().Errors[0].Text, Q("ファイル ") + target + Q(" を作成できません") +
                                               Reason(FolderInTheWayReason()) + Q("."));
        QCOMPARE(HistoryRows(), 0);
        QCOMPARE(Status(), Q("before"));
        QVERIFY(Desktop().OpenedFiles.empty());
        Desktop().Errors.clear();
    }

    void autoSaveListTickedRecordsNothingButTheLabelChanges() {
        TypePattern();
        Action("AutosaveSubMenu")->trigger();
        SetOutputName(Folder().File("list.txt"));
        Trigger("SaveToMenu");
        QCOMPARE(HistoryRows(), 0);
        QVERIFY(Window().RegData().Items[0].Dir.empty());
        QCOMPARE(Status(), Q("登録済"));
    }

    void failedCheckLeavesEverythingAsItWas_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("label");  // a new group size is an edit
        QTest::newRow("no address") << ""
                                    << "a"
                                    << "2"
                                    << "アドレスを入力してください."
                                    << "before";
        QTest::newRow("no values") << "http://e/%%"
                                   << ""
                                   << "2"
                                   << "連続生成モードです。連続生成文字を入力してください."
                                   << "before";
        QTest::newRow("reversed range") << "http://e/%%"
                                        << "a"
                                        << "0"
                                        << "開始番号と終了番号が逆転しています."
                                        << "before";
        QTest::newRow("over a million entries")
            << "http://e/%%"
            << "1-100,101-200,201-300,301-400,401-500,501-600,601-700,701-800,801-900,901-1001"
            << "1000"
            << "作成するアドレスが多すぎます（1,001,000件、上限は1,000,000件です）."
            << "編集中";
        // The value three times in one address: 9 + 90,000 + "/p2.jpg".
        QTest::newRow("address too long")
            << "http://e/%%%%%%" << QString(30'000, QLatin1Char('v')) << "2"
            << "アドレスが長すぎます（90,016バイト、上限は65,536バイトです）."
            << "before";
        // The header holds the title three times on one line.
        QTest::newRow("header line too long")
            << QString(30'000, QLatin1Char('h')) << "a"
            << "2"
            << "ヘッダの行が長すぎます（90,005バイト、上限は65,536バイトです）."
            << "before";
    }

    void failedCheckLeavesEverythingAsItWas() {
        QFETCH(QString, dir);
        QFETCH(QString, values);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QFETCH(QString, label);
        TypePattern();
        SetOutputName(Folder().File("list.txt"));
        Trigger("SaveToMenu");
        const std::string saved = Folder().Read("list.txt");

        Window().Templates().HeaderLines = {"<%%TITLE%%%%TITLE%%%%TITLE%%>"};
        Action("HTML")->trigger();
        Combo()->setEditText(dir);
        Edit("CSVListEdit")->setText(values);
        Edit("EdCount")->setText(end);
        Child<QLabel>(Window(), "EditingLavel")->setText(Q("before"));
        for (const char* trigger :
             {"SaveToMenu", "ViewBtn", "ClipBord", "SaveBtn", "SpeedButton1"}) {
            Trigger(trigger);
            QCOMPARE(Desktop().Errors.size(), size_t{1});
            QCOMPARE(Desktop().Errors[0].Text, message);
            Desktop().Errors.clear();
            QCOMPARE(Preview(), Q(kListDocument));
            QVERIFY(Window().ListView().OutputKind() == MakeType::ListText);
            QCOMPARE(Folder().Read("list.txt"), saved);
            QCOMPARE(HistoryRows(), 1);
            QCOMPARE(Status(), label);
        }
        QVERIFY(Desktop().Messages.empty() && Desktop().Dialogs.empty());
        QVERIFY(Desktop().OpenedFiles.empty());
    }

    // The corrected extension and the group size go back into their boxes
    // as typing would; the command's label comes after.
    void runWritesBackExtensionAndStep() {
        TypePattern();
        Edit("FileNameExt")->setText(Q("png"));
        Edit("EdCount")->setText(Q("25"));
        ClosePreviewWhenShown();
        Trigger("ViewBtn");
        QCOMPARE(Edit("FileNameExt")->text(), Q(".png"));
        QCOMPARE(Edit("PMEDit")->text(), Q("25"));
        QVERIFY(Child<QLabel>(Window(), "SampleUrl")->text().endsWith(Q(".png")));
        QCOMPARE(Status(), Q("登録済"));
    }

    void htmlRunIsFramedAndShowsItsKind() {
        TypePattern();
        Action("HTML")->trigger();
        Desktop().Answers.push_back(MessageAnswer::Ok);
        Trigger("ClipBordMenu");
        QVERIFY(Window().ListView().OutputKind() == MakeType::Html);
        QVERIFY(Preview().startsWith(Q("<HTML>")));
        QVERIFY(Preview().contains(Q("<HR>\n<A HREF=\"http://e/a/p1.jpg\">p1.jpg</A>\n")));
        QVERIFY(Preview().endsWith(Q("</HTML>\n")));
    }

    void waitCursorIsGoneAfterTheRun() {
        TypePattern();
        Desktop().Answers.push_back(MessageAnswer::Ok);
        Trigger("ClipBord");
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::OutputCommandsTest)
#include "OutputCommandsTest.moc"
