// After the instant or the place changed: mark the satellites for recomputation and
// redraw the active view -- the main chart when zoomFactor is 1, otherwise the
// ephemeris update followed by the zoom drawing.
#pragma once

#include <functional>

void RedrawActiveView();

// The zoom window's drawing of its chart (DrawZoomChart(0)); the zoom window installs
// it when it is created and removes it (empty function) when it is destroyed.
void SetZoomChartRedraw(std::function<void()> draw);
