// Why a propagation failed, for every orbit model alike. The decay conditions of SGP
// follow its report: a mean motion that is not positive (at the epoch or, through the
// drag terms, at T), an eccentricity of the long-period elements of 1 or more, a
// semi-latus rectum that is not positive, and a position below the Earth's surface.
// SGP4/SDP4 fail with the same codes: mean elements out of range, a perturbed
// eccentricity out of range, a negative semi-latus rectum, and a position within one
// Earth radius (decayed).
#pragma once

enum class OrbitError {
    None,
    Unreadable,               // a column that the model reads is not a number
    MeanMotionNotPositive,    // n0 <= 0, or n <= 0 at T: the orbit has decayed
    EccentricityOutOfRange,   // e >= 1 (epoch or long-period elements)
    SemiLatusRectumNegative,  // a (1 - e^2) < 0 at the short-period step
    Subterranean,             // the position lies below the ellipsoid
    MathError,                // another division by zero, root of a negative number or overflow
};

// The word of an error in the command-line reports: "none", "unreadable", "decayed",
// "eccentricity", "semi_latus_rectum", "subterranean", "math".
const char* OrbitErrorWord(OrbitError error);
