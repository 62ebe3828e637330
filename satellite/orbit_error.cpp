#include "satellite/orbit_error.h"

const char* OrbitErrorWord(OrbitError error) {
    switch (error) {
        case OrbitError::None: return "none";
        case OrbitError::Unreadable: return "unreadable";
        case OrbitError::MeanMotionNotPositive: return "decayed";
        case OrbitError::EccentricityOutOfRange: return "eccentricity";
        case OrbitError::SemiLatusRectumNegative: return "semi_latus_rectum";
        case OrbitError::Subterranean: return "subterranean";
        case OrbitError::MathError: return "math";
    }
    return "math";
}
