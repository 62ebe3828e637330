// Bounds that spare the pass search work without changing what it finds: whether an
// orbit can ever bring its satellite high enough above a place's horizon, and the
// stretches of a night in which no satellite of an orbit can be both high enough and
// sunlit (the Earth's shadow over the observer reaches beyond its greatest height).
#pragma once

#include <vector>

#include "core/timescale.h"
#include "satellite/observation.h"
#include "satellite/propagation.h"

// Central angle (degrees) between an observer on a sphere of radius earthKm and the
// sub-point of a satellite at distance radiusKm from the centre that stands altitudeDeg
// high (-90..90); negative when the satellite is inside the sphere.
double HorizonReachDeg(double altitudeDeg, double radiusKm, double earthKm);

// What one orbit can reach over a search from `from` to `to`.
struct OrbitReach {
    bool reachesAltitude = true;    // false: never minAltitudeDeg high at the latitude
    double greatestRadiusKm = 0.0;  // never farther from the Earth's centre (0: unknown)
    bool deepSpace = false;         // SDP4: the Moon and Sun turn the orbit slowly
};
// The greatest distance comes from the mean elements at the epoch, both ends and the
// middle of the search, with margins (2 % and 100 km; twice the semi-major axis for a
// deep-space orbit). The orbit cannot reach the altitude when its greatest ground
// latitude (the mean inclination, or 180 - inclination for a retrograde orbit) plus
// the horizon's reach from that distance stays more than a degree short of the
// latitude (the reach for 1 degree below the altitude; for a deep-space orbit the
// margin grows by 2 degrees a year from the epoch).
OrbitReach ReachOfOrbit(const SatelliteOrbit& orbit, double latitudeDeg, double minAltitudeDeg,
                        JD1900 from, JD1900 to);

// The Sun's altitude below which a satellite never farther than radiusKm from the
// Earth's centre is inside the Earth's shadow wherever it stands minAltitudeDeg high:
// the angle from the observer's zenith to the anti-Sun direction plus the horizon's
// reach must stay below the shadow cylinder's angular radius at that distance (a
// cylinder of 6350 km, reach and angle with 1 degree of margin). -90 or lower when
// there is no such altitude.
double ShadowedBelowSunAltitudeDeg(double radiusKm, double minAltitudeDeg);

// The most the altitude of a satellite on a near-circular orbit (eccentricity below 0.1)
// changes per minute, anywhere on the Earth, up to `until`: its speed against the
// turning Earth over its least distance from an observer (the inclination allowed to
// drift by a degree and two degrees a year from the epoch). Infinite for other orbits.
double GreatestAltitudeRateDegPerMinute(const SgpElements& elements, JD1900 until);

// The Sun's altitude at the observer over one search window, sampled every two minutes.
class SunAltitudeProfile {
  public:
    SunAltitudeProfile(const ObserverPlace& place, JD1900 windowStart, JD1900 windowEnd);
    // True when the Sun stays below limitDeg over the part of [from, to] inside the
    // window (also when none of it is), counting the most the Sun can rise between
    // two samples.
    bool StaysBelow(JD1900 from, JD1900 to, double limitDeg) const;
    // Whether the Sun gets below limitDeg anywhere in the window, by the same count.
    bool GetsBelow(double limitDeg) const;

  private:
    JD1900 windowStart_, windowEnd_, first_;
    std::vector<double> altitudeDeg_;
    double lowestDeg_ = 90.0;
};
