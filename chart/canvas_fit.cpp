#include "chart/canvas_fit.h"

#include <algorithm>
#include <cmath>

#include "chart/canvas.h"

QPointF CanvasFit::ToClient(QPointF logical) const { return logical * scale + offset; }

QPoint CanvasFit::ToLogical(QPointF client) const {
    const QPointF p = (client - offset) / scale;
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

QRectF CanvasFit::ClientRect(QSize logicalSize) const {
    return {offset, QSizeF(logicalSize) * scale};
}

QTransform CanvasFit::ImageMapping(double devicePixelRatio) const {
    const double s = scale * devicePixelRatio;
    return QTransform(s, 0, 0, s, offset.x() * devicePixelRatio, offset.y() * devicePixelRatio);
}

CanvasFit FitInto(QSize logicalSize, QSizeF clientSize) {
    if (logicalSize.isEmpty() || clientSize.isEmpty()) return {};
    CanvasFit fit;
    fit.scale = std::min(clientSize.width() / logicalSize.width(),
                         clientSize.height() / logicalSize.height());
    fit.offset = QPointF((clientSize.width() - logicalSize.width() * fit.scale) / 2.0,
                         (clientSize.height() - logicalSize.height() * fit.scale) / 2.0);
    return fit;
}

bool FitCanvas(Canvas& canvas, QSize logicalSize, QSize clientSize, double devicePixelRatio) {
    const QSize client = clientSize.expandedTo(QSize(1, 1));
    const QSize image(static_cast<int>(std::lround(client.width() * devicePixelRatio)),
                      static_cast<int>(std::lround(client.height() * devicePixelRatio)));
    const QTransform mapping = FitInto(logicalSize, QSizeF(client)).ImageMapping(devicePixelRatio);
    const bool replaced = image != QSize(canvas.Width(), canvas.Height());
    if (replaced) canvas.Resize(image.width(), image.height(), Qt::black);
    canvas.SetMapping(mapping);
    canvas.SetLogicalSize(logicalSize);
    return replaced;
}
