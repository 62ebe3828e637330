#include "chart/star_glyph.h"

#include "chart/canvas.h"
#include "core/observer_state.h"

StarGlyphShape StarGlyphFor(double m, int zoomFactor) {
    StarGlyphShape g;
    if (zoomFactor == 1) {
        g.centreAlone = m >= 4.5 && m < 5.0;
        g.square = m >= 3.5 && m < 4.5;
        g.arms = m < 3.5;
        g.centre = m < 2.5;
        g.corners = m < 1.5;
        g.tips = m >= -0.5 && m < 0.5;
        if (m < -0.5) g.discRadius = 2;
        g.setsDiscColours = m < 0.5;
    } else if (zoomFactor == 2) {
        g.centreAlone = m >= 4.5 && m < 5.5;
        g.square = m >= 3.5 && m < 4.5;
        g.arms = m < 3.5;
        g.centre = m < 2.5;
        g.corners = m < 1.5;
        g.tips = m >= -0.5 && m < 0.5;
        if (m < -2.5)
            g.discRadius = 4;
        else if (m < -0.5)
            g.discRadius = 3;
        g.setsDiscColours = m < -0.5;
    } else {
        // 4, 8 and any other magnification; 8 and others draw faint stars without
        // a lower limit, 4 stops at 6.5.
        g.centreAlone = zoomFactor == 4 ? (m >= 5.5 && m < 6.5) : m >= 5.5;
        g.square = m >= 4.5 && m < 5.5;
        g.arms = m < 4.5;
        g.centre = m < 3.5;
        g.corners = m < 2.5;
        g.tips = m >= 0.5 && m < 1.5;
        if (m < -1.5)
            g.discRadius = 4;
        else if (m < 0.5)
            g.discRadius = 3;
        g.setsDiscColours = m < 0.5;
    }
    return g;
}

void DrawStarGlyph(Canvas& canvas, int x, int y, QColor colour, double magnitude, int zoomFactor) {
    const StarGlyphShape g = StarGlyphFor(magnitude, zoomFactor);
    if (g.centreAlone) canvas.SetPixel(x, y, colour);
    if (g.square) {
        canvas.SetPixel(x, y, colour);
        canvas.SetPixel(x + 1, y, colour);
        canvas.SetPixel(x, y + 1, colour);
        canvas.SetPixel(x + 1, y + 1, colour);
    }
    if (g.arms) {
        canvas.SetPixel(x - 1, y, colour);
        canvas.SetPixel(x + 1, y, colour);
        canvas.SetPixel(x, y - 1, colour);
        canvas.SetPixel(x, y + 1, colour);
    }
    if (g.centre) canvas.SetPixel(x, y, colour);
    if (g.corners) {
        canvas.SetPixel(x - 1, y - 1, colour);
        canvas.SetPixel(x + 1, y - 1, colour);
        canvas.SetPixel(x - 1, y + 1, colour);
        canvas.SetPixel(x + 1, y + 1, colour);
    }
    if (g.tips) {
        canvas.SetPixel(x - 2, y, colour);
        canvas.SetPixel(x + 2, y, colour);
        canvas.SetPixel(x, y - 2, colour);
        canvas.SetPixel(x, y + 2, colour);
    }
    if (g.setsDiscColours) {
        canvas.Pen().color = colour;
        canvas.Brush().color = colour;
    }
    if (g.discRadius > 0) {
        const PenMode saved = canvas.Pen().mode;
        const BrushStyle savedStyle = canvas.Brush().style;
        canvas.Pen().mode = PenMode::Copy;
        canvas.Brush().style = BrushStyle::Solid;
        // A filled circle covering x - k .. x + k.
        canvas.Ellipse(x - g.discRadius, y - g.discRadius, x + g.discRadius + 1,
                       y + g.discRadius + 1);
        canvas.Pen().mode = saved;
        canvas.Brush().style = savedStyle;
    }
}

void DrawStarGlyph(Canvas& canvas, int x, int y, QColor colour, double magnitude) {
    DrawStarGlyph(canvas, x, y, colour, magnitude, Observer().zoomFactor);
}
