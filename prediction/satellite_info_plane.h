// When the observer passes through a satellite's orbital plane ("Bahnebene"): the
// next ascending-half and descending-half crossings after the last ascending node,
// from the SGP state at the current instant. The orbit-class list of sun-synchronous
// satellites uses the same computation.
#pragma once

#include <string>

#include "core/timescale.h"

struct ObservingPlace;

struct OrbitPlaneInput {
    // Line 2 of the set: inclination (degrees) and eccentricity.
    double inclinationDeg = 0.0;
    double eccentricity = 0.0;
    // Observer: geodetic latitude (degrees), height (m), east longitude (degrees).
    double latitudeDeg = 0.0;
    double heightM = 0.0;
    double longitudeDeg = 0.0;
    // Instant of the propagation and the orbit's values there.
    JD1900 instant = 0.0;
    double argumentOfLatitude = 0.0;  // radians
    double perigeeRad = 0.0;
    double meanMotionRevDay = 0.0;
    double nodeRad = 0.0;
    double nodeRateRadMin = 0.0;
};

struct OrbitPlanePassage {
    bool passes = false;      // false: the observer lies beyond the orbit's reach
    bool north = false;       // no passage: the observer is too far north (else south)
    JD1900 lastNode = 0.0;    // the last ascending node before the instant
    JD1900 ascending = 0.0;   // crossing on the ascending half of the orbit
    JD1900 descending = 0.0;  // crossing on the descending half
};

OrbitPlanePassage ComputeOrbitPlanePassage(const OrbitPlaneInput& input);

// The message text (UTF-8, lines separated by "\n") with the place's name and its local
// times; DateText and TimeText are kept.
std::string OrbitPlaneMessage(const OrbitPlanePassage& passage, const ObservingPlace& place);
// Caption of that message: "Durchgang durch Bahnebene".
inline constexpr const char* kOrbitPlaneCaption = "Durchgang durch Bahnebene";
