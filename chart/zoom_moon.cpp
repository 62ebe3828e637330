#include "chart/zoom_moon.h"

#include <QRect>
#include <cmath>
#include <cstdlib>

#include "chart/body_plot.h"
#include "chart/canvas.h"
#include "core/sun_moon.h"
#include "core/timescale.h"

namespace {

const QColor kMoonOutline{192, 192, 0};
const QColor kMoonLit{255, 255, 0};

}  // namespace

double MoonTerminatorHalfWidth(int w, int dy, int k) {
    if (k == 0) return 0.0;
    const double ratio = static_cast<double>(w) / static_cast<double>(k);
    const double arg = static_cast<double>(w) * w - static_cast<double>(dy) * dy * ratio * ratio;
    return arg > 0.0 ? std::sqrt(arg) : 0.0;
}

double MoonTerminatorSign() {
    const double v = FracPart(Moon().phaseValue) - 0.5;
    return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0);
}

int MoonTerminatorWidth(int k) {
    return IntPart(std::fabs(std::cos(Moon().phaseAngleDeg * kDegToRad)) * k);
}

void DrawMoonDiscAt(Canvas& canvas, int mx, int my, int f, int skyGrey) {
    const MoonState& m = Moon();
    const QColor sky(skyGrey, skyGrey, skyGrey);
    canvas.SetPen(kMoonOutline);
    canvas.SetBrush(sky);
    canvas.Ellipse(mx - f, my - f, mx + f, my + f);

    const double c = std::cos(MoonPlot().limbAngle), sn = std::sin(MoonPlot().limbAngle);
    auto turned = [&](double u, double v) {
        return QPoint(mx + IntPart(u * c - v * sn), my + IntPart(u * sn + v * c));
    };
    const int w = MoonTerminatorWidth(f);
    const double s = MoonTerminatorSign();
    const QPoint start = turned(0.0, -f);
    canvas.MoveTo(start.x(), start.y());
    for (int dy = -f; dy <= f; ++dy) {
        const QPoint p = turned(-s * MoonTerminatorHalfWidth(w, std::abs(dy), f), dy);
        canvas.LineTo(p.x(), p.y());
    }
    canvas.SetBrush(kMoonLit);
    const QRect box(mx - f - 1, my - f - 1, 2 * f + 3, 2 * f + 3);
    if (m.phaseValue < 1.0 && f * m.phaseValue > 2.0) {
        const QPoint p = turned(f - 2, 0);
        canvas.FloodFill(p.x(), p.y(), kMoonOutline, FloodFillMode::Border, box);
    }
    if (m.phaseValue > 1.0 && f * (2.0 - m.phaseValue) > 2.0) {
        const QPoint p = turned(2 - f, 0);
        canvas.FloodFill(p.x(), p.y(), kMoonOutline, FloodFillMode::Border, box);
    }
    canvas.SetBrush(sky);
}
