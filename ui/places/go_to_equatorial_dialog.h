// "Gehe zu alpha/delta" (GoToEquatorialDialog): points the zoom window at a right ascension
// and declination of the equinox 2000.0, 1950.0 or of date.
#pragma once

#include "ui/places/goto_dialog_base.h"

class QLineEdit;
class QRadioButton;

class GoToEquatorialDialog : public GoToDialogBase {
    Q_OBJECT

  public:
    explicit GoToEquatorialDialog(QWidget* parent = nullptr);

    QLineEdit* raHoursEdit = nullptr;       // "Stunden"
    QLineEdit* raMinutesEdit = nullptr;     // "Minuten"
    QLineEdit* decDegreesEdit = nullptr;    // "Grad"
    QLineEdit* decMinutesEdit = nullptr;    // "Minuten"
    QRadioButton* northButton = nullptr;    // "N" (default)
    QRadioButton* southButton = nullptr;    // "S"
    QRadioButton* equinox2000 = nullptr;    // "2000.0" (default)
    QRadioButton* equinox1950 = nullptr;    // "1950.0"
    QRadioButton* equinoxOfDate = nullptr;  // "of date"

    // "OK": validation, then the zoom window on the target; false when a check or
    // the altitude stopped it (the dialog stays open).
    bool Accept() override;

  protected:
    QLineEdit* FirstField() const override { return raHoursEdit; }
};
