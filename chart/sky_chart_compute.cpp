#include "chart/sky_chart_compute.h"

#include <cmath>

#include "catalog/catalog.h"
#include "chart/body_plot.h"
#include "chart/chart_projection.h"
#include "chart/ephemeris_update.h"
#include "chart/plot_tables.h"
#include "core/constants.h"
#include "core/frames.h"
#include "core/minor_body.h"
#include "core/observer_state.h"
#include "core/planets.h"
#include "core/sun_moon.h"

namespace {

// Altitude in degrees of a catalogue object, and whether it is above the horizon.
struct FixedAltitude {
    bool above = false;
    double altitudeDeg = 0.0;
};

FixedAltitude AltitudeOf(double raHours, double decDeg) {
    const ObserverState& o = Observer();
    const double hourAngle = HourAngle(o.siderealHours, raHours);
    const double dec = decDeg * kDegToRad;
    const double sinH =
        std::sin(dec) * o.sinLatitude + std::cos(dec) * std::cos(hourAngle) * o.cosLatitude;
    FixedAltitude a;
    a.above = sinH > 0.0;
    a.altitudeDeg = SafeArcSin(sinH) * kRadToDeg;
    return a;
}

}  // namespace

void ComputeStarPositions(const std::function<void(int, double, double, double)>& plotted) {
    const ObserverState& o = Observer();
    StarPlotTableData& table = StarPlotTable();
    ReadStarRecords([&](int number, const StarRecord& star) {
        StarPlotEntry& e = table[static_cast<size_t>(number - 1)];
        if (star.magnitude > o.limitingMagnitude) {
            e.x = e.y = 0.0;
            return;
        }
        e.constellation.assign(star.constellation);
        const ChartPoint p = FixedObjectPosition(star.rightAscensionHours, star.declinationDeg,
                                                 o.siderealHours, o.sinLatitude, o.cosLatitude);
        e.x = p.x;
        e.y = p.y;
        if (p.plotted()) {
            e.magnitude = star.magnitude;
            if (plotted) plotted(number, p.x, p.y, star.magnitude);
        }
    });
}

void ComputeLabelPositions() {
    const ObserverState& o = Observer();
    LabelPlotTableData& table = LabelPlotTable();
    ReadConstellationLabels([&](int number, const ConstellationLabelRecord& label) {
        LabelPlotEntry& e = table[static_cast<size_t>(number - 1)];
        e.text.assign(label.labelText);
        const ChartPoint p = FixedObjectPosition(label.rightAscensionHours, label.declinationDeg,
                                                 o.siderealHours, o.sinLatitude, o.cosLatitude);
        e.x = p.x;
        e.y = p.y;
    });
}

void ComputeNebulaPositions(bool chartRadii, const std::function<void(int)>& visible) {
    const ObserverState& o = Observer();
    NebulaPlotTableData& table = NebulaPlotTable();
    const double sunAltitude = Sun().altitudeDeg;
    ReadNebulae([&](int number, const NebulaRecord& nebula) {
        NebulaPlotEntry& e = table[static_cast<size_t>(number - 1)];
        e.size = nebula.size;
        const ChartPoint p = FixedObjectPosition(nebula.rightAscensionHours, nebula.declinationDeg,
                                                 o.siderealHours, o.sinLatitude, o.cosLatitude);
        e.x = p.x;
        e.y = p.y;
        if (!p.plotted() || sunAltitude >= -9.0) return;
        const FixedAltitude a = AltitudeOf(nebula.rightAscensionHours, nebula.declinationDeg);
        const double radiusDeg = nebula.size * 0.25;
        e.drawnRadius = chartRadii ? DrawnRadius(a.altitudeDeg, radiusDeg, 2)
                                   : DrawnRadiusUnrounded(a.altitudeDeg, radiusDeg);
        if (a.altitudeDeg - radiusDeg > 0.0 && visible) visible(number);
    });
}

void ComputeMoonDiscRadius() {
    const MoonState& m = Moon();
    if (m.distance > 0.0)
        MoonPlot().discRadius =
            DrawnRadiusUnrounded(m.altitudeDeg, kMoonSemiDiameterDeg / m.distance);
}

void UpdateEphemeris(double cosLatitude, double sinLatitude, double eastLongitudeDeg,
                     JD1900 instant) {
    // Steps 1 to 5: times, Sun with its chart values and drawn radius, shades, Moon.
    UpdateSunAndShades(cosLatitude, sinLatitude, eastLongitudeDeg, instant);
    ComputeStarPositions();
    ComputeMoonDiscRadius();
    PlanetPositionsOnChart(Observer().dynamicJD);
    ComputeLabelPositions();
    ComputeNebulaPositions(false);
    MinorBodyPosition(instant);
    PlotMinorBody();
}
