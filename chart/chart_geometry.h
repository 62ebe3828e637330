// Pixel sizes of the chart windows that the drawing, the interaction and the
// printing share.
#pragma once

// Height of the bars (menu and status bars) that the main window's outer height
// includes besides its chart.
inline constexpr int kMainBarsHeight = 48;

// Height of the bars that the zoom window's outer height H includes besides its
// chart; the zoom view centre is (W / 2, (H - kZoomBarsHeight) / 2).
inline constexpr int kZoomBarsHeight = 48;

// Design outer size of the zoom window. Its chart geometry (view centre, frame sizes)
// is computed in this size whatever the window's real size: the window shows the
// zoom chart scaled to fill its client area.
inline constexpr int kZoomDesignWidth = 648;
inline constexpr int kZoomDesignHeight = 488;
// The zoom chart's logical area: the client area of the design size without the
// window borders and the bars.
inline constexpr int kZoomChartWidth = 640;
inline constexpr int kZoomChartHeight = kZoomDesignHeight - kZoomBarsHeight;

// The vertical view centre of the zoom window for its outer height (integer division).
inline constexpr int ZoomViewCentreY(int outerHeight) {
    return (outerHeight - kZoomBarsHeight) / 2;
}
