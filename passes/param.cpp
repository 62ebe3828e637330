#include "passes/param.h"

TOKBottomDlg2::TOKBottomDlg2(QWidget* parent) : QDialog(parent) {
    setObjectName("TOKBottomDlg2");
    setWindowTitle(QStringLiteral("Durchgänge berechnen"));
}
