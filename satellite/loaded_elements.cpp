#include "satellite/loaded_elements.h"

namespace {
LoadedElementFile gElementFile;
SatelliteTracking gTracking;
}  // namespace

LoadedElementFile& ElementFile() { return gElementFile; }
SatelliteTracking& Tracking() { return gTracking; }

void ResetElementFile() { gElementFile = LoadedElementFile{}; }
void ResetTracking() { gTracking = SatelliteTracking{}; }
