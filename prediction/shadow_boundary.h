// The entry into or exit from the Earth's shadow that belongs to a pass: the classical
// quartic of the shadow function for a Keplerian orbit and a cylindrical shadow (Earth
// radius 1), solved for cos(true anomaly) by Ferrari's method.
#pragma once

#include "core/timescale.h"
#include "satellite/observation.h"

// Orbit and Sun direction for the shadow quartic. Angles in radians, semi-major axis in
// Earth radii; sun is a unit vector in the equatorial frame of the elements.
struct ShadowOrbit {
    double semiMajorAxisER = 1.0;
    double eccentricity = 0.0;
    double inclination = 0.0;
    double node = 0.0;
    double perigee = 0.0;
    double sun[3] = {1.0, 0.0, 0.0};
};

// The (at most) two true anomalies at which the satellite crosses the shadow cylinder
// on the night side: among the up to eight anomalies of the quartic's roots, those
// with the Sun behind the Earth (cosine to the Sun < 0) and the smallest residual of
// the shadow function (near zero: true crossings only), best first; the second
// differs from the first.
struct ShadowAnomalies {
    int count = 0;
    double trueAnomaly[2] = {0.0, 0.0};
};
ShadowAnomalies ShadowBoundaryAnomalies(const ShadowOrbit& orbit);

struct ShadowBoundaryResult {
    bool found = false;
    JD1900 time = 0.0;
};

// The shadow entry or exit of a satellite for the pass at t, inside [windowStart,
// windowEnd], with the satellite above minAltitudeDeg and the Sun below
// maxSunAltitudeDeg there, seen from place; of two usable boundaries the one where the
// satellite stands higher (the better candidate on a tie). sunEquatorial is the Sun's
// geocentric X, Y, Z at t (SatObservation::sunEquatorial).
ShadowBoundaryResult ShadowBoundary(const SatelliteOrbit& orbit, const SatelliteLook& look,
                                    const ObserverPlace& place, JD1900 windowStart,
                                    JD1900 windowEnd, JD1900 t, const double sunEquatorial[3],
                                    double minAltitudeDeg, double maxSunAltitudeDeg);
