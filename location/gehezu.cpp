#include "location/gehezu.h"

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TOKBottomDlg");
    setWindowTitle(QStringLiteral("Gehe zu alpha/delta"));
}
