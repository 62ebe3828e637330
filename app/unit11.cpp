#include "app/unit11.h"

TForm11::TForm11(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TForm11");
    setWindowTitle(QStringLiteral("Form11"));
}
