#include "ui/places/go_to_equatorial_dialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/places/goto_validation.h"

GoToEquatorialDialog::GoToEquatorialDialog(QWidget* parent)
    : GoToDialogBase("GoToEquatorialDialog", QStringLiteral("Gehe zu alpha/delta"), parent) {
    QFrame* frame = panel();
    QGridLayout* grid = this->grid();
    raHoursEdit = Field("raHours");
    raMinutesEdit = Field("raMinutes");
    decDegreesEdit = Field("decDegrees");
    decMinutesEdit = Field("decMinutes");
    grid->addWidget(Label("Stunden"), 0, 1);
    grid->addWidget(Label("Minuten"), 0, 2);
    grid->addWidget(Label("Rektaszension"), 1, 0);
    grid->addWidget(raHoursEdit, 1, 1);
    grid->addWidget(raMinutesEdit, 1, 2);
    grid->addWidget(Label("Grad"), 2, 1);
    grid->addWidget(Label("Minuten"), 2, 2);
    grid->addWidget(Label("Deklination"), 3, 0);
    grid->addWidget(decDegreesEdit, 3, 1);
    grid->addWidget(decMinutesEdit, 3, 2);
    northButton = new QRadioButton(QStringLiteral("N"), frame);
    southButton = new QRadioButton(QStringLiteral("S"), frame);
    northButton->setChecked(true);
    auto* hemisphere = new QButtonGroup(this);
    hemisphere->addButton(northButton);
    hemisphere->addButton(southButton);
    grid->addWidget(northButton, 3, 3);
    grid->addWidget(southButton, 3, 4);

    auto* equinoxBox = new QGroupBox(QStringLiteral("Äquinoktium"), frame);
    auto* eq = new QVBoxLayout(equinoxBox);
    equinox2000 = new QRadioButton(QStringLiteral("2000.0"), equinoxBox);
    equinox1950 = new QRadioButton(QStringLiteral("1950.0"), equinoxBox);
    equinoxOfDate = new QRadioButton(QStringLiteral("of date"), equinoxBox);
    equinox2000->setChecked(true);
    for (QRadioButton* b : {equinox2000, equinox1950, equinoxOfDate}) eq->addWidget(b);
    grid->addWidget(equinoxBox, 4, 0, 1, 5);

    AddButtons();
}

bool GoToEquatorialDialog::Accept() {
    const RaDecInput in =
        CheckRaDecFields(raHoursEdit->text(), raMinutesEdit->text(), decDegreesEdit->text(),
                         decMinutesEdit->text(), southButton->isChecked());
    if (!in.ok) return RejectInput(in.message);
    const GoToEquinox equinox = equinox1950->isChecked()     ? GoToEquinox::B1950
                                : equinoxOfDate->isChecked() ? GoToEquinox::OfDate
                                                             : GoToEquinox::J2000;
    // Visible or not is known before anything changes; the dialog hides first so that
    // the zoom window comes up in front of it.
    if (HorizontalOfRaDec(in.raHours, in.decDeg, equinox).altitudeDeg >= 0.0) hide();
    return GoToRaDec(in.raHours, in.decDeg, equinox, this);
}
