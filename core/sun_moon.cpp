#include "core/sun_moon.h"

#include <cmath>
#include <tuple>

#include "core/constants.h"
#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/observing_place.h"

namespace {

SunState gSun;
MoonState gMoon;

// Geocentric lunar series for ephemeris time t.
struct LunarSeries {
    double lambda = 0.0;       // ecliptic longitude, radians [0, 2pi]
    double beta = 0.0;         // ecliptic latitude, radians
    double parallaxDeg = 0.0;  // horizontal parallax, degrees
    double sinParallax = 0.0;
    double distanceAu = 0.0;
    double sunAnomaly = 0.0;   // M, radians
    double moonAnomaly = 0.0;  // M', radians
};

LunarSeries ComputeLunarSeries(JD1900 t) {
    const double T = t / 36525.0;
    const double e = 1.0 - 0.002495 * T;
    const double lp = ReducedRad(270.434164 + 481267.8831 * T);
    const double m = ReducedRad(358.475833 + 35999.0498 * T);
    const double mp = ReducedRad(296.104608 + 477198.8491 * T);
    const double d = ReducedRad(350.737486 + 445267.1142 * T);
    const double f = ReducedRad(11.250889 + 483202.0251 * T);

    const double lon =
        6.28875 * std::sin(mp) + 1.274018 * std::sin(2 * d - mp) + 0.658309 * std::sin(2 * d) +
        0.213616 * std::sin(2 * mp) - 0.185596 * e * std::sin(m) - 0.114336 * std::sin(2 * f) +
        0.058793 * std::sin(2 * d - 2 * mp) + 0.057212 * e * std::sin(2 * d - m - mp) +
        0.05332 * std::sin(2 * d + mp) + 0.045874 * e * std::sin(2 * d - m) +
        0.041024 * e * std::sin(mp - m) - 0.034718 * std::sin(d) - 0.030465 * e * std::sin(mp + m) +
        0.015326 * std::sin(2 * d - 2 * f) - 0.012528 * std::sin(mp + 2 * f) -
        0.01098 * std::sin(2 * f - mp) + 0.010674 * std::sin(4 * d - mp) +
        0.010034 * std::sin(3 * mp) + 0.008548 * std::sin(4 * d - 2 * mp);
    const double lat = 5.128189 * std::sin(f) + 0.280606 * std::sin(mp + f) +
                       0.277693 * std::sin(mp - f) + 0.173238 * std::sin(2 * d - f) +
                       0.055413 * std::sin(2 * d + f - mp) + 0.046272 * std::sin(2 * d - f - mp) +
                       0.032573 * std::sin(2 * d + f) + 0.017198 * std::sin(2 * mp + f) +
                       0.009267 * std::sin(2 * d + mp - f);
    const double par = 0.950724 + 0.051818 * std::cos(mp) + 0.009531 * std::cos(2 * d - mp) +
                       0.007843 * std::cos(2 * d) + 0.002824 * std::cos(2 * mp) +
                       0.000857 * std::cos(2 * d + mp) + 0.000533 * e * std::cos(2 * d - m);

    LunarSeries s;
    s.lambda = Mod2Pi(lp + lon * kDegToRad);
    s.beta = lat * kDegToRad;
    s.parallaxDeg = par;
    s.sinParallax = std::sin(par * kDegToRad);
    s.distanceAu = (0.00637814 / s.sinParallax) / 149.6;
    s.sunAnomaly = m;
    s.moonAnomaly = mp;
    return s;
}

// Mean obliquity of date, radians.
double MeanObliquity(double T) {
    return (23.452294 - 0.0130125 * T - 0.00000164 * T * T + 0.000000503 * T * T * T) * kDegToRad;
}

}  // namespace

SunState& Sun() { return gSun; }
MoonState& Moon() { return gMoon; }
void ResetSunState() { gSun = SunState{}; }
void ResetMoonState() { gMoon = MoonState{}; }

