#include "satellite/observation.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "core/frames.h"
#include "core/observer_state.h"
#include "core/sun_moon.h"
#include "satellite/column_number.h"
#include "satellite/element_cache.h"
#include "satellite/flare.h"
#include "satellite/satellite_state.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

namespace {

ObservationValues gObservation;

constexpr double kArcSecond = 4.84813681109536e-6;
constexpr double kPerTropicalCentury = 2.7379092633269355e-5;
constexpr double kSixSecondsDays = 1.0 / 14400.0;
constexpr double kSixSecondsHours = 0.0016666666666666668;

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

// Ellipsoid radius under the geocentric latitude of SatState().positionER, km.
double EllipsoidRadiusBelow(const double r[3]) {
    const double xy = std::sqrt(r[0] * r[0] + r[1] * r[1]);
    const double psi = xy == 0.0 ? (r[2] >= 0.0 ? kPi / 2.0 : -kPi / 2.0) : std::atan(r[2] / xy);
    const double cosPsi = std::cos(psi);
    return EllipsoidRadiusKm(cosPsi);
}

std::string WithoutTrailingBlanks(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}

// The Sun for instant T (UT) with its chart values (right ascension, declination,
// altitude and chart azimuth) for a sidereal time and the observer's latitude.
SunState SunValuesFor(JD1900 T, double siderealHours) {
    const ObserverState& o = Observer();
    SunState sun = SunPositionAt(T + DeltaT(o.year) / 24.0);
    sun.rightAscension = AngleOf(sun.x, sun.y);
    sun.declination = ArcSinByTangent(sun.z / sun.distance);
    const double hourAngle = HourAngle(siderealHours, sun.rightAscension * 12.0 / kPi);
    const HorizontalCoords hz =
        EquatorialToHorizontal(hourAngle, sun.declination, o.sinLatitude, o.cosLatitude);
    sun.altitudeDeg = hz.altitude * kRadToDeg;
    sun.azimuth = hz.azimuth;
    return sun;
}

// Phase angle, magnitude (with the flare where asked for), shadow depth, height and
// range of the last propagation with the given Sun values.
void ObserveWithSun(const SunState& sun, double altitudeDeg, double azimuthDeg,
                    double standardMagnitude, bool withFlare) {
    const double phaseDeg = PhaseAngle(altitudeDeg, azimuthDeg, sun.altitudeDeg, sun.azimuth);
    SatelliteMagnitude(phaseDeg * kDegToRad, SatState().rangeKm, standardMagnitude);
    ShadowDepth(sun.rightAscension, sun.declination);
    EllipsoidHeight();
    gObservation.observedRangeKm = SatState().rangeKm;
    if (withFlare) EvaluateFlare(sun.rightAscension, sun.declination);
}

}  // namespace

ObservationValues& Observation() { return gObservation; }

void ResetObservationValues() { gObservation = ObservationValues{}; }

void PrepareObserver() { PrepareObserver(Observer().siderealHours); }

void PrepareObserver(double siderealHours) {
    const ObserverState& o = Observer();
    SatelliteState& st = SatState();
    const double theta = kPi * siderealHours / 12.0;
    const double e2 = 2.0 * kEarthFlattening - kEarthFlattening * kEarthFlattening;
    const double c = 1.0 / std::sqrt(1.0 - e2 * o.sinLatitude * o.sinLatitude);
    const double s = (1.0 - kEarthFlattening) * (1.0 - kEarthFlattening) * c;
    const double hr = o.heightM / kEarthRadiusM;
    st.observerVector[0] = -kEarthRadiusKm * (c + hr) * o.cosLatitude * std::cos(theta);
    st.observerVector[1] = -kEarthRadiusKm * (c + hr) * o.cosLatitude * std::sin(theta);
    st.observerVector[2] = -kEarthRadiusKm * (s + hr) * o.sinLatitude;

    const double x = o.currentJD;
    const double t0 = x * kPerTropicalCentury;
    const double tau = (36525.0 - x) * kPerTropicalCentury;
    const double tau2 = tau * tau, tau3 = tau2 * tau;
    const double zeta = (2304.25 + 1.396 * t0) * tau + 0.302 * tau2 + 0.018 * tau3;
    const double z = zeta + 0.791 * tau2 + 0.001 * tau3;
    const double theta2000 = (2004.682 - 0.853 * t0) * tau - 0.426 * tau2 - 0.042 * tau3;
    st.precessionZeta = zeta * kArcSecond;
    st.precessionZ = z * kArcSecond;
    st.sinTheta = std::sin(theta2000 * kArcSecond);
    st.cosTheta = std::cos(theta2000 * kArcSecond);
}

SatHorizontal HorizontalPosition(double siderealHours) {
    const SatelliteState& st = SatState();
    const ObserverState& o = Observer();
    const double hourAngle = HourAngle(siderealHours, st.rightAscension2000);
    const HorizontalCoords hz =
        EquatorialToHorizontal(hourAngle, st.declination2000, o.sinLatitude, o.cosLatitude);
    return {hz.altitude, hz.azimuth, hz.sinAltitude};
}

SatHorizontal HorizontalPosition() { return HorizontalPosition(Observer().siderealHours); }

