// "Gehe zu Azimut/Höhe" (GoToHorizontalDialog): points the zoom window at an azimuth
// (north 0, east 90 degrees) and altitude.
#pragma once

#include "ui/places/goto_dialog_base.h"

class QLineEdit;

class GoToHorizontalDialog : public GoToDialogBase {
    Q_OBJECT

  public:
    explicit GoToHorizontalDialog(QWidget* parent = nullptr);

    QLineEdit* azimuthEdit = nullptr;   // "Azimut (Grad)"
    QLineEdit* altitudeEdit = nullptr;  // "Höhe (Grad)"

    bool Accept() override;

  protected:
    QLineEdit* FirstField() const override { return azimuthEdit; }
};
