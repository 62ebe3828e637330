#include "chart/body_plot.h"

#include <cstddef>

#include "chart/chart_projection.h"
#include "core/constants.h"
#include "core/displayed_instant.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/sun_moon.h"

namespace {

SunOnChart gSun;
MoonOnChart gMoon;
MinorBodyOnChart gMinorBody;

// Chart position of a sky position; (0, 0) below the horizon.
ChartPoint OnChart(const SkyPosition& sky) {
    if (!sky.aboveHorizon) return {};
    return ProjectToChart(kPi / 2.0 - sky.altitude, sky.azimuth);
}

void StorePosition(int body, ChartPoint p) {
    BodyPlotEntry& e = BodyPlotTable()[static_cast<std::size_t>(body)];
    e.x = p.x;
    e.y = p.y;
}

// Sun or Moon: its chart position and distance into the plot table; returns the position.
ChartPoint PlotDisc(int body, const SkyPosition& sky, double distance) {
    const ChartPoint p = OnChart(sky);
    StorePosition(body, p);
    BodyPlotTable()[static_cast<std::size_t>(body)].distance = distance;
    return p;
}

}  // namespace

SunOnChart& SunPlot() { return gSun; }
MoonOnChart& MoonPlot() { return gMoon; }
MinorBodyOnChart& MinorBodyPlot() { return gMinorBody; }

void ResetBodyPlots() {
    gSun = SunOnChart{};
    gMoon = MoonOnChart{};
    gMinorBody = MinorBodyOnChart{};
}

void PlotSun() {
    const SunState& s = Sun();
    const ChartPoint p = PlotDisc(kBodySun, s.sky, s.distance);
    gSun.chartX = p.x;
    gSun.chartY = p.y;
    gSun.discRadius = DrawnRadiusUnrounded(s.altitudeDeg, kSunSemiDiameterDeg / s.distance);
}

void PlotMoon() {
    const MoonState& moon = Moon();
    const ChartPoint p = PlotDisc(kBodyMoon, moon.sky, moon.distance);
    gMoon.chartX = p.x;
    gMoon.chartY = p.y;
    // The lit limb turned from the position angle χ (from the celestial north point)
    // into a direction on the chart: the pole's direction seen from the Moon's place.
    const double chi = moon.brightLimbPositionAngle;
    const ChartPoint pole = ProjectToChart(kPi / 2.0 - Place().latitudeDeg * kDegToRad, kPi);
    const double b = AngleOf(p.y - pole.y, pole.x - p.x);
    gMoon.limbAngle = moon.phaseValue >= 1.0 ? b - (chi - kPi / 2.0) : b - (chi - 3.0 * kPi / 2.0);
}

void PlotPlanets(int first, int last) {
    for (int i = first; i <= last; ++i) {
        const PlanetPosition& planet = Planets()[static_cast<std::size_t>(i)];
        StorePosition(i, OnChart(planet.sky));
        BodyPlotEntry& e = BodyPlotTable()[static_cast<std::size_t>(i)];
        e.magnitude = planet.magnitude;
        e.distance = planet.distance;
    }
}

void PlotMinorBody() {
    const MinorBodyState& m = MinorBody();
    const ChartPoint p = OnChart(m.sky);
    const ChartPoint tail = m.hasTail ? OnChart(m.tailSky) : ChartPoint{};
    gMinorBody = {p.x, p.y, tail.x, tail.y};
}

void PlanetPositionsOnChart(JD1900 t) {
    try {
        PlanetPositions(t, Place(), Shown());
    } catch (...) {
        PlotPlanets(kBodyMercury, kBodyUranus);
        throw;
    }
    PlotPlanets();
}
