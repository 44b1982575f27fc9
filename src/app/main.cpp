#include <QApplication>
#include <memory>

#include "platform/Paths.h"
#include "platform/Registry.h"
#include "ui/ErrorGuard.h"
#include "ui/QtDesktop.h"
#include "ui/ZarnetMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zarnet::kApplicationTitle));
    // Destroyed after the window, which saves through them while it goes.
    zarnet::QtDesktop desktop;
    const std::unique_ptr<zarnet::Registry> registry = zarnet::OpenUserRegistry();
    zarnet::TZarnetform form(desktop, zarnet::AppPaths::OfRunningProgram(), *registry);
    form.show();
    return QApplication::exec();
}
