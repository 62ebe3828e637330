#include "chart/overlay_lines.h"

#include <cmath>

#include "chart/canvas.h"
#include "chart/ecliptic_path.h"
#include "core/constants.h"
#include "core/timescale.h"

void DrawAltitudeCircles(Canvas& canvas, int centreX, int centreY, double horizonRadius) {
    canvas.SetPen(kAltitudeLineColour, 1, PenMode::Xor);
    canvas.SetBrush(canvas.Brush().color, BrushStyle::Clear);
    for (int altitude = 10; altitude <= 80; altitude += 10) {
        const int r = IntPart(horizonRadius * std::tan((90.0 - altitude) / 2.0 * kDegToRad));
        canvas.Ellipse(centreX - r, centreY - r, centreX + r, centreY + r);
    }
}

void DrawZodiacLine(Canvas& canvas, const std::function<QPoint(const ChartPoint&)>& map) {
    const CanvasPen savedPen = canvas.Pen();
    canvas.SetPen(kZodiacColour, 1, PenMode::Xor);
    TraceEclipticPath(canvas, map);
    canvas.Pen() = savedPen;
}
