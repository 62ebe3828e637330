// "Gehe zu Azimut/Höhe" (GoToHorizontalDialog): points the zoom window at an azimuth
// (north 0, east 90 degrees) and altitude.
#pragma once

#include <QDialog>

class QLineEdit;

class GoToHorizontalDialog : public QDialog {
    Q_OBJECT

  public:
    explicit GoToHorizontalDialog(QWidget* parent = nullptr);

    QLineEdit* azimuthEdit = nullptr;   // "Azimut (Grad)"
    QLineEdit* altitudeEdit = nullptr;  // "Höhe (Grad)"

    // "OK": validation, then the zoom window on the target; false when a check
    // stopped it (the dialog stays open).
    bool Accept();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};