double PhaseAngle(double altitudeDeg, double azimuthDeg, double sunAltitudeDeg,
                  double sunAzimuthRad) {
    double dA = std::fabs(sunAzimuthRad * kRadToDeg - azimuthDeg);
    if (dA > 180.0) dA = 360.0 - dA;
    const double h = altitudeDeg * kDegToRad;
    const double hs = sunAltitudeDeg * kDegToRad;
    const double c =
        std::sin(h) * std::sin(hs) + std::cos(h) * std::cos(hs) * std::cos(dA * kDegToRad);
    const double psi = AngleFromCosine(c);
    gObservation.phaseAngleDeg = 180.0 - psi * kRadToDeg;
    return gObservation.phaseAngleDeg;
}

double SatelliteMagnitude(double phaseAngleRad, double rangeKm, double standardMagnitude) {
    double f = (std::sin(phaseAngleRad) + (kPi - phaseAngleRad) * std::cos(phaseAngleRad)) / kPi;
    // Sun and satellite in one direction: no lit face is seen; keep a finite, very
    // faint value.
    f = std::max(f, 1.0e-12);
    gObservation.magnitude =
        standardMagnitude - 16.2 + 5.0 * std::log10(rangeKm) - 2.5 * std::log10(f);
    return gObservation.magnitude;
}

double ShadowDepth(double sunRaRad, double sunDecRad) {
    const double* r = SatState().positionER;
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
    gObservation.shadowDepthKm = depth;
    return gObservation.shadowDepthKm;
}

double EllipsoidHeight() {
    const SatelliteState& st = SatState();
    gObservation.heightKm = kEarthRadiusKm * st.radiusER - EllipsoidRadiusBelow(st.positionER);
    return gObservation.heightKm;
}

double AngularSpeed(std::string_view line1, std::string_view line2, double altitudeDeg,
                    double azimuthDeg, double siderealHours) {
    PropagateSGP(line1, line2, Observer().currentJD + kSixSecondsDays, false);
    const SatHorizontal later = HorizontalPosition(siderealHours + kSixSecondsHours);
    const double h2 = later.altitude * kRadToDeg;
    const double a2 = later.azimuth * kRadToDeg;
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
    gObservation.angularSpeedDegSec = d / 6.0;
    return gObservation.angularSpeedDegSec;
}

SatObservation ObserveSatellite(int k, JD1900 T) {
    const ObserverState& o = Observer();
    const double siderealHours = LocalSiderealTime(o.longitudeDeg, T);
    PrepareObserver(siderealHours);

    const SatelliteTable& table = Satellites();
    const ElementSet set = table.Selected(k);
    const int row = table.SelectedRow(k);
    SatState().satelliteName = WithoutTrailingBlanks(set.nameLine);
    const bool flare = table.flareCapable[static_cast<std::size_t>(row)] != 0;
    const OrbitError error = PropagateRow(row, set.line1, set.line2, T, flare);

    const SatHorizontal hz = HorizontalPosition(siderealHours);
    const double altitudeDeg = hz.altitude * kRadToDeg;
    const double azimuthDeg = hz.azimuth * kRadToDeg;
    const SunState sun = SunValuesFor(T, siderealHours);
    ObserveWithSun(sun, altitudeDeg, azimuthDeg,
                   table.standardMagnitude[static_cast<std::size_t>(row)], flare);

    SatObservation result;
    result.altitudeDeg = altitudeDeg;
    result.azimuthDeg = azimuthDeg;
    result.rangeKm = SatState().rangeKm;
    result.magnitude = gObservation.magnitude;
    result.shadowDepthKm = gObservation.shadowDepthKm;
    result.sunAltitudeDeg = sun.altitudeDeg;
    result.sunEquatorial[0] = sun.x;
    result.sunEquatorial[1] = sun.y;
    result.sunEquatorial[2] = sun.z;
    result.error = error;
    return result;
}

void SatelliteDetails(int k, bool infoFromSelection) {
    PrepareObserver();
    const SatelliteTable& table = Satellites();
    ElementSet set;
    int row = 0;
    if (infoFromSelection) {
        set = table.Selected(k - 1);
        row = table.SelectedRow(k - 1);
    } else {
        set = table.Row(k);
        row = k >= 1 && k <= kSatelliteCapacity ? k : 0;
    }
    SatState().satelliteName = WithoutTrailingBlanks(set.nameLine);
    gObservation.catalogueText =
        std::string(ColumnText(set.line1, 3, 7)) + std::string(ColumnText(set.line1, 9, 18));
    gObservation.inclinationDeg = ColumnNumber(set.line2, 9, 16).value_or(0.0);

    const bool flare = infoFromSelection && table.flareCapable[static_cast<std::size_t>(row)] != 0;
    PropagateRow(row, set.line1, set.line2, Observer().currentJD, flare);
    const SatHorizontal hz = HorizontalPosition();
    const double altitudeDeg = hz.altitude * kRadToDeg;
    const double azimuthDeg = hz.azimuth * kRadToDeg;
    ObserveWithSun(Sun(), altitudeDeg, azimuthDeg,
                   table.standardMagnitude[static_cast<std::size_t>(row)], flare);
    AngularSpeed(set.line1, set.line2, altitudeDeg, azimuthDeg, Observer().siderealHours);
}
