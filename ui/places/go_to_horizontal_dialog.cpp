#include "ui/places/go_to_horizontal_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/common/dialogs.h"
#include "ui/places/goto_dialog_base.h"
#include "ui/places/goto_validation.h"

GoToHorizontalDialog::GoToHorizontalDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("GoToHorizontalDialog");
    setWindowTitle(QStringLiteral("Gehe zu Azimut/Höhe"));

    const GoToPanel panel = MakeGoToPanel(this);
    QFrame* frame = panel.frame;
    QGridLayout* grid = panel.grid;
    auto label = [&panel](const char* text) { return panel.Label(text); };
    azimuthEdit = new QLineEdit(frame);
    altitudeEdit = new QLineEdit(frame);
    azimuthEdit->setObjectName("azimuth");
    altitudeEdit->setObjectName("altitude");
    grid->addWidget(label("Azimut (Grad)"), 0, 0);
    grid->addWidget(azimuthEdit, 0, 1);
    grid->addWidget(label("Höhe (Grad)"), 1, 0);
    grid->addWidget(altitudeEdit, 1, 1);
    grid->addWidget(label("Norden 0 Grad/Osten 90 Grad"), 2, 0, 1, 2);
    grid->addWidget(label("Süden 180 Grad/Westen 270 Grad"), 3, 0, 1, 2);

    AddGoToButtons(this, frame, [this] { Accept(); });
}

bool GoToHorizontalDialog::Accept() {
    const AltAzInput in = CheckAltAzFields(azimuthEdit->text(), altitudeEdit->text());
    if (!in.ok) {
        AppDialogs().Message(QStringLiteral("Ungültige Eingabe"), in.message, this);
        return false;
    }
    hide();
    return GoToAltAz(in.azimuthDeg, in.altitudeDeg);
}

void GoToHorizontalDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    GoToDialogShown(this, azimuthEdit);
}

void GoToHorizontalDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    GoToDialogChanged(this, event);
}
