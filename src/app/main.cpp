#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "ui/CloseOnEnd.h"
#include "ui/ErrorGuard.h"
#include "ui/QtDesktop.h"
#include "ui/ZarnetMain.h"

int main(int argc, char** argv) {
    // Saving onto a pipe whose reader went is a failed command, not the end
    // of the program and of the settings it saves when it closes.
    zarnet::AtomicFile::FailWritesToClosedPipes();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zarnet::kApplicationTitle));
    // Docks match the window to its launcher by this name on Wayland, as by
    // the window class on X11.
    QApplication::setDesktopFileName(QStringLiteral("org.zarnet.Zarnet"));
    // The program speaks Japanese, so Qt's own texts (the edit boxes' menu,
    // the file and font choosers) do too, where the translation is installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    // Destroyed after the window, which saves through them while it goes.
    zarnet::QtDesktop desktop;
    const std::unique_ptr<zarnet::Registry> registry = zarnet::OpenUserRegistry();
    const zarnet::AppPaths paths = zarnet::AppPaths::OfRunningProgram();
    // Installed, the settings live in a folder of the user's that may not
    // exist yet; the INI store and the templates are saved there.
    zarnet::CreateFolders(paths.SettingsFolder);
    zarnet::TZarnetform form(desktop, paths, *registry);
    form.show();
    // A logout or a kill ends the program as its quit command does, saving
    // the settings.
    zarnet::CloseOnEndRequest(form);
    return QApplication::exec();
}
