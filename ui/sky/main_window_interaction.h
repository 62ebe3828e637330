// What the user does on the main chart: time menu and keys (with satellite trails),
// date and time entry, rise/set label clicks, display toggles, "Drehen" and
// "Vergrößern" with their exclusive-or markers, pointer cursors, identification of
// a clicked object and "Datei laden". Every operation works on the main chart canvas
// (MainChartCanvas()) and the shared records; the window frame connects its menu
// entries and pointer/key events to these functions and installs the hooks.
#pragma once

#include <QString>
#include <functional>

#include "satellite/orbit_model.h"
#include <optional>
#include <string>

#include "chart/chart_hooks.h"
#include "chart/chart_identify.h"
#include "core/timescale.h"

class QWidget;

// --- time --------------------------------------------------------------------
// Every change of time here ends live time (EndLiveTime).
// Adds days to currentJD, sets timeChanged and draws the chart ("+1 Stunde",
// "-1 Stunde", "nächster Tag", "voriger Tag").
void StepChartTime(double days);
// "neues Datum" / "neue Uhrzeit": input box, conversion check, new currentJD.
void EnterChartDate();
void EnterChartTime();
// Parses a date "d.m.y" / a time "h:m[:s]" and writes the canonical form
// dd.mm.yyyy / hh:mm:ss into *canonical; false when the text does not convert.
bool ParseChartDate(const QString& text, QString* canonical);
bool ParseChartTime(const QString& text, QString* canonical);
// The input boxes "Datum ändern" / "Uhrzeit ändern" with DateText / TimeText proposed:
// the canonical form of the answer, or nothing after the message "Fehler" when it does
// not convert.
std::optional<QString> AskChartDate(QWidget* parent);
std::optional<QString> AskChartTime(QWidget* parent);
// currentJD from DateText and TimeText in the zone (also sets year); false, and nothing
// changed, when the texts do not convert or name a time the zone skips (after the
// message, AcceptLocalTime).
bool SetInstantFromDateTimeTexts(QWidget* parent);

// A click on rise/set label 0..9: its event becomes the instant (if any).
void RiseSetLabelClicked(int index);

// --- display toggles ------------------------------------------------------------
void TogglePlanetNames();
void ToggleConstellationNames();
// "Satellitennamen": switched on, the names are written over the chart; off, the
// chart is drawn again without them.
void ToggleSatelliteNames();
void ToggleConstellationLines();
void ToggleAltitudeLines();
void ToggleZodiac();

// --- "Drehen" and "Vergrößern" -----------------------------------------------------
void StartRotating();
void StartChoosingZoomFrame();

// --- pointer and keys -----------------------------------------------------------------
void ChartMouseMove(int x, int y);
// Button pressed (a click): the zoom frame choice ends here; identification.
void ChartMouseDown(int x, int y, bool rightButton = false);
// Button released: "Drehen" ends here.
void ChartMouseUp(int x, int y);
// A typed character: "n", "+", "-", "t".
void ChartKey(QChar key);
void StepWithTrails(int direction);  // +1 or -1 ("+" / "-")
// "t": input box for the step of "+" and "-" in seconds; false (after the conversion
// error) when the answer is no whole number.
bool AskTimeStep(QWidget* parent);

// --- identification ---------------------------------------------------------------------
// Runs the identification of a click: the information box "Info" when the click is on
// the disc and no mode is active; blinks a hit constellation afterwards.
void IdentifyClick(int x, int y);
// Blinks the stars of a constellation (label number 1..89) five times.
void BlinkConstellation(int labelNumber);

// --- satellites -----------------------------------------------------------------------------
// "Datei laden": file dialog, load, enable "Sat-Wahl", show the selection window,
// draw the main chart when it is the active view (zoomFactor 1). The dialog starts
// from the settings lines 8 to 10 (Settings().elementFolder, elementFilterIndex,
// elementFileName) and updates them.
void LoadElementFileFromMenu();
// What follows the file dialog: remembers the file as the dialog's next proposal and
// loads it; false when it could not be opened (the loaded satellites then stay).
// afterLoad runs once the file is in the table, before the selection window is shown
// and the chart drawn.
bool LoadElementFileAt(const std::string& path, const std::function<void()>& afterLoad = {});
// "Bahnmodell": every loaded set is prepared for the model, which the settings file
// keeps; the check marks follow and the active view is drawn anew.
void ChooseOrbitModel(OrbitModel model);
