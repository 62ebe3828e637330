// One further minor body (usually a comet) from the file "KOMET": perihelion elements for
// elliptic, parabolic and hyperbolic orbits, position precessed to equinox 2000.0 (with
// the light time), distance, magnitude, horizontal coordinates of date and tail end.
#pragma once

#include <string>

#include "core/bodies.h"
#include "core/timescale.h"

struct DisplayedInstant;
struct ObservingPlace;

struct MinorBodyState {
    std::string name;       // line 1 of "KOMET"
    double distance = 0.0;  // geocentric, millions of km
    double magnitude = 0.0;
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;  // chart azimuth, degrees
    SkyPosition sky;          // the same altitude and azimuth for the chart
    bool hasTail = false;     // the tail is drawn (above the horizon, brighter than 10 mag)
    SkyPosition tailSky;      // the tail's end

    double raHours = 0.0;          // equinox 2000.0 (light time included)
    double declination = 0.0;      // radians, equinox 2000.0
    double raDateHours = 0.0;      // apparent: true equator and equinox of date, aberration
    double declinationDate = 0.0;  // radians, the same
    double sunDistance = 0.0;      // heliocentric r, AU
};

MinorBodyState& MinorBody();
void ResetMinorBodyState();

// Reads "KOMET" from the working directory and fills MinorBodyState for the chart
// instant t (universal time). Needs SunState for the same chart; takes the frame of date
// of `shown` and its horizon at `place`. Returns true; throws
// EphemerisFileError when the file is missing or unreadable, a value is not a number, or the
// perihelion distance is not positive or the eccentricity negative (the name is replaced as soon as
// line 1 is read).
bool MinorBodyPosition(JD1900 t, const ObservingPlace& place, const DisplayedInstant& shown);

// True anomaly (radians) of a hyperbolic or near-parabolic orbit from the series form of
// the equation of motion in tan(v/2), Newton from startTrueAnomaly.
double NearParabolicAnomaly(double e, double q, double daysFromPerihelion, double startTrueAnomaly);

// Orbital-plane position: x towards perihelion, y 90 deg ahead; r heliocentric (AU).
struct OrbitPlanePoint {
    double x = 0.0;
    double y = 0.0;
    double r = 0.0;
};
// Position in the orbit plane for perihelion distance q (AU), eccentricity e and days
// from perihelion (elliptic: a = q/(1 - e), M = k dt / a^1.5).
OrbitPlanePoint OrbitPlanePosition(double q, double e, double daysFromPerihelion);
