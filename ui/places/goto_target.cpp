#include "ui/places/goto_target.h"

#include <cmath>

#include "chart/body_plot.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/plot_tables.h"
#include "chart/zoom_chart.h"
#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "satellite/satellite_table.h"
#include "ui/common/windows.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/zoom_window.h"

namespace {

constexpr double kArcSecond = 4.84813681109536e-6;  // radians

}  // namespace

GoToCoords PrecessNewcombTo2000(double raHours, double decDeg, JD1900 t0) {
    const double t = (36525.0 - t0) / 36524.2199;
    const double T = t0 / 36524.2199;
    const double zeta =
        ((2304.25 + 1.396 * T) * t + 0.302 * t * t + 0.018 * t * t * t) * kArcSecond;
    const double z = zeta + (0.791 * t * t + 0.001 * t * t * t) * kArcSecond;
    const double theta =
        ((2004.682 - 0.853 * T) * t - 0.426 * t * t - 0.042 * t * t * t) * kArcSecond;
    const double alpha0 = raHours * kPi / 12.0;
    const double delta0 = decDeg * kDegToRad;
    const double a = std::cos(delta0) * std::sin(alpha0 + zeta);
    const double b = std::cos(theta) * std::cos(delta0) * std::cos(alpha0 + zeta) -
                     std::sin(theta) * std::sin(delta0);
    const double c = std::sin(theta) * std::cos(delta0) * std::cos(alpha0 + zeta) +
                     std::cos(theta) * std::sin(delta0);
    const double alpha = Mod2Pi(AngleOf(b, a) + z);
    GoToCoords out;
    out.raHours = alpha * 12.0 / kPi;
    out.decDeg = SafeArcSin(c) / kDegToRad;
    return out;
}

GoToCoords ReferTo2000(double raHours, double decDeg, GoToEquinox equinox) {
    switch (equinox) {
        case GoToEquinox::B1950:
            return PrecessNewcombTo2000(raHours, decDeg, JulianDay1900(1950, 1, 1));
        case GoToEquinox::OfDate:
            return PrecessNewcombTo2000(raHours, decDeg, Shown().currentJD);
        case GoToEquinox::J2000:
        default:
            return GoToCoords{raHours, decDeg};
    }
}

GoToHorizontal HorizontalOfTarget(double raHours, double decDeg) {
    // Where the chart draws a catalogue place: the same apparent place as a star's.
    const HorizontalCoords hz = FixedObjectHorizontal(Shown().horizon(Place()), raHours, decDeg);
    GoToHorizontal out;
    out.altitudeDeg = hz.altitude / kDegToRad;
    out.chartAzimuthRad = hz.azimuth;
    return out;
}

double ChartAzimuthFromNorthDeg(double azimuthDeg) {
    double a = azimuthDeg + 180.0;
    if (a > 360.0) a -= 360.0;
    return a;
}

double CentreZoomOnChartPoint(double x, double y, double altitudeDeg) {
    const double cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
                 R = ChartView().chartRadius;
    ChartView().previousRotationRad = ChartView().rotationRad;
    const double dx = IntPart(x - cx), dy = IntPart(y - cy);
    const double rho = -AngleOf(dy / R, dx / R);
    const double c = std::cos(rho), s = std::sin(rho);
    auto turn = [&](double& px, double& py) {
        if (!(px > 0.0)) return;
        const double ux = px - cx, uy = py - cy;
        px = c * ux + s * uy + cx;
        py = c * uy - s * ux + cy;
    };
    SatelliteTable& sats = Satellites();
    for (int k = 1; k <= sats.selectedCount && k < static_cast<int>(sats.chartX.size()); ++k)
        turn(sats.chartX[static_cast<size_t>(k)], sats.chartY[static_cast<size_t>(k)]);
    for (StarPlotEntry& e : StarPlotTable()) turn(e.x, e.y);
    for (NebulaPlotEntry& e : NebulaPlotTable()) turn(e.x, e.y);
    for (LabelPlotEntry& e : LabelPlotTable()) turn(e.x, e.y);
    for (BodyPlotEntry& e : BodyPlotTable()) turn(e.x, e.y);
    MinorBodyOnChart& minor = MinorBodyPlot();
    if (minor.chartX > 0.0) {
        turn(minor.chartX, minor.chartY);
        turn(minor.tailX, minor.tailY);
    }
    // The Moon's own chart position follows its plot-table entry.
    MoonPlot().chartX = BodyPlotTable()[kBodyMoon].x;
    MoonPlot().chartY = BodyPlotTable()[kBodyMoon].y;

    double rotation = rho + ChartView().previousRotationRad;
    if (rotation > kTwoPi) rotation -= kTwoPi;
    if (rotation < 0.0) rotation += kTwoPi;
    ChartView().rotationRad = rotation;
    ChartView().zoomFactor = 8;

    const int w2 = ZoomOuterWidth() / 2;
    const int c2 = ZoomViewCentreY(ZoomOuterHeight());
    const double ox = w2 - IntPart((x - cx) * 8.0);
    const double oy = c2 - IntPart((y - cy) * 8.0);
    ZoomOffsets& z = ChartZoomOffsets();
    z.zoomOffsetX = IntPart(c * (ox - w2) + s * (oy - c2) + w2);
    z.zoomOffsetY = IntPart(c * (oy - c2) - s * (ox - w2) + c2);

    auto r = [&](double zenithDeg) { return R * std::tan(zenithDeg * kDegToRad / 2.0); };
    const double zenith = 90.0 - altitudeDeg;
    ZoomState& zs = ZoomValues();
    zs.goToMarkerRadius = IntPart(std::fabs(r(zenith + 0.5) - r(zenith - 0.5)) * 8.0 * 0.5 + 0.5);
    zs.goToMarkerPending = 1;

    if (ZoomWindow* zoom = AppWindows().zoomWindow) {
        if (zoom->isVisible())
            zoom->DrawChart(0);
        else
            zoom->show();  // showing draws the zoom chart
        zoom->raise();
    } else {
        DrawZoomChart(0);
    }
    return rho;
}
