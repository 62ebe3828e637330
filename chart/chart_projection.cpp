#include "chart/chart_projection.h"

#include <cmath>

#include "chart/chart_view.h"
#include "core/timescale.h"

namespace {
BodyPlotTableData gBodies;
}

double ChartRadiusAt(double zenithDistance) {
    return ChartView().chartRadius * std::tan(zenithDistance / 2.0);
}

ChartPoint ProjectToChart(double zenithDistance, double chartAzimuth) {
    const double r = ChartRadiusAt(zenithDistance);
    const double a = chartAzimuth + ChartView().rotationRad;
    return {ChartView().chartCentreX + r * std::sin(a), ChartView().chartCentreY + r * std::cos(a)};
}

double DrawnRadiusUnrounded(double altitudeDeg, double radiusDeg) {
    const double z = (90.0 - altitudeDeg) * kDegToRad;
    const double rho = radiusDeg * kDegToRad;
    return std::fabs(ChartRadiusAt(z + rho) - ChartRadiusAt(z - rho)) / 2.0;
}

int DrawnRadius(double altitudeDeg, double radiusDeg, int minimumPixels) {
    const double r = DrawnRadiusUnrounded(altitudeDeg, radiusDeg);
    // Beyond the antipode of the zenith tan() grows without bound; keep the pixel count sane.
    if (!(r < 1e6)) return minimumPixels > 1000000 ? minimumPixels : 1000000;
    const int pixels = IntPart(r);
    return pixels < minimumPixels ? minimumPixels : pixels;
}

BodyPlotTableData& BodyPlotTable() { return gBodies; }

void ResetBodyPlotTable() { gBodies = BodyPlotTableData{}; }
