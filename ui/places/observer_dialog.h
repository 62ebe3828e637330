// The observer parameter dialog "Parameter": place, height, time zone and limiting
// magnitude of ObserverState. OK checks the fields in order, takes them over and
// redraws the active view; "Abbrechen" hides it.
#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

class ObserverDialog : public QDialog {
    Q_OBJECT

  public:
    enum Field { PlaceName, Longitude, Latitude, Height, ZoneName, ZoneOffset, LimitingMagnitude };

    explicit ObserverDialog(QWidget* parent = nullptr);

    QLineEdit* field(Field which) const { return fields_[which]; }
    QPlainTextEdit* reminderMemo() const { return memo_; }

    // Fills the fields from ObserverState (done on every show).
    void LoadFields();

  public slots:
    void accept() override;  // "OK"
    void reject() override;  // "Abbrechen"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* fields_[7] = {};
    QPlainTextEdit* memo_ = nullptr;
};
