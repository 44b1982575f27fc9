#include <QDir>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "platform/Cp932.h"
#include "support/SystemReasons.h"
#include "support/TempDir.h"
#include "ui/FakeDesktop.h"
#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

class ZarnetViewTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeDesktop> desktop_;
    std::unique_ptr<TListView> view_;
    std::unique_ptr<TempDir> folder_;

    QToolButton* Button(const char* name) { return Child<QToolButton>(*view_, name); }
    QPlainTextEdit* Memo() { return view_->ListVIewMemo(); }

  private slots:
    void init() {
        desktop_ = std::make_unique<FakeDesktop>();
        view_ = std::make_unique<TListView>(*desktop_);
        folder_ = std::make_unique<TempDir>();
    }

    void cleanup() {
        view_.reset();
        QCOMPARE(desktop_->Unscripted, 0);
    }

    void saveWritesCodePage932WithCrLf() {
        view_->ShowDocument(MakeType::Html, Q("<A HREF=\"a\">表ソ</A>\n\nlast"));
        const QString target = QString::fromStdString(folder_->File("out.html"));
        desktop_->Files.push_back(target);
        Button("SaveToFileButton")->click();

        QCOMPARE(desktop_->Dialogs.size(), size_t{1});
        const FileDialog& asked = desktop_->Dialogs[0];
        QCOMPARE(asked.FileName, Q("Download.html"));
        QCOMPARE(asked.Filter, Q("HTMLファイル|*.htm;*.html"));
        QVERIFY(asked.DialogMode == FileDialog::Mode::Save);
        QVERIFY(asked.ConfirmOverwrite);
        QCOMPARE(folder_->Read("out.html"),
                 "<A HREF=\"a\">" + cp932::Encode("表ソ") + "</A>\r\n\r\nlast\r\n");
        QCOMPARE(view_->SaveDialog1.FileName, target);
        QVERIFY(desktop_->Errors.empty());
    }

    void nextSaveStartsFromTheLastFile() {
        const QString first = QString::fromStdString(folder_->File("first.txt"));
        desktop_->Files = {first, std::nullopt};
        Button("SaveToFileButton")->click();
        view_->ShowDocument(MakeType::ImageSrc, QString());
        Button("SaveToFileButton")->click();
        QCOMPARE(desktop_->Dialogs[1].FileName,
                 QString::fromStdString(folder_->File("first.html")));
        QCOMPARE(desktop_->Dialogs[1].Filter, Q("HTMLファイル|*.htm;*.html"));
    }

    void cancelWritesNothingAndKeepsTheProposal() {
        view_->SaveDialog1.FileName = QString::fromStdString(folder_->File("x.html"));
        desktop_->Files.push_back(std::nullopt);
        Button("SaveToFileButton")->click();
        QCOMPARE(desktop_->Dialogs[0].Filter, Q("テキストファイル|*.txt"));
        QCOMPARE(view_->SaveDialog1.FileName, QString::fromStdString(folder_->File("x.txt")));
        QVERIFY(!FileExists(folder_->File("x.txt")));
    }

    void unwritableFileShowsTheErrorBox() {
        // A folder where the file should go fails for root too.
        const QString target = QString::fromStdString(folder_->Path() + "sub");
        QVERIFY(QDir().mkpath(target));
        desktop_->Files.push_back(target);
        Memo()->setPlainText(Q("text"));
        Button("SaveToFileButton")->click();
        QCOMPARE(desktop_->Errors.size(), size_t{1});
        QCOMPARE(desktop_->Errors[0].Title, Q("Zarnet"));
        QCOMPARE(desktop_->Errors[0].Text, Q("ファイル ") + target + Q(" を作成できません") +
                                               Reason(FolderInTheWayReason()) + Q("."));
        QCOMPARE(Memo()->toPlainText(), Q("text"));
        QCOMPARE(view_->SaveDialog1.FileName, target);
    }

    void copyTakesTheEditedTextAndPutsTheCaretBack() {
        Memo()->setPlainText(Q("line one\nline two"));
        QTextCursor cursor = Memo()->textCursor();
        cursor.setPosition(5);
        cursor.setPosition(8, QTextCursor::KeepAnchor);
        Memo()->setTextCursor(cursor);
        Memo()->insertPlainText(Q("ONE"));  // the user's edit
        cursor.setPosition(2);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        Memo()->setTextCursor(cursor);

        Button("ClipBordButton")->click();
        QCOMPARE(desktop_->Clipboard, Q("line ONE\nline two"));
        QCOMPARE(Memo()->textCursor().position(), 2);
        QVERIFY(!Memo()->textCursor().hasSelection());
    }

    void fontDialogChangesOnlyOnOk() {
        const QFont before = Memo()->font();
        desktop_->Fonts.push_back(std::nullopt);
        Button("SpeedButton3")->click();
        QCOMPARE(Memo()->font(), before);
        QCOMPARE(desktop_->FontRequests[0].family(), QFontInfo(before).family());
        QCOMPARE(desktop_->FontRequests[0].pixelSize(), before.pixelSize());

        QFont chosen(Q("Noto Sans Mono CJK JP"));
        chosen.setPointSize(14);
        chosen.setBold(true);
        desktop_->Fonts.push_back(chosen);
        Button("SpeedButton3")->click();
        QCOMPARE(Memo()->font(), chosen);
    }

    // The stored face may be drawn by another; the dialog shows that one, and
    // OK on it keeps the stored name.
    void okOnTheFaceInUseKeepsTheStoredName() {
        TViewFont stored;
        stored.SetName("ＭＳ Ｐゴシック");
        stored.Height = -12;
        view_->ApplyViewFont(stored);
        const QString drawn = QFontInfo(Memo()->font()).family();
        QFont same(drawn);
        same.setPixelSize(12);
        desktop_->Fonts.push_back(same);
        Button("SpeedButton3")->click();
        QCOMPARE(desktop_->FontRequests.at(0).family(), drawn);
        TViewFont back;
        view_->CollectViewFont(back);
        QCOMPARE(QString::fromStdString(back.Name()), Q("ＭＳ Ｐゴシック"));
        QCOMPARE(back.Height, -12);
    }

    void viewFontRoundTrip_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("charSet");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("defaults") << 9 << 128 << static_cast<int>(0x80000008u) << "ＭＳ Ｐゴシック";
        QTest::newRow("12 points, own colour") << 12 << 0 << 0x00FF0000 << "Noto Sans CJK JP";
        QTest::newRow("large") << 36 << 1 << 0x000000FF << "Unknown Face";
    }

    void viewFontRoundTrip() {
        QFETCH(int, size);
        QFETCH(int, charSet);
        QFETCH(int, color);
        QFETCH(QString, name);
        TViewFont font;
        font.CharSet = static_cast<std::uint8_t>(charSet);
        font.Color = color;
        font.SetName(name.toStdString());
        font.SetSize(size);
        view_->ApplyViewFont(font);
        QCOMPARE(Memo()->font().pixelSize(), -font.Height);

        TViewFont back;
        back.SetName("something else");
        view_->CollectViewFont(back);
        QVERIFY(back == font);
    }

    void ownColourShowsOnTheText() {
        TViewFont font;
        font.Color = 0x00336699;  // blue 0x33, green 0x66, red 0x99
        view_->ApplyViewFont(font);
        QCOMPARE(Memo()->palette().color(QPalette::Text), QColor(0x99, 0x66, 0x33));
    }

    void fontChosenInPointsGoesBackAsHeight() {
        QFont chosen(Q("Noto Sans Mono CJK JP"));
        chosen.setPointSize(12);
        desktop_->Fonts.push_back(chosen);
        Button("SpeedButton3")->click();
        TViewFont back;
        view_->CollectViewFont(back);
        QCOMPARE(back.Height, -16);
        QCOMPARE(back.Size(), 12);
        QCOMPARE(QString::fromStdString(back.Name()), Q("Noto Sans Mono CJK JP"));
    }

    void showingPutsTheCaretAtTheStartAndCloseEndsIt() {
        Memo()->setPlainText(Q("a\nb\nc"));
        Memo()->moveCursor(QTextCursor::End);
        int caretWhenShown = -1;
        QTimer::singleShot(0, this, [&] {
            caretWhenShown = Memo()->textCursor().position();
            Button("SpeedButton2")->click();
        });
        view_->exec();
        QCOMPARE(caretWhenShown, 0);
        QVERIFY(!view_->isVisible());
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::ZarnetViewTest)
#include "ZarnetViewTest.moc"
