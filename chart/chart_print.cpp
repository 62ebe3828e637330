#include "chart/chart_print.h"

#include <algorithm>

#include "core/timescale.h"

int PrintedStarRadius(double magnitude) { return 7 - IntPart(magnitude); }

int PrintedSatelliteRadius(double magnitude) { return std::max(2, 7 - IntPart(magnitude)); }

int PrintedZoomStarRadius(double magnitude, int zoomFactor) {
    if (zoomFactor <= 2) return IntPart(9.4 - 1.2 * magnitude);
    if (zoomFactor == 4) return IntPart(13.0 - 1.5 * magnitude);
    return IntPart(17.0 - 2.0 * magnitude);
}

int TrailStepCount(double currentJD, double originJD, int timeStepSeconds) {
    if (timeStepSeconds == 0) return 0;
    return IntPart((currentJD - originJD) * 86400.0 / timeStepSeconds + 0.5);
}

bool PrintSkyChart() { return false; }
bool PrintZoomChart() { return false; }
bool PrintSkyChartOn(QPrinter&, std::string*) { return false; }
bool PrintZoomChartOn(QPrinter&, std::string*) { return false; }
