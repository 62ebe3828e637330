#include "app/program.h"

#include <QApplication>
#include <QMainWindow>

int RunPolaride(QApplication& application) {
    QMainWindow window;
    window.setWindowTitle("Polaride");
    window.showMaximized();
    return application.exec();
}
