// Orbit helpers of the pass search: the observer's geocentric vector and the direction
// of motion of a pass.
#pragma once

#include "core/timescale.h"
#include "core/vector3.h"
#include "satellite/observation.h"

// The observer's geocentric position at t in Earth radii, in the models' frame (the
// WGS-72 ellipsoid of core/constants.h turned with the mean sidereal time).
Vector3 ObserverVectorER(const ObserverPlace& place, JD1900 t);

// Direction of motion in degrees 0..360 of a satellite seen at altitude and chart
// azimuth (degrees) at t, from a second observation 10 seconds later: the angle at the
// satellite from the direction towards the zenith to the direction of motion, counted
// towards increasing (north-through-east) azimuth; 90 or 270 at culmination. NaN when
// the second observation fails.
double MotionDirection(const SatelliteOrbit& orbit, const ObserverPlace& place, double altitudeDeg,
                       double azimuthDeg, JD1900 t);
