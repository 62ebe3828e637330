#include "prediction/pass_orbit.h"

#include <cmath>
#include <limits>

#include "core/constants.h"
#include "core/frames.h"

Vector3 ObserverVectorER(const ObserverPlace& place, JD1900 t) {
    const Vector3 km = ObserverAtInstant(place, t).positionKm;
    return {km.x / kEarthRadiusKm, km.y / kEarthRadiusKm, km.z / kEarthRadiusKm};
}

double MotionDirection(const SatelliteOrbit& orbit, const ObserverPlace& place, double altitudeDeg,
                       double azimuthDeg, JD1900 t) {
    const double A1 = (azimuthDeg + 180.0) * kDegToRad;
    const double z1 = (90.0 - altitudeDeg) * kDegToRad;
    const SatelliteDirection later = ObserveDirection(orbit, t + 10.0 / 86400.0, place);
    if (!later.seen) return std::numeric_limits<double>::quiet_NaN();
    const double A2 = (later.azimuthDeg + 180.0) * kDegToRad;
    const double z2 = (90.0 - later.altitudeDeg) * kDegToRad;
    const double dA = A2 - A1;
    // Two-argument arctangent: the quotient alone loses the quadrant, and the
    // direction would jump by 180 degrees where the denominator changes sign.
    const double gamma = std::atan2(
        std::sin(dA), std::cos(z1) * std::sin(z2) / std::sin(z1) - std::cos(dA) * std::cos(z2));
    const double X = std::cos(z2) * std::sin(dA) * std::sin(gamma) - std::cos(dA) * std::cos(gamma);
    const double Y = std::sin(z2) * std::sin(gamma) / std::sin(z1);
    return AngleOf(X, Y) * kRadToDeg;
}
