#include "chart/zoom_frame.h"

#include "chart/canvas.h"

void DrawZoomFrame(Canvas& canvas, int centreX, int centreY, int halfWidth, int halfHeight) {
    static const QColor kFrameColour{128, 128, 128};
    const CanvasPen savedPen = canvas.Pen();
    const CanvasBrush savedBrush = canvas.Brush();
    canvas.SetPen(kFrameColour, 1, PenMode::Xor);
    canvas.SetBrush(savedBrush.color, BrushStyle::Clear);
    canvas.Rectangle(centreX - halfWidth, centreY - halfHeight, centreX + halfWidth,
                     centreY + halfHeight);
    canvas.Pen() = savedPen;
    canvas.Brush() = savedBrush;
}
