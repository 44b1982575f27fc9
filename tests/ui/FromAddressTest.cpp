#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QUrl>

#include "ui/FromAddressDlgUnit.h"
#include "ui/WindowFixture.h"

namespace zarnet::testing {

// ｱﾄﾞﾚｽから設定 fills the boxes from one address as typing would, and only
// when the user confirms an address that gives a pattern.
class FromAddressTest : public WindowTest {
    Q_OBJECT

  private:
    const PatternTexts kShown{"http://before/%%/", "x,y", "f", "r", "1", "9", ".gif"};

    TFromAddressForm& Dialog() { return *Child<TFromAddressForm>(Window(), "FromAddressForm"); }
    QLineEdit* AddressBox() { return Child<QLineEdit>(Dialog(), "AddressEdit"); }
    QLabel* Status() { return Child<QLabel>(Window(), "EditingLavel"); }
    QString Sample() { return Child<QLabel>(Window(), "SampleUrl")->text(); }
    QStringList Boxes() {
        const PatternTexts p = Window().Form().Pattern();
        QStringList boxes;
        for (const std::string* text :
             {&p.Dir, &p.ContStr, &p.FrontStr, &p.RearStr, &p.StCount, &p.EdCount, &p.ExtStr}) {
            boxes << QString::fromStdString(*text);
        }
        return boxes;
    }

    // Runs `act` in the dialog once it shows; a check failing there leaves
    // the dialog to be cancelled rather than wait for ever.
    void InDialog(const std::function<void()>& act) {
        WhenShown(this, [this, act] {
            act();
            if (Dialog().isVisible()) {
                Dialog().reject();
            }
        });
    }

    // What the dialog showed when `act` began; `act` closes it.
    QString RunDialog(const char* item, const std::function<void()>& act) {
        QString opened;
        InDialog([&] {
            opened = AddressBox()->text();
            act();
        });
        Action(item)->trigger();
        return opened;
    }

  private slots:
    void init() {
        StartFixture(true);
        Window().RegData().Items[0] = {"http://listed/", "", "a", "", "1", "2", ".jpg"};
        Window().ApplySettings();
        Window().Form().ShowPattern(kShown);
        Status()->setText(Q("登録済"));
    }

    void cleanup() {
        // The history is as it was, whatever the dialog did.
        QCOMPARE(Combo()->count(), 1);
        QCOMPARE(Window().RegData().Items[0].Dir, std::string("http://listed/"));
        QVERIFY(Window().RegData().Items[1].Dir.empty());
        EndFixture(true);
    }

    void confirmedAddressFillsTheBoxes_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("typed");  // replaces what the box opened with
        QTest::addColumn<int>("row");        // the number chosen; -1 the default
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("sample");
        QTest::newRow("clipboard line, Enter")
            << "FromAddressMenu" << Q("http://h/pics/img017_s.jpg\r\n") << QString() << -1
            << QStringList{"http://h/pics/", "x,y", "img", "_s", "017", "017", ".jpg"}
            << Q("http://h/pics/img017_s.jpg");
        QTest::newRow("another number, from the pop-up menu")
            << "FromAddressSubMenu" << Q("http://h/file-001-of-100.jpg") << QString() << 0
            << QStringList{"http://h/", "x,y", "file-", "-of-100", "001", "001", ".jpg"}
            << Q("http://h/file-001-of-100.jpg");
        QTest::newRow("number of the folder")
            << "FromAddressMenu" << Q("http://h/vol12/cover.jpg") << QString() << -1
            << QStringList{"http://h/vol%%/", "12", "cover", "", "", "", ".jpg"}
            << Q("http://h/vol##/cover.jpg");
        QTest::newRow("two lines are no address: typed")
            << "FromAddressMenu" << Q("http://h/a1.jpg\nhttp://h/a2.jpg")
            << Q("C:\\pics\\写真5.png") << -1
            << QStringList{"C:\\pics", "x,y", "写真", "", "5", "5", ".png"}
            << Q("C:\\pics/写真5.png");
    }

    void confirmedAddressFillsTheBoxes() {
        QFETCH(QString, item);
        QFETCH(QString, clipboard);
        QFETCH(QString, typed);
        QFETCH(int, row);
        QFETCH(QStringList, boxes);
        QFETCH(QString, sample);
        Desktop().Clipboard = clipboard;
        const QString opened = RunDialog(item.toLatin1().constData(), [&] {
            for (const QChar ch : typed) {
                QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(AddressBox(), &key);
            }
            if (row >= 0) {
                Child<QListWidget>(Dialog(), "NumberList")->setCurrentRow(row);
            }
            QCOMPARE(Child<QLabel>(Dialog(), "SampleUrl")->text(), sample);
            QTest::keyClick(AddressBox(), Qt::Key_Return);
        });
        QCOMPARE(opened, typed.isEmpty() ? clipboard.trimmed() : QString());
        QCOMPARE(Boxes(), boxes);
        QCOMPARE(Sample(), sample);
        QCOMPARE(Status()->text(), Q("編集中"));
        // The list box is open for values just when the base has the marker.
        QCOMPARE(Edit("CSVListEdit")->isEnabled(), boxes[0].contains(Q("%%")));
    }

