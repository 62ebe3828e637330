// The frame of "Vergrößern": a grey rectangle drawn in exclusive-or mode, so that
// drawing it twice at the same place erases it.
#pragma once

class Canvas;

void DrawZoomFrame(Canvas& canvas, int centreX, int centreY, int halfWidth, int halfHeight);
