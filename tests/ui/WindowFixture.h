#pragma once

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/Paths.h"
#include "platform/Registry.h"
#include "store/TRegData.h"
#include "support/TempDir.h"
#include "ui/FakeDesktop.h"
#include "ui/PropertyDlgUnit.h"
#include "ui/ZarnetMain.h"

namespace zarnet::testing {

// A program folder and a user configuration of its own, the scripted desktop
// and the window under test.
class WindowFixture {
  public:
    WindowFixture();

    // A record as a fresh start would have it before loading.
    TRegData NewRecord() const;
    // A record with every field set, so round trips show what they lose.
    TRegData SampleRecord() const;

    void StoreInRegistry(const TRegData& data);
    // Saves to the INI file beside the program and makes it the default store.
    void StoreInIniDefault(const TRegData& data);
    TRegData LoadRegistry();
    TRegData LoadIni(const std::string& fileName);

    TZarnetform& OpenWindow();
    // Closes the window, which saves to the default store, and destroys it.
    void CloseWindow();

    TempDir ProgramFolder;
    TempDir ConfigFolder;
    ScopedConfigHome ConfigHome{ConfigFolder.Path()};
    AppPaths Paths = AppPaths::ForExecutable(ProgramFolder.File("zarnet"));
    // Opened on an empty store key: the registry file of the configuration
    // folder above, or on Windows the system's registry, cleared first.
    std::unique_ptr<Registry> UserRegistry;
    FakeDesktop Desktop;
    std::unique_ptr<TZarnetform> Window;
};

// The child of that name; aborts the test program when there is none, since
// every check after it would be meaningless.
template <typename T>
T* Child(const QObject& root, const char* name) {
    T* child = root.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no child %s", name);
    }
    return child;
}

QString Q(const char* utf8);

// " (reason)" as the window's messages give it.
QString Reason(const std::string& reason);

// Runs `act` as soon as the event loop of a modal window's exec() turns;
// `act` must close the window.
void WhenShown(QObject* context, const std::function<void()>& act);

// What every window test reaches: the fixture, made afresh for each case,
// and the window's controls by name.
class WindowTest : public QObject {
  protected:
    std::unique_ptr<WindowFixture> env_;

    // A fresh fixture for each case, its window opened or left to the case.
    void StartFixture(bool openWindow);
    // Closes the window and checks that every question was answered (and,
    // when asked, that no error box was shown).
    void EndFixture(bool noErrors = false);

    TZarnetform& Window() { return *env_->Window; }
    FakeDesktop& Desktop() { return env_->Desktop; }
    QAction* Action(const char* name) { return Child<QAction>(Window(), name); }
    QLineEdit* Edit(const char* name) { return Child<QLineEdit>(Window(), name); }
    QComboBox* Combo() { return Child<QComboBox>(Window(), "UrlCombo"); }
    // The program's folder, where tests also write their output files.
    const TempDir& Folder() { return env_->ProgramFolder; }
};

}  // namespace zarnet::testing
