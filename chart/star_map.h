// The small star map of the named-star list: a polar stereographic projection about
// the celestial pole of the selected star's hemisphere, the star at the centre.
#pragma once

#include <string>

class Canvas;

// Position of a star on the map of size W x H about the star (α0 hours, δ0 degrees):
// r = tan((90° - s·δ)/2)·90·u, u = 0.025·W, s the sign of δ0 (a star at declination
// exactly 0 counts as northern), x = cx - r·sin Δα, y = cy + s·(r·cos Δα - r0).
struct StarMapPoint {
    int x = 0;
    int y = 0;
};
StarMapPoint ProjectStarMap(double raHours, double decDeg, double centreRaHours,
                            double centreDecDeg, int width, int height);

// Draws the map about star `starNumber` (line of "STERNKAT") with its name below:
// stars up to limitingMagnitude of ViewOptions(), constellation figures, cross-hair.
// Throws DataFileError when "STERNKAT" or "SLINIEN" cannot be read (the map drawn so
// far stays).
void DrawStarMap(Canvas& canvas, int starNumber, const std::string& name);
