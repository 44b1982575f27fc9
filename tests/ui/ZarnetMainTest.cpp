#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>
#include <filesystem>

#include "ui/WindowFixture.h"
#include "ui/ZarnetView.h"

namespace zarnet::testing {

namespace {

// How an item shows its state: ' ' not at all, 'x' a check mark of its own,
// 'o' a radio mark shared with its sub-menu.
struct MenuItem {
    const char* Name;
    const char* Twin;
    const char* Caption;  // none for a separator
    char Mark;
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
         {{"FromAddressMenu", "FromAddressSubMenu", "ｱﾄﾞﾚｽから設定(&A)", ' '},
          {"N11", "N12", nullptr, ' '},
          {"SaveToMenu", "Save1", "保存(&S)", ' '},
          {"SaveAsMenu", "N7", "新規保存(&N)", ' '},
          {"ClipBordMenu", "C1", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)", ' '},
          {"V1", "V2", "変換確認(&V)", ' '},
          {"ProbeMenu", "ProbeSubMenu", "連番確認(&R)", ' '},
          {"N5", "N6", nullptr, ' '},
          {"Exit1", "Exit2", "終了(&X)", ' '}}},
        {"P2",
         "P3",
         "設定(&P)",
         {{"PropertyMenu", "P4", "動作設定(&P)", ' '},
          {"SetHTMLMenu", "HTMLH1", "HTML編集(&H)", ' '},
          {"N1", "N8", nullptr, ' '},
          {"OverWriteMenu", "OverWriteSubMenu", "上書き確認なし(&O)", 'x'},
          {"AutoSaveList", "AutosaveSubMenu", "自動登録禁止(&S)", 'x'}}},
        {"Show1",
         "Show2",
         "表示(&V)",
         {{"ViewDefaultMenu", "ViewDefaultSubMenu", "標準(&D)", 'o'},
          {"ViewCompactMenu", "ViewCompactSubMenu", "ｺﾝﾊﾟｸﾄ(&C)", 'o'}}},
        {"N3",
         "M1",
         "作成種別(&M)",
         {{"ListText", "ListTextSubMenu", "List(Text)", 'o'},
          {"HTML", "HTMLSubMenu", "HTML", 'o'},
          {"ImageSrc", "ImageSrcSubMenu", "ImageSrc", 'o'}}},
        {"File1",
         "L1",
         "リスト(&L)",
         {{"LoadIniMenu", "L2", "ファイルから読込み(&L)", ' '},
          {"SaveIniMenu", "S2", "ファイルに保存(&S)", ' '},
          {"N2", "N10", nullptr, ' '},
          {"LoadRegMenu", "R1", "ﾚｼﾞｽﾄﾘから読込み(&R)", ' '},
          {"SaveRegMenu", "W1", "ﾚｼﾞｽﾄﾘに保存(&W)", ' '},
          {"N4", "N9", nullptr, ' '},
          {"RegDefaultMenu", "RegDefaultSubMenu", "ﾚｼﾞｽﾄﾘが標準(&D)", 'x'}}},
    };
    return menus;
}

// A control as laid out: its strip, its place (-1 where the start-up fitting
// or its own size decides) and its texts.
struct Control {
    const char* Name;
    const char* Strip;
    int X, Y, Width, Height;
    const char* Caption;  // none where the control shows no fixed text
    const char* Hint;
};

