// The element file the satellite table was loaded from, and the satellite the zoom
// window follows. The element loader (LoadElementFile) sets the file and count; the
// zoom window and the pass list choose the tracked satellite, and every new table or
// selection clears it.
#pragma once

#include <string>

struct LoadedElementFile {
    std::string elementFilePath;  // loaded element file; empty: none loaded
    int satelliteCount = 0;
};

struct SatelliteTracking {
    int trackedSatellite = -1;  // index in the selection followed by the zoom window; -1 none
};

// The one loaded file and tracking of the process.
LoadedElementFile& ElementFile();
SatelliteTracking& Tracking();
// Back to no file and no tracked satellite (tests).
void ResetElementFile();
void ResetTracking();
