// A drawing of a fixed logical size (a chart's or map's design geometry) shown in a
// client area of any size: one uniform scale for x and y, the largest that fits, and
// the drawing centred. The canvas behind it has the client size times the device
// pixel ratio, and its mapping draws the logical units at that full resolution, so
// lines, glyphs and text stay crisp instead of a small picture being blown up.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

class Canvas;

struct CanvasFit {
    double scale = 1.0;  // client pixels per logical unit
    QPointF offset;      // client position of the logical origin

    // Logical point -> client position, and a client position -> the logical pixel
    // under it (rounded down, so the pixel whose box holds the position).
    QPointF ToClient(QPointF logical) const;
    QPoint ToLogical(QPointF client) const;
    // The client rectangle that the logical area covers.
    QRectF ClientRect(QSize logicalSize) const;
    // Logical units -> pixels of a backing image of client size x devicePixelRatio.
    QTransform ImageMapping(double devicePixelRatio) const;
};

// The fit of a logical size into a client size (a degenerate size gives scale 1).
CanvasFit FitInto(QSize logicalSize, QSizeF clientSize);

// Prepares `canvas` for a client area: an image of client size x devicePixelRatio
// (black, when its size changes), the fit's mapping and the logical size. True when
// the image was replaced, so the drawing has to be made again.
bool FitCanvas(Canvas& canvas, QSize logicalSize, QSize clientSize, double devicePixelRatio);
