// The ecliptic (the zodiac line) over the chart: one point per degree of ecliptic
// longitude from 1 to 361 degrees, so the path closes on itself. The chart, the zoom
// window and the printed chart each map the points to their own pixels and pens.
#pragma once

#include <QPoint>
#include <functional>
#include <vector>

#include "chart/chart_projection.h"

class Canvas;

struct EclipticPathPoint {
    ChartPoint chart;      // chart position; set only when visible
    bool visible = false;  // above the horizon (sin h > 0)
};

// The path for the current observer, sidereal time and obliquity of the Sun state.
std::vector<EclipticPathPoint> EclipticChartPath();

// Draws the visible stretches of the path with the canvas's current pen; map turns a
// chart point into canvas pixels.
void TraceEclipticPath(Canvas& canvas, const std::function<QPoint(const ChartPoint&)>& map);
