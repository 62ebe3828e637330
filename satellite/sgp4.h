// The SGP4 orbit model with its deep-space branch SDP4 (periods of 225 minutes and
// more): Hoots & Roehrich, Spacetrack Report No. 3 (1980), with the corrections of
// Vallado, Crawford, Hujsak & Kelso, "Revisiting Spacetrack Report #3" (AIAA
// 2006-6753); WGS-72 constants, the "improved" operation mode (sidereal time of the
// epoch by the IAU 1982 formula).
//
// Positions and velocities are in the model's frame, the true equator and mean equinox
// of date (TEME), in km and km/s. The orbit of an element set is computed once
// (InitSgp4); a propagation only reads it, so one orbit may be propagated from several
// threads at once.
#pragma once

#include "core/constants.h"
#include "satellite/orbit_error.h"
#include "satellite/sdp4_deep_space.h"

// WGS-72 as SGP4 uses it: √(GM/R³) per minute, not rounded as SGP's kGravityKe.
inline constexpr double kSgp4Xke = 60.0 / 806.81038181755863;

// The mean elements of an element set as SGP4 reads them.
struct Sgp4MeanElements {
    double epochDays1950 = 0.0;  // epoch, days since 1949 December 31, 0:00 UT (JD - 2433281.5)
    double bstar = 0.0;          // drag term, per Earth radius
    double inclinationRad = 0.0;
    double nodeRad = 0.0;
    double eccentricity = 0.0;
    double perigeeRad = 0.0;
    double meanAnomalyRad = 0.0;
    double meanMotionRadMin = 0.0;  // the element set's (Kozai) mean motion
};

// What the epoch fixes: the recovered Brouwer mean motion and semi-major axis, the
// secular rates and the drag coefficients, and the deep-space terms.
struct Sgp4Orbit {
    Sgp4MeanElements elements;
    OrbitError epochError = OrbitError::None;  // elements that no propagation can use
    bool deepSpace = false;                    // SDP4
    bool simplifiedDrag = false;               // perigee below 220 km: drag to first order only
    double meanMotion = 0.0;                   // Brouwer mean motion, rad/min
    double semiMajorAxis = 0.0;                // Earth radii
    double siderealAtEpochRad = 0.0;
    // Secular rates (rad/min) and the drag and long-period coefficients.
    double meanAnomalyDot = 0.0, perigeeDot = 0.0, nodeDot = 0.0;
    double con41 = 0.0, x1mth2 = 0.0, x7thm1 = 0.0;
    double eta = 0.0, cc1 = 0.0, cc4 = 0.0, cc5 = 0.0;
    double d2 = 0.0, d3 = 0.0, d4 = 0.0;
    double t2cof = 0.0, t3cof = 0.0, t4cof = 0.0, t5cof = 0.0;
    double omgcof = 0.0, xmcof = 0.0, nodecf = 0.0, delmo = 0.0, sinmao = 0.0;
    double xlcof = 0.0, aycof = 0.0;
    // The sine and cosine of the mean inclination and (ke / n)^(2/3): constant for a
    // near-Earth orbit, whose mean inclination and mean motion the drag does not change.
    double sinio = 0.0, cosio = 1.0, axisOfMeanMotion = 0.0;
    DeepSpaceEpoch deepEpoch;
    DeepSpaceTerms deep;
};

// One instant of an orbit: the state, the singly averaged mean elements, or why the
// propagation failed (then the other values are not to be used).
struct Sgp4State {
    OrbitError error = OrbitError::None;
    double positionKm[3] = {0.0, 0.0, 0.0};
    double velocityKmS[3] = {0.0, 0.0, 0.0};
    double semiMajorAxisER = 0.0;
    double eccentricity = 0.0;
    double inclinationRad = 0.0;
    double nodeRad = 0.0;
    double perigeeRad = 0.0;
    double meanAnomalyRad = 0.0;
    double meanMotionRadMin = 0.0;
    // Osculating: distance from the Earth's centre (Earth radii), argument of
    // latitude, node and inclination with the short-period terms.
    double radiusER = 0.0;
    double argumentOfLatitudeRad = 0.0;
    double osculatingNodeRad = 0.0;
    double osculatingInclinationRad = 0.0;
    // Their sines and cosines, as the orientation vectors use them.
    double sinOsculatingNode = 0.0, cosOsculatingNode = 1.0;
    double sinOsculatingInclination = 0.0, cosOsculatingInclination = 1.0;
};

// Greenwich mean sidereal angle (IAU 1982) of a UT1 Julian date, radians in [0, 2π).
double Sgp4SiderealAngle(double julianDateUt1);

Sgp4Orbit InitSgp4(const Sgp4MeanElements& elements);

// carry (optional) speeds up a run of propagations of one deep-space orbit.
Sgp4State PropagateSGP4(const Sgp4Orbit& orbit, double minutesSinceEpoch,
                        ResonanceCarry* carry = nullptr);
