// The Earth models and apparent sizes the engines share: one home for each value.
// Plain C++, no Qt. Lengths carry their unit in the name.
#pragma once

#include <cmath>

// WGS-72: the Earth of the SGP theory, the satellite geometry and the orbit tables.
inline constexpr double kEarthRadiusKm = 6378.135;                // equatorial radius
inline constexpr double kEarthRadiusM = kEarthRadiusKm * 1000.0;  // the same in metres
inline constexpr double kGravityKe = 0.0743669161;  // √(GM), Earth radii^1.5 per minute
inline constexpr double kEarthFlattening = 1.0 / 298.257;

// The ellipsoid of the satellite height and of the Earth's shadow: polar radius and
// eccentricity squared.
inline constexpr double kPolarRadiusKm = 6356.775;
inline constexpr double kShadowEllipsoidE2 = 0.00669454;

// Radius of that ellipsoid, km, at a geocentric latitude given by its cosine.
inline double EllipsoidRadiusKm(double cosGeocentricLatitude) {
    return kPolarRadiusKm /
           std::sqrt(1.0 - kShadowEllipsoidE2 * cosGeocentricLatitude * cosGeocentricLatitude);
}

// IAU 1976: the Earth of the topocentric corrections of the Sun, Moon and planets.
inline constexpr double kEarthRadiusIauM = 6378140.0;  // equatorial radius
inline constexpr double kEarthAxisRatio = 0.99664719;  // polar over equatorial radius

// Apparent semi-diameters in degrees at a distance of 1 AU; divide by the distance in AU.
inline constexpr double kSunSemiDiameterDeg = 0.26666666666666666668;
inline constexpr double kMoonSemiDiameterDeg = 0.0006656666666666666;
