#include "ui/WindowFixture.h"

#include <QTest>
#include <QTimer>

#include "store/DefaultStore.h"
#include "support/UserRegistry.h"

namespace zarnet::testing {

WindowFixture::WindowFixture() {
    ClearUserRegistry();
    UserRegistry = OpenUserRegistry();
}

TRegData WindowFixture::NewRecord() const {
    return NewSettings(Paths);
}

TRegData WindowFixture::SampleRecord() const {
    TRegData data = NewRecord();
    for (std::size_t slot = 0; slot < 3; ++slot) {
        const std::string n = std::to_string(slot);
        data.Items[slot] = {"http://example.com/" + n + "/%%/",
                            "a,b" + n,
                            "img" + n,
                            "_s" + n,
                            "00" + n,
                            "02" + n,
                            ".png"};
    }
    data.LastItem = {"http://last.example/%%/", "x,y", "pic", "_t", "007", "012", ".gif"};
    data.Kind = MakeType::Html;
    data.Output.ImageWidth = 120;
    data.Output.ImageHeight = 90;
    data.LastSaveFname = ProgramFolder.File("out.html");
    data.Output.Separator = false;
    data.Output.Border = true;
    data.OWNoCheck = true;
    data.Output.ClickView = true;
    data.Compact = false;
    data.AutoSave = true;
    data.HideMenu = true;
    data.Header = "<!-- header -->";
    data.Footer = "<!-- footer -->";
    data.ViewFont.CharSet = 1;
    data.ViewFont.Color = 0x00336699;
    data.ViewFont.SetName("Noto Sans Mono CJK JP");
    data.ViewFont.SetSize(12);
    return data;
}

void WindowFixture::StoreInRegistry(const TRegData& data) {
    data.SaveToRegistry(*UserRegistry);
}

void WindowFixture::StoreInIniDefault(const TRegData& data) {
    data.SaveToIni(Paths.IniFileName());
    TRegData::WriteIniDefault(Paths.IniFileName(), true);
}

TRegData WindowFixture::LoadRegistry() {
    TRegData data = NewRecord();
    data.LoadFromRegistry(*UserRegistry);
    return data;
}

TRegData WindowFixture::LoadIni(const std::string& fileName) {
    TRegData data = NewRecord();
    data.LoadFromIni(fileName);
    return data;
}

TZarnetform& WindowFixture::OpenWindow() {
    Window = std::make_unique<TZarnetform>(Desktop, Paths, *UserRegistry);
    return *Window;
}

void WindowFixture::CloseWindow() {
    if (Window) {
        Window->close();
        Window.reset();
    }
}

void WhenShown(QObject* context, const std::function<void()>& act) {
    QTimer::singleShot(0, context, act);
}

void WindowTest::StartFixture(bool openWindow) {
    env_ = std::make_unique<WindowFixture>();
    if (openWindow) {
        env_->OpenWindow();
    }
}

void WindowTest::EndFixture(bool noErrors) {
    env_->CloseWindow();
    QCOMPARE(env_->Desktop.Unscripted, 0);
    if (noErrors) {
        QVERIFY(env_->Desktop.Errors.empty());
    }
    env_.reset();
}

QString Reason(const std::string& reason) {
    return Q(" (") + QString::fromStdString(reason) + Q(")");
}

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace zarnet::testing
