// "Zentrallinie auf der Karte": the centre line of an approach and its strip drawn on
// the Germany map when the place and the line's nearest point lie in Germany, else on the
// world map, with the place marked; the map is shown in front. The line stays on the
// map until the map window is closed.
#pragma once

#include <QStringList>

#include "prediction/transit_search.h"

struct TransitSatellite;

enum class TransitMap { Germany, World };

// Which map shows the line near the place.
TransitMap MapForCentreLine(const TransitApproach& approach, const GeodeticPoint& place);

// Seconds of centre line on each side of its nearest point, by map.
inline constexpr double kGermanyLineHalfSpanSeconds = 60.0;
inline constexpr double kWorldLineHalfSpanSeconds = 300.0;

// Draws and shows with the legend at the map's bottom left; false when the map window
// is missing or the line misses the Earth.
bool ShowCentreLineOnMap(const TransitApproach& approach, const TransitSatellite& satellite,
                         const GeodeticPoint& place, const QStringList& legend);
