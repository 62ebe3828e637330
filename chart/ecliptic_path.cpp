#include "chart/ecliptic_path.h"

#include <cmath>

#include "chart/canvas.h"
#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/timescale.h"

std::vector<EclipticPathPoint> EclipticChartPath() {
    const SunState& sun = Sun();
    // The ecliptic of date against the true equator: the true obliquity.
    const double eps =
        std::atan2(sun.sinObliquity, sun.cosObliquity) + Shown().frame.nutationObliquityRad;
    const double sinEps = std::sin(eps), cosEps = std::cos(eps);
    std::vector<EclipticPathPoint> path;
    path.reserve(361);
    for (int degree = 1; degree <= 361; ++degree) {
        const double lambda = degree * kDegToRad;
        const double ra = AngleOf(std::cos(lambda), std::sin(lambda) * cosEps);
        const double dec = std::asin(std::sin(lambda) * sinEps);
        const double hourAngle = WrapPi(Shown().siderealHours * kPi / 12.0 - ra);
        const HorizontalCoords hz =
            EquatorialToHorizontal(hourAngle, dec, Place().sinLatitude, Place().cosLatitude);
        EclipticPathPoint point;
        point.visible = hz.sinAltitude > 0.0;
        if (point.visible) point.chart = ProjectToChart(kPi / 2.0 - hz.altitude, hz.azimuth);
        path.push_back(point);
    }
    return path;
}

void TraceEclipticPath(Canvas& canvas, const std::function<QPoint(const ChartPoint&)>& map) {
    bool previousVisible = false;
    for (const EclipticPathPoint& point : EclipticChartPath()) {
        if (point.visible) {
            const QPoint p = map(point.chart);
            if (previousVisible)
                canvas.LineTo(p.x(), p.y());
            else
                canvas.MoveTo(p.x(), p.y());
        }
        previousVisible = point.visible;
    }
}
