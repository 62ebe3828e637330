// The dialog "Transite vor Sonne und Mond": the start date (the chart's date when the
// dialog opens), the number of days, the largest separation from the body's centre and
// the radius within which a centre line is listed. "OK" searches the selected
// satellites (every loaded one when none is selected) from the observer's place, in the
// transit list window.
#pragma once

#include <QDialog>

#include "prediction/transit_search.h"

class QLineEdit;
class QPushButton;

class TransitDialog : public QDialog {
    Q_OBJECT

  public:
    explicit TransitDialog(QWidget* parent = nullptr);

    // "OK": false (after the message) when a field is wrong or no satellite is loaded.
    bool RunSearch();
    // The fields as search parameters (place and start included); false after the
    // message when a field is not a number, out of bounds, or the date is wrong.
    bool ReadParameters(TransitSearchParameters& parameters);

    QLineEdit* dateField() const { return date_; }
    QLineEdit* daysField() const { return days_; }
    QLineEdit* separationField() const { return separation_; }
    QLineEdit* radiusField() const { return radius_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* date_ = nullptr;
    QLineEdit* days_ = nullptr;
    QLineEdit* separation_ = nullptr;
    QLineEdit* radius_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
