#include "ui/common/canvas_view.h"

#include <QPainter>
#include <QPalette>

#include "chart/canvas.h"

CanvasView::CanvasView(const Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {}

void CanvasView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QImage image = canvas_.Image();
    const double ratio = devicePixelRatioF();
    if (image.size() == (QSizeF(size()) * ratio).toSize()) image.setDevicePixelRatio(ratio);
    painter.drawImage(0, 0, image);
}

void SetBlackBackground(QWidget* widget) {
    QPalette black = widget->palette();
    black.setColor(QPalette::Window, Qt::black);
    widget->setPalette(black);
    widget->setAutoFillBackground(true);
}
