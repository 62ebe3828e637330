#include "ui/places/go_to_equatorial_dialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/observer_state.h"
#include "ui/common/dialogs.h"
#include "ui/places/goto_dialog_base.h"
#include "ui/places/goto_validation.h"

GoToEquatorialDialog::GoToEquatorialDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("GoToEquatorialDialog");
    setWindowTitle(QStringLiteral("Gehe zu alpha/delta"));

    const GoToPanel panel = MakeGoToPanel(this);
    QFrame* frame = panel.frame;
    QGridLayout* grid = panel.grid;
    auto label = [&panel](const char* text) { return panel.Label(text); };
    raHoursEdit = new QLineEdit(frame);
    raMinutesEdit = new QLineEdit(frame);
    decDegreesEdit = new QLineEdit(frame);
    decMinutesEdit = new QLineEdit(frame);
    raHoursEdit->setObjectName("raHours");
    raMinutesEdit->setObjectName("raMinutes");
    decDegreesEdit->setObjectName("decDegrees");
    decMinutesEdit->setObjectName("decMinutes");
    grid->addWidget(label("Stunden"), 0, 1);
    grid->addWidget(label("Minuten"), 0, 2);
    grid->addWidget(label("Rektaszension"), 1, 0);
    grid->addWidget(raHoursEdit, 1, 1);
    grid->addWidget(raMinutesEdit, 1, 2);
    grid->addWidget(label("Grad"), 2, 1);
    grid->addWidget(label("Minuten"), 2, 2);
    grid->addWidget(label("Deklination"), 3, 0);
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

    AddGoToButtons(this, frame, [this] { Accept(); });
}

bool GoToEquatorialDialog::Accept() {
    const RaDecInput in =
        CheckRaDecFields(raHoursEdit->text(), raMinutesEdit->text(), decDegreesEdit->text(),
                         decMinutesEdit->text(), southButton->isChecked());
    if (!in.ok) {
        AppDialogs().Message(QStringLiteral("Ungültige Eingabe"), in.message, this);
        return false;
    }
    const GoToEquinox equinox = equinox1950->isChecked()     ? GoToEquinox::B1950
                                : equinoxOfDate->isChecked() ? GoToEquinox::OfDate
                                                             : GoToEquinox::J2000;
    ObserverState& o = Observer();
    // Visible or not is known before anything changes; the dialog hides first so that
    // the zoom window comes up in front of it.
    o.siderealHours = LocalSiderealTime(o.longitudeDeg, o.currentJD);
    const GoToCoords target = ReferTo2000(in.raHours, in.decDeg, equinox);
    if (HorizontalOfTarget(target.raHours, target.decDeg).altitudeDeg >= 0.0) hide();
    return GoToRaDec(in.raHours, in.decDeg, equinox, this);
}

void GoToEquatorialDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    GoToDialogShown(this, raHoursEdit);
}

void GoToEquatorialDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    GoToDialogChanged(this, event);
}
