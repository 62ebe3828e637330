#include "prediction/ground_track.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/constants.h"
#include "core/sun_moon.h"

namespace {

// printf-style text with "." (the C locale is the program's).
std::string Formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Earth radius at geocentric latitude ψc (km) on the reference ellipsoid.
double EarthRadiusAt(double geocentricLatitude) {
    return EllipsoidRadiusKm(std::cos(geocentricLatitude));
}

// The satellite's position at t in Earth radii; false when the propagation fails.
bool PositionAt(const SatelliteOrbit& orbit, JD1900 t, double r[3]) {
    const OrbitState state = Propagate(orbit, t);
    if (state.failed()) return false;
    r[0] = state.positionKm.x / kEarthRadiusKm;
    r[1] = state.positionKm.y / kEarthRadiusKm;
    r[2] = state.positionKm.z / kEarthRadiusKm;
    return true;
}

}  // namespace

double LongitudeIntoHalfCircle(double longitudeDeg) { return WrapSymmetric(longitudeDeg, 180.0); }

bool SubSatellitePoint(const SatelliteOrbit& orbit, JD1900 t, double siderealHours,
                       double observerLongitudeDeg, GroundPoint& out) {
    double r[3];
    if (!PositionAt(orbit, t, r)) return false;
    GroundPoint p;
    p.rightAscensionRad = AngleOf(r[0], r[1]);
    p.declinationRad = std::atan(r[2] / std::sqrt(r[0] * r[0] + r[1] * r[1]));
    // Sub-satellite longitude: the position's right ascension minus the Greenwich
    // sidereal angle 15·θ - λ. The sum can lie up to a full turn outside -180..180
    // (θ near 24 h, λ east of Greenwich), so it is reduced once more when needed.
    double longitude =
        p.rightAscensionRad * kRadToDeg - 15.0 * siderealHours + observerLongitudeDeg;
    longitude = LongitudeIntoHalfCircle(longitude);
    longitude = LongitudeIntoHalfCircle(longitude);
    p.longitudeDeg = longitude;
    p.latitudeDeg = p.declinationRad * kRadToDeg;
    for (int i = 0; i < 3; ++i) p.positionER[i] = r[i];
    out = p;
    return true;
}

SunDirection SunAt(JD1900 t) {
    const int year = CivilFromJD1900(t, 0.0).year;
    const SunState sun = SunPositionAt(t + DeltaT(year) / 24.0);
    SunDirection d;
    d.rightAscensionRad = AngleOf(sun.x, sun.y);
    d.declinationRad = std::atan(sun.z / std::sqrt(sun.x * sun.x + sun.y * sun.y));
    return d;
}

bool ComputeTrackInformation(const SatelliteOrbit& orbit, JD1900 t, double siderealHours,
                             double observerLongitudeDeg, TrackInformation& out) {
    const SunDirection sun = SunAt(t);
    const double s[3] = {std::cos(sun.declinationRad) * std::cos(sun.rightAscensionRad),
                         std::cos(sun.declinationRad) * std::sin(sun.rightAscensionRad),
                         std::sin(sun.declinationRad)};
    double r[3];
    if (!PositionAt(orbit, t, r)) return false;
    const double rxy = std::sqrt(r[0] * r[0] + r[1] * r[1]);
    const double psiC = std::atan(r[2] / rxy);
    const double earthRadius = EarthRadiusAt(psiC);
    const double rLength = std::sqrt(rxy * rxy + r[2] * r[2]);
    const double cross[3] = {r[1] * s[2] - r[2] * s[1], r[2] * s[0] - r[0] * s[2],
                             r[0] * s[1] - r[1] * s[0]};
    const double crossLength =
        std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
    const double sLength = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);

    TrackInformation info;
    info.heightKm = rLength * kEarthRadiusKm - earthRadius;
    info.shadowHeightKm = crossLength / sLength * kEarthRadiusKm - earthRadius;
    info.sunBelowHorizon = r[0] * s[0] + r[1] * s[1] + r[2] * s[2] < 0.0;
    double longitude =
        (AngleOf(r[0], r[1]) - siderealHours * kPi / 12.0) * kRadToDeg + observerLongitudeDeg;
    longitude = LongitudeIntoHalfCircle(LongitudeIntoHalfCircle(longitude));
    info.longitudeDeg = longitude;
    info.latitudeDeg = std::atan(std::tan(psiC) * 1.0067397197276889867) * kRadToDeg;
    out = info;
    return true;
}

std::string HeightLabelText(const TrackInformation& info) {
    return "Flughöhe " + Formatted("%6.0f", info.heightKm) + " km";
}

std::string ShadowLabelText(const TrackInformation& info) {
    if (!info.sunBelowHorizon) return std::string(18, ' ');
    return "Schatten " + Formatted("%6.0f", info.shadowHeightKm) + " km";
}

std::string LongitudeLabelText(const TrackInformation& info) {
    return "Länge " + Formatted("%7.2f", info.longitudeDeg) + " Grad";
}

std::string LatitudeLabelText(const TrackInformation& info) {
    return "Breite " + Formatted("%6.2f", info.latitudeDeg) + " Grad";
}

std::string DistanceLabelText(const double a[3], const double b[3]) {
    const double dx = b[0] - a[0], dy = b[1] - a[1], dz = b[2] - a[2];
    const double km = std::sqrt(dx * dx + dy * dy + dz * dz) * kEarthRadiusKm;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%5ld", std::lround(km));
    return std::string("Abst. ") + buffer + " km";
}
