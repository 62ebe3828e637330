// After the instant or the place changed: mark the satellites for recomputation and
// redraw the active view -- the main chart when zoomFactor is 1, otherwise the
// ephemeris update followed by the zoom drawing.
#pragma once

void RedrawActiveView();
