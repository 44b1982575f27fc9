#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "platform/Cp932.h"
#include "platform/TextFile.h"
#include "support/SystemReasons.h"
#include "templates/HtmlTemplates.h"
#include "ui/HeadEditUnit.h"
#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

namespace {

using Lines = std::vector<std::string>;

}  // namespace

class HeadEditTest : public WindowTest {
    Q_OBJECT

  private:
    THtmlEditForm& Editor() { return Window().HtmlEditForm(); }
    HtmlTemplates& Templates() { return Window().Templates(); }
    QPlainTextEdit* HeaderBox() { return Editor().HeaderEdit(); }
    QPlainTextEdit* FooterBox() { return Editor().FooterEdit(); }
    void Click(const char* button) { Child<QPushButton>(Editor(), button)->click(); }
    bool Written(const char* name) { return std::filesystem::exists(Folder().File(name)); }

    // Opens the editor from the main menu and runs `act` in it.
    void EditWith(const std::function<void()>& act) {
        WhenShown(this, act);
        Action("SetHTMLMenu")->trigger();
        QVERIFY(!Editor().isVisible());
    }

  private slots:
    void init() {
        StartFixture(true);
        Templates().HeaderLines = {"<HTML>", "%%TITLE%%"};
        Templates().FooterLines = {"</HTML>"};
    }

    void cleanup() { EndFixture(); }

    void cancelChangesNothing() {
        bool shown = false;
        EditWith([&] {
            shown = Editor().isVisible();
            // The first control of the tab order has the focus.
            QCOMPARE(Editor().focusWidget(), Child<QWidget>(Editor(), "Button3"));
            QCOMPARE(HeaderBox()->toPlainText(), Q("<HTML>\n%%TITLE%%\n"));
            QCOMPARE(FooterBox()->toPlainText(), Q("</HTML>\n"));
            HeaderBox()->setPlainText(Q("changed"));
            FooterBox()->clear();
            Click("Button4");
        });
        QVERIFY(shown);
        QCOMPARE(Templates().HeaderLines, (Lines{"<HTML>", "%%TITLE%%"}));
        QCOMPARE(Templates().FooterLines, Lines{"</HTML>"});
        QVERIFY(!Written("Header.txt") && !Written("Footer.txt"));
        // The next opening starts from the templates again.
        EditWith([&] {
            QCOMPARE(HeaderBox()->toPlainText(), Q("<HTML>\n%%TITLE%%\n"));
            Click("Button4");
        });
    }

