// The visible part of a pass around its listed instant, found by root-finding: the
// satellite stands above the minimum altitude, is sunlit (outside the shadow cylinder
// of SatObservation::shadowDepthKm) and the Sun below its altitude limit, each only
// as far as the limits ask for it. The part is followed outwards from the listed
// instant in coarse steps until a condition fails; Brent's method then puts each
// boundary to within a hundredth of a second, and the highest point (and the
// brightest moment) to within half a second. The Sun is interpolated between hourly
// values of its theory.
#pragma once

#include "core/timescale.h"
#include "prediction/pass_events.h"
#include "satellite/observation.h"

struct VisibilityLimits {
    double minAltitudeDeg = 10.0;
    bool shadow = true;    // the Earth's shadow ends the visible part
    bool sunLimit = true;  // the Sun's altitude limit ends it
    double maxSunAltitudeDeg = -5.0;
    bool brightest = false;  // also the brightest moment
};

// The events of the pass listed at `listed`. When the listed instant itself misses a
// condition (a shadow boundary of the orbit model, an instant at a window end), the
// nearest visible moment within a minute stands for it; when there is none, found is
// false. carry: see Propagate.
PassEvents FindPassEvents(const SatelliteOrbit& orbit, const SatelliteLook& look,
                          const ObserverPlace& place, const VisibilityLimits& limits, JD1900 listed,
                          ResonanceCarry* carry = nullptr);
