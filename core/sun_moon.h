// Sun and Moon: the low-precision solar and lunar series (mean equinox of date, time in
// Julian centuries from JD1900 = 0), the Moon's phase and bright-limb direction, and the
// topocentric Moon. All instants t here are ephemeris time (JD1900 + DeltaT/24).
#pragma once

#include "core/bodies.h"
#include "core/timescale.h"

struct DisplayedInstant;
struct ObservingPlace;

// Latest Sun result, overwritten by every SunPosition call.
struct SunState {
    double trueLongitude = 0.0;  // geometric ecliptic longitude, radians
    double distance = 1.0;       // Earth-Sun distance R, AU
    double sinObliquity = 0.0;   // mean obliquity of date
    double cosObliquity = 1.0;
    double x = 0.0;  // geocentric equatorial rectangular, AU (apparent longitude)
    double y = 0.0;
    double z = 0.0;

    // Sun values for the chart, written by SunForChart.
    double rightAscension = 0.0;  // radians [0, 2pi)
    double declination = 0.0;     // radians
    double altitudeDeg = 0.0;     // degrees
    double azimuth = 0.0;         // chart azimuth, radians
    SkyPosition sky;              // the same altitude and azimuth for the chart
};

// Latest Moon result, written by MoonPosition (MoonTopocentric writes the distance only).
struct MoonState {
    double altitudeDeg = 0.0;          // topocentric altitude of the centre, degrees
    double distance = 0.0;             // AU
    SkyPosition sky;                   // topocentric altitude and chart azimuth of the centre
    double illuminatedFraction = 0.0;  // k, 0..1
    double phaseValue = 0.0;           // k waxing, 2 - k waning; < 1 "zunehmend"
    double phaseAngleDeg = 0.0;        // Sun-Moon-Earth angle i, degrees
    // Position angle χ of the bright limb (from the north point of the disc towards
    // east, radians); the chart turns it into a direction on the screen.
    double brightLimbPositionAngle = 0.0;

    // Intermediate values kept for display and checks.
    double longitude = 0.0;           // geocentric ecliptic longitude, radians
    double latitude = 0.0;            // geocentric ecliptic latitude, radians
    double parallaxDeg = 0.0;         // horizontal parallax, degrees
    double rightAscension = 0.0;      // geocentric, radians
    double declination = 0.0;         // geocentric, radians
    double topoRightAscension = 0.0;  // topocentric, radians
    double topoDeclination = 0.0;     // topocentric, radians
    double azimuth = 0.0;             // topocentric chart azimuth, radians
};

SunState& Sun();
MoonState& Moon();
void ResetSunState();
void ResetMoonState();

// The series part of the Sun (true longitude, distance, obliquity, X, Y, Z) at
// ephemeris time t, returned without touching the shared records (the chart values
// of the result stay at their defaults).
SunState SunPositionAt(JD1900 t);
// The same written into SunState (the series part only).
void SunPosition(JD1900 t);

// The Sun's right ascension (radians, [0, 2pi)) and declination (radians) at ephemeris
// time t, from the series part, without touching the shared records.
struct SunCoordinates {
    double rightAscension = 0.0;
    double declination = 0.0;
};
SunCoordinates SunCoordinatesAt(JD1900 t);

// The Sun's right ascension and declination of the true equator and equinox of date
// from the series part of `sun`: its apparent longitude carries the aberration and the
// main term of the nutation in longitude already; the nutation in obliquity is added.
SunCoordinates TrueSunCoordinates(const SunState& sun, double nutationObliquityRad);

// Sun values for the chart from the current SunState: right ascension and declination
// of date (TrueSunCoordinates with the frame of `shown`), altitude and chart azimuth.
// Uses siderealHours and the frame of `shown` and the latitude of `place`.
void SunForChart(const ObservingPlace& place, const DisplayedInstant& shown);

// Moon for the chart instant: needs SunState of the same instant, siderealHours and the
// frame of `shown` (its nutation turns the theory's mean equinox of date to the true
// one) and the latitude and height of `place`. Fills MoonState. t: ephemeris time.
void MoonPosition(JD1900 t, const ObservingPlace& place, const DisplayedInstant& shown);

struct MoonTopocentricResult {
    double hourAngle = 0.0;    // topocentric H', radians [-pi, pi]
    double altitudeDeg = 0.0;  // topocentric altitude, degrees
    double dec = 0.0;          // topocentric declination, radians
};
// The topocentric Moon for one instant (ephemeris time t) at `place`; sidereal time is
// taken at t - DeltaT(year)/24. Uses the mean obliquity of t itself (not SunState), so it can run
// without a preceding SunPosition; writes the Moon distance.
MoonTopocentricResult MoonTopocentric(JD1900 t, const ObservingPlace& place, int year);
