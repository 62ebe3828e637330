// The path of a shown pass across the sky: the satellite's positions every few seconds
// from the start to the end of the visible part, a tick with the local time at each
// whole minute, and marks at the start, the highest point, the end and where the
// satellite enters (or leaves) the Earth's shadow.
//
// The path is computed once, when a pass is shown, as sky positions (altitude and
// chart azimuth); a drawing projects them with the chart's projection of that moment
// (chart_projection.h) and maps them like every other plot position, so the main
// chart, the zoom chart and the printed chart draw the same path.
//
// The main chart keeps its path until the next change of time or of a display
// toggle; the zoom chart keeps it while the pass is shown there, until its time
// changes too.
#pragma once

#include <QColor>
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/chart_projection.h"
#include "core/timescale.h"

struct ObservingPlace;
struct PassRecord;
struct SatelliteLook;
struct SatelliteOrbit;

inline constexpr double kPassPathStepSeconds = 5.0;
// Without found events the path covers this many minutes on each side of the listed
// instant (above the horizon).
inline constexpr double kPassPathOpenMinutes = 3.0;

// The satellite at one instant of the path.
struct PassPathPoint {
    JD1900 time = 0.0;
    double altitudeDeg = 0.0;
    double azimuthRad = 0.0;  // chart azimuth (from south, west positive)
    bool inShadow = false;

    // The position on the main chart with the present rotation and geometry.
    ChartPoint Chart() const;
};

struct PassPathTick {
    PassPathPoint at;   // at a whole minute
    std::string clock;  // local "hh:mm" in the zone of its instant
};

enum class PassPathMarkKind { Start, Highest, End, ShadowEntry, ShadowExit };

struct PassPathMark {
    PassPathMarkKind kind = PassPathMarkKind::Start;
    PassPathPoint at;
};

struct PassPath {
    JD1900 shownAt = 0.0;  // the chart instant the pass was shown at
    // In time order, all above the horizon; a gap longer than a step breaks the line.
    std::vector<PassPathPoint> points;
    std::vector<PassPathTick> ticks;
    std::vector<PassPathMark> marks;

    bool empty() const { return points.empty(); }
};

// The path of a listed pass of the satellite with this orbit, seen from the
// observer's place (local times in the observer's zone). Its visible part when the
// record's events were found, else kPassPathOpenMinutes around the listed instant.
PassPath ComputePassPath(const SatelliteOrbit& orbit, const SatelliteLook& look,
                         const ObservingPlace& observer, const PassRecord& record);

// --- the shown paths -----------------------------------------------------------------

struct ShownPassPaths {
    PassPath mainChart;
    PassPath zoomChart;
};
ShownPassPaths& ShownPassPath();
// Both charts show this path from now on, drawn at the chart instant `shownAt`.
void ShowPassPath(PassPath path, JD1900 shownAt);
// Drops each path shown at another instant than `now` (the chart's time changed).
void DropPassPathsShownBefore(JD1900 now);
// Drops the main chart's path (a display toggle); true when there was one.
bool DropMainChartPassPath();
void DropZoomChartPassPath();

// --- drawing -------------------------------------------------------------------------

struct PassPathStyle {
    QColor line{0, 230, 120};
    QColor shadowLine{255, 60, 60};  // the part in the Earth's shadow
    QColor text{0, 230, 120};
    CanvasFont font = CanvasFont::Points(QStringLiteral("Arial"), 7);
    int lineWidth = 1;
    int tickLength = 4;  // on each side of the line
    int markSize = 4;    // half size of a mark
    bool yUp = false;    // paper: y grows upwards
};
PassPathStyle ScreenPassPathStyle();

// Draws the path; `map` turns a main-chart position into a canvas point.
void DrawPassPath(Canvas& canvas, const PassPath& path,
                  const std::function<QPoint(double x, double y)>& map, const PassPathStyle& style);
