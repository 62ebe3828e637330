// The centre line of a transit: the track on the ground (at the observer's height
// above the WGS-84 ellipsoid) from which the satellite is seen exactly over the centre
// of the Sun or the Moon. At each instant its point is where the line from the body's
// centre through the satellite meets that raised ellipsoid (whose semi-axes are the
// ellipsoid's plus the height). The strip around it, from which the satellite is seen
// on the disc at all, is the body's angular radius times the range, carried along the
// ground across the line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "prediction/transit_geometry.h"

struct CentreLinePoint {
    JD1900 instant = 0.0;
    GeodeticPoint point;
    Vector3 earthFixedKm;
    double stripHalfWidthKm = 0.0;  // from the line to the edge of the strip, across it
};

// The point of the instant; none when the line misses the Earth.
std::optional<CentreLinePoint> CentreLinePointAt(const TransitGeometry& geometry, TransitBody body,
                                                 JD1900 instant);

// Points every stepSeconds over [from, to] (for a drawing of the line and its strip).
std::vector<CentreLinePoint> CentreLineTrack(const TransitGeometry& geometry, TransitBody body,
                                             JD1900 from, JD1900 to, double stepSeconds);

// The point of the centre line nearest to the place, within spanSeconds of an instant.
struct CentreLineNearest {
    bool found = false;
    CentreLinePoint nearest;  // its instant is "the time there"
    double distanceKm = 0.0;  // from the place (straight, on this scale the ground distance)
    double azimuthDeg = 0.0;  // in which it lies from the place, from north through east
};
CentreLineNearest NearestCentreLinePoint(const TransitGeometry& geometry, TransitBody body,
                                         JD1900 instant, double spanSeconds = 60.0);

// "Zentrallinie 3,2 km NO": German decimal comma and the compass word.
std::string CentreLineText(const CentreLineNearest& nearest);
