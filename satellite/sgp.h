// The NORAD SGP orbit model (Spacetrack Report No. 3, the Kozai-based model that
// preceded SGP4), used for every orbit alike, with no deep-space branch.
//
// Units inside: Earth radii and minutes. Epochs and instants are JD1900 (UT).
#pragma once

#include <string_view>

#include "core/timescale.h"
#include "satellite/orbit_error.h"

// The numbers of one element set as cut from its two lines, with the epoch
// quantities of the model that depend on them only.
struct SgpElements {
    // As read (angles in radians, n0 in rev/day, ndot2 rev/day^2, nddot6 rev/day^3).
    double catalogNumber = 0.0;
    JD1900 epoch = 0.0;
    double ndot2 = 0.0, nddot6 = 0.0;
    double inclination = 0.0, node = 0.0, eccentricity = 0.0, perigee = 0.0, meanAnomaly = 0.0;
    double meanMotionRevDay = 0.0;
    // Epoch quantities (model units: rad/min, Earth radii).
    double n0 = 0.0, d1 = 0.0, d2 = 0.0;
    double a0 = 0.0, q0 = 0.0, l0 = 0.0;
    double perigeeRate = 0.0, nodeRate = 0.0;
    double cy = 0.0, cl = 0.0;
    double cosI = 1.0, sinI = 0.0;
    bool epochPowerFailed = false;  // n0 <= 0: Power raised MathErrorFlag at the epoch step
    bool epochFailed = false;       // a division or root failed at the epoch step
};

// Cuts the numbers from the two element lines and computes the epoch quantities.
// False when a column that the model reads is not a number (out is then unchanged).
bool ParseSgpElements(std::string_view line1, std::string_view line2, SgpElements& out);


// Propagates an element set to instant T and writes SatState(): position (and velocity
// with withVelocity), the mean elements at T, and the topocentric right ascension and
// declination referred to 2000.0 with the range, using SatState().observerVector and
// the precession values (see PrepareObserver). A failure is returned and also sets
// MathErrorFlag (which the caller tests and clears): Unreadable leaves SatState()
// untouched; MathError, EccentricityOutOfRange and SemiLatusRectumNegative end the
// computation there; a decayed orbit (MeanMotionNotPositive) and a Subterranean
// position are computed to the end but fail all the same. Of several failures the
// first one met is returned.
OrbitError PropagateSGP(std::string_view line1, std::string_view line2, JD1900 T,
                        bool withVelocity);
// The same for elements parsed before (same values, same failures).
OrbitError PropagateSGP(const SgpElements& elements, JD1900 T, bool withVelocity);