SunState SunPositionAt(JD1900 t) {
    const double T = t / 36525.0;
    const double l = 279.69668 + 36000.76892 * T + 0.0003025 * T * T;
    const double m =
        ReducedRad(358.47583 + 35999.04975 * T - 0.000150 * T * T - 0.0000033 * T * T * T);
    const double c = ((1.91946 - 0.004789 * T - 0.000014 * T * T) * std::sin(m) +
                      (0.020094 - 0.0001 * T) * std::sin(2 * m) + 0.000293 * std::sin(3 * m)) *
                     kDegToRad;
    const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T * T;
    const double a = (153.23 + 22518.7541 * T) * kDegToRad;
    const double b = (216.57 + 45037.5082 * T) * kDegToRad;
    const double cj = (312.69 + 32964.3577 * T) * kDegToRad;
    const double d = (350.74 + 445267.1142 * T - 0.00144 * T * T) * kDegToRad;
    const double ee = (231.19 + 20.2 * T) * kDegToRad;
    const double h = (353.4 + 65928.7155 * T) * kDegToRad;

    SunState s;
    s.trueLongitude = ReducedRad(l) + c + 2.339e-5 * std::cos(a) + 2.688e-5 * std::cos(b) +
                      3.491e-5 * std::cos(cj) + 3.124e-5 * std::sin(d) + 3.107e-5 * std::sin(ee);
    s.distance = 1.0000002 * (1.0 - e * e) / (1.0 + e * std::cos(m + c)) + 5.43e-6 * std::sin(a) +
                 1.575e-5 * std::sin(b) + 1.627e-5 * std::sin(cj) + 3.076e-5 * std::cos(d) +
                 9.27e-6 * std::sin(h);
    const double omega = ReducedRad(259.18 - 1934.142 * T);
    const double apparent = s.trueLongitude - (0.00569 + 0.00479 * std::sin(omega)) * kDegToRad;
    const double eps = MeanObliquity(T);
    s.sinObliquity = std::sin(eps);
    s.cosObliquity = std::cos(eps);
    s.x = s.distance * std::cos(apparent);
    s.y = s.distance * std::sin(apparent) * s.cosObliquity;
    s.z = s.distance * std::sin(apparent) * s.sinObliquity;
    return s;
}

void SunPosition(JD1900 t) {
    // The series part only: the chart values stay those of the last SunForChart.
    const SunState s = SunPositionAt(t);
    std::tie(gSun.trueLongitude, gSun.distance, gSun.sinObliquity, gSun.cosObliquity, gSun.x,
             gSun.y, gSun.z) =
        std::tie(s.trueLongitude, s.distance, s.sinObliquity, s.cosObliquity, s.x, s.y, s.z);
}

SunCoordinates SunCoordinatesAt(JD1900 t) {
    const SunState s = SunPositionAt(t);
    return {AngleOf(s.x, s.y), SafeArcSin(s.z / s.distance)};
}

namespace {

// Altitude and chart azimuth of a body at an hour angle and declination.
SkyPosition PlaceInSky(double hourAngle, double dec, const ObservingPlace& o) {
    const HorizontalCoords hz =
        EquatorialToHorizontal(hourAngle, dec, o.sinLatitude, o.cosLatitude);
    return {hz.altitude, hz.azimuth, AboveHorizon(hz.sinAltitude)};
}

}  // namespace

SunCoordinates TrueSunCoordinates(const SunState& sun, double nutationObliquityRad) {
    // From the mean to the true equator: a turn by the nutation in obliquity about the
    // equinox direction.
    const double c = std::cos(nutationObliquityRad), s = std::sin(nutationObliquityRad);
    const double y = sun.y * c - sun.z * s;
    const double z = sun.y * s + sun.z * c;
    return {AngleOf(sun.x, y), SafeArcSin(z / sun.distance)};
}

void SunForChart(const ObservingPlace& place, const DisplayedInstant& shown) {
    SunState& s = gSun;
    const SunCoordinates trueOfDate = TrueSunCoordinates(s, shown.frame.nutationObliquityRad);
    s.rightAscension = trueOfDate.rightAscension;
    s.declination = trueOfDate.declination;
    const double hourAngle = HourAngle(shown.siderealHours, s.rightAscension * 12.0 / kPi);
    s.sky = PlaceInSky(hourAngle, s.declination, place);
    s.altitudeDeg = s.sky.altitude * kRadToDeg;
    s.azimuth = s.sky.azimuth;
}

