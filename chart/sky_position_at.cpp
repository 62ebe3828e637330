#include "chart/sky_position_at.h"

#include <cmath>

#include "chart/chart_view.h"
#include "core/displayed_instant.h"
#include "core/frame_of_date.h"
#include "core/observing_place.h"
#include "core/timescale.h"

std::optional<ChartPointPosition> SkyPositionAt(double x, double y) {
    const ChartViewState& view = ChartView();
    const double dx = x - view.chartCentreX, dy = y - view.chartCentreY;
    const double r = std::hypot(dx, dy);
    if (view.chartRadius <= 0 || r > view.chartRadius) return std::nullopt;

    // r = R tan(z/2); the screen direction (sin a, cos a) belongs to chart azimuth
    // a - rotationRad (0 south, +90 deg west).
    const double zenithDistance = 2.0 * std::atan(r / view.chartRadius);
    const double altitude = kPi / 2.0 - zenithDistance;
    const double chartAzimuth = WrapPi(std::atan2(dx, dy) - view.rotationRad);

    // The catalogue place (2000.0) that the chart draws at this altitude and azimuth.
    const Vector3 catalogue =
        CatalogueAtHorizontal(Shown().frame, Shown().horizon(Place()), altitude, chartAzimuth);
    double ra = 0.0, dec = 0.0;
    RaDecOf(catalogue, ra, dec);

    ChartPointPosition out;
    out.altitudeDeg = altitude * kRadToDeg;
    out.azimuthDeg = ModPositive(chartAzimuth * kRadToDeg + 180.0, 360.0);
    out.raHours = ModPositive(ra * 12.0 / kPi, 24.0);
    out.decDeg = dec * kRadToDeg;
    return out;
}

namespace {

// Tenths of the value, rounded, reduced by whole turns of `turn` tenths.
long long RoundedTenths(double value, long long turn) {
    const long long tenths = std::llround(value * 10.0);
    return turn > 0 ? ((tenths % turn) + turn) % turn : tenths;
}

QString Tenths(long long tenths) {
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const long long a = std::llabs(tenths);
    return sign + QString::number(a / 10) + QLatin1Char('.') + QString::number(a % 10);
}

}  // namespace

QString SkyPositionText(const ChartPointPosition& position) {
    const QString azimuth = Tenths(RoundedTenths(position.azimuthDeg, 3600));
    const QString altitude = Tenths(RoundedTenths(position.altitudeDeg, 0));

    // Right ascension in hours and minutes to a tenth, 24h 0.0m shown as 0h 0.0m.
    const long long raTenthMinutes = RoundedTenths(position.raHours * 60.0, 24 * 60 * 10);
    const QString ra = QString::number(raTenthMinutes / 600) + QStringLiteral("h ") +
                       Tenths(raTenthMinutes % 600) + QLatin1Char('m');

    // Declination in whole arc minutes; the sign stands in front also for -0° 30'.
    const long long decMinutes = std::llround(std::fabs(position.decDeg) * 60.0);
    const QString sign = position.decDeg < 0 && decMinutes > 0 ? QStringLiteral("-") : QString();
    const QString dec = sign + QString::number(decMinutes / 60) + QStringLiteral("° ") +
                        QString::number(decMinutes % 60) + QLatin1Char('\'');

    return QStringLiteral("Azimut %1°  Höhe %2°  Rektaszension(2000.0) %3  Deklination(2000.0) %4")
        .arg(azimuth, altitude, ra, dec);
}
