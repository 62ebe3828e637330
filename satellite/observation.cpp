#include "satellite/observation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/constants.h"
#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "satellite/column_number.h"
#include "satellite/flare.h"

namespace {

constexpr double kSixSecondsDays = 1.0 / 14400.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// arctan(y / sqrt(1 - y^2)) for |y| <= 1 without a division by zero.
double ArcSinByTangent(double y) {
    y = std::clamp(y, -1.0, 1.0);
    const double root = std::sqrt(1.0 - y * y);
    if (root == 0.0) return y > 0.0 ? kPi / 2.0 : -kPi / 2.0;
    return std::atan(y / root);
}

// Angle between two directions given as arctan(sqrt(1 - c^2) / c), brought into [0, pi].
double AngleFromCosine(double c) {
    c = std::clamp(c, -1.0, 1.0);
    if (c == 0.0) return kPi / 2.0;
    double psi = std::atan(std::sqrt(1.0 - c * c) / c);
    if (c < 0.0) psi += kPi;  // also for c = -1, where the arctangent is -0
    return psi;
}

// Ellipsoid radius under the geocentric latitude of a position, km.
double EllipsoidRadiusBelow(const double r[3]) {
    const double xy = std::sqrt(r[0] * r[0] + r[1] * r[1]);
    const double psi = xy == 0.0 ? (r[2] >= 0.0 ? kPi / 2.0 : -kPi / 2.0) : std::atan(r[2] / xy);
    return EllipsoidRadiusKm(std::cos(psi));
}

std::string WithoutTrailingBlanks(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\r')) --end;
    return text.substr(0, end);
}

double Length(const Vector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// Altitude and chart azimuth of a topocentric vector in the models' frame: its hour
// angle from the mean sidereal time, then the horizon of the geodetic latitude.
HorizontalCoords HorizonOf(const Vector3& rho, const ObserverAt& observer) {
    const double rhoXY = std::sqrt(rho.x * rho.x + rho.y * rho.y);
    const double dec =
        rhoXY == 0.0 ? (rho.z >= 0.0 ? kPi / 2.0 : -kPi / 2.0) : std::atan(rho.z / rhoXY);
    const double ra = AngleOf(rho.x, rho.y);
    const double hourAngle = HourAngle(observer.siderealHours, ra * 12.0 / kPi);
    return EquatorialToHorizontal(hourAngle, dec, observer.place.sinLatitude,
                                  observer.place.cosLatitude);
}

// Right ascension and declination of a topocentric vector of the models' frame, of
// date and of 2000.0: the models' frame counts its right ascension from the mean
// equinox along the true equator, so the equation of the equinoxes (apparent minus
// mean sidereal time) turns it to the true equinox.
void EquatorialOf(const Vector3& rho, const ObserverAt& observer, SatObservation& seen) {
    if (!observer.frame) {
        seen.raOfDateHours = seen.decOfDateDeg = seen.ra2000Hours = seen.dec2000Deg = kNaN;
        return;
    }
    const FrameOfDate& frame = *observer.frame;
    double ra = 0.0, dec = 0.0;
    RaDecOf(rho, ra, dec);
    const double meanSidereal =
        (observer.siderealHours - observer.place.longitudeDeg / 15.0) * kPi / 12.0;
    ra += std::remainder(frame.gastRad - meanSidereal, kTwoPi);
    ra = std::fmod(ra + kTwoPi, kTwoPi);
    seen.raOfDateHours = ra * 12.0 / kPi;
    seen.decOfDateDeg = dec * kRadToDeg;
    double ra2000 = 0.0, dec2000 = 0.0;
    RaDecOf(J2000OfDate(frame, UnitVectorOf(ra, dec)), ra2000, dec2000);
    seen.ra2000Hours = ra2000 * 12.0 / kPi;
    seen.dec2000Deg = dec2000 * kRadToDeg;
}

}  // namespace

ObserverPlace PlaceOf(double longitudeDeg, double latitudeDeg, double heightM) {
    ObserverPlace place;
    place.longitudeDeg = longitudeDeg;
    place.latitudeDeg = latitudeDeg;
    place.heightM = heightM;
    place.sinLatitude = std::sin(latitudeDeg * kDegToRad);
    place.cosLatitude = std::cos(latitudeDeg * kDegToRad);
    return place;
}

ObserverPlace PlaceOf(const ObservingPlace& o) {
    ObserverPlace place;
    place.longitudeDeg = o.longitudeDeg;
    place.latitudeDeg = o.latitudeDeg;
    place.heightM = o.heightM;
    place.sinLatitude = o.sinLatitude;
    place.cosLatitude = o.cosLatitude;
    return place;
}

ObserverAt ObserverAtInstant(const ObserverPlace& place, JD1900 instant, const FrameOfDate* frame) {
    ObserverAt at;
    at.place = place;
    at.instant = instant;
    at.frame = frame;
    at.siderealHours = LocalSiderealTime(place.longitudeDeg, instant);
    const double theta = kPi * at.siderealHours / 12.0;
    const double e2 = 2.0 * kEarthFlattening - kEarthFlattening * kEarthFlattening;
    const double c = 1.0 / std::sqrt(1.0 - e2 * place.sinLatitude * place.sinLatitude);
    const double s = (1.0 - kEarthFlattening) * (1.0 - kEarthFlattening) * c;
    const double hr = place.heightM / kEarthRadiusM;
    at.positionKm = {kEarthRadiusKm * (c + hr) * place.cosLatitude * std::cos(theta),
                     kEarthRadiusKm * (c + hr) * place.cosLatitude * std::sin(theta),
                     kEarthRadiusKm * (s + hr) * place.sinLatitude};
    return at;
}

SunView SunViewFor(const ObserverAt& observer) {
    // Every instant from 2000 on has that year's Delta T: no calendar date needed.
    static const JD1900 from2000 = JulianDay1900(2000, 1, 1);
    const bool dated = std::isfinite(observer.instant) && std::fabs(observer.instant) < 1e7;
    const int year =
        dated && observer.instant < from2000 ? CivilFromJD1900(observer.instant, 0.0).year : 2000;
    const SunState sun = SunPositionAt(observer.instant + DeltaT(year) / 24.0);
    SunView view;
    view.rightAscension = AngleOf(sun.x, sun.y);
    view.declination = ArcSinByTangent(sun.z / sun.distance);
    const double hourAngle = HourAngle(observer.siderealHours, view.rightAscension * 12.0 / kPi);
    const HorizontalCoords hz = EquatorialToHorizontal(
        hourAngle, view.declination, observer.place.sinLatitude, observer.place.cosLatitude);
    view.altitudeDeg = hz.altitude * kRadToDeg;
    view.azimuthRad = hz.azimuth;
    view.equatorialAu[0] = sun.x;
    view.equatorialAu[1] = sun.y;
    view.equatorialAu[2] = sun.z;
    return view;
}

SatObservation ViewOf(const OrbitState& state, const ObserverAt& observer, const SunView& sun,
                      const SatelliteLook& look) {
    SatObservation seen;
    seen.error = state.error;
    seen.sunAltitudeDeg = sun.altitudeDeg;
    std::copy(sun.equatorialAu, sun.equatorialAu + 3, seen.sunEquatorial);
    const Vector3& r = state.positionKm;
    const Vector3 rho{r.x - observer.positionKm.x, r.y - observer.positionKm.y,
                      r.z - observer.positionKm.z};
    seen.topocentricKm = rho;
    seen.rangeKm = Length(rho);
    const HorizontalCoords hz = HorizonOf(rho, observer);
    seen.altitudeDeg = hz.altitude * kRadToDeg;
    seen.azimuthDeg = hz.azimuth * kRadToDeg;
    seen.sinAltitude = hz.sinAltitude;
    EquatorialOf(rho, observer, seen);

    const double positionER[3] = {r.x / kEarthRadiusKm, r.y / kEarthRadiusKm, r.z / kEarthRadiusKm};
    seen.heightKm = EllipsoidHeight(positionER, Length(r) / kEarthRadiusKm);
    seen.shadowDepthKm = ShadowDepth(positionER, sun.rightAscension, sun.declination);
    seen.phaseAngleDeg =
        PhaseAngle(seen.altitudeDeg, seen.azimuthDeg, sun.altitudeDeg, sun.azimuthRad);
    seen.magnitude =
        SatelliteMagnitude(seen.phaseAngleDeg * kDegToRad, seen.rangeKm, look.standardMagnitude);
    if (look.flareCapable) {
        const double velocity[3] = {state.velocityKmS.x, state.velocityKmS.y, state.velocityKmS.z};
        const double towards[3] = {rho.x / kEarthRadiusKm, rho.y / kEarthRadiusKm,
                                   rho.z / kEarthRadiusKm};
        const FlareResult flare =
            EvaluateFlare(positionER, velocity, towards, sun.rightAscension, sun.declination,
                          seen.rangeKm, seen.phaseAngleDeg, seen.magnitude);
        seen.flareAngleDeg = flare.angleDeg;
        seen.flareMirror = flare.mirror;
        seen.magnitude = flare.magnitude;
    }
    if (!seen.failed() && !(std::isfinite(seen.altitudeDeg) && std::isfinite(seen.azimuthDeg) &&
                            std::isfinite(seen.rangeKm)))
        seen.error = OrbitError::MathError;
    return seen;
}

SatObservation ObserveSatellite(const SatelliteOrbit& orbit, const SatelliteLook& look, JD1900 T,
                                const ObserverPlace& place, const FrameOfDate* frame,
                                ResonanceCarry* carry) {
    const ObserverAt observer = ObserverAtInstant(place, T, frame);
    return ViewOf(Propagate(orbit, T, carry), observer, SunViewFor(observer), look);
}

namespace {

// The satellite of `state` in the observer's horizon at T, and its distance.
HorizontalCoords HorizonAt(const OrbitState& state, const ObserverPlace& place, JD1900 T,
                           double& rangeKm) {
    const ObserverAt observer = ObserverAtInstant(place, T);
    const Vector3& r = state.positionKm;
    const Vector3 rho{r.x - observer.positionKm.x, r.y - observer.positionKm.y,
                      r.z - observer.positionKm.z};
    rangeKm = Length(rho);
    return HorizonOf(rho, observer);
}

}  // namespace

SatelliteDirection ObserveDirection(const SatelliteOrbit& orbit, JD1900 T,
                                    const ObserverPlace& place) {
    const OrbitState state = Propagate(orbit, T);
    if (state.failed()) return {};
    double rangeKm = 0.0;
    const HorizontalCoords hz = HorizonAt(state, place, T, rangeKm);
    SatelliteDirection direction;
    direction.altitudeDeg = hz.altitude * kRadToDeg;
    direction.azimuthDeg = hz.azimuth * kRadToDeg;
    direction.seen = std::isfinite(direction.altitudeDeg) && std::isfinite(direction.azimuthDeg) &&
                     std::isfinite(rangeKm);
    return direction;
}

double QuickAltitude(const SatelliteOrbit& orbit, JD1900 T, const ObserverPlace& place,
                     ResonanceCarry* carry) {
    const OrbitState state = Propagate(orbit, T, carry);
    if (state.failed()) return kNaN;
    double rangeKm = 0.0;
    return HorizonAt(state, place, T, rangeKm).altitude * kRadToDeg;
}

double PhaseAngle(double altitudeDeg, double azimuthDeg, double sunAltitudeDeg,
                  double sunAzimuthRad) {
    double dA = std::fabs(sunAzimuthRad * kRadToDeg - azimuthDeg);
    if (dA > 180.0) dA = 360.0 - dA;
    const double h = altitudeDeg * kDegToRad;
    const double hs = sunAltitudeDeg * kDegToRad;
    const double c =
        std::sin(h) * std::sin(hs) + std::cos(h) * std::cos(hs) * std::cos(dA * kDegToRad);
    return 180.0 - AngleFromCosine(c) * kRadToDeg;
}

double SatelliteMagnitude(double phaseAngleRad, double rangeKm, double standardMagnitude) {
    double f = (std::sin(phaseAngleRad) + (kPi - phaseAngleRad) * std::cos(phaseAngleRad)) / kPi;
    // Sun and satellite in one direction: no lit face is seen; keep a finite, very
    // faint value.
    f = std::max(f, 1.0e-12);
    return standardMagnitude - 16.2 + 5.0 * std::log10(rangeKm) - 2.5 * std::log10(f);
}

double ShadowDepth(const double r[3], double sunRaRad, double sunDecRad) {
    const double sx = std::cos(sunDecRad) * std::cos(sunRaRad);
    const double sy = std::cos(sunDecRad) * std::sin(sunRaRad);
    const double sz = std::sin(sunDecRad);
    const double cx = r[1] * sz - r[2] * sy;
    const double cy = r[2] * sx - r[0] * sz;
    const double cz = r[0] * sy - r[1] * sx;
    const double sunLength = std::sqrt(sx * sx + sy * sy + sz * sz);
    const double distance = std::sqrt(cx * cx + cy * cy + cz * cz) / sunLength;
    double depth = kEarthRadiusKm * distance - EllipsoidRadiusBelow(r);
    // The shadow lies behind the Earth only: on the Sun's side of the plane through
    // the Earth's centre the satellite is lit, however close to the Sun-Earth line.
    const double towardsSunKm = kEarthRadiusKm * (r[0] * sx + r[1] * sy + r[2] * sz) / sunLength;
    if (towardsSunKm > 0.0) depth = std::max(depth, towardsSunKm);
    return depth;
}

double EllipsoidHeight(const double positionER[3], double radiusER) {
    return kEarthRadiusKm * radiusER - EllipsoidRadiusBelow(positionER);
}

double AngularSpeed(const SatelliteOrbit& orbit, const ObserverPlace& place, JD1900 T,
                    double altitudeDeg, double azimuthDeg) {
    const JD1900 later = T + kSixSecondsDays;
    const OrbitState state = Propagate(orbit, later);
    const ObserverAt observer = ObserverAtInstant(place, later);
    const Vector3& r = state.positionKm;
    const HorizontalCoords hz = HorizonOf(
        {r.x - observer.positionKm.x, r.y - observer.positionKm.y, r.z - observer.positionKm.z},
        observer);
    const double h2 = hz.altitude * kRadToDeg;
    const double a2 = hz.azimuth * kRadToDeg;
    double dA = std::fabs(a2 - azimuthDeg);
    if (dA > 180.0) dA = 360.0 - dA;
    const double dh = h2 - altitudeDeg;
    const double across = dA * std::cos((h2 + altitudeDeg) / 2.0 * kDegToRad);
    double d = std::sqrt(dh * dh + across * across);
    if (d > 0.1) {
        const double h1r = altitudeDeg * kDegToRad, h2r = h2 * kDegToRad;
        const double c = std::sin(h1r) * std::sin(h2r) +
                         std::cos(h1r) * std::cos(h2r) * std::cos((azimuthDeg - a2) * kDegToRad);
        d = AngleFromCosine(c) * kRadToDeg;
    }
    return d / 6.0;
}

SatelliteDetailValues SatelliteDetails(const SatelliteOrbit& orbit, const SatelliteLook& look,
                                       const std::string& nameLine, const std::string& line1,
                                       const std::string& line2, JD1900 T,
                                       const ObserverPlace& place, const FrameOfDate& frame) {
    SatelliteDetailValues details;
    details.name = WithoutTrailingBlanks(nameLine);
    details.catalogueText =
        std::string(ColumnText(line1, 3, 7)) + std::string(ColumnText(line1, 9, 18));
    details.inclinationDeg = ColumnNumber(line2, 9, 16).value_or(0.0);
    details.state = Propagate(orbit, T);
    const ObserverAt observer = ObserverAtInstant(place, T, &frame);
    details.seen = ViewOf(details.state, observer, SunViewFor(observer), look);
    details.angularSpeedDegSec =
        AngularSpeed(orbit, place, T, details.seen.altitudeDeg, details.seen.azimuthDeg);
    return details;
}
