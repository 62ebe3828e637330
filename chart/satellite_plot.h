// The selected satellites on the chart: their sky positions at the chart instant
// (satellite/satellites_at_instant.h) projected into Satellites().chartX/chartY.
#pragma once

#include <functional>
#include <string>

#include "satellite/satellite_table.h"

// ObserveSelectedSatellites, then the chart position of every selected satellite
// ((0, 0) when it is not on the chart). Returns what the observation returned.
bool ComputeSatellites(const SatelliteUi& ui = {},
                       const std::function<void(const std::string&)>& displayName = {});
