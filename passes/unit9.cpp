#include "passes/unit9.h"

TForm9::TForm9(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TForm9");
    setWindowTitle(QStringLiteral("Polaride - Durchgänge"));
}
