#include "passes/unit10.h"

TForm10::TForm10(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TForm10");
    setWindowTitle(QStringLiteral("Polaride ground tracks"));
}
