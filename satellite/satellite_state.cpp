#include "satellite/satellite_state.h"

namespace {
SatelliteState gSatelliteState;
}

SatelliteState& SatState() { return gSatelliteState; }

void ResetSatelliteState() { gSatelliteState = SatelliteState{}; }
