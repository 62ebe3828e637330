// The pictures of one listed approach, computed from the satellite's orbit and the
// place as the search saw them: the path across the body with its 0.1 s ticks, and the
// centre line over a stretch of time around the approach.
#pragma once

#include <string>

#include "chart/transit_drawing.h"
#include "prediction/transit_search.h"

// "ISS (ZARYA) vor der Sonne, <timeText>": the first line of both pictures.
QString TransitHeadline(const TransitApproach& approach, const std::string& timeText);
// The text on the map beside the centre line: the headline and the line's distance,
// direction and strip from the place.
QStringList TransitMapLegend(const TransitApproach& approach, const std::string& timeText);

// Seconds of path on each side of the closest approach: enough to cross the picture
// (three body radii on each side) at the satellite's angular speed, at most two minutes.
double TransitPathHalfSpanSeconds(const TransitApproach& approach);

// The disc picture; `timeText` labels the closest approach.
TransitDiscPicture TransitDiscPictureOf(const TransitApproach& approach,
                                        const SatelliteOrbit& orbit, const GeodeticPoint& place,
                                        const std::string& timeText);

// The centre line every `stepSeconds` within `halfSpanSeconds` of the time the line
// passes nearest to the place (of the approach when it was not found).
std::vector<CentreLinePoint> TransitCentreLineOf(const TransitApproach& approach,
                                                 const SatelliteOrbit& orbit,
                                                 const GeodeticPoint& place, double halfSpanSeconds,
                                                 double stepSeconds);
