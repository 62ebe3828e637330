#include "location/gehehaz.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs.h"
#include "core/observer_state.h"
#include "location/goto_dialog_look.h"
#include "location/goto_validation.h"

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent) : QDialog(parent) {
    setObjectName("TOKBottomDlg1");
    setWindowTitle(QStringLiteral("Gehe zu Azimut/Höhe"));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    auto* grid = new QGridLayout(frame);
    auto label = [frame](const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), frame);
        MakeGoToLabel(l);
        return l;
    };
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

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { Accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] { hide(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

bool TOKBottomDlg1::Accept() {
    const AltAzInput in = CheckAltAzFields(azimuthEdit->text(), altitudeEdit->text());
    if (!in.ok) {
        AppDialogs().Message(QStringLiteral("Ungültige Eingabe"), in.message, this);
        return false;
    }
    hide();
    return GoToAltAz(in.azimuthDeg, in.altitudeDeg);
}

void TOKBottomDlg1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Observer().zoomMayClose = false;
    PaintGoToBackground(this);
    azimuthEdit->setFocus();
}

void TOKBottomDlg1::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) PaintGoToBackground(this);
}
