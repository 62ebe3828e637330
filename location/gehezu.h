// Go-to dialog: points the zoom window at a right ascension and declination.
#pragma once

#include <QDialog>

class TOKBottomDlg : public QDialog {
    Q_OBJECT

public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);
};
