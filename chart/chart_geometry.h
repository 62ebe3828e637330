// Pixel sizes of the chart windows that the drawing, the interaction and the
// printing share.
#pragma once

// Height of the bars (menu and status bars) that the main window's outer height
// includes besides its chart.
inline constexpr int kMainBarsHeight = 48;

// Height of the bars that the zoom window's outer height H includes besides its
// chart; the zoom view centre is (W / 2, (H - kZoomBarsHeight) / 2).
inline constexpr int kZoomBarsHeight = 48;

// The vertical view centre of the zoom window for its outer height (integer division).
inline constexpr int ZoomViewCentreY(int outerHeight) {
    return (outerHeight - kZoomBarsHeight) / 2;
}
