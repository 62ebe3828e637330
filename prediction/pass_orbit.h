// Orbit helpers of the pass search: mean elements at an instant, the altitude alone,
// the observer's geocentric vector and the direction of motion of a pass.
#pragma once

#include "core/timescale.h"
#include "core/vector3.h"

struct SgpElements;

// Mean orbital elements of the model at an instant (the values PropagateSGP leaves in
// SatState()). Angles in radians, rates in radians per minute.
struct OrbitState {
    double argumentOfLatitude = 0.0;  // u_k, corrected
    double node = 0.0;                // Omega_k, corrected
    double perigee = 0.0;             // omega with its secular drift
    double meanMotionRevDay = 0.0;    // n at t
    double perigeeRate = 0.0;
    double nodeRate = 0.0;
    double semiMajorAxisER = 0.0;
    double eccentricity = 0.0;
    double radiusER = 0.0;  // corrected distance from the Earth's centre
    bool decayed = false;   // n at t not positive (MathErrorFlag set)
    bool failed = false;    // the propagation failed: the values are meaningless
};
OrbitState ElementsAt(const SgpElements& elements, JD1900 t);

// The satellite's altitude in degrees at t (no Sun, shadow or magnitude). Renews the
// observer vector for t. NaN when the orbit fails at t.
double QuickAltitude(const SgpElements& elements, JD1900 t);

// The observer's geocentric position at t in Earth radii, equatorial frame of date
// (the WGS-72 ellipsoid of core/constants.h).
Vector3 ObserverVectorER(JD1900 t);

// Direction of motion in degrees 0..360 of selected satellite k seen at altitude and
// chart azimuth (degrees) at t, from a second observation 10 seconds later: the angle
// at the satellite from the direction towards the zenith to the direction of motion,
// counted towards increasing (north-through-east) azimuth; 90 or 270 at culmination.
// NaN when the second observation fails.
double MotionDirection(int k, double altitudeDeg, double azimuthDeg, JD1900 t);
