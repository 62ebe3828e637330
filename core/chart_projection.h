// Projection of horizontal coordinates onto the chart disc and the plot table of the
// Sun, the Moon and the planets.
//
// The chart is a stereographic projection from the nadir: r = R tan(z/2), so the
// horizon (z = 90 deg) lies on the rim. Chart azimuth 0 (south) points down the screen,
// west to the right, north up, east to the left (before the chart rotation). The chart
// geometry (chartCentreX/Y, chartRadius) and rotationRad come from ObserverState.
// A plot position of (0, 0) means "not on the chart".
#pragma once

#include <array>
#include <string_view>

// Pixel position on the chart (y downwards); (0, 0) = not plotted.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    bool plotted() const { return x != 0.0 || y != 0.0; }
};

// True when a body with this sine of altitude is above the horizon and goes on the chart.
// Altitude 0 is not; the bound absorbs the rounding of sin h for bodies exactly on the
// horizon (cos 90 deg is 6e-17, not 0, in floating point).
inline bool AboveHorizon(double sinAltitude) { return sinAltitude > 1e-12; }

// Chart position of a zenith distance and chart azimuth (both radians).
ChartPoint ProjectToChart(double zenithDistance, double chartAzimuth);

// Distance from the chart centre (pixels) of a zenith distance in radians: R tan(z/2).
double ChartRadiusAt(double zenithDistance);

// Drawn radius of a disc of angular radius radiusDeg at altitude altitudeDeg:
// |r(90 - h + rho) - r(90 - h - rho)| / 2, unrounded and without a minimum.
double DrawnRadiusUnrounded(double altitudeDeg, double radiusDeg);
// The same truncated to whole pixels and at least minimumPixels.
int DrawnRadius(double altitudeDeg, double radiusDeg, int minimumPixels);

// Bodies of the plot table, in table order.
enum BodyIndex : int {
    kBodySun = 0,
    kBodyMoon = 1,
    kBodyMercury = 2,
    kBodyVenus = 3,
    kBodyMars = 4,
    kBodyJupiter = 5,
    kBodySaturn = 6,
    kBodyUranus = 7,
    kBodyCeres = 8,
    kBodyVesta = 9,
};
inline constexpr int kBodyCount = 10;
// German names as the chart lists them: "Sonne", "Mond", "Merkur", ... "Vesta".
inline constexpr std::array<std::string_view, kBodyCount> kBodyNames = {
    "Sonne", "Mond", "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Ceres", "Vesta"};

struct BodyPlotEntry {
    double x = 0.0;  // chart position, pixels; (0, 0) below the horizon
    double y = 0.0;
    double magnitude = 0.0;  // visual magnitude (entries 2 to 9)
    double distance = 0.0;   // geocentric distance, AU
};

using BodyPlotTableData = std::array<BodyPlotEntry, kBodyCount>;

// The one body plot table of the process (written by the Sun, Moon and planet theories).
BodyPlotTableData& BodyPlotTable();
void ResetBodyPlotTable();
