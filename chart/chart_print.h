// Printing of the main chart and of the zoom chart: a landscape page in tenths of a
// millimetre with y upwards, black on white, drawn from the same plot tables as the
// screen, with the status texts and, for satellites, the trails since the start of
// the current run of time steps.
#pragma once

#include <QPoint>
#include <string>
#include <vector>

class Canvas;
class QPagedPaintDevice;

// The pages on a configured printer or PDF writer (landscape is set here). A failure
// is written into *error, or shown (ShowChartMessage) when error is nullptr.
bool PrintSkyChartOn(QPagedPaintDevice& printer, std::string* error = nullptr);
bool PrintZoomChartOn(QPagedPaintDevice& printer, std::string* error = nullptr);

// What the last printout drew as circles (tests and checks): position and radius in
// 0.1 mm, and the layer: 'p' planet, 's' star, 'S' satellite, 't' trail point.
struct PrintedCircle {
    int x = 0;
    int y = 0;
    int radius = 0;
    char layer = ' ';
};
const std::vector<PrintedCircle>& LastPrintedCircles();

// The Moon of MoonState on paper (y upwards): a white disc of radius f with a black
// outline whose lit part is inked black, bounded by the terminator of the screen's
// Moon turned by the limb angle theta, so that the paper is lit on the side the
// screen is.
void InkMoonPhase(Canvas& canvas, QPoint centre, int f, double theta);

// Radius in 0.1 mm of a printed star, planet or satellite of magnitude m.
int PrintedStarRadius(double magnitude);                      // 7 - trunc(m)
int PrintedSatelliteRadius(double magnitude);                 // max(2, 7 - trunc(m))
int PrintedZoomStarRadius(double magnitude, int zoomFactor);  // 9.4 - 1.2 m at 2 ...
// Number of trail steps since the trail origin: trunc((currentJD - origin) * 86400 /
// timeStepSeconds + 0.5).
int TrailStepCount(double currentJD, double originJD, int timeStepSeconds);
