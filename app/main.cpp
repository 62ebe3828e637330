#include <QApplication>

#include "app/program.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.polaride.Polaride"));
    return RunPolaride(application);
}
