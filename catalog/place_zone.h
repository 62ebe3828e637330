// The time zone proposed for a place that is picked: from the place list "ORTE" by its
// name (no country code: Germany; a code in parentheses at the end, "Wien (AT)": the
// zone of that country, or of the place itself in a country of several zones), from a
// map by the nearest place of the list. Zones are rules of the system's time-zone
// database; the user can change the proposal in the parameter dialog.
#pragma once

#include <string>
#include <vector>

#include "catalog/place_list.h"

namespace location {

// The zone of a place of "ORTE" by its name (UTF-8); empty for a code the table has not.
std::string ZoneRuleOfListedPlace(const std::string& name);

// The zone of the place of `rows` (cells of "ORTE", Latin-1) nearest to a longitude and
// latitude (degrees, east and north positive) among those that have one; empty when
// none has.
std::string ZoneRuleNearPlace(double longitudeDeg, double latitudeDeg,
                              const std::vector<PlaceRow>& rows);

}  // namespace location
