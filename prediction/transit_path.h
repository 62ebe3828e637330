// The satellite's path across the disc of the Sun or the Moon, as a drawing of the
// body shows it: offsets from the body's centre on the sky, in degrees, in the plane
// tangent at the centre with x towards growing azimuth (to the right for an observer
// facing the body) and y towards the zenith.
#pragma once

#include <vector>

#include "prediction/transit_geometry.h"

struct TransitPathPoint {
    JD1900 instant = 0.0;
    double xDeg = 0.0;
    double yDeg = 0.0;
};

// The satellite's offset from the body's centre at one instant.
TransitPathPoint OffsetFromBody(const TransitGeometry& geometry, TransitBody body, JD1900 instant);
// Points every stepSeconds over [from, to] (time ticks of 0.1 s: stepSeconds = 0.1).
std::vector<TransitPathPoint> PathAcrossBody(const TransitGeometry& geometry, TransitBody body,
                                             JD1900 from, JD1900 to, double stepSeconds);
