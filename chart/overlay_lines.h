// The exclusive-or line layers that the chart and the zoom window share:
// drawn twice they remove themselves again, so a display toggle draws them once more.
#pragma once

#include <QColor>
#include <QPoint>
#include <functional>

#include "chart/chart_projection.h"

class Canvas;

inline const QColor kAltitudeLineColour{128, 0, 0};
inline const QColor kZodiacColour{128, 128, 0};

// Sets the altitude-line pen (exclusive-or) and a clear brush, then draws the circles
// of altitude 10 to 80 degrees in steps of 10 about the zenith at (centreX, centreY)
// for a horizon of radius horizonRadius. The caller restores pen and brush.
void DrawAltitudeCircles(Canvas& canvas, int centreX, int centreY, double horizonRadius);

// The ecliptic in the zodiac colour (exclusive-or); map turns a chart point into canvas
// pixels. Pen restored afterwards.
void DrawZodiacLine(Canvas& canvas, const std::function<QPoint(const ChartPoint&)>& map);
