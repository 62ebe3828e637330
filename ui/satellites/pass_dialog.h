// The pass prediction dialog PassDialog ("Durchgänge berechnen"): the parameters
// of a pass search, the search window shown while they are edited ("von"/"bis"),
// and "OK", which starts the search and shows it in the pass list window.
// Not modal; created once at start-up with lines 11-15 of the settings file.
#pragma once

#include <QDialog>

#include "prediction/pass_search.h"
#include "ui/satellites/pass_search_task.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class PassDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PassDialog(QWidget* parent = nullptr);
    ~PassDialog() override;

    // --- actions (public for the other windows and for tests) -------------------
    // "OK": hides the dialog and starts the search on the workers (searchTask() says
    // when it has ended). A search already running is not started again (Refused); a
    // field that is not a number or out of bounds ends it (Failed).
    PassSearchTask::Start RunSearch();
    // "Heute Nacht sichtbar": the same search over the night of the chart's date (one
    // night, as the night display shows it), with the limits and options of the fields,
    // whatever "Dauer in Minuten" and "Anzahl Tage" say; the dialog stays as it is.
    PassSearchTask::Start RunTonightSearch();
    // "Abbrechen".
    void Cancel();
    // The night display: the window of "Anzahl Tage" nights from the chart's date.
    void NightDisplay();
    // The duration display: "von" plus the minutes in "Anzahl Tage".
    void DurationDisplay();
    // The warning about elements more than 14 days from the search window, with the
    // button "Elemente aktualisieren…"; hidden when every selected set is recent.
    void ShowElementAge();
    // The zone names beside "von" and "bis", each of its instant.
    void ShowZones(JD1900 start, JD1900 end);
    // Change handlers.
    void DaysChanged();
    void MaxSunChanged();
    void FromChanged();
    void FirstHalfClicked();
    void SecondHalfClicked();
    void DurationToggled(bool checked);

    // The dialog's fields as search parameters; false (with the conversion message
    // shown) when a field that is read is not a number, or (caption "Ungültige
    // Eingabe") when a value lies outside the search's bounds (search_limits.h).
    // `tonight`: one night in night mode, the date, "Anzahl Tage" and the duration
    // switch not read.
    bool ReadParameters(PassSearchParameters& parameters, bool tonight = false);
    // "maximale Sonnenhöhe" and "Grenzhelligkeit mag", read again for each night.
    bool ReadNightLimits(double& maxSunAltitudeDeg, double& limitingMagnitude);
    // "minimale Satellitenhöhe"; false when it is not a number (no message).
    bool MinimumAltitude(double& degrees) const;

    // How often a running search shows its progress, in milliseconds.
    int searchEventIntervalMs = 40;
    // The search of the pass list window: running, its end and outcome.
    PassSearchTask* searchTask() const { return task_; }

    // --- controls ---------------------------------------------------------------
    QLineEdit* fromDateField() const { return fromDate_; }
    QLineEdit* fromTimeField() const { return fromTime_; }
    QLineEdit* toDateField() const { return toDate_; }
    QLineEdit* toTimeField() const { return toTime_; }
    QLabel* fromZoneLabel() const { return fromZone_; }
    QLabel* toZoneLabel() const { return toZone_; }
    QLabel* daysLabel() const { return daysLabel_; }
    QLineEdit* daysField() const { return days_; }
    QLineEdit* minAltitudeField() const { return minAltitude_; }
    QLineEdit* maxSunField() const { return maxSun_; }
    QLineEdit* magnitudeField() const { return magnitude_; }
    QCheckBox* shadowBox() const { return shadow_; }
    QCheckBox* firstHalfBox() const { return firstHalf_; }
    QCheckBox* secondHalfBox() const { return secondHalf_; }
    QCheckBox* durationBox() const { return duration_; }
    QCheckBox* brightestBox() const { return brightest_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* elementAgeLabel() const { return elementAge_; }
    QPushButton* updateElementsButton() const { return updateElements_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void LoadSettings();
    void RaiseSunLimit(double limitDeg);
    PassSearchTask::Start Search(bool tonight);

    PassSearchTask* task_ = nullptr;
    QLineEdit* fromDate_ = nullptr;
    QLineEdit* fromTime_ = nullptr;
    QLineEdit* toDate_ = nullptr;
    QLineEdit* toTime_ = nullptr;
    QLabel* fromZone_ = nullptr;
    QLabel* toZone_ = nullptr;
    QLabel* daysLabel_ = nullptr;
    QLineEdit* days_ = nullptr;
    QLineEdit* minAltitude_ = nullptr;
    QLineEdit* maxSun_ = nullptr;
    QLineEdit* magnitude_ = nullptr;
    QCheckBox* shadow_ = nullptr;
    QCheckBox* firstHalf_ = nullptr;
    QCheckBox* secondHalf_ = nullptr;
    QCheckBox* duration_ = nullptr;
    QCheckBox* brightest_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* elementAge_ = nullptr;
    QPushButton* updateElements_ = nullptr;
    double windowStart_ = 0.0;  // the search window last shown (JD1900)
    double windowEnd_ = 0.0;
    bool quiet_ = true;  // change handlers do nothing (construction, own field updates)
    int settingsCollector_ = -1;
};
