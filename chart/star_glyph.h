// The magnitude-dependent star dot shared by every chart-like view (main chart,
// zoom window, named-star list): a pixel pattern that grows with brightness, and
// discs for the brightest objects. Its size bands depend on the magnification.
#pragma once

#include <QColor>

class Canvas;

// Pixel groups of a glyph, around its centre pixel (x, y).
struct StarGlyphShape {
    bool centreAlone = false;      // (x, y) alone
    bool square = false;           // (x, y), (x+1, y), (x, y+1), (x+1, y+1)
    bool arms = false;             // (x±1, y), (x, y±1)
    bool centre = false;           // (x, y) together with the arms
    bool corners = false;          // (x±1, y±1)
    bool tips = false;             // (x±2, y), (x, y±2)
    int discRadius = 0;            // filled circle of this radius (0: none)
    bool setsDiscColours = false;  // the canvas pen and brush take the glyph colour
};

// Which groups a star of the given magnitude gets at a magnification (1 = main
// chart; 2, 4, 8 the zoom window; any other value behaves like 8).
StarGlyphShape StarGlyphFor(double magnitude, int zoomFactor);

// Draws the glyph at (x, y) in `colour` for the given magnification. Where a disc is
// drawn (or the magnitude is bright enough for one) the canvas's pen and brush colour
// become the glyph colour and stay so afterwards.
void DrawStarGlyph(Canvas& canvas, int x, int y, QColor colour, double magnitude, int zoomFactor);
// The same for the current zoomFactor of the observer records (Place(), Shown()).
void DrawStarGlyph(Canvas& canvas, int x, int y, QColor colour, double magnitude);
