// The zoom chart: a part of the main chart magnified 2, 4 or 8 times. It does not
// project the sky itself: every plot position (x, y) of the main chart is mapped
// linearly into the zoom window,
//     zx = (x - cx) * zoomFactor + zoomOffsetX,  zy = (y - cy) * zoomFactor + zoomOffsetY,
// both truncated. The sky disc of the zoom window has the centre (zoomOffsetX,
// zoomOffsetY) and the radius R * zoomFactor. W and H are the zoom window's outer
// design size (648 x 488); its view centre is (W / 2, ZoomViewCentreY(H)). The
// chart is drawn in logical pixels of kZoomChartWidth x kZoomChartHeight, which the
// window scales to fill its client area.
//
// The drawing runs on the canvas that the zoom window registers (ZoomView()); the
// zoom offsets are ChartZoomOffsets() of the chart interaction.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <string>

#include "chart/chart_geometry.h"
#include "core/timescale.h"

class Canvas;

// The zoom window as the drawing sees it. The window fills it in; everything is
// optional (tests draw on a bare canvas).
struct ZoomViewHooks {
    Canvas* canvas = nullptr;
    std::function<void()> repaint;
    std::function<void(const QString&)> setCaption;
    // 0: both status bars hidden, 1: the lower one shown (the upper one as it is).
    std::function<void(bool trackedShown)> showTrackedStatus;
    // Moves the mouse pointer onto a point of the chart canvas.
    std::function<void(QPoint canvasPoint)> movePointer;
};

ZoomViewHooks& ZoomView();
void ResetZoomView();

// The zoom window's own values.
struct ZoomState {
    JD1900 zoomTrailOriginJD = 0.0;  // every zoom drawing sets it to currentJD
    int zoomMouseX = 0;              // last pointer position over the zoom chart
    int zoomMouseY = 0;
    int markerX = 0;  // zoom-frame marker ("Vergrößern")
    int markerY = 0;
    bool choosingFrame = false;
    int goToMarkerPending = 0;         // > 0: the next drawing draws the go-to marker
    int goToMarkerRadius = 0;          // pixels of the zoom window
    QPoint lastPointerTarget{-1, -1};  // where the pointer was last sent (chart canvas)
    int scale = 2;                     // scale of the last drawing
};

ZoomState& ZoomValues();
void ResetZoomState();

// Outer window size used by the mapping: the design size 648 x 488.
int ZoomOuterWidth();
int ZoomOuterHeight();
// The view centre (W / 2, ZoomViewCentreY(H)).
QPoint ZoomViewCentre();
// Frame half sizes of the zoom window: W / 4 - 4 and H / 4 - 12.
int ZoomFrameHalfWidth();
int ZoomFrameHalfHeight();

// A main-chart plot position mapped into the zoom window at the current zoomFactor
// (truncated), and unrounded.
QPoint ZoomMap(double x, double y);
QPoint ZoomMap(double x, double y, int scale);
double ZoomMapX(double x);
double ZoomMapY(double y);

// The heading of a zoom drawing for the current DateText and TimeText: title, zoom
// factor, " : ", place name (12 characters), date, time, zone name, " :", the gap,
// then "So" and "Mo" with the altitudes to `decimals` places, the Moon's lit percentage
// and "ab" or "zu" for its phase.
QString ZoomHeading(const QString& title, const QString& gapBeforeSun, int decimals);
// The caption of the zoom window ("Polaride Zoom 2 : Berlin ...  :  So -12.3° ...").
QString ZoomCaption();

// Draws the zoom window. Mode 0 draws at zoomFactor; a mode above 2 is a new
// magnification centred on the zoom-frame marker; a negative mode a reduction.
// The Sun, the Moon and the sky shades are computed for currentJD first (the caption
// and the nebulae depend on them); the other plot positions are the main chart's.
// A data-file error stops the drawing with its message box.
void DrawZoomChart(int mode);
// The same on an explicit canvas; false when a data file stopped it (message in
// *error when given).
bool DrawZoomChart(Canvas& canvas, int mode, std::string* error = nullptr);

// The magnitude the zoom chart draws a satellite with: at zoomFactor 2 a magnitude
// of 5.5 or more becomes 5.4, at 4 one of 6.5 or more becomes 6.4.
double ZoomSatelliteMagnitude(double magnitude, int zoomFactor);

// Layers also drawn alone by the zoom window's toggles.
void DrawZoomPlanetNames(Canvas& canvas);
void DrawZoomSatelliteNames(Canvas& canvas);  // satellite_names.h
void DrawZoomConstellationNames(Canvas& canvas);
void DrawZoomAltitudeLines(Canvas& canvas);  // exclusive-or
void DrawZoomZodiac(Canvas& canvas);         // exclusive-or
