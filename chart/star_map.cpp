#include "chart/star_map.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/catalog.h"
#include "chart/canvas.h"
#include "chart/star_glyph.h"
#include "core/display_options.h"
#include "core/timescale.h"

namespace {

// Stars near the opposite pole project to enormous radii; they are kept far outside
// the map (lines towards them still leave in the right direction).
constexpr double kFarAway = 100000.0;

int Truncated(double v) { return IntPart(std::clamp(v, -kFarAway, kFarAway)); }

}  // namespace

StarMapPoint ProjectStarMap(double raHours, double decDeg, double centreRaHours,
                            double centreDecDeg, int width, int height) {
    const double s = centreDecDeg < 0.0 ? -1.0 : 1.0;
    const double u = 0.025 * width;
    const double cx = width / 2, cy = height / 2;
    const double r = std::tan((90.0 - s * decDeg) / 2.0 * kDegToRad) * 90.0 * u;
    const double r0 = std::tan((90.0 - std::fabs(centreDecDeg)) / 2.0 * kDegToRad) * 90.0 * u;
    double dRa = raHours - centreRaHours;
    if (dRa > 12.0) dRa -= 24.0;
    if (dRa < -12.0) dRa += 24.0;
    const double a = dRa * 15.0 * kDegToRad;
    return {Truncated(cx - r * std::sin(a)), Truncated(cy + s * (r * std::cos(a) - r0))};
}

void DrawStarMap(Canvas& canvas, int starNumber, const std::string& name) {
    const int w = canvas.Width(), h = canvas.Height();
    canvas.Clear(Qt::black);

    const StarRecord centre = ParseStarRecord(ReadStarLine(starNumber));
    const double ra0 = centre.rightAscensionHours, dec0 = centre.declinationDeg;
    const double limit = ViewOptions().limitingMagnitude;

    std::vector<StarMapPoint> points(kStarCount + 1);
    ReadStarRecords([&](int n, const StarRecord& star) {
        const StarMapPoint p =
            ProjectStarMap(star.rightAscensionHours, star.declinationDeg, ra0, dec0, w, h);
        if (n >= 1 && n <= kStarCount) points[static_cast<size_t>(n)] = p;
        if (star.magnitude > limit) return;
        if (0 < p.y && p.y < h && 0 < p.x && p.x < w)
            DrawStarGlyph(canvas, p.x, p.y, Qt::white, star.magnitude, 2);
    });

    // Constellation figures in grey, merged with the stars below (bitwise OR).
    const ConstellationLineList figures = ReadConstellationLines();
    {
        QPainter& painter = canvas.Painter();
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.setPen(QPen(QColor(128, 128, 128), 1));
        QPoint at;
        for (int entry : figures.entries) {
            const int number = std::abs(entry);
            if (number < 1 || number > kStarCount) continue;
            const StarMapPoint p = points[static_cast<size_t>(number)];
            const QPoint to(p.x, p.y);
            if (entry > 0) painter.drawLine(at, to);
            at = to;
        }
        painter.restore();
    }

    // Cross-hair about the centre, the centre itself left free.
    const int cx = w / 2, cy = h / 2;
    const CanvasPen saved = canvas.Pen();
    canvas.SetPen(Qt::white);
    canvas.MoveTo(cx - 10, cy);
    canvas.LineTo(cx - 5, cy);
    canvas.MoveTo(cx + 10, cy);
    canvas.LineTo(cx + 5, cy);
    canvas.MoveTo(cx, cy - 10);
    canvas.LineTo(cx, cy - 5);
    canvas.MoveTo(cx, cy + 10);
    canvas.LineTo(cx, cy + 5);
    canvas.Pen() = saved;

    std::string label = name;
    while (!label.empty() && label.back() == ' ') label.pop_back();
    const QString text = QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
    canvas.SetFont(CanvasFont::Points(QStringLiteral("Courier New"), 10, true, Qt::white));
    canvas.SetBrush(Qt::black);
    canvas.SetTextBackground(TextBackground::Opaque);
    const QSize extent = canvas.TextExtent(text);
    canvas.TextOut((w - extent.width()) / 2, h - 2 * extent.height(), text);
    canvas.End();
}
