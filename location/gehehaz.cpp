#include "location/gehehaz.h"

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent) : QDialog(parent) {
    setObjectName("TOKBottomDlg1");
    setWindowTitle(QStringLiteral("Gehe zu Azimut/Höhe"));
}
