// The observer's place on the world maps: a white cross 8 pixels each way.
#pragma once

class Canvas;

void DrawPlaceCross(Canvas& canvas, int x, int y);
