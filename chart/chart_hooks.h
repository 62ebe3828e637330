// How the chart code reaches the windows around it without knowing them: callbacks the
// window frame installs (all optional), the zoom window's offsets, and the one way
// the chart shows a message (missing data files, failed orbits).
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

// How the chart reaches the window frame and the other windows; all optional.
struct ChartWindowHooks {
    // Enables or disables the menus "Datei", "Zeit", "Ort", "Ansicht", "Satelliten".
    std::function<void(bool enabled)> setMainMenusEnabled;
    // Sets the check marks of the five display entries in both "Ansicht" menus (main
    // and zoom window) from the flags of ViewOptions().
    std::function<void()> syncViewChecks;
    // Enables "Sat-Wahl".
    std::function<void()> enableSatelliteSelection;
    // Shows the zoom window (after "Vergrößern") and the satellite selection window.
    std::function<void()> showZoomWindow;
    std::function<void()> showSelectionWindow;
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

ChartWindowHooks& ChartHooks();
// Back to no hooks, and no chart file error counted as already shown (tests).
void ResetChartHooks();

// The zoom offsets (pixels of the zoom window) that "Vergrößern" sets for the zoom
// window: the chosen marker point becomes the centre of the zoom window.
struct ZoomOffsets {
    int zoomOffsetX = 0;
    int zoomOffsetY = 0;
};
ZoomOffsets& ChartZoomOffsets();

// Shows a message box through the sink the windows installed; without one (the
// command line) the message goes to standard error.
void ShowChartMessage(const QString& caption, const QString& text);
void SetChartMessageSink(std::function<void(const QString& caption, const QString& text)> sink);
