// Go-to dialog: points the zoom window at an azimuth and altitude.
#pragma once

#include <QDialog>

class TOKBottomDlg1 : public QDialog {
    Q_OBJECT

public:
    explicit TOKBottomDlg1(QWidget* parent = nullptr);
};
