// The shared record every propagation and observation leaves behind. Readers take the
// values right after the call that wrote them; there is no notion of "valid" (test
// MathErrorFlag after a propagation).
#pragma once

#include <string>

struct SatelliteState {
    double positionER[3] = {0.0, 0.0,
                            0.0};  // geocentric, equator and equinox of the elements, Earth radii
    double velocityERmin[3] = {0.0, 0.0, 0.0};  // Earth radii per minute (velocity variant only)
    double radiusER = 0.0;                      // corrected distance from the Earth's centre
    double argumentOfLatitude = 0.0;            // corrected argument of latitude, radians
    double nodeRad = 0.0;                       // corrected right ascension of the node, radians
    double perigeeRad = 0.0;                    // argument of perigee with secular drift, radians
    double meanMotionRevDay = 0.0;              // mean motion at the instant, rev/day
    double semiMajorAxisER = 0.0;               // semi-major axis at the instant, Earth radii
    double eccentricity = 0.0;                  // eccentricity at the instant
    double minutesSinceEpoch = 0.0;             // (instant - epoch) * 1440
    double nodeRate = 0.0;                      // secular J2 rate of the node, rad/min
    double perigeeRate = 0.0;                   // secular J2 rate of the perigee, rad/min
    double rightAscension2000 =
        0.0;  // topocentric, precessed to 2000.0, hours (may exceed 24 slightly)
    double declination2000 = 0.0;  // topocentric, precessed to 2000.0, radians
    double rangeKm = 0.0;          // distance from the observer
    double observerVector[3] = {0.0, 0.0,
                                0.0};  // observer's geocentric position, sign reversed, km
    double precessionZeta = 0.0;       // precession angles from the chart instant to 2000.0
    double precessionZ = 0.0;
    double sinTheta = 0.0;
    double cosTheta = 1.0;
    std::string satelliteName;  // name line of the last observed satellite, trailing blanks removed
};

// The one SatelliteState of the process.
SatelliteState& SatState();
// Back to a freshly constructed record (tests).
void ResetSatelliteState();
