// The bodies of the solar system the program follows, and where one stands in the
// observer's sky.
#pragma once

#include <array>
#include <string_view>

// The Sun, the Moon, the planets Mercury to Uranus and the asteroids Ceres and Vesta,
// in the order of the chart's tables.
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

// True when a body with this sine of altitude is above the horizon and goes on the chart.
// Altitude 0 is not; the bound absorbs the rounding of sin h for bodies exactly on the
// horizon (cos 90 deg is 6e-17, not 0, in floating point).
inline bool AboveHorizon(double sinAltitude) { return sinAltitude > 1e-12; }

// Where a body stands for the observer: altitude and chart azimuth (0 south, west
// positive), both radians, and whether it is above the horizon (AboveHorizon of its
// sine of altitude). The chart projects it (chart/chart_projection.h).
struct SkyPosition {
    double altitude = 0.0;
    double azimuth = 0.0;
    bool aboveHorizon = false;
};
