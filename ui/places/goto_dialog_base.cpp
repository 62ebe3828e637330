#include "ui/places/goto_dialog_base.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/chart_view.h"
#include "core/observer_state.h"
#include "ui/places/goto_dialog_look.h"

QLabel* GoToPanel::Label(const char* text) const {
    auto* l = new QLabel(QString::fromUtf8(text), frame);
    MakeGoToLabel(l);
    return l;
}

GoToPanel MakeGoToPanel(QDialog* dialog) {
    GoToPanel panel;
    panel.frame = new QFrame(dialog);
    panel.frame->setFrameShape(QFrame::Panel);
    panel.frame->setFrameShadow(QFrame::Raised);
    panel.grid = new QGridLayout(panel.frame);
    return panel;
}

void AddGoToButtons(QDialog* dialog, QFrame* panel, const std::function<void()>& accept) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, [dialog] { dialog->hide(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(panel);
    layout->addLayout(buttons);
}

void GoToDialogShown(QDialog* dialog, QLineEdit* firstField) {
    ChartView().zoomMayClose = false;
    PaintGoToBackground(dialog);
    firstField->setFocus();
}

void GoToDialogChanged(QDialog* dialog, const QEvent* event) {
    if (event->type() == QEvent::ActivationChange && dialog->isActiveWindow())
        PaintGoToBackground(dialog);
}
