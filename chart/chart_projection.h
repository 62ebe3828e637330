// Projection of horizontal coordinates onto the chart disc and the plot table of the
// Sun, the Moon and the planets.
//
// The chart is a stereographic projection from the nadir: r = R tan(z/2), so the
// horizon (z = 90 deg) lies on the rim. Chart azimuth 0 (south) points down the screen,
// west to the right, north up, east to the left (before the chart rotation). The chart
// geometry (chartCentreX/Y, chartRadius) and rotationRad come from ChartView().
// A plot position of (0, 0) means "not on the chart".
#pragma once

#include <array>

#include "chart/chart_view.h"
#include "core/bodies.h"

// Pixel position on the chart (y downwards); (0, 0) = not plotted.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    bool plotted() const { return x != 0.0 || y != 0.0; }
};

// Chart position of a zenith distance and chart azimuth (both radians).
ChartPoint ProjectToChart(double zenithDistance, double chartAzimuth);

// Distance from the chart centre (pixels) of a zenith distance in radians: R tan(z/2).
double ChartRadiusAt(double zenithDistance);

// Drawn radius of a disc of angular radius radiusDeg at altitude altitudeDeg:
// |r(90 - h + rho) - r(90 - h - rho)| / 2, unrounded and without a minimum.
double DrawnRadiusUnrounded(double altitudeDeg, double radiusDeg);
// The same truncated to whole pixels and at least minimumPixels.
int DrawnRadius(double altitudeDeg, double radiusDeg, int minimumPixels);

struct BodyPlotEntry {
    double x = 0.0;  // chart position, pixels; (0, 0) below the horizon
    double y = 0.0;
    double magnitude = 0.0;  // visual magnitude (entries 2 to 9)
    double distance = 0.0;   // geocentric distance, AU
};

using BodyPlotTableData = std::array<BodyPlotEntry, kBodyCount>;

// The one body plot table of the process (written by PlotSun, PlotMoon, PlotPlanets).
BodyPlotTableData& BodyPlotTable();
void ResetBodyPlotTable();
