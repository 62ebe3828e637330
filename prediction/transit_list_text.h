// The lines of a transit list: one approach per line, German numbers (decimal comma),
// local date and time to a tenth of a second.
#pragma once

#include <string>

#include "prediction/transit_search.h"

// "Sonne" or "Mond".
std::string TransitBodyName(TransitBody body);
// A number with the given decimals and a decimal comma.
std::string GermanNumber(double value, int decimals);

// "dd.mm.jjjj hh:mm:ss,s" of an instant shifted into the zone of the offset.
std::string TransitLocalTimeText(JD1900 instant, double zoneOffsetHours);

// "Zentrallinie 3,2 km NO, Streifen ±5,8 km" (the strip only when the line was found).
std::string CentreLineWithStripText(const TransitApproach& approach);

// The heading of the columns.
std::string TransitListHeading();
// One approach; the instant in the zone of the offset (hours from UTC).
std::string TransitListLine(const TransitApproach& approach, double zoneOffsetHours);
