#include "chart/star_glyph.h"

#include <initializer_list>
#include <utility>

#include "chart/canvas.h"
#include "chart/chart_view.h"
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