void MoonPosition(JD1900 t, const ObservingPlace& place, const DisplayedInstant& shown) {
    SunState& sun = gSun;
    MoonState& moon = gMoon;
    const LunarSeries s = ComputeLunarSeries(t);
    moon.longitude = s.lambda;
    moon.latitude = s.beta;
    moon.parallaxDeg = s.parallaxDeg;
    moon.distance = s.distanceAu;

    // The series give the mean equinox of date: the nutation in longitude and obliquity
    // bring the Moon to the true equator and equinox. Its aberration (0.7") is left out.
    const double eps =
        std::atan2(sun.sinObliquity, sun.cosObliquity) + shown.frame.nutationObliquityRad;
    const EquatorialCoords eq = EclipticToEquatorial(s.lambda + shown.frame.nutationLongitudeRad,
                                                     s.beta, std::sin(eps), std::cos(eps));
    moon.rightAscension = eq.ra;
    moon.declination = eq.dec;
    const double hourAngle = WrapPi(shown.siderealHours * kPi / 12.0 - eq.ra);

    const TopocentricCoords topo = TopocentricCorrection(hourAngle, eq.dec, s.sinParallax, place);
    moon.topoRightAscension = eq.ra + topo.deltaRa;
    moon.topoDeclination = topo.dec;
    moon.sky = PlaceInSky(topo.hourAngle, topo.dec, place);
    moon.altitudeDeg = moon.sky.altitude * kRadToDeg;
    moon.azimuth = moon.sky.azimuth;

    // Phase.
    const double cosPsi = std::cos(s.lambda - sun.trueLongitude) * std::cos(s.beta);
    const double psi = AngleOf(cosPsi, std::sqrt(std::fmax(0.0, 1.0 - cosPsi * cosPsi)));
    moon.phaseAngleDeg = 180.0 - psi * kRadToDeg -
                         0.1468 * std::sin(psi) * (1.0 - 0.0549 * std::sin(s.moonAnomaly)) /
                             (1.0 - 0.0167 * std::sin(s.sunAnomaly));
    moon.illuminatedFraction = (1.0 + std::cos(moon.phaseAngleDeg * kDegToRad)) / 2.0;

    // Position angle of the bright limb.
    const double sunRa = AngleOf(sun.x, sun.y);
    const double sunDec = SafeArcSin(sun.z / sun.distance);
    const double dRa = sunRa - moon.topoRightAscension;
    moon.brightLimbPositionAngle =
        AngleOf(std::sin(sunDec) * std::cos(topo.dec) -
                    std::cos(sunDec) * std::sin(topo.dec) * std::cos(dRa),
                std::cos(sunDec) * std::sin(dRa));

    // Waxing or waning.
    sun.trueLongitude = Mod2Pi(sun.trueLongitude);
    const double d = WrapPi(s.lambda - sun.trueLongitude);
    moon.phaseValue = d < 0.0 ? 2.0 - moon.illuminatedFraction : moon.illuminatedFraction;
}

MoonTopocentricResult MoonTopocentric(JD1900 t, const ObservingPlace& place, int year) {
    const LunarSeries s = ComputeLunarSeries(t);
    gMoon.distance = s.distanceAu;
    // The obliquity of the instant itself, so that rise and set searches do not depend on
    // whichever instant SunState was last computed for.
    const double eps = MeanObliquity(t / 36525.0);
    const EquatorialCoords eq =
        EclipticToEquatorial(s.lambda, s.beta, std::sin(eps), std::cos(eps));
    const double sidereal = LocalSiderealTime(place.longitudeDeg, t - DeltaT(year) / 24.0);
    const double hourAngle = WrapPi(sidereal * kPi / 12.0 - eq.ra);
    const TopocentricCoords topo = TopocentricCorrection(hourAngle, eq.dec, s.sinParallax, place);
    const double h = WrapPi(topo.hourAngle);
    const HorizontalCoords hz =
        EquatorialToHorizontal(h, topo.dec, place.sinLatitude, place.cosLatitude);
    return {h, hz.altitude * kRadToDeg, topo.dec};
}