const std::vector<Control>& Controls() {
    static const std::vector<Control> controls = {
        {"SampleUrl", "SampleBox", -1, -1, -1, -1, nullptr, "作成するアドレスのｻﾝﾌﾟﾙを表示します"},
        {"TitlePanel1", "MainPanel", -1, -1, -1, 24,
         "基本ｱﾄﾞﾚｽ共通部　([%%]を使うと連続生成が使用できます)", ""},
        {"UrlCombo", "AdrsPanel", 4, 2, 419, -1, nullptr,
         "アドレス共通部、%%を使うと代入する文字列を指定できます"},
        {"CSVListEdit", "AdrsPanel", 4, -1, 285, -1, nullptr,
         "共通部の%%に代入する文字列をカンマで区切って指定します。"},
        {"Label7", "AdrsPanel", 302, -1, -1, -1, "連続生成（%%代入文字）", ""},
        {"TitlePanel2", "MainPanel", -1, -1, -1, 24,
         "ファイル名生成部（前後の固定文字列にも%%を反映できます）", ""},
        {"Label2", "FNamePanel", 4, -1, -1, -1, "前", ""},
        {"FileNameFront", "FNamePanel", 24, 2, 69, -1, nullptr,
         "ファイル名の数字の前に入れる文字列"},
        {"Label4", "FNamePanel", 96, -1, -1, -1, "開始", ""},
        {"StCount", "FNamePanel", 128, 2, 37, -1, nullptr, "連続番号の開始（桁数も指定します）"},
        {"Label5", "FNamePanel", 168, -1, -1, -1, "終了", ""},
        {"EdCount", "FNamePanel", 200, 2, 36, -1, nullptr, "連続番号の終了（桁数は無視します）"},
        {"Label6", "FNamePanel", 240, -1, -1, -1, "後", ""},
        {"FileNameRear", "FNamePanel", 260, 2, 69, -1, nullptr,
         "ファイル名の数字の後に入れる文字列"},
        {"Label3", "FNamePanel", 332, -1, -1, -1, "拡張子", ""},
        {"FileNameExt", "FNamePanel", 380, 2, 45, -1, nullptr, "拡張子を指定します。"},
        {"MinusButton", "FNamePanel", 116, -1, 16, -1, "－", ""},
        {"PMEDit", "FNamePanel", 134, -1, 35, -1, "10", ""},
        {"PlusButton", "FNamePanel", 170, -1, 16, -1, "＋", ""},
        {"OverwriteButton", "FileSavePanel", 4, 2, 24, 25, "", "変換結果をファイルに出力します"},
        {"SaveFileNameEdit", "FileSavePanel", 32, 4, 325, -1, nullptr, ""},
        {"EditingLavel", "FileSavePanel", 364, 9, -1, -1, "編集中", ""},
        {"SpeedButton1", "FileSavePanel", 404, 4, 23, 22, "", "ブラウザを起動 (Ctrl+B)"},
        {"SaveBtn", "ButtonPanel", 12, 4, 110, 25, "ファイル出力",
         "変換結果をファイルに出力します"},
        {"ClipBord", "ButtonPanel", 128, 4, 110, 25, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ",
         "変換結果をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰします"},
        {"ViewBtn", "ButtonPanel", 244, 4, 110, 25, "変換確認", "変換結果を確認します"},
        {"QuitBtn", "ButtonPanel", 360, 4, 67, 25, "終了", "終了します"},
    };
    return controls;
}

}  // namespace

class ZarnetMainTest : public WindowTest {
    Q_OBJECT

  private:
    QLabel* Label(const char* name) { return Child<QLabel>(Window(), name); }
    QMenuBar* MainMenu() { return Child<QMenuBar>(Window(), "MainMenu1"); }

    void SetBoxHeights(int height) {
        for (const char* name : {"CSVListEdit", "FileNameFront", "PMEDit", "StCount", "EdCount",
                                 "FileNameRear", "FileNameExt", "SaveFileNameEdit"}) {
            Edit(name)->resize(Edit(name)->width(), height);
        }
        Combo()->resize(Combo()->width(), height);
        Window().Form().FitStrips();
    }

  private slots:
    void init() { StartFixture(true); }

    void cleanup() { EndFixture(true); }

