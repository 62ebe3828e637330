#include "ui/common/chart_cursor.h"

#include <QBitmap>
#include <QCursor>
#include <QPainter>

const QCursor& ChartCursor() {
    static const QCursor cursor = [] {
        constexpr int size = 32, centre = 15, gap = 3, arm = 10;
        QBitmap shape(size, size), mask(size, size);
        shape.fill(Qt::color0);
        mask.fill(Qt::color0);
        QPainter shapePainter(&shape), maskPainter(&mask);
        shapePainter.setPen(Qt::color1);
        // A white outline (mask only) around a black cross keeps it visible on any sky.
        QPen outline(Qt::color1, 3);
        maskPainter.setPen(outline);
        for (QPainter* painter : {&maskPainter, &shapePainter}) {
            painter->drawLine(centre - arm, centre, centre - gap, centre);
            painter->drawLine(centre + gap, centre, centre + arm, centre);
            painter->drawLine(centre, centre - arm, centre, centre - gap);
            painter->drawLine(centre, centre + gap, centre, centre + arm);
        }
        shapePainter.end();
        maskPainter.end();
        return QCursor(shape, mask, centre, centre);
    }();
    return cursor;
}
