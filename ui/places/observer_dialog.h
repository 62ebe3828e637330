// The observer parameter dialog "Parameter": place, height, time zone and limiting
// magnitude of the observer records (Place(), Shown()). OK checks the fields in order, takes them
// over and redraws the active view; "Abbrechen" hides it. The zone is either a rule of the system's
// time-zone database, picked from a searchable list (the name and offset fields then show those in
// force at the displayed instant, read-only), or the first entry of that list, a fixed zone of the
// name and offset fields.
#pragma once

#include <QDialog>
#include <string>

inline constexpr const char* kFixedZoneEntry = "feste Zeitzone (Name und Stunden unten)";

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class ObserverDialog : public QDialog {
    Q_OBJECT

  public:
    enum Field { PlaceName, Longitude, Latitude, Height, ZoneName, ZoneOffset, LimitingMagnitude };

    explicit ObserverDialog(QWidget* parent = nullptr);

    QLineEdit* field(Field which) const { return fields_[which]; }
    QPlainTextEdit* reminderMemo() const { return memo_; }
    // The zone picker; its first entry is kFixedZoneEntry.
    QComboBox* zoneRulePicker() const { return zoneRule_; }

    // Fills the fields from the observer records (Place(), Shown()) (done on every show).
    void LoadFields();

  public slots:
    void accept() override;  // "OK"
    void reject() override;  // "Abbrechen"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The rule named by the picker's text: empty for the fixed zone (or no text).
    std::string PickedRule() const;
    // Name and offset fields of the picked rule (read-only), or editable for a fixed zone.
    void ZoneRulePicked();

    QLineEdit* fields_[7] = {};
    QComboBox* zoneRule_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};
