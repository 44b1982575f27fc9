// The window over files that are no regular files: a pipe, a folder or a
// device where it reads a template, an
// INI file or the registry file, or where it saves. It never waits on one; each is refused with its
// reason and the window goes on.
#include <sys/stat.h>
#include <unistd.h>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "ui/HeadEditUnit.h"
#include "ui/WindowFixture.h"

namespace zarnet::testing {

namespace {

// Longer than any of these takes, short of a hang; a window that waits on a
// pipe ends the test program here.
constexpr unsigned kHangSeconds = 20;

}  // namespace

class OddFilesWindowTest : public WindowTest {
    Q_OBJECT

  private:
    // The pipe, the folder or the device (a link to /dev/zero) at `path`.
    static void MakeOdd(const QByteArray& kind, const std::string& path) {
        namespace fs = std::filesystem;
        fs::create_directories(fs::path(path).parent_path());
        if (kind == "pipe") {
            QCOMPARE(mkfifo(path.c_str(), 0600), 0);
        } else if (kind == "folder") {
            fs::create_directories(path);
        } else {
            fs::create_symlink("/dev/zero", path);
        }
    }

  private slots:
    void init() {
        StartFixture(false);
        alarm(kHangSeconds);
    }
    void cleanup() {
        alarm(0);
        EndFixture();
    }

    void oddFilesAreRefusedWithTheirReason_data() {
        QTest::addColumn<QByteArray>("where");
        QTest::addColumn<QByteArray>("kind");
        // What the window says, "%1" the odd file. The registry's is the
        // start's warning, the others error boxes.
        QTest::addColumn<QString>("told");
        const QString notRegular = Q("ファイル %1 は開けません (not a regular file).");
        const QString registry = Q("キー Software\\t-velka\\Zarnet を開けません (%1: %2)");
        QTest::newRow("save onto a pipe nobody reads")
            << QByteArray("save") << QByteArray("pipe")
            << Q("ファイル %1 を作成できません (no program reads the pipe).");
        for (const char* kind : {"pipe", "device"}) {
            QTest::addRow("%s as the header at start", kind)
                << QByteArray("start") << QByteArray(kind) << notRegular;
            QTest::addRow("%s browsed in the editor", kind)
                << QByteArray("browse") << QByteArray(kind) << notRegular;
            QTest::addRow("%s loaded as INI file", kind)
                << QByteArray("ini") << QByteArray(kind) << notRegular;
            QTest::addRow("%s as the registry file", kind)
                << QByteArray("registry") << QByteArray(kind)
                << registry.arg(Q("%1"), Q("not a regular file"));
        }
        QTest::newRow("folder loaded as INI file")
            << QByteArray("ini") << QByteArray("folder")
            << Q("ファイル %1 は開けません (Is a directory).");
    }

    void oddFilesAreRefusedWithTheirReason() {
        QFETCH(QByteArray, where);
        QFETCH(QByteArray, kind);
        QFETCH(QString, told);
        std::string odd;
        if (where == "start") {
            odd = Folder().File("Header.txt");
        } else if (where == "registry") {
            odd = env_->ConfigFolder.File("zarnet/registry.reg");
        } else {
            odd = Folder().File("odd");
        }
        MakeOdd(kind, odd);
        if (where == "registry") {
            Desktop().Answers.push_back(MessageAnswer::Ok);
        }
        env_->OpenWindow();
        Combo()->setEditText(Q("http://kept/"));
        if (where == "save") {
            Action("OverWriteMenu")->setChecked(true);
            Edit("SaveFileNameEdit")->setText(QString::fromStdString(odd));
            Action("SaveToMenu")->trigger();
        } else if (where == "browse") {
            Desktop().Files.push_back(QString::fromStdString(odd));
            THtmlEditForm& editor = Window().HtmlEditForm();
            WhenShown(this, [&] {
                Child<QPushButton>(editor, "Button5")->click();
                Child<QPushButton>(editor, "Button4")->click();
            });
            Action("SetHTMLMenu")->trigger();
        } else if (where == "ini") {
            Desktop().Files.push_back(QString::fromStdString(odd));
            Action("LoadIniMenu")->trigger();
        }
        QStringList texts;
        for (const auto& message : Desktop().Messages) {
            texts << message.Text;
        }
        for (const auto& error : Desktop().Errors) {
            texts << error.Text;
        }
        QCOMPARE(texts, QStringList{told.arg(QString::fromStdString(odd))});
        Desktop().Errors.clear();
        // The window went on, its pattern as it was.
        QCOMPARE(Combo()->currentText(), Q("http://kept/"));
        if (where == "registry") {
            // Nor can the close save to it; it is told, and nothing waits.
            env_->CloseWindow();
            Desktop().Errors.clear();
        }
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::OddFilesWindowTest)
#include "OddFilesWindowTest.moc"
