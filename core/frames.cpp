#include "core/frames.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/timescale.h"

double SafeArcSin(double x) {
    x = std::clamp(x, -1.0, 1.0);
    const double c = std::sqrt(1.0 - x * x);
    // arctan(x / sqrt(1 - x^2)) without the division at the poles.
    return std::atan2(x, c);
}

double HourAngle(double siderealHours, double raHours) {
    double d = siderealHours - raHours;
    while (d < -12.0) d += 24.0;
    while (d > 12.0) d -= 24.0;
    return d * 0.26179938779914943653;
}

EquatorialCoords EclipticToEquatorial(double lambda, double beta, double sinEps, double cosEps) {
    EquatorialCoords out;
    // tan(beta) written as sin/cos so that beta = +-pi/2 does not divide by zero.
    const double cosBeta = std::cos(beta);
    const double sinBeta = std::sin(beta);
    out.ra =
        AngleOf(std::cos(lambda) * cosBeta, std::sin(lambda) * cosEps * cosBeta - sinBeta * sinEps);
    out.dec = SafeArcSin(sinBeta * cosEps + cosBeta * sinEps * std::sin(lambda));
    return out;
}

EquatorialCoords EclipticToEquatorial(double lambda, double beta) {
    const SunState& sun = Sun();
    return EclipticToEquatorial(lambda, beta, sun.sinObliquity, sun.cosObliquity);
}

EquatorialCoords RectangularToEquatorial(double x, double y, double z) {
    EquatorialCoords out;
    out.ra = AngleOf(x, y);
    const double r = std::sqrt(x * x + y * y + z * z);
    out.dec = r > 0.0 ? SafeArcSin(z / r) : 0.0;
    return out;
}

HorizontalCoords EquatorialToHorizontal(double hourAngle, double dec, double sinLat,
                                        double cosLat) {
    HorizontalCoords out;
    const double cosDec = std::cos(dec);
    const double sinDec = std::sin(dec);
    const double cosH = std::cos(hourAngle);
    out.sinAltitude = std::clamp(cosLat * cosDec * cosH + sinLat * sinDec, -1.0, 1.0);
    out.altitude = SafeArcSin(out.sinAltitude);
    // Same angle as the half-angle relation 2 arctan((cos h + cos phi sin d - sin phi cos d
    // cos H) / (cos d sin H)), but defined on the meridian: 0 south of the zenith, pi north.
    out.azimuth =
        std::atan2(cosDec * std::sin(hourAngle), sinLat * cosDec * cosH - cosLat * sinDec);
    return out;
}

HourAngleCoords HorizontalToEquatorial(double altitude, double chartAzimuth, double sinLat,
                                       double cosLat) {
    const double cosAlt = std::cos(altitude);
    const double sinAlt = std::sin(altitude);
    const double cosA = std::cos(chartAzimuth);
    HourAngleCoords out;
    out.dec = SafeArcSin(std::clamp(sinLat * sinAlt - cosLat * cosAlt * cosA, -1.0, 1.0));
    out.hourAngle =
        std::atan2(cosAlt * std::sin(chartAzimuth), sinLat * cosAlt * cosA + cosLat * sinAlt);
    return out;
}

TopocentricCoords TopocentricCorrection(double hourAngle, double dec, double sinParallax,
                                        const ObservingPlace& observer) {
    const double u = std::atan2(kEarthAxisRatio * observer.sinLatitude, observer.cosLatitude);
    const double k = observer.heightM / kEarthRadiusIauM;
    const double rhoSin = kEarthAxisRatio * std::sin(u) + k * observer.sinLatitude;
    const double rhoCos = std::cos(u) + k * observer.cosLatitude;

    const double denominator = std::cos(dec) - rhoCos * sinParallax * std::cos(hourAngle);
    TopocentricCoords out;
    out.deltaRa = std::atan2(-rhoCos * sinParallax * std::sin(hourAngle), denominator);
    out.dec =
        std::atan2((std::sin(dec) - rhoSin * sinParallax) * std::cos(out.deltaRa), denominator);
    out.hourAngle = WrapPi(hourAngle - out.deltaRa);
    return out;
}

EquatorialHours PrecessByAnnualRates(double raHours, double dec, double years) {
    const double ra = raHours * kPi / 12.0;
    const double raRateHours = (3.0735 + 1.336 * std::sin(ra) * std::tan(dec)) / 3600.0;
    const double decRate = 20.04 * std::cos(ra) * (kPi / 180.0) / 3600.0;
    return {raHours + years * raRateHours, dec + years * decRate};
}