    void captionsFitTheirControls() {
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        for (QLabel* label : Window().findChildren<QLabel*>()) {
            if (label->window() != &Window()) {
                continue;  // a dialog's, hidden and not yet laid out
            }
            const QRect inWindow(label->mapTo(&Window(), QPoint(0, 0)), label->size());
            QVERIFY2(Window().rect().contains(inWindow), qPrintable(label->objectName()));
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
    }

    void controlsAreLaidOutWithTheirTextsAndHints() {
        QCOMPARE(Window().windowTitle(), Q("Vexilo(ZarNET) ver1.2.2"));
        QCOMPARE(Child<QGroupBox>(Window(), "SampleBox")->title(), Q("ｻﾝﾌﾟﾙ"));
        for (const Control& expected : Controls()) {
            const QWidget* control = Child<QWidget>(Window(), expected.Name);
            const char* name = expected.Name;
            QVERIFY2(control->parentWidget()->objectName() == Q(expected.Strip), name);
            const QRect place = control->geometry();
            QVERIFY2(expected.X < 0 || place.x() == expected.X, name);
            QVERIFY2(expected.Y < 0 || place.y() == expected.Y, name);
            QVERIFY2(expected.Width < 0 || place.width() == expected.Width, name);
            QVERIFY2(expected.Height < 0 || place.height() == expected.Height, name);
            if (expected.Caption != nullptr) {
                QCOMPARE(control->property("text").toString(), Q(expected.Caption));
            }
            QCOMPARE(control->toolTip(), Q(expected.Hint));
        }
    }

    void menusHoldEveryItemAndItsTwin() {
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
                for (const auto& [shown, name] :
                     {std::pair(bar, item.Name), std::pair(popup, item.Twin)}) {
                    const QAction* action = shown->actions()[static_cast<qsizetype>(i)];
                    QCOMPARE(action->objectName(), Q(name));
                    QCOMPARE(action->isSeparator(), item.Caption == nullptr);
                    if (item.Caption == nullptr) {
                        continue;
                    }
                    QCOMPARE(action->text(), Q(item.Caption));
                    QCOMPARE(action->isCheckable(), item.Mark != ' ');
                    const QActionGroup* group = action->actionGroup();
                    QCOMPARE(group != nullptr && group->isExclusive(), item.Mark == 'o');
                    // A radio group never reaches into the other menu.
                    QVERIFY(group == nullptr || group->actions().size() ==
                                                    static_cast<qsizetype>(expected.Items.size()));
                }
            }
        }
        for (const char* name : {"AutoSaveList", "AutosaveSubMenu"}) {
            QCOMPARE(Action(name)->toolTip(), Q("記録に残さない場合にチェックします"));
            QCOMPARE(Action(name)->statusTip(), Q("記録に残さない場合にチェックします"));
        }
        for (const char* name : {"ProbeMenu", "ProbeSubMenu"}) {
            QCOMPARE(Action(name)->toolTip(), Q("実在する連番の範囲を調べます (Ctrl+R)"));
        }
        QCOMPARE(Action("ProbeMenu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    }

    void twinsAndTheirMastersNeverDisagree() {
        const struct {
            const char* clicked;
            const char* master;
            const char* twin;
            bool ticked;
        } clicks[] = {
            {"OverWriteSubMenu", "OverWriteMenu", "OverWriteSubMenu", true},
            {"OverWriteMenu", "OverWriteMenu", "OverWriteSubMenu", false},
            {"AutosaveSubMenu", "AutoSaveList", "AutosaveSubMenu", true},
            {"AutosaveSubMenu", "AutoSaveList", "AutosaveSubMenu", false},
            {"HTMLSubMenu", "HTML", "HTMLSubMenu", true},
            {"HTMLSubMenu", "ImageSrc", "ImageSrcSubMenu", false},
            {"HTMLSubMenu", "HTML", "HTMLSubMenu", true},  // a radio item stays ticked
            {"ListText", "ListText", "ListTextSubMenu", true},
            {"ListText", "HTML", "HTMLSubMenu", false},
            {"ImageSrcSubMenu", "ImageSrc", "ImageSrcSubMenu", true},
            {"ListTextSubMenu", "ListText", "ListTextSubMenu", true},
            {"ViewCompactSubMenu", "ViewCompactMenu", "ViewCompactSubMenu", true},
            {"ViewCompactSubMenu", "ViewDefaultMenu", "ViewDefaultSubMenu", false},
        };
        for (const auto& click : clicks) {
            Action(click.clicked)->trigger();
            QVERIFY2(Action(click.master)->isChecked() == click.ticked, click.clicked);
            QVERIFY2(Action(click.twin)->isChecked() == click.ticked, click.clicked);
        }
        QVERIFY(Window().GetMakeType() == MakeType::ListText);

        // Marks set from code show in both menus.
        Window().SetMakeType(MakeType::Html);
        Window().SetCompactView(false);
        for (const char* name : {"HTMLSubMenu", "ViewDefaultSubMenu"}) {
            QVERIFY2(Action(name)->isChecked(), name);
        }
        for (const char* name : {"ListTextSubMenu", "ViewCompactSubMenu"}) {
            QVERIFY2(!Action(name)->isChecked(), name);
        }
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
        Window().SetMakeType(MakeTypeOf(kind));
        for (const char* name : {"ListText", "HTML", "ImageSrc"}) {
            QCOMPARE(Action(name)->isChecked(), ticked == Q(name));
        }
        QCOMPARE(static_cast<int>(Window().GetMakeType()), read);
    }

    void getMakeTypeReadsImageSrcWhenNothingIsTicked() {
        for (const char* name : {"ListText", "HTML", "ImageSrc"}) {
            Action(name)->actionGroup()->setExclusive(false);
            Action(name)->setChecked(false);
        }
        QVERIFY(Window().GetMakeType() == MakeType::ImageSrc);
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

        // The pop-up menu still reaches the standard view.
        Action("ViewDefaultSubMenu")->trigger();
        QVERIFY(MainMenu()->isVisible());
        QCOMPARE(Window().ClientHeight(), 239);
        QTRY_COMPARE(Window().height(), MainMenu()->height() + 239);
        for (const char* strip : {"SampleBox", "TitlePanel1", "TitlePanel2", "ButtonPanel"}) {
            QVERIFY(Child<QWidget>(Window(), strip)->isVisible());
        }
    }

    void storedCompactViewWithHiddenMenuStartsSo() {
        env_->CloseWindow();
        TRegData stored = env_->NewRecord();
        stored.Compact = true;
        stored.HideMenu = true;
        env_->StoreInRegistry(stored);
        env_->OpenWindow();
        Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
        QVERIFY(!MainMenu()->isVisible());
        QVERIFY(Action("ViewCompactSubMenu")->isChecked());
        const int rows = Child<QWidget>(Window(), "AdrsPanel")->height() +
                         Child<QWidget>(Window(), "FNamePanel")->height() +
                         Child<QWidget>(Window(), "FileSavePanel")->height();
        QCOMPARE(Window().ClientHeight(), rows);
        QTRY_COMPARE(Window().height(), rows);
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

    void labelsStandOnTheLineOfTheirBoxes() {
        const std::pair<const char*, const char*> pairs[] = {{"Label2", "FileNameFront"},
                                                             {"Label4", "StCount"},
                                                             {"Label5", "EdCount"},
                                                             {"Label6", "FileNameRear"},
                                                             {"Label3", "FileNameExt"}};
        for (int height : {20, 25}) {
            SetBoxHeights(height);
            for (const auto& [labelName, boxName] : pairs) {
                // Both centre their text in the same height.
                const QLabel* label = Label(labelName);
                QCOMPARE(label->geometry().center().y(), Edit(boxName)->geometry().center().y());
                QCOMPARE(label->height(), height);
                QVERIFY(label->alignment() & Qt::AlignVCenter);
            }
        }
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
        QCOMPARE(Window().RegData().Output.ImageWidth, 120);
        QCOMPARE(Window().RegData().Output.ImageHeight, 90);
        QCOMPARE(Window().ListView().ListVIewMemo()->font().pixelSize(), 16);

        // The record is rebuilt from the window alone.
        TRegData collected = env_->NewRecord();
        collected.Items = stored.Items;
        collected.AutoSave = stored.AutoSave;
        collected.HideMenu = stored.HideMenu;
        collected.Output = stored.Output;  // kept by the record alone
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

    void keysReachTheCommands_data() {
        QTest::addColumn<QString>("focus");  // none: where the window puts it
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Enter at start")
            << QString() << int(Qt::Key_Return) << int(Qt::NoModifier) << "saved";
        QTest::newRow("keypad Enter on a button")
            << "ClipBord" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "copied";
        QTest::newRow("Enter in a pattern box")
            << "FileNameFront" << int(Qt::Key_Return) << int(Qt::NoModifier) << "nothing";
        QTest::newRow("browser key in a box")
            << "FileNameFront" << int(Qt::Key_B) << int(Qt::ControlModifier) << "opened";
    }

    void keysReachTheCommands() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, effect);
        Combo()->setEditText(Q("http://e/"));
        const std::string output = Folder().File("out.html");
        Edit("SaveFileNameEdit")->setText(QString::fromStdString(output));
        if (effect == Q("copied")) {
            Desktop().Answers.push_back(MessageAnswer::Ok);
        }
        Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        if (!focus.isEmpty()) {
            Child<QWidget>(Window(), focus.toLatin1().constData())->setFocus();
        }
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key),
                        static_cast<Qt::KeyboardModifiers>(modifiers));
        // The browser button clicks itself a moment after its key.
        QTRY_COMPARE(Desktop().OpenedFiles.size(), size_t{effect == Q("opened") ? 1u : 0u});
        QCOMPARE(std::filesystem::exists(output), effect == Q("saved") || effect == Q("opened"));
        QCOMPARE(Desktop().Clipboard.isEmpty(), effect != Q("copied"));
    }

    void focusStartsAtTheSaveButtonAndFollowsTheOrder() {
        Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&Window()));
        QTRY_COMPARE(QApplication::focusWidget(),
                     static_cast<QWidget*>(Child<QPushButton>(Window(), "OverwriteButton")));
        // Drawn with its focus, as after a Tab.
        QStyleOption look;
        look.initFrom(QApplication::focusWidget());
        QVERIFY(look.state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange));
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
