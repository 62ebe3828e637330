#include <QApplication>

#include "app/program.h"
#include "app/startup_report.h"

int main(int argc, char* argv[]) {
    StartupReport startup;  // before the toolkit starts, so that its start counts too
    QApplication application(argc, argv);
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.polaride.Polaride"));
    return RunPolaride(application, &startup);
}
