#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

namespace {

struct MenuItem {
    const char* Name;
    const char* Caption;  // none for a separator
    const char* Twin;     // the pop-up twin of a separator
};

struct SubMenu {
    const char* Name;
    const char* Twin;
    const char* Caption;
    std::vector<MenuItem> Items;
};

const std::vector<SubMenu>& Menus() {
    static const std::vector<SubMenu> menus = {
        {"File2",
         "File3",
         "ファイル(&F)",
         {{"SaveToMenu", "保存(&S)", nullptr},
          {"SaveAsMenu", "新規保存(&N)", nullptr},
          {"ClipBordMenu", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)", nullptr},
          {"V1", "変換確認(&V)", nullptr},
          {"N5", nullptr, "N6"},
          {"Exit1", "終了(&X)", nullptr}}},
        {"P2",
         "P3",
         "設定(&P)",
         {{"PropertyMenu", "動作設定(&P)", nullptr},
          {"SetHTMLMenu", "HTML編集(&H)", nullptr},
          {"N1", nullptr, "N8"},
          {"OverWriteMenu", "上書き確認なし(&O)", nullptr},
          {"AutoSaveList", "自動登録禁止(&S)", nullptr}}},
        {"Show1",
         "Show2",
         "表示(&V)",
         {{"ViewDefaultMenu", "標準(&D)", nullptr}, {"ViewCompactMenu", "ｺﾝﾊﾟｸﾄ(&C)", nullptr}}},
        {"N3",
         "M1",
         "作成種別(&M)",
         {{"ListText", "List(Text)", nullptr},
          {"HTML", "HTML", nullptr},
          {"ImageSrc", "ImageSrc", nullptr}}},
        {"File1",
         "L1",
         "リスト(&L)",
         {{"LoadIniMenu", "ファイルから読込み(&L)", nullptr},
          {"SaveIniMenu", "ファイルに保存(&S)", nullptr},
          {"N2", nullptr, "N10"},
          {"LoadRegMenu", "ﾚｼﾞｽﾄﾘから読込み(&R)", nullptr},
          {"SaveRegMenu", "ﾚｼﾞｽﾄﾘに保存(&W)", nullptr},
          {"N4", nullptr, "N9"},
          {"RegDefaultMenu", "ﾚｼﾞｽﾄﾘが標準(&D)", nullptr}}},
    };
    return menus;
}

}  // namespace

class ZarnetMainTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<WindowFixture> env_;

    TZarnetform& Window() { return *env_->Window; }
    QAction* Action(const char* name) { return Child<QAction>(Window(), name); }
    QLineEdit* Edit(const char* name) { return Child<QLineEdit>(Window(), name); }
    QComboBox* Combo() { return Child<QComboBox>(Window(), "UrlCombo"); }
    QLabel* Label(const char* name) { return Child<QLabel>(Window(), name); }
    QMenuBar* MainMenu() { return Child<QMenuBar>(Window(), "MainMenu1"); }

    void SetBoxHeights(int height) {
        for (const char* name : {"CSVListEdit", "FileNameFront", "PMEDit", "StCount", "EdCount",
                                 "FileNameRear", "FileNameExt", "SaveFileNameEdit"}) {
            Edit(name)->resize(Edit(name)->width(), height);
        }
        Combo()->resize(Combo()->width(), height);
        Window().FitStrips();
    }

  private slots:
    void init() {
        env_ = std::make_unique<WindowFixture>();
        env_->OpenWindow();
    }

    void cleanup() {
        env_->CloseWindow();
        QCOMPARE(env_->Desktop.Unscripted, 0);
        QVERIFY(env_->Desktop.Errors.empty());
        env_.reset();
    }

    void captionsFitTheirControls() {
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        for (QLabel* label : Window().findChildren<QLabel*>()) {
            const QRect inWindow(label->mapTo(&Window(), QPoint(0, 0)), label->size());
            QVERIFY2(Window().rect().contains(inWindow), qPrintable(label->objectName()));
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
    }

    void menusHoldEveryItemOnceInBoth() {
        const QList<QAction*> barMenus = MainMenu()->actions();
        const QList<QAction*> popupMenus = Child<QMenu>(Window(), "PopupMenu1")->actions();
        QCOMPARE(barMenus.size(), qsizetype(Menus().size()));
        QCOMPARE(popupMenus.size(), qsizetype(Menus().size()));
        for (std::size_t m = 0; m < Menus().size(); ++m) {
            const SubMenu& expected = Menus()[m];
            const auto index = static_cast<qsizetype>(m);
            QMenu* bar = barMenus[index]->menu();
            QMenu* popup = popupMenus[index]->menu();
            QCOMPARE(bar->objectName(), Q(expected.Name));
            QCOMPARE(popup->objectName(), Q(expected.Twin));
            QCOMPARE(bar->title(), Q(expected.Caption));
            QCOMPARE(popup->title(), Q(expected.Caption));
            QCOMPARE(bar->actions().size(), qsizetype(expected.Items.size()));
            QCOMPARE(popup->actions().size(), qsizetype(expected.Items.size()));
            for (std::size_t i = 0; i < expected.Items.size(); ++i) {
                const MenuItem& item = expected.Items[i];
                QAction* inBar = bar->actions()[static_cast<qsizetype>(i)];
                QAction* inPopup = popup->actions()[static_cast<qsizetype>(i)];
                QCOMPARE(inBar->objectName(), Q(item.Name));
                if (item.Caption == nullptr) {
                    QVERIFY(inBar->isSeparator() && inPopup->isSeparator());
                    QCOMPARE(inPopup->objectName(), Q(item.Twin));
                } else {
                    // One action: the twin cannot disagree.
                    QCOMPARE(inPopup, inBar);
                    QCOMPARE(inBar->text(), Q(item.Caption));
                }
            }
        }
        QCOMPARE(Action("AutoSaveList")->toolTip(), Q("記録に残さない場合にチェックします"));
        QCOMPARE(Action("AutoSaveList")->statusTip(), Q("記録に残さない場合にチェックします"));
    }

    void makeType_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<int>("read");
        QTest::newRow("list") << 0 << "ListText" << 0;
        QTest::newRow("html") << 1 << "HTML" << 1;
        QTest::newRow("image") << 2 << "ImageSrc" << 2;
        QTest::newRow("beyond") << 3 << "ImageSrc" << 2;
        QTest::newRow("negative") << -1 << "ImageSrc" << 2;
    }

    void makeType() {
        QFETCH(int, kind);
        QFETCH(QString, ticked);
        QFETCH(int, read);
        Window().SetMakeType(kind);
        for (const char* name : {"ListText", "HTML", "ImageSrc"}) {
            QCOMPARE(Action(name)->isChecked(), ticked == Q(name));
        }
        QCOMPARE(Window().GetMakeType(), read);
    }

    void kindItemsSetTheKindByTag() {
        const struct {
            const char* name;
            int kind;
        } items[] = {{"HTML", 1}, {"ListText", 0}, {"ImageSrc", 2}, {"ImageSrc", 2}};
        for (const auto& item : items) {
            Action(item.name)->trigger();
            QCOMPARE(Window().GetMakeType(), item.kind);
        }
    }

    void getMakeTypeTicksImageSrcWhenNothingIs() {
        for (const char* name : {"ListText", "HTML", "ImageSrc"}) {
            Action(name)->actionGroup()->setExclusive(false);
            Action(name)->setChecked(false);
        }
        QCOMPARE(Window().GetMakeType(), 2);
        QVERIFY(Action("ImageSrc")->isChecked());
    }

    void viewsSizeTheClientFromTheStrips() {
        SetBoxHeights(20);
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        Window().SetCompactView(false);
        QCOMPARE(Window().ClientHeight(), 239);
        QCOMPARE(Window().centralWidget()->width(), 432);
        Window().SetCompactView(true);
        QCOMPARE(Window().ClientHeight(), 122);
        for (const char* strip : {"SampleBox", "TitlePanel1", "TitlePanel2", "ButtonPanel"}) {
            QVERIFY(!Child<QWidget>(Window(), strip)->isVisible());
        }
        QVERIFY(Action("ViewCompactMenu")->isChecked());
        QVERIFY(!Action("ViewDefaultMenu")->isChecked());
        // The menu bar stays unless HideMenu is set.
        QVERIFY(MainMenu()->isVisible());
        QTRY_COMPARE(Window().height(), MainMenu()->height() + 122);

        Window().RegData().HideMenu = true;
        Action("ViewCompactMenu")->trigger();
        QVERIFY(!MainMenu()->isVisible());
        QTRY_COMPARE(Window().height(), 122);
        QCOMPARE(Window().minimumSize(), Window().maximumSize());

        Action("ViewDefaultMenu")->trigger();
        QVERIFY(MainMenu()->isVisible());
        QCOMPARE(Window().ClientHeight(), 239);
        QTRY_COMPARE(Window().height(), MainMenu()->height() + 239);
        for (const char* strip : {"SampleBox", "TitlePanel1", "TitlePanel2", "ButtonPanel"}) {
            QVERIFY(Child<QWidget>(Window(), strip)->isVisible());
        }
    }

    void stripsFitTheRealBoxHeights() {
        SetBoxHeights(20);
        QCOMPARE(Child<QWidget>(Window(), "AdrsPanel")->height(), 46);
        QCOMPARE(Child<QWidget>(Window(), "FNamePanel")->height(), 46);
        QCOMPARE(Child<QWidget>(Window(), "FileSavePanel")->height(), 30);
        QCOMPARE(Edit("CSVListEdit")->y(), 24);
        QCOMPARE(Label("Label7")->y(), 26);
        for (const char* name : {"PlusButton", "MinusButton"}) {
            const QWidget* stepper = Child<QWidget>(Window(), name);
            QCOMPARE(stepper->y(), 24);
            QCOMPARE(stepper->height(), 20);
        }
        QCOMPARE(Edit("PMEDit")->y(), 24);

        SetBoxHeights(25);
        QCOMPARE(Child<QWidget>(Window(), "AdrsPanel")->height(), 56);
        QCOMPARE(Edit("PMEDit")->y(), 29);
        Window().SetCompactView(false);
        QCOMPARE(Window().ClientHeight(), 259);
    }

    void settingsRoundTrip() {
        TRegData stored = env_->SampleRecord();
        stored.LastItem.Dir = " http://last.example/%%/ ";  // blanks stay
        Window().RegData() = stored;
        Window().ApplySettings();
        QCOMPARE(Combo()->currentText(), Q(" http://last.example/%%/ "));
        QCOMPARE(Combo()->count(), 3);
        QCOMPARE(Combo()->itemText(0), Q("http://example.com/0/%%/"));
        QCOMPARE(Edit("SaveFileNameEdit")->text(), QString::fromStdString(stored.LastSaveFname));
        QVERIFY(Action("HTML")->isChecked());
        QVERIFY(Action("OverWriteMenu")->isChecked());
        QCOMPARE(Window().ImageWidth, 120);
        QCOMPARE(Window().ImageHeight, 90);
        QCOMPARE(Window().ListView().ListVIewMemo()->font().pixelSize(), 16);

        // The record is rebuilt from the window alone.
        TRegData collected = env_->NewRecord();
        collected.Items = stored.Items;
        collected.AutoSave = stored.AutoSave;
        collected.HideMenu = stored.HideMenu;
        collected.Header = stored.Header;
        collected.Footer = stored.Footer;
        collected.ViewFont.SetName("other");
        Window().RegData() = collected;
        Window().CollectSettings();
        QVERIFY(Window().RegData() == stored);
    }

    void vanishedSaveFolderShowsTheDefaultName() {
        const std::string defaultName = env_->ProgramFolder.File("Download.html");
        for (const std::string& last :
             {std::string(), std::string("bare.html"), env_->ProgramFolder.File("gone/x.html")}) {
            Window().RegData().LastSaveFname = last;
            Window().ApplySettings();
            QCOMPARE(Edit("SaveFileNameEdit")->text(), QString::fromStdString(defaultName));
        }
    }

    void changeHandlingRunsOnlyOnRealChanges() {
        Window().ApplySettings();
        QLabel* status = Label("EditingLavel");
        status->setText(Q("登録済"));
        Window().ApplySettings();
        QCOMPARE(status->text(), Q("登録済"));

        Window().RegData().LastItem.Dir = "http://other/";
        Window().ApplySettings();
        QCOMPARE(status->text(), Q("登録済"));  // the combo runs no handler

        Window().RegData().LastItem.FrontStr = "new";
        Window().ApplySettings();
        QCOMPARE(status->text(), Q("編集中"));

        status->setText(Q("登録済"));
        QTest::keyClicks(Edit("FileNameRear"), Q("z"));
        QCOMPARE(status->text(), Q("編集中"));
    }

    void focusStartsAtTheSaveButtonAndFollowsTheOrder() {
        Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        QTRY_COMPARE(QApplication::focusWidget(),
                     static_cast<QWidget*>(Child<QPushButton>(Window(), "OverwriteButton")));
        const char* order[] = {"SaveFileNameEdit", "UrlCombo", "CSVListEdit",  "FileNameFront",
                               "StCount",          "EdCount",  "FileNameRear", "FileNameExt",
                               "PlusButton",       "PMEDit",   "MinusButton",  "SaveBtn",
                               "ClipBord",         "ViewBtn",  "QuitBtn",      "OverwriteButton"};
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            // The combo's line edit has the focus for the combo.
            if (focused != nullptr && focused->parentWidget() == Combo()) {
                focused = Combo();
            }
            QCOMPARE(focused, Child<QWidget>(Window(), name));
        }
    }
};

}  // namespace zarnet::testing

QTEST_MAIN(zarnet::testing::ZarnetMainTest)
#include "ZarnetMainTest.moc"
