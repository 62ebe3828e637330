#include "ui/places/go_to_horizontal_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/places/goto_validation.h"

GoToHorizontalDialog::GoToHorizontalDialog(QWidget* parent)
    : GoToDialogBase("GoToHorizontalDialog", QStringLiteral("Gehe zu Azimut/Höhe"), parent) {
    azimuthEdit = Field("azimuth");
    altitudeEdit = Field("altitude");
    grid()->addWidget(Label("Azimut (Grad)"), 0, 0);
    grid()->addWidget(azimuthEdit, 0, 1);
    grid()->addWidget(Label("Höhe (Grad)"), 1, 0);
    grid()->addWidget(altitudeEdit, 1, 1);
    grid()->addWidget(Label("Norden 0 Grad/Osten 90 Grad"), 2, 0, 1, 2);
    grid()->addWidget(Label("Süden 180 Grad/Westen 270 Grad"), 3, 0, 1, 2);
    AddButtons();
}

bool GoToHorizontalDialog::Accept() {
    const AltAzInput in = CheckAltAzFields(azimuthEdit->text(), altitudeEdit->text());
    if (!in.ok) return RejectInput(in.message);
    hide();
    return GoToAltAz(in.azimuthDeg, in.altitudeDeg);
}
