#include "ui/places/goto_dialog_look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "chart/ephemeris_update.h"

void PaintGoToBackground(QWidget* dialog) {
    const int level = ChartShades().skyGrey;
    QPalette p = dialog->palette();
    p.setColor(QPalette::Window, QColor(level, level, level));
    dialog->setPalette(p);
    dialog->setAutoFillBackground(true);
}

void MakeGoToLabel(QLabel* label) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0, 255, 255));
    label->setPalette(p);
}
