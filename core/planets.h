// Planets Mercury to Uranus and the asteroids Ceres and Vesta for the chart: mean
// elements of date (Mercury to Saturn, with the main Jupiter-Saturn perturbation),
// the abridged VSOP87D series (Uranus) and osculating elements from "ASTEROID.TXT".
#pragma once

#include <array>

#include "core/bodies.h"
#include "core/timescale.h"

struct DisplayedInstant;
struct ObservingPlace;

// Everything computed for one body (indices of BodyIndex, 2 to 9).
struct PlanetPosition {
    bool valid = false;           // computed by the last PlanetPositions call
    double rightAscension = 0.0;  // radians, equinox of date (asteroids: frame of the elements)
    double declination = 0.0;     // radians
    double distance = 0.0;        // geocentric, AU
    double sunDistance = 0.0;     // heliocentric r, AU
    double phaseAngleDeg = 0.0;   // Sun-body-Earth angle, degrees (0 for Uranus)
    double magnitude = 0.0;
    double altitudeDeg = 0.0;
    double azimuth = 0.0;  // chart azimuth, radians
    SkyPosition sky;       // the same altitude and azimuth for the chart
    double heliocentricLongitudeDeg = 0.0;
};

using PlanetTable = std::array<PlanetPosition, kBodyCount>;

// Results of the last PlanetPositions call (entries 0 and 1 are unused).
PlanetTable& Planets();
void ResetPlanets();

// Fills Planets() entries 2 to 9 for ephemeris time t. Needs SunState for the same instant;
// takes the frame of date and siderealHours of `shown` and the latitude of `place`.
// Reads "ASTEROID.TXT" from the working directory; when it is missing or malformed, throws
// EphemerisFileError after entries 2 to 7 are stored (8 and 9 keep their values).
void PlanetPositions(JD1900 t, const ObservingPlace& place, const DisplayedInstant& shown);

// Heliocentric ecliptic longitude L, latitude B (radians) and radius R (AU) of Uranus
// from the abridged VSOP87D series, mean equinox of date; t ephemeris time.
struct UranusLBR {
    double l = 0.0;
    double b = 0.0;
    double r = 0.0;
};
UranusLBR UranusHeliocentric(JD1900 t);

// Saturn's magnitude ring term for b in degrees (0..90 after reduction).
double SaturnRingTerm(double heliocentricLongitudeDeg, double centuries);