    void saveTakesTheTextsAndWritesBothFiles_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("footer");
        QTest::addColumn<QByteArray>("headerFile");
        QTest::addColumn<QByteArray>("footerFile");
        QTest::newRow("edited") << "<H1>表</H1>\n\n%%TITLE%%"
                                << "end\n"
                                << QByteArray("<H1>\x95\x5c</H1>\r\n\r\n%%TITLE%%\r\n")
                                << QByteArray("end\r\n");
        QTest::newRow("emptied") << ""
                                 << "" << QByteArray() << QByteArray();
        QTest::newRow("trailing empty line kept")
            << "a\n\n"
            << "b" << QByteArray("a\r\n\r\n") << QByteArray("b\r\n");
    }

    void saveTakesTheTextsAndWritesBothFiles() {
        QFETCH(QString, header);
        QFETCH(QString, footer);
        QFETCH(QByteArray, headerFile);
        QFETCH(QByteArray, footerFile);
        EditWith([&] {
            HeaderBox()->setPlainText(header);
            FooterBox()->setPlainText(footer);
            Click("Button3");
        });
        QCOMPARE(Folder().Read("Header.txt"), headerFile.toStdString());
        QCOMPARE(Folder().Read("Footer.txt"), footerFile.toStdString());

        // What was saved is what the next start loads: an empty file is an
        // empty template, not the built-in one.
        const Lines saved = Templates().HeaderLines;
        env_->CloseWindow();
        env_->OpenWindow();
        QCOMPARE(Templates().HeaderLines, saved);
        QCOMPARE(Templates().HeaderLines.empty(), header.isEmpty());
    }

    void longLinesAreCutOnACharacterBoundary_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("kept");
        const QString fits(4096, QLatin1Char('a'));
        const QString wide = QString(2048, QChar(0x3042));  // あ, two bytes each
        QTest::newRow("4096 bytes stay") << fits << fits;
        QTest::newRow("4097 bytes") << fits + Q("b") << fits;
        QTest::newRow("never inside a character")
            << Q("a") + wide << Q("a") + QString(2047, QChar(0x3042));
        QTest::newRow("double-byte line that fits") << wide << wide;
    }

    void longLinesAreCutOnACharacterBoundary() {
        QFETCH(QString, line);
        QFETCH(QString, kept);
        EditWith([&] {
            HeaderBox()->setPlainText(line + Q("\nshort"));
            Click("Button3");
        });
        QCOMPARE(Templates().HeaderLines, (Lines{cp932::Encode(kept.toStdString()), "short"}));
    }

    void browsing_data() {
        QTest::addColumn<QByteArray>("file");  // "missing", "huge" or the file's bytes
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("error");
        QTest::newRow("existing file")
            << QByteArray("one\r\n\x83\x5c\r\n") << Q("one\nソ\n") << QString();
        QTest::newRow("missing file") << QByteArray("missing") << Q("default") << QString();
        QTest::newRow("unreadable file") << QByteArray("huge") << Q("<HTML>\n%%TITLE%%\n")
                                         << Q("ファイル %1 は開けません (too large).");
    }

    // Browsing fills the template at once; only "保存終了" writes the file.
    void browsing() {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(QString, error);
        const std::string path = Folder().File("picked.txt");
        if (file == "huge") {
            Folder().Write("picked.txt", "");
            std::filesystem::resize_file(path, kMaxReadBytes + 1);
        } else if (file != "missing") {
            Folder().Write("picked.txt", file.toStdString());
        }
        Editor().OpenDialog1.FileName = Q("left over");
        Desktop().Files.push_back(QString::fromStdString(path));
        EditWith([&] {
            Click("Button5");
            Click("Button4");
        });
        QCOMPARE(Desktop().Dialogs.at(0).FileName, QString());
        QVERIFY(Desktop().Dialogs[0].DialogMode == FileDialog::Mode::Open);
        QCOMPARE(Desktop().Dialogs[0].Filter, QString());
        QCOMPARE(Desktop().Dialogs[0].InitialDir, QString::fromStdString(Folder().Path()));
        const QString expected =
            shown == Q("default") ? ToQtLines(HtmlTemplates::DefaultHeader()) : shown;
        QCOMPARE(HeaderBox()->toPlainText(), expected);
        QCOMPARE(ToQtLines(Templates().HeaderLines), expected);
        QVERIFY(!Written("Header.txt"));
        if (error.isEmpty()) {
            QVERIFY(Desktop().Errors.empty());
        } else {
            QCOMPARE(Desktop().Errors.size(), size_t{1});
            QCOMPARE(Desktop().Errors[0].Text, error.arg(QString::fromStdString(path)));
            Desktop().Errors.clear();
        }
    }

    void browsingTheFooterLeavesTheHeader() {
        Folder().Write("foot.txt", "bye\r\n");
        Desktop().Files = {QString::fromStdString(Folder().File("foot.txt")), std::nullopt};
        EditWith([&] {
            Click("Button6");
            Click("Button6");  // cancelled: nothing changes
            Click("Button3");
        });
        QCOMPARE(Templates().FooterLines, Lines{"bye"});
        QCOMPARE(Templates().HeaderLines, (Lines{"<HTML>", "%%TITLE%%"}));
        QCOMPARE(Folder().Read("Footer.txt"), std::string("bye\r\n"));
    }

    void standardAndEnterButtonsDoNothing() {
        bool closedByEnter = false;
        EditWith([&] {
            for (const char* button : {"Button1", "Button2"}) {
                Click(button);
            }
            for (const char* hidden : {"Button7", "Button8"}) {
                QVERIFY(!Child<QPushButton>(Editor(), hidden)->isVisible());
            }
            QCOMPARE(HeaderBox()->toPlainText(), Q("<HTML>\n%%TITLE%%\n"));
            // Neither key closes the window; Enter presses only the focused
            // button.
            QTest::keyClick(&Editor(), Qt::Key_Escape);
            QTest::keyClick(HeaderBox(), Qt::Key_Return);
            QVERIFY(Editor().isVisible());
            auto* cancel = Child<QPushButton>(Editor(), "Button4");
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Return);
            closedByEnter = !Editor().isVisible();
            if (!closedByEnter) {
                Click("Button4");
            }
        });
        QVERIFY(closedByEnter);
        QVERIFY(Desktop().Messages.empty() && Desktop().Dialogs.empty());
        QVERIFY(!Written("Header.txt"));
    }

    // Each opening, the first of a fresh window as the later ones: the size
    // as laid out, frame included, and the panes sharing the height.
    void opensAtItsSizeWithEvenPanesEveryTime() {
        const QSize laidOut(502, 412);
        for (int opening = 1; opening <= 20; ++opening) {
            QSize outer;
            int header = 0;
            int footer = 0;
            int rest = 0;
            EditWith([&] {
                // A window manager frames the window by the time it is drawn;
                // the size is checked after the window closes either way.
                [[maybe_unused]] const bool framed =
                    QTest::qWaitForWindowExposed(&Editor()) &&
                    QTest::qWaitFor([&] { return Editor().frameGeometry().size() == laidOut; },
                                    2000);
                outer = Editor().frameGeometry().size();
                header = Child<QWidget>(Editor(), "HeaderPanel")->height();
                footer = Child<QWidget>(Editor(), "FooterPanel")->height();
                rest = Editor().height() - Child<QWidget>(Editor(), "Panel3")->height();
                Click("Button4");
            });
            QCOMPARE(outer, laidOut);
            QCOMPARE(header + footer, rest);
            QCOMPARE(header, rest / 2);
        }
    }

    void panesShareTheHeight_data() {
        QTest::addColumn<int>("height");
        QTest::newRow("even") << 400;
        QTest::newRow("odd") << 401;
    }

    void panesShareTheHeight() {
        QFETCH(int, height);
        EditWith([&] {
            // Enlarged first, as by maximising: it shrinks back in one step.
            Editor().resize(Editor().width(), 2 * height);
            QTRY_COMPARE(Editor().height(), 2 * height);
            Editor().resize(Editor().width(), height);
            QTRY_COMPARE(Editor().height(), height);
            QWidget* header = Child<QWidget>(Editor(), "HeaderPanel");
            QWidget* footer = Child<QWidget>(Editor(), "FooterPanel");
            QTRY_COMPARE(header->height() + footer->height(), height - 35);
            QCOMPARE(header->height(), (height - 35) / 2);
            QCOMPARE(footer->height() - header->height(), (height - 35) % 2);
            Click("Button4");
        });
    }

    // The header file cannot be written: the footer file is left alone and
    // the edits stay in memory.
    void failedHeaderSaveLeavesTheFooterFile() {
        std::filesystem::create_directory(Folder().File("Header.txt"));
        EditWith([&] {
            HeaderBox()->setPlainText(Q("new head"));
            FooterBox()->setPlainText(Q("new foot"));
            Click("Button3");
        });
        QCOMPARE(Desktop().Errors.size(), size_t{1});
        QCOMPARE(Desktop().Errors[0].Text,
                 Q("ファイル ") + QString::fromStdString(Folder().File("Header.txt")) +
                     Q(" を作成できません") + Reason(FolderInTheWayReason()) + Q("."));
        Desktop().Errors.clear();
        QVERIFY(!Written("Footer.txt"));
        QCOMPARE(Templates().HeaderLines, Lines{"new head"});
        QCOMPARE(Templates().FooterLines, Lines{"new foot"});
    }

    // Whatever "Header.txt" holds: "保存終了" on a text left as it was leaves
    // the file byte for byte, and the output carries its lines' own bytes.
    // An edit keeps the lines it did not touch; before the file goes with
    // what the editor could not show, the user is asked, and "いいえ" keeps
    // the file and the editor.
    void oddHeaderFiles_data() {
        QTest::addColumn<QByteArray>("file");   // "huge": too large to read
        QTest::addColumn<QByteArray>("lines");  // as a save writes them, and the output
        QTest::addColumn<bool>("appendAsks");   // a line added at the end
        QTest::addColumn<bool>("replaceAsks");  // the whole text replaced
        const QByteArray longLine = QByteArray(5000, 'x') + "\r\n";
        QTest::newRow("NUL") << QByteArray("<H>\r\nab\0cd\r\nlost\r\n", 17)
                             << QByteArray("<H>\r\nab\r\n") << true << true;
        QTest::newRow("not code page 932")
            << QByteArray("a\x81") << QByteArray("a\x81\r\n") << false << true;
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n") << false
                                 << false;
        QTest::newRow("long line") << longLine << longLine << false << true;
        QTest::newRow("duplicate code")
            << QByteArray("\xED\x40") << QByteArray("\xED\x40\r\n") << false << false;
        QTest::newRow("too large to read") << QByteArray("huge") << QByteArray() << true << true;
    }

    void oddHeaderFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, lines);
        QFETCH(bool, appendAsks);
        QFETCH(bool, replaceAsks);
        const std::string path = Folder().File("Header.txt");
        env_->CloseWindow();
        Folder().Write("Header.txt", file == "huge" ? "" : file.toStdString());
        if (file == "huge") {
            std::filesystem::resize_file(path, kMaxReadBytes + 1);
        }
        env_->OpenWindow();
        Desktop().Errors.clear();  // the start's box for the file too large
        const std::string before = Folder().Read("Header.txt");
        EditWith([&] { Click("Button3"); });
        QVERIFY(Desktop().Messages.empty() && Folder().Read("Header.txt") == before);

        Combo()->setEditText(Q("p"));
        Edit("SaveFileNameEdit")->setText(QString::fromStdString(Folder().File("out.html")));
        Action("OverWriteMenu")->setChecked(true);
        Action("HTML")->trigger();
        Action("SaveToMenu")->trigger();
        QVERIFY(Folder().Read("out.html").starts_with(lines.toStdString() + "<HR>\r\n"));

        const auto edit = [&](const QString& text, bool asks, MessageAnswer answer) {
            const std::size_t asked = Desktop().Messages.size();
            Desktop().Answers = {answer};
            EditWith([&] {
                HeaderBox()->setPlainText(text);
                Click("Button3");
                if (Editor().isVisible()) {
                    Click("Button4");
                }
            });
            QCOMPARE(Desktop().Messages.size(), asked + (asks ? 1 : 0));
            if (asks) {
                const FakeDesktop::Message& question = Desktop().Messages.back();
                QVERIFY(question.Kind == MessageKind::Confirmation &&
                        question.Buttons == MessageButtons::YesNoDefaultNo &&
                        question.Text.contains(QString::fromStdString(path)));
            }
            Desktop().Answers.clear();
        };
        edit(HeaderBox()->toPlainText() + Q("added\n"), appendAsks, MessageAnswer::No);
        QVERIFY(Folder().Read("Header.txt") ==
                (appendAsks ? before : lines.toStdString() + "added\r\n"));
        edit(Q("new"), replaceAsks, MessageAnswer::Yes);
        QCOMPARE(Folder().Read("Header.txt"), std::string("new\r\n"));
    }

    void editedHeaderReachesTheNextHtmlOutput() {
        EditWith([&] {
            HeaderBox()->setPlainText(Q("<HTML><TITLE>%%TITLE%%</TITLE>"));
            Click("Button3");
        });
        Combo()->setEditText(Q("http://e/"));
        Edit("StCount")->setText(Q("1"));
        Edit("EdCount")->setText(Q("1"));
        Action("HTML")->trigger();
        Desktop().Answers.push_back(MessageAnswer::Ok);
        Action("ClipBordMenu")->trigger();
        QVERIFY(Desktop().Clipboard.startsWith(Q("<HTML><TITLE>http://e/</TITLE>\n<HR>\n")));
    }

    void settingsDialogOpensTheSameEditor() {
        WhenShown(this, [&] {
            WhenShown(this, [&] {
                HeaderBox()->setPlainText(Q("from the dialog"));
                Click("Button3");
            });
            Child<QPushButton>(Window().PropertyForm(), "HTMLEditButton")->click();
            // Cancelling the dialog keeps the saved template.
            Child<QPushButton>(Window().PropertyForm(), "Button2")->click();
        });
        Action("PropertyMenu")->trigger();
        QCOMPARE(Templates().HeaderLines, Lines{"from the dialog"});
        QCOMPARE(Folder().Read("Header.txt"), std::string("from the dialog\r\n"));
    }

  private:
    static QString ToQtLines(const Lines& lines) {
        QString text;
        for (const std::string& line : lines) {
            text += QString::fromStdString(cp932::Decode(line)) + QLatin1Char('\n');
        }
        return text;
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::HeadEditTest)
#include "HeadEditTest.moc"
