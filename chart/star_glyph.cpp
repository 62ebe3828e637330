#include "core/timescale.h"
#include "chart/star_glyph.h"

#include <initializer_list>
#include <utility>

#include "chart/canvas.h"
#include "chart/chart_view.h"

namespace {

// The pixel groups of the magnitude bands: the square for stars up to one magnitude
// fainter than armsLimit, the arms below it, then the centre, the corners and (for a
// band of one magnitude) the tips, each one magnitude brighter than the one before.
void SetPixelBands(StarGlyphShape& g, double m, double armsLimit) {
    g.square = m >= armsLimit && m < armsLimit + 1.0;
    g.arms = m < armsLimit;
    g.centre = m < armsLimit - 1.0;
    g.corners = m < armsLimit - 2.0;
    g.tips = m >= armsLimit - 4.0 && m < armsLimit - 3.0;
}

}  // namespace

StarGlyphShape StarGlyphFor(double m, int zoomFactor) {
    StarGlyphShape g;
    if (zoomFactor == 1) {
        g.centreAlone = m >= 4.5 && m < 5.0;
        SetPixelBands(g, m, 3.5);
        if (m < -0.5) g.discRadius = 2;
        g.setsDiscColours = m < 0.5;
    } else if (zoomFactor == 2) {
        g.centreAlone = m >= 4.5 && m < 5.5;
        SetPixelBands(g, m, 3.5);
        if (m < -2.5)
            g.discRadius = 4;
        else if (m < -0.5)
            g.discRadius = 3;
        g.setsDiscColours = m < -0.5;
    } else {
        // 4, 8 and any other magnification; 8 and others draw faint stars without
        // a lower limit, 4 stops at 6.5.
        g.centreAlone = zoomFactor == 4 ? (m >= 5.5 && m < 6.5) : m >= 5.5;
        SetPixelBands(g, m, 4.5);
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
    // Sets the pixels at the given offsets from (x, y), in this order.
    const auto pixels = [&](std::initializer_list<std::pair<int, int>> offsets) {
        for (const auto& [dx, dy] : offsets) canvas.SetPixel(x + dx, y + dy, colour);
    };
    if (g.centreAlone) pixels({{0, 0}});
    if (g.square) pixels({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    if (g.arms) pixels({{-1, 0}, {1, 0}, {0, -1}, {0, 1}});
    if (g.centre) pixels({{0, 0}});
    if (g.corners) pixels({{-1, -1}, {1, -1}, {-1, 1}, {1, 1}});
    if (g.tips) pixels({{-2, 0}, {2, 0}, {0, -2}, {0, 2}});
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
    DrawStarGlyph(canvas, x, y, colour, magnitude, ChartView().zoomFactor);
}
