// The new-place window "Polaride - Neuen Ort eingeben": name, longitude, latitude and
// height typed in; "OK" checks and takes them over, "Abbruch" hides the window.
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

class PlaceEntryDialog : public QWidget {
    Q_OBJECT

  public:
    explicit PlaceEntryDialog(QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QLineEdit* longitudeField() const { return longitude_; }
    QLineEdit* latitudeField() const { return latitude_; }
    QLineEdit* heightField() const { return height_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  public slots:
    void TakeOver();  // "OK"

  private:
    QLineEdit* name_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* height_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
