#include "chart/zoom.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TForm2");
    setWindowTitle(QStringLiteral("Polaride Zoom"));
}
