// How the sky chart is shown: the rotation ("Drehen"), the active zoom factor, the
// pointer and marker positions of the two chart modes, and the chart geometry in
// pixels of the main window. One record for the process, read by every drawing.
#pragma once

struct ChartViewState {
    double rotationRad = 0.0;  // "Drehen", [0, 2π)
    double previousRotationRad = 0.0;
    // The rotation of the last main-chart drawing. Following a satellite or a go-to
    // turns the chart for the zoom window only; leaving it turns the main chart back.
    double skyChartRotationRad = 0.0;
    int zoomFactor = 1;              // 1: main chart active; 2, 4, 8: zoom window active
    bool rotating = false;           // "Drehen" mode
    bool choosingZoomFrame = false;  // "Vergrößern" mode
    int mouseX = 0, mouseY = 0;
    int markerX = 0, markerY = 0;
    bool zoomMayClose = true;  // the zoom window may close (no dialog of it is open)
    // The displayed instant follows the clock ("Jetzt"): the time line says " (live)",
    // and the drawings compute satellites without progress captions.
    bool followsClock = false;

    // Chart geometry, fixed at start-up from the main window's design size.
    int chartCentreX = 397;
    int chartCentreY = 220;
    int chartRadius = 206;
    int zoomFrameHalfHeight = 110;
    int zoomFrameHalfWidth = 158;

    // Chart geometry from the main window's outer size in pixels (design: 648 x 488).
    void setChartGeometry(int windowWidth, int windowHeight);
};

// The one ChartViewState of the process.
ChartViewState& ChartView();
// Back to a freshly constructed state (tests).
void ResetChartView();