    void unconfirmedOrRefusedAddressChangesNothing_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("key");  // 0: the cancel button
        QTest::addColumn<QString>("refusal");
        QTest::newRow("cancelled") << Q("http://h/a1.jpg") << 0 << QString();
        QTest::newRow("Esc") << Q("http://h/a1.jpg") << int(Qt::Key_Escape) << QString();
        QTest::newRow("no number")
            << Q("http://h/index.html") << int(Qt::Key_Escape)
            << Q("アドレス http://h/index.html には連番にできる数字がありません");
        QTest::newRow("beyond the code page")
            << Q("http://h/café1.jpg") << 0
            << Q("コードページ932にない文字「é」U+00E9 は使えません");
    }

    void unconfirmedOrRefusedAddressChangesNothing() {
        QFETCH(QString, clipboard);
        QFETCH(int, key);
        QFETCH(QString, refusal);
        QToolTip::hideText();
        Desktop().Clipboard = clipboard;
        const QString opened = RunDialog("FromAddressMenu", [&] {
            auto* ok = Child<QPushButton>(Dialog(), "OKButton");
            QCOMPARE(ok->isEnabled(), refusal.isEmpty());
            if (!refusal.isEmpty()) {
                QCOMPARE(Child<QLabel>(Dialog(), "SampleUrl")->text(), refusal);
                // Enter goes to no button.
                QTest::keyClick(AddressBox(), Qt::Key_Return);
                QVERIFY(Dialog().isVisible());
            }
            if (refusal.startsWith(Q("コードページ"))) {
                QTRY_VERIFY(QToolTip::isVisible());
                QCOMPARE(QToolTip::text(), refusal);
            }
            if (key == 0) {
                Child<QPushButton>(Dialog(), "CancelButton")->click();
            } else {
                QTest::keyClick(AddressBox(), static_cast<Qt::Key>(key));
            }
        });
        // Refused whole, not cut.
        QCOMPARE(opened, clipboard);
        QCOMPARE(Window().Form().Pattern(), kShown);
        QCOMPARE(Status()->text(), Q("登録済"));
    }

    void dropAnywhereOpensTheDialogOnIt_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("actions");      // what the source allows
        QTest::addColumn<QString>("address");  // none: the drop is refused
        QTest::addColumn<QString>("front");
        const int copyOrMove = Qt::CopyAction | Qt::MoveAction;
        const QString file = QDir::toNativeSeparators(Q("/srv/写真/img017.jpg"));
        QTest::newRow("link on a box")
            << "FileNameFront" << QStringList{"http://h/a/b01.jpg"} << Q("http://h/a/b01.jpg")
            << copyOrMove << Q("http://h/a/b01.jpg") << Q("b");
        QTest::newRow("text of two lines on the sample")
            << "SampleUrl" << QStringList{} << Q(" http://h/x/a5.png\nhttp://h/x/a6.png")
            << copyOrMove << Q("http://h/x/a5.png") << Q("a");
        QTest::newRow("file on a label")
            << "Label3" << QStringList{QUrl::fromLocalFile(Q("/srv/写真/img017.jpg")).toString()}
            << QString() << int(Qt::CopyAction) << file << Q("img");
        QTest::newRow("address alone on the base box")
            << "UrlCombo" << QStringList{"http://h/%E5%86%99/p9.jpg"} << QString() << copyOrMove
            << Q("http://h/%E5%86%99/p9.jpg") << Q("p");
        QTest::newRow("picture") << "SampleUrl" << QStringList{} << QString() << copyOrMove
                                 << QString() << Q("f");
        QTest::newRow("only to be moved") << "SampleUrl" << QStringList{} << Q("http://h/a1.jpg")
                                          << int(Qt::MoveAction) << QString() << Q("f");
    }

    void dropAnywhereOpensTheDialogOnIt() {
        QFETCH(QString, target);
        QFETCH(QStringList, urls);
        QFETCH(QString, text);
        QFETCH(int, actions);
        QFETCH(QString, address);
        QFETCH(QString, front);
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        QMimeData data;
        data.setData(Q("image/png"), QByteArray("\x89PNG"));
        QList<QUrl> links;
        for (const QString& url : urls) {
            links << QUrl(url);
        }
        if (!links.isEmpty()) {
            data.setUrls(links);
        }
        if (!text.isEmpty()) {
            data.setText(text);
        }
        const QWidget* over = Child<QWidget>(Window(), target.toLatin1().constData());
        const QPoint at = over->mapTo(&Window(), over->rect().center());
        QWindow* window = Window().windowHandle();
        const auto allowed = static_cast<Qt::DropActions>(actions);
        // Shift asks for a move.
        QDragEnterEvent enter(at, allowed, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(window, &enter);
        QCOMPARE(enter.isAccepted(), !address.isEmpty());
        if (address.isEmpty()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(window, &leave);
            return;
        }
        QDropEvent drop(at, allowed, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(window, &drop);
        QVERIFY(drop.isAccepted());
        // A move would have the source delete what it gave.
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        // The dialog opens once the drop is over.
        QString opened;
        InDialog([&] {
            opened = AddressBox()->text();
            Child<QPushButton>(Dialog(), "OKButton")->click();
        });
        QTRY_COMPARE(Edit("FileNameFront")->text(), front);
        QCOMPARE(opened, address);
    }

    // The key works in the compact view without a menu bar too; the dialog's
    // focus goes from the address to the list to the buttons.
    void keyOpensTheDialogAndItsFocusFollowsItsLayout() {
        Desktop().Clipboard = Q("http://h/a1.jpg");
        Window().RegData().HideMenu = true;
        Window().SetCompactView(true);
        Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        QStringList order;
        InDialog([&] {
            for (int step = 0; step < 4; ++step) {
                QWidget* focused = Dialog().focusWidget();
                order << focused->objectName();
                QTest::keyClick(focused, Qt::Key_Tab);
            }
            QTest::keyClick(Dialog().focusWidget(), Qt::Key_Escape);
        });
        QTest::keyClick(Edit("FileNameFront"), Qt::Key_L, Qt::ControlModifier);
        QTRY_COMPARE(order, (QStringList{"AddressEdit", "NumberList", "OKButton", "CancelButton"}));
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::FromAddressTest)
#include "FromAddressTest.moc"
