// One satellite over one window of the pass search: the orbit-plane method for
// near-circular orbits of short period, a culmination scan for all others.
#pragma once

#include <atomic>
#include <vector>

#include "core/timescale.h"
#include "prediction/pass_list.h"
#include "prediction/pass_search_parameters.h"
#include "prediction/pass_search_snapshot.h"
#include "prediction/search_bounds.h"
#include "prediction/visible_part.h"
#include "satellite/observation.h"

// The orbit-plane method serves near-circular orbits of short period (e < 0.1 and at
// least 1.5 revolutions per day, as read from line 2); all others are scanned.
bool PlaneCrossingApplies(double eccentricity, double meanMotionRevDay);

// What bounds the visible part of a pass the search lists: the minimum altitude, the
// shadow when the search looks for it, and the Sun's limit in a night search (a search
// of a number of minutes lists passes in daylight too: there the limit counts only for
// a pass listed in a dark enough sky, sunAltitudeDeg being the Sun's altitude then).
VisibilityLimits PassVisibilityLimits(const PassSearchParameters& parameters,
                                      double sunAltitudeDeg);

struct SatelliteWindow {
    int satelliteNumber = 0;  // position in the selection
    const PassSatellite* satellite = nullptr;
    const ObserverPlace* place = nullptr;
    const PassSearchParameters* parameters = nullptr;
    JD1900 start = 0.0, end = 0.0;
    // The Sun over the window and the altitude below which the satellite is in the
    // Earth's shadow wherever it is high enough: stretches so are left out (no sun:
    // nothing is left out).
    const SunAltitudeProfile* sun = nullptr;
    double shadowedBelowDeg = -180.0;
    // The satellite is never farther from the Earth's centre (0: unknown): stretches in
    // which the observer is too far from the orbital plane are left out.
    double greatestRadiusKm = 0.0;
    const std::atomic<bool>* abort = nullptr;  // true: stop as soon as possible
};

// The orbit-plane method's steps, and those left out in the Earth's shadow or with the
// observer too far from the orbital plane.
struct SatelliteWindowWork {
    long long planeSteps = 0, planeStepsInShadow = 0, planeStepsOutOfReach = 0;
};

// Appends the passes of the satellite in the window to `passes`, in the order found.
SatelliteWindowWork SearchSatelliteWindow(const SatelliteWindow& window,
                                          std::vector<PassEntry>& passes);
