// Bounds of the plane-crossing search that tell, from one look at a satellite and its
// orbital plane, how many of the following steps cannot hold a crossing worth refining:
// either the phase between the satellite and the observer's foot point on the plane
// cannot reach zero so soon, or the observer stays too far from the plane for the
// satellite to stand high enough. Steps so bounded need no propagation; the search
// finds exactly what it finds with a look at every step.
#pragma once

#include "core/vector3.h"

// One look: the orbit pole and the observer's geocentric vector (Earth radii) in the
// frame that turns with the mean sidereal time, the phase (foot point minus satellite
// argument of latitude, radians in (-pi, pi]) and the mean motion and eccentricity at
// that instant.
struct PlaneLookGeometry {
    Vector3 pole;
    Vector3 observer;
    double phase = 0.0;
    double meanMotionRevDay = 0.0;
    double eccentricity = 0.0;
    bool deepSpace = false;  // the Moon and Sun swing the plane more
};

// Number of whole steps of stepSeconds after the look in which the phase cannot pass
// through zero: the phase changes no faster than the satellite's greatest angular
// rate plus the foot point's (the Earth's turn seen from the plane at the observer's
// least distance from the pole's line), and when the satellite always outruns the
// foot point the phase only falls, so a phase just below zero needs almost a full
// turn.
long long StepsBeforeAnyCrossing(const PlaneLookGeometry& look, double stepSeconds);

// Number of whole steps (at most maxSteps) after the look over which the observer's
// distance from the plane stays above reachableDistance (Earth radii): the Earth
// turns the observer about its axis, which makes the distance a sinusoid of time for
// a fixed plane; the plane's own slow turning and the swing of the osculating plane
// are allowed for.
long long StepsOutOfReachAhead(const PlaneLookGeometry& look, double stepSeconds,
                               double reachableDistance, long long maxSteps);
