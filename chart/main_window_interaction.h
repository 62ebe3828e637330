// What the user does on the main chart: time menu and keys (with satellite trails),
// date and time entry, rise/set label clicks, display toggles, "Drehen" and
// "Vergrößern" with their exclusive-or markers, pointer cursors, identification of
// a clicked object and "Datei laden". Every operation works on the main chart canvas
// (MainChartCanvas()) and the shared records; the window frame connects its menu
// entries and pointer/key events to these functions and installs the hooks.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/timescale.h"

class QWidget;

// How the chart reaches the window frame and the other windows; all optional.
struct SternHooks {
    // Enables or disables the menus "Datei", "Zeit", "Ort", "Ansicht", "Satelliten".
    std::function<void(bool enabled)> setMainMenusEnabled;
    // Sets the check marks of the five display entries in both "Ansicht" menus (main
    // and zoom window) from the flags of ObserverState.
    std::function<void()> syncViewChecks;
    // Enables "Sat-Wahl".
    std::function<void()> enableSatelliteSelection;
    // Shows the zoom window (after "Vergrößern") and the satellite selection window.
    std::function<void()> showZoomWindow;
    std::function<void()> showSelectionWindow;
    // Width and height of the zoom window (for the zoom offsets); default 648 x 488.
    std::function<int()> zoomWindowWidth;
    std::function<int()> zoomWindowHeight;
    // Caption of the main window (progress of a load) and its setter.
    std::function<QString()> caption;
    std::function<void(const QString&)> setCaption;
    // Pointer shape over the chart: 0 arrow, 1 the chart cursor "CURSOR3", 2 cross.
    std::function<void(int shape)> setPointer;
    // Lets pending input through during waits (blinking); default processEvents.
    std::function<void()> processEvents;
    // Empties the other windows' satellite views when a new element file is opened
    // (pass list, selection lists, ground-track labels), and receives the display
    // name of every loaded satellite (the selection window's list).
    std::function<void()> clearSatelliteViews;
    std::function<void(const std::string&)> satelliteLoaded;
    // The pause of the constellation blinking, milliseconds.
    int blinkWaitMs = 501;
    // Parent widget of the message and input boxes.
    QWidget* dialogParent = nullptr;
};

SternHooks& ChartHooks();
// Back to no hooks, and no chart file error counted as already shown (tests).
void ResetChartHooks();

// --- time --------------------------------------------------------------------
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
// currentJD from DateText and TimeText in the zone (also sets year).
void SetInstantFromDateTimeTexts();

// A click on rise/set label 0..9: its event becomes the instant (if any).
void RiseSetLabelClicked(int index);

// --- display toggles ------------------------------------------------------------
void TogglePlanetNames();
void ToggleConstellationNames();
void ToggleConstellationLines();
void ToggleAltitudeLines();
void ToggleZodiac();

// The zoom offsets (pixels of the zoom window) that "Vergrößern" sets for the zoom
// window: the chosen marker point becomes the centre of the zoom window.
struct ZoomOffsets {
    int zoomOffsetX = 0;
    int zoomOffsetY = 0;
};
ZoomOffsets& ChartZoomOffsets();

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

// --- identification ---------------------------------------------------------------------
// The information text for a point of the chart ("Da ist nichts!" when nothing is
// there); *blinkLabel receives the label number 1..89 of a hit constellation label,
// else 0. *hit is false for "Da ist nichts!".
QString IdentifyAt(int x, int y, int* blinkLabel = nullptr, bool* hit = nullptr);
// Runs the identification of a click: the information box "Info" when the click is on
// the disc and no mode is active; blinks a hit constellation afterwards.
void IdentifyClick(int x, int y);
// Blinks the stars of a constellation (label number 1..89) five times.
void BlinkConstellation(int labelNumber);

// --- satellites -----------------------------------------------------------------------------
// "Datei laden": file dialog, load, enable "Sat-Wahl", show the selection window,
// draw the chart. The dialog starts from the settings lines 8 to 10
// (Settings().elementFolder, elementFilterIndex, elementFileName) and updates them.
void LoadElementFileFromMenu();
