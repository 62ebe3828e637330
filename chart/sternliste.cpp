#include "chart/sternliste.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TForm3");
    setWindowTitle(QStringLiteral("Polaride - Sterne mit Eigennamen"));
}
