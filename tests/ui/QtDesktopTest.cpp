#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <new>

#include "ui/ErrorGuard.h"
#include "ui/FakeDesktop.h"
#include "ui/QtDesktop.h"

namespace zarnet::testing {

namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Runs `check` on the message box once it is up, then presses `key` on it.
void WhenBoxShows(QObject* context, const std::function<void(QMessageBox&)>& check, int key) {
    QTimer::singleShot(0, context, [check, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            qFatal("no message box");
        }
        check(*box);
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    });
}

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (const QAbstractButton* button : box.buttons()) {
        texts << button->text();
    }
    texts.sort();
    return texts;
}

}  // namespace

class QtDesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void filters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("ini") << "Iniﾌｧｲﾙ|*.ini|全てのﾌｧｲﾙ|*.*"
                             << "Iniﾌｧｲﾙ (*.ini);;全てのﾌｧｲﾙ (*)";
        QTest::newRow("two patterns") << "HTMLファイル|*.htm;*.html"
                                      << "HTMLファイル (*.htm *.html)";
        QTest::newRow("one") << "テキストファイル|*.txt"
                             << "テキストファイル (*.txt)";
    }

    void filters() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtFileFilter(filter), qt);
    }

    void dialogStartFolder_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::newRow("the file's folder") << "/x.html"
                                           << "/";
        QTest::newRow("bare name") << "Download.html"
                                   << "/start/";
        QTest::newRow("missing folder") << "/no/such/folder/x.txt"
                                        << "/start/";
        QTest::newRow("no name") << ""
                                 << "/start/";
    }

    void dialogStartFolder() {
        QFETCH(QString, fileName);
        QFETCH(QString, folder);
        FileDialog dialog;
        dialog.FileName = fileName;
        dialog.InitialDir = Q("/start/");
        QCOMPARE(DialogStartFolder(dialog), folder);
    }

    void errorTextEndsInADot_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no dot") << "ストリームへの書き込みエラー"
                                << "ストリームへの書き込みエラー.";
        QTest::newRow("dot") << "done."
                             << "done.";
        QTest::newRow("ideographic full stop") << "終了。"
                                               << "終了。.";
    }

    void errorTextEndsInADot() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message.toStdString()), shown);
    }

    void questions_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("texts");
        const QStringList yesNo = {Q("いいえ(&N)"), Q("はい(&Y)")};
        const QStringList yesCancel = {Q("キャンセル"), Q("はい(&Y)")};
        QTest::newRow("enter is yes") << int(MessageButtons::YesNo) << int(Qt::Key_Return)
                                      << int(MessageAnswer::Yes) << yesNo;
        QTest::newRow("escape is no")
            << int(MessageButtons::YesNo) << int(Qt::Key_Escape) << int(MessageAnswer::No) << yesNo;
        QTest::newRow("enter is no where no is the default")
            << int(MessageButtons::YesNoDefaultNo) << int(Qt::Key_Return) << int(MessageAnswer::No)
            << yesNo;
        QTest::newRow("escape is cancel") << int(MessageButtons::YesCancel) << int(Qt::Key_Escape)
                                          << int(MessageAnswer::Cancel) << yesCancel;
        QTest::newRow("ok") << int(MessageButtons::Ok) << int(Qt::Key_Escape)
                            << int(MessageAnswer::Ok) << QStringList{Q("OK")};
    }

    void questions() {
        QFETCH(int, buttons);
        QFETCH(int, key);
        QFETCH(int, answer);
        QFETCH(QStringList, texts);
        texts.sort();
        QtDesktop desktop;
        WhenBoxShows(
            this,
            [&texts](QMessageBox& box) {
                QCOMPARE(box.windowTitle(), Q("警告"));
                QCOMPARE(ButtonTexts(box), texts);
                QCOMPARE(box.textFormat(), Qt::PlainText);
            },
            key);
        const MessageAnswer given = desktop.ShowMessage(
            nullptr, MessageKind::Warning, Q("<b>x</b>"), static_cast<MessageButtons>(buttons));
        QCOMPARE(int(given), answer);
    }

    void errorBoxHasOneOkAndTheTitle() {
        QtDesktop desktop;
        WhenBoxShows(
            this,
            [](QMessageBox& box) {
                QCOMPARE(box.windowTitle(), Q("Zarnet"));
                QCOMPARE(box.icon(), QMessageBox::Critical);
                QCOMPARE(ButtonTexts(box), QStringList{Q("OK")});
                QCOMPARE(box.text(), Q("failed."));
            },
            Qt::Key_Return);
        ErrorGuard guard(desktop, nullptr);
        QVERIFY(!guard.Run([] { throw std::runtime_error("failed"); }));
    }

    // Memory that ran out abandons the command alone, and says so in words.
    void outOfMemoryIsToldInTheErrorBox() {
        FakeDesktop desktop;
        ErrorGuard guard(desktop, nullptr);
        QVERIFY(!guard.Run([] { throw std::bad_alloc(); }));
        QCOMPARE(desktop.Errors.size(), size_t{1});
        QCOMPARE(desktop.Errors[0].Text, Q("メモリが足りません."));
        QVERIFY(guard.Run([] {}));
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::QtDesktopTest)
#include "QtDesktopTest.moc"
