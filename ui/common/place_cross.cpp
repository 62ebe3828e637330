#include "ui/common/place_cross.h"

#include "chart/canvas.h"

void DrawPlaceCross(Canvas& canvas, int x, int y) {
    canvas.SetPen(Qt::white);
    canvas.MoveTo(x - 8, y);
    canvas.LineTo(x + 8, y);
    canvas.MoveTo(x, y - 8);
    canvas.LineTo(x, y + 8);
}
