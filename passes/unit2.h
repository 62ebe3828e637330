// The orbit-class lists: geosynchronous, sun-synchronous and Molniya-type satellites.
#pragma once

#include <QDialog>

class TOKRightDlg : public QDialog {
    Q_OBJECT

public:
    explicit TOKRightDlg(QWidget* parent = nullptr);
};
