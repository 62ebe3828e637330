#include "core/timescale.h"
#include "ui/places/goto_dialog_base.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/chart_view.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/places/goto_dialog_look.h"

GoToDialogBase::GoToDialogBase(const char* objectName, const QString& title, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(title);
    panel_ = new QFrame(this);
    panel_->setFrameShape(QFrame::Panel);
    panel_->setFrameShadow(QFrame::Raised);
    grid_ = new QGridLayout(panel_);
}

QLabel* GoToDialogBase::Label(const char* text) const {
    auto* l = new QLabel(QString::fromUtf8(text), panel_);
    MakeGoToLabel(l);
    return l;
}

QLineEdit* GoToDialogBase::Field(const char* objectName) const {
    auto* field = new QLineEdit(panel_);
    field->setObjectName(objectName);
    return field;
}

void GoToDialogBase::AddButtons() {
    const OkCancelButtons buttons = MakeOkCancelButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { Accept(); });
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);
    layout->addLayout(RightAlignedButtonRow({buttons.ok, buttons.cancel}));
}

bool GoToDialogBase::RejectInput(const QString& message) {
    AppDialogs().Message(QStringLiteral("Ungültige Eingabe"), message, this);
    return false;
}

void GoToDialogBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ChartView().zoomMayClose = false;
    PaintGoToBackground(this);
    FirstField()->setFocus();
}

void GoToDialogBase::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // Brought to the front while already open (opened from the zoom window once more):
    // the zoom window stays open behind it, as when the dialog was first shown.
    ChartView().zoomMayClose = false;
    PaintGoToBackground(this);
}
