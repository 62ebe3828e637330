// The NORAD SGP orbit model (Spacetrack Report No. 3, the Kozai-based model that
// preceded SGP4), for every orbit alike, with no deep-space branch. Kept unchanged as
// the classic choice beside SGP4/SDP4 (orbit_model.h).
//
// Units inside: Earth radii and minutes. Epochs and instants are JD1900 (UT).
#pragma once

#include <string_view>

#include "core/timescale.h"
#include "satellite/orbit_error.h"

// The numbers of one element set as cut from its two lines, with the epoch
// quantities of SGP that depend on them only.
struct SgpElements {
    // As read (angles in radians, n0 in rev/day, ndot2 rev/day^2, nddot6 rev/day^3,
    // bstar per Earth radius).
    double catalogNumber = 0.0;
    JD1900 epoch = 0.0;
    double ndot2 = 0.0, nddot6 = 0.0, bstar = 0.0;
    double inclination = 0.0, node = 0.0, eccentricity = 0.0, perigee = 0.0, meanAnomaly = 0.0;
    double meanMotionRevDay = 0.0;
    // Epoch quantities (model units: rad/min, Earth radii).
    double n0 = 0.0, d1 = 0.0, d2 = 0.0;
    double a0 = 0.0, q0 = 0.0, l0 = 0.0;
    double perigeeRate = 0.0, nodeRate = 0.0;
    double cy = 0.0, cl = 0.0;
    double cosI = 1.0, sinI = 0.0;
    bool epochPowerFailed = false;  // n0 <= 0: a power of a non-positive base at the epoch
    bool epochFailed = false;       // a division or root failed at the epoch step
};

// The numbers of the two element lines as they stand in their columns.
struct SgpElementNumbers {
    double catalogNumber = 0.0;
    int year2 = 0;             // columns 19-20 (57..99: 19yy, else 20yy)
    int day = 0;               // day of the year, columns 21-23
    double dayFraction = 0.0;  // "0" and columns 24-32
    double ndot2 = 0.0, nddot6 = 0.0, bstar = 0.0;
    double inclinationDeg = 0.0, nodeDeg = 0.0, eccentricity = 0.0, perigeeDeg = 0.0;
    double meanAnomalyDeg = 0.0, meanMotionRevDay = 0.0;
};

// Cuts the numbers from the two element lines and computes the epoch quantities.
// False when a column that the model reads is not a number (out is then unchanged).
bool ParseSgpElements(std::string_view line1, std::string_view line2, SgpElements& out);
// The elements in the model's units with the epoch quantities, from the numbers.
SgpElements SgpElementsOf(const SgpElementNumbers& numbers);

// The state of SGP at an instant: position and velocity in the equatorial frame of
// the elements, the mean elements, or why the propagation failed.
struct SgpState {
    OrbitError error = OrbitError::None;
    double positionER[3] = {0.0, 0.0, 0.0};     // geocentric, Earth radii
    double velocityERmin[3] = {0.0, 0.0, 0.0};  // Earth radii per minute
    double radiusER = 0.0;                      // corrected distance from the Earth's centre
    double argumentOfLatitude = 0.0;            // corrected argument of latitude, radians
    double nodeRad = 0.0;                       // corrected right ascension of the node
    double perigeeRad = 0.0;                    // argument of perigee with its secular drift
    double inclinationRad = 0.0;                // corrected inclination
    double meanMotionRevDay = 0.0;              // mean motion at the instant
    double semiMajorAxisER = 0.0;
    double eccentricity = 0.0;
    double minutesSinceEpoch = 0.0;
    double nodeRate = 0.0, perigeeRate = 0.0;  // secular J2 rates, rad/min
};

// Propagates an element set to instant T. MathError, EccentricityOutOfRange and
// SemiLatusRectumNegative end the computation where they arise (the later values are
// then not to be used); a decayed orbit (MeanMotionNotPositive) and a Subterranean
// position are computed to the end but fail all the same. Of several failures the
// first one met is returned.
SgpState PropagateSGP(const SgpElements& elements, JD1900 T);
