#include "chart/sky_chart_compute.h"

#include <cmath>

#include "catalog/catalog.h"
#include "chart/body_plot.h"
#include "chart/chart_projection.h"
#include "chart/ephemeris_update.h"
#include "chart/plot_tables.h"
#include "core/constants.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/sun_moon.h"

void ComputeStarPositions(const std::function<void(int, double, double, double)>& plotted) {
    const HorizonOfDate horizon = Shown().horizon(Place());
    StarPlotTableData& table = StarPlotTable();
    ReadStarRecords([&](int number, const StarRecord& star) {
        StarPlotEntry& e = table[static_cast<size_t>(number - 1)];
        if (star.magnitude > ViewOptions().limitingMagnitude) {
            e.x = e.y = 0.0;
            return;
        }
        e.constellation.assign(star.constellation);
        const ChartPoint p =
            FixedObjectPosition(horizon, star.rightAscensionHours, star.declinationDeg);
        e.x = p.x;
        e.y = p.y;
        if (p.plotted()) {
            e.magnitude = star.magnitude;
            if (plotted) plotted(number, p.x, p.y, star.magnitude);
        }
    });
}

void ComputeLabelPositions() {
    const HorizonOfDate horizon = Shown().horizon(Place());
    LabelPlotTableData& table = LabelPlotTable();
    ReadConstellationLabels([&](int number, const ConstellationLabelRecord& label) {
        LabelPlotEntry& e = table[static_cast<size_t>(number - 1)];
        e.text.assign(label.labelText);
        const ChartPoint p =
            FixedObjectPosition(horizon, label.rightAscensionHours, label.declinationDeg);
        e.x = p.x;
        e.y = p.y;
    });
}

void ComputeNebulaPositions(bool chartRadii, const std::function<void(int)>& visible) {
    const HorizonOfDate horizon = Shown().horizon(Place());
    NebulaPlotTableData& table = NebulaPlotTable();
    const double sunAltitude = Sun().altitudeDeg;
    ReadNebulae([&](int number, const NebulaRecord& nebula) {
        NebulaPlotEntry& e = table[static_cast<size_t>(number - 1)];
        e.size = nebula.size;
        const HorizontalCoords hz =
            FixedObjectHorizontal(horizon, nebula.rightAscensionHours, nebula.declinationDeg);
        const ChartPoint p = AboveHorizon(hz.sinAltitude)
                                 ? ProjectToChart(kPi / 2.0 - hz.altitude, hz.azimuth)
                                 : ChartPoint{};
        e.x = p.x;
        e.y = p.y;
        if (!p.plotted() || sunAltitude >= -9.0) return;
        const double altitudeDeg = hz.altitude * kRadToDeg;
        const double radiusDeg = nebula.size * 0.25;
        e.drawnRadius = chartRadii ? DrawnRadius(altitudeDeg, radiusDeg, 2)
                                   : DrawnRadiusUnrounded(altitudeDeg, radiusDeg);
        if (altitudeDeg - radiusDeg > 0.0 && visible) visible(number);
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
    PlanetPositionsOnChart(Shown().dynamicJD);
    ComputeLabelPositions();
    ComputeNebulaPositions(false);
    MinorBodyPosition(instant, Place(), Shown());
    PlotMinorBody();
}
