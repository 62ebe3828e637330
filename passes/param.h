// The pass prediction dialog: parameters of a pass search.
#pragma once

#include <QDialog>

class TOKBottomDlg2 : public QDialog {
    Q_OBJECT

public:
    explicit TOKBottomDlg2(QWidget* parent = nullptr);
};
