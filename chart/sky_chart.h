// The main sky chart: the whole sky above the observer as a disc (zenith in the
// centre, horizon on the rim, north up and east left before rotation), drawn layer by
// layer for Shown().currentJD onto a Canvas. One drawing computes every
// position (the same steps as UpdateEphemeris), fills the plot tables that the
// identification, the zoom window and printing read, and paints:
//   title, compass letters, sky disc in the twilight grey, status texts, Moon phase
//   symbol, stars, Sun and Moon discs, planets, nebulae, minor body with tail,
//   constellation lines, satellites, altitude lines and ecliptic (exclusive-or),
//   constellation and planet names, and the rise and set labels.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "core/non_copyable.h"
#include "core/timescale.h"

class Canvas;

// --- texts beside the disc ------------------------------------------------------

// A text label beside the chart disc, drawn on the canvas on its own background.
struct ChartTextLabel {
    QString text;
    QRect rect;  // where it was drawn last (empty before the first drawing)
};

// The clickable rise and set labels Label8 .. Label17, in that order.
struct RiseSetLabel {
    const char* name = "";      // "Label8" ...
    QString hint;               // "Astronomische Dämmerung" ...
    QString code;               // "AD", "ND", "BD", "SA", "SU", "MU", "MA"
    bool moon = false;          // MoonRiseSet instead of SunRiseSet
    double sunAltitudeDeg = 0;  // altitude of the Sun event
    bool rising = false;        // the rising (else the setting) instant
    QColor colour;
    int left = 30;
    int top = 0;
    QString text;          // code, or code + "  dd.mm.yyyy  hh:mm"
    JD1900 instant = 0.0;  // unrounded event instant of the last drawing; 0: none
    QRect rect;            // drawn area, for clicks and hints
};

inline constexpr int kRiseSetLabelCount = 10;

struct SkyChartTexts {
    ChartTextLabel title;                   // "Der Sternhimmel in " + place, at (10, 10)
    ChartTextLabel dateLine;                // "am " + DateText, at (10, 30)
    ChartTextLabel timeLine;                // "um " + TimeText + zoneName, at (10, 50)
    ChartTextLabel liveMark;                // " (live)" after it, following the clock
    std::array<ChartTextLabel, 4> compass;  // "N", "S", "O", "W"
    std::array<RiseSetLabel, kRiseSetLabelCount> riseSet;
};

// The texts of the last drawing (read by printing and by the interaction).
SkyChartTexts& ChartTexts();
void ResetChartTexts();

// Computes the event of a rise/set label (0..9 = Label8..Label17) for the current
// place and instant; 0 when the event does not occur.
JD1900 RiseSetLabelInstant(int index);
// The label text for an event instant: the code alone when the instant is not
// greater than 1, else code + "  " + date + "  " + hh:mm (rounded to the minute).
QString RiseSetLabelText(const QString& code, JD1900 instant);
// Index 0..9 of the rise/set label under a point, -1 for none.
int RiseSetLabelAt(int x, int y);

// --- the drawing ----------------------------------------------------------------

// The canvas of the main window and how to show it after a drawing. DrawSkyChart()
// and the interaction paint there. Pass nullptr to unregister.
void SetMainChartCanvas(Canvas* canvas, std::function<void()> repaint = {});
Canvas* MainChartCanvas();
// Shows the main canvas (widget repaint); no-op without a registered canvas.
void RepaintMainChart();

// Draws the whole chart on the main window's canvas (an internal offscreen canvas
// when none is registered). A data-file error stops the drawing at its layer and is
// shown in a message box.
void DrawSkyChart();
// Draws the whole chart on a canvas. Returns false when a data file stopped it; the
// message goes to *error when given, else to a message box.
bool DrawSkyChart(Canvas& canvas, std::string* error = nullptr);

// The message boxes of failed drawings. Each cause (the message text) is shown once,
// not again at every redraw, until a drawing succeeds. While a ChartReportsWait
// lives (the chart is drawn from a resize, show or paint handler), a box waits for
// the event loop: a modal box inside such a handler runs the window's events while
// the window is still being shown and resized.
class ChartReportsWait : NonCopyable {
  public:
    ChartReportsWait();
    ~ChartReportsWait();
};
// Forgets the causes already shown (tests).
void ResetChartReports();

// Layers, each also drawn alone by the display toggles.
void PlaceCompassLabels(Canvas& canvas);
void DrawAltitudeLines(Canvas& canvas);       // exclusive-or: twice removes them
void DrawZodiac(Canvas& canvas);              // exclusive-or: twice removes it
void DrawConstellationLines(Canvas& canvas);  // reads "SLINIEN"; throws DataFileError
void DrawConstellationNames(Canvas& canvas);
void DrawPlanetNames(Canvas& canvas);
void DrawSatelliteNames(Canvas& canvas);  // satellite_names.h
// The title labels for the current DateText/TimeText (also after a "+"/"-" step).
void DrawTitleLabels(Canvas& canvas);
// The rise and set labels with fresh event times.
void DrawRiseSetLabels(Canvas& canvas);

// Colours of the chart.
inline const QColor kTitleColour{255, 255, 235};
inline const QColor kSunlitSatelliteColour{255, 255, 0};
inline const QColor kShadowSatelliteColour{255, 0, 0};
inline const QColor kTrailColour{144, 144, 255};

// Colour of a satellite in a time step: red in the shadow, yellow in sunlight. An old
// position (old) in the shadow stays red unless stepping back (direction < 0); any
// other old position takes the trail colour stepping forward (direction > 0) and the
// sky grey (erased) otherwise.
inline QColor SatelliteStepColour(bool inShadow, bool old, int direction, int skyGrey) {
    if (inShadow && !(old && direction < 0)) return kShadowSatelliteColour;
    if (old) return direction > 0 ? kTrailColour : QColor(skyGrey, skyGrey, skyGrey);
    return kSunlitSatelliteColour;
}
