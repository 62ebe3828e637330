// Propagation of an element set by the chosen orbit model: the set is prepared once
// (parsed, and the model's epoch quantities computed), then each instant gives a value
// of its own. Nothing is shared between calls, so any thread may propagate.
#pragma once

#include <string_view>

#include "core/timescale.h"
#include "core/vector3.h"
#include "satellite/orbit_error.h"
#include "satellite/orbit_model.h"
#include "satellite/sgp.h"
#include "satellite/sgp4.h"

// One element set ready for propagation.
struct SatelliteOrbit {
    OrbitModel model = OrbitModel::Sgp4;
    bool readable = false;  // the columns the models read are numbers
    SgpElements elements;   // the numbers of the lines (and SGP's epoch quantities)
    Sgp4Orbit sgp4;         // SGP4's epoch quantities, when model is Sgp4
};

// Parses the two element lines and prepares them for the model; readable is false
// (and every propagation fails with Unreadable) when a column is not a number.
SatelliteOrbit PrepareOrbit(std::string_view line1, std::string_view line2, OrbitModel model);
// The same orbit prepared for another model.
SatelliteOrbit PrepareOrbit(const SgpElements& elements, OrbitModel model);

// The state of an orbit at one instant.
struct OrbitState {
    OrbitError error = OrbitError::None;
    // Geocentric, in the model's frame (TEME for SGP4, the equatorial frame of the
    // elements for SGP; both turn to the Earth with the mean sidereal time).
    Vector3 positionKm;
    Vector3 velocityKmS;
    double minutesSinceEpoch = 0.0;
    // Mean elements at the instant (radians, rates per minute).
    double semiMajorAxisER = 0.0;
    double eccentricity = 0.0;
    double inclinationRad = 0.0;
    double nodeRad = 0.0;
    double perigeeRad = 0.0;
    double meanAnomalyRad = 0.0;  // [0, 2π), long-period terms of SGP included
    double meanMotionRevDay = 0.0;
    double nodeRate = 0.0, perigeeRate = 0.0;
    // The osculating position in the orbit: distance from the Earth's centre (Earth
    // radii), argument of latitude, node and inclination with the periodic terms.
    double radiusER = 0.0;
    double argumentOfLatitudeRad = 0.0;
    double osculatingNodeRad = 0.0;
    double osculatingInclinationRad = 0.0;
    double sinOsculatingNode = 0.0, cosOsculatingNode = 1.0;
    double sinOsculatingInclination = 0.0, cosOsculatingInclination = 1.0;

    bool failed() const { return error != OrbitError::None; }
};

// carry (optional, one per orbit and thread) makes a run of propagations of one
// deep-space orbit cheaper; the values are the same.
OrbitState Propagate(const SatelliteOrbit& orbit, JD1900 T, ResonanceCarry* carry = nullptr);

// JD1900 of an SGP4 epoch day count since 1949 December 31 0:00 UT, and back.
double Days1950OfJD1900(JD1900 instant);
