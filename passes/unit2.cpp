#include "passes/unit2.h"

TOKRightDlg::TOKRightDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TOKRightDlg");
    setWindowTitle(QStringLiteral("Geosynchrone Satelliten"));
}
