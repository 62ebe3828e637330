#include "chart/zoom_chart.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "catalog/catalog.h"
#include "chart/body_plot.h"
#include "chart/canvas.h"
#include "chart/chart_hooks.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/constellation_path.h"
#include "chart/ecliptic_path.h"
#include "chart/ephemeris_update.h"
#include "chart/overlay_lines.h"
#include "chart/pass_path.h"
#include "chart/plot_tables.h"
#include "chart/satellite_names.h"
#include "chart/satellite_plot.h"
#include "chart/sky_chart.h"
#include "chart/sky_chart_compute.h"
#include "chart/star_glyph.h"
#include "chart/zoom_moon.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellites_at_instant.h"

namespace {

ZoomViewHooks gView;
ZoomState gState;

const QColor kCompassColour{0, 255, 255};

QColor Grey(int level) { return QColor(level, level, level); }

int CurrentScale() { return std::max(1, ChartView().zoomFactor); }

// Text inside the zoom disc: the point (left, top) and the half diagonal of the
// text stay inside the rim of radius R * zoomFactor about the zoom offsets.
bool InsideZoomDisc(int left, int top, int w, int h) {
    const ZoomOffsets& z = ChartZoomOffsets();
    const double dx = left - z.zoomOffsetX, dy = top - z.zoomOffsetY;
    return ChartView().chartRadius * ChartView().zoomFactor >
           std::sqrt(dx * dx + dy * dy) +
               2.0 * std::sqrt((w / 2.0) * (w / 2.0) + (h / 2.0) * (h / 2.0));
}

CanvasFont NameFont() {
    return CanvasFont::Points(QStringLiteral("Times New Roman"), 8, false, QColor(255, 255, 0));
}

void DrawCompassLetters(Canvas& canvas, int scale) {
    const ZoomOffsets& z = ChartZoomOffsets();
    const double angles[4] = {ChartView().rotationRad + kPi, ChartView().rotationRad,
                              ChartView().rotationRad - kPi / 2.0,
                              ChartView().rotationRad + kPi / 2.0};
    const QString letters[4] = {QStringLiteral("N"), QStringLiteral("S"), QStringLiteral("O"),
                                QStringLiteral("W")};
    canvas.SetFont(CanvasFont::Pixels(QStringLiteral("Courier New"), 11, false, kCompassColour));
    canvas.SetTextBackground(TextBackground::Transparent);
    const double radius = static_cast<double>(ChartView().chartRadius) * scale;
    for (int i = 0; i < 4; ++i) {
        const QSize size = canvas.TextExtent(letters[i]);
        const double w = size.width(), h = size.height();
        const double d = std::sqrt(w * w + h * h) * 5.0 / 9.0;
        const int left = IntPart(z.zoomOffsetX + std::sin(angles[i]) * (radius + d) - w / 2.0);
        const int top = IntPart(z.zoomOffsetY + std::cos(angles[i]) * (radius + d) - h / 2.0);
        canvas.TextOut(left, top, letters[i]);
    }
    canvas.SetTextBackground(TextBackground::Opaque);
}

void DrawZoomConstellationLines(Canvas& canvas) {
    const ConstellationLineList list = ReadConstellationLines();
    const CanvasPen saved = canvas.Pen();
    canvas.SetPen(Grey(ChartShades().lineGrey));
    DrawConstellationPath(
        canvas, list, [](const StarPlotEntry& s) { return s.x > 0.0 && s.y > 0.0; },
        [](double x, double y) { return ZoomMap(x, y); });
    canvas.Pen() = saved;
}

void DrawSatellites(Canvas& canvas, bool timeChanged) {
    const SatelliteTable& sats = Satellites();
    for (int k = 1; k <= sats.selectedCount; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (sats.chartX[i] == 0.0 && sats.chartY[i] == 0.0) continue;
        const QPoint p = ZoomMap(sats.chartX[i], sats.chartY[i]);
        DrawStarGlyph(canvas, p.x(), p.y(),
                      sats.inShadow[i] == 1 ? kShadowSatelliteColour : kSunlitSatelliteColour,
                      ZoomSatelliteMagnitude(sats.chartMagnitude[i], ChartView().zoomFactor),
                      ChartView().zoomFactor);
        if (k == Tracking().trackedSatellite + 1 && timeChanged) {
            gState.lastPointerTarget = p;
            if (gView.movePointer) gView.movePointer(p);
        }
    }
}

void DrawMinorBody(Canvas& canvas) {
    const MinorBodyOnChart& m = MinorBodyPlot();
    if (m.chartX * m.chartY == 0.0) return;
    const CanvasPen savedPen = canvas.Pen();
    const CanvasBrush savedBrush = canvas.Brush();
    canvas.SetPen(Grey(ChartShades().lineGrey));
    canvas.SetBrush(savedBrush.color, BrushStyle::Clear);
    const QPoint p = ZoomMap(m.chartX, m.chartY);
    canvas.Circle(p.x(), p.y(), 3);
    if (m.tailX * m.tailY != 0.0) {
        const QPoint t = ZoomMap(m.tailX, m.tailY);
        canvas.MoveTo(p.x(), p.y());
        canvas.LineTo(t.x(), t.y());
    }
    canvas.Pen() = savedPen;
    canvas.Brush() = savedBrush;
}

// Where a diameter through (x0, y0) -> (x1, y1) crosses the edge lines of the
// chart area, the letter of the nearer end. The chart area ends above the status
// bars, so its bottom edge line is its own height less 20.
void DrawEdgeLetters(Canvas& canvas, QPointF centre, QPointF a, QPointF b, const QString& letterA,
                     const QString& letterB) {
    const int width = canvas.LogicalSize().width();
    const int height = canvas.LogicalSize().height();
    const double limit =
        static_cast<double>(ChartView().chartRadius) * ChartView().zoomFactor - 10.0;
    struct Edge {
        bool horizontal;
        double value;
    };
    const Edge edges[4] = {{true, 5.0},
                           {true, static_cast<double>(height - 20)},
                           {false, 5.0},
                           {false, static_cast<double>(width - 15)}};
    canvas.SetFont(CanvasFont::Pixels(QStringLiteral("Courier New"), 11, false, kCompassColour));
    canvas.SetTextBackground(TextBackground::Transparent);
    for (const Edge& e : edges) {
        const double da = e.horizontal ? b.y() - a.y() : b.x() - a.x();
        if (da == 0.0) continue;
        const double t = ((e.horizontal ? e.value - a.y() : e.value - a.x())) / da;
        if (t < 0.0 || t > 1.0) continue;
        const QPointF p = a + (b - a) * t;
        if (p.x() < 0 || p.y() < 0 || p.x() > width || p.y() > height) continue;
        const double dist = std::hypot(p.x() - centre.x(), p.y() - centre.y());
        if (dist <= 15.0 || dist >= limit) continue;
        const QString& letter = t < 0.5 ? letterA : letterB;
        canvas.TextOut(IntPart(p.x()), IntPart(p.y()), letter);
    }
    canvas.SetTextBackground(TextBackground::Opaque);
}

void ReportError(const QString& text, std::string* error) {
    if (error) {
        *error = text.toStdString();
        return;
    }
    ShowChartMessage(QStringLiteral("Fehler"), text);
}

void DrawLayers(Canvas& canvas, int mode) {
    ZoomOffsets& z = ChartZoomOffsets();
    const int W = ZoomOuterWidth(), H = ZoomOuterHeight();
    const int cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
              R = ChartView().chartRadius;

    if (gView.showTrackedStatus) gView.showTrackedStatus(Tracking().trackedSatellite >= 0);
    // The Sun and the Moon of this view's own instant, and the sky shades that follow
    // from the Sun, whatever instant a search or another window computed last.
    UpdateSunAndShades(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                       Shown().currentJD);
    ComputeMoonDiscRadius();
    gState.zoomTrailOriginJD = Shown().currentJD;
    DropPassPathsShownBefore(Shown().currentJD);
    FormatDateTime1900(Shown().currentJD);
    if (gView.setCaption) gView.setCaption(ZoomCaption());
    canvas.Clear(Qt::black);

    int scale = ChartView().zoomFactor;
    if (mode > 2) {
        z.zoomOffsetX = W / 2 - 2 * (gState.markerX - z.zoomOffsetX);
        z.zoomOffsetY = ZoomViewCentreY(H) - 2 * (gState.markerY - z.zoomOffsetY);
        scale = mode;
    } else if (mode < 0) {
        const int dx = W / 2 - z.zoomOffsetX;
        const int dy = ZoomViewCentreY(H) - z.zoomOffsetY;
        z.zoomOffsetX = W / 2 - dx / 2;
        z.zoomOffsetY = ZoomViewCentreY(H) - dy / 2;
        scale = -mode;
    } else if (mode > 0) {
        scale = mode;
    }
    scale = std::max(1, scale);
    gState.scale = scale;
    const int ox = z.zoomOffsetX, oy = z.zoomOffsetY;
    const int discRadius = R * scale;
    auto map = [&](double x, double y) { return ZoomMap(x, y, scale); };

    DrawCompassLetters(canvas, scale);

    const QColor sky = Grey(ChartShades().skyGrey);
    const QColor lineGrey = Grey(ChartShades().lineGrey);
    canvas.SetPen(Qt::white);
    canvas.SetBrush(sky);
    canvas.Ellipse(ox - discRadius, oy - discRadius, ox + discRadius, oy + discRadius);

    if (ViewOptions().showConstellationLines) DrawZoomConstellationLines(canvas);

    const SunState& sun = Sun();
    const BodyPlotEntry& sunPlot = BodyPlotTable()[kBodySun];
    if (sun.altitudeDeg > 0.0 && sunPlot.x * sunPlot.y != 0.0) {
        const int r = std::max(3, IntPart(scale * SunPlot().discRadius));
        const QPoint p = map(sunPlot.x, sunPlot.y);
        canvas.SetPen(Qt::white);
        canvas.SetBrush(Qt::white);
        canvas.Ellipse(p.x() - r, p.y() - r, p.x() + r, p.y() + r);
    }

    const MoonState& moon = Moon();
    const MoonOnChart& moonPlot = MoonPlot();
    if (moon.altitudeDeg > 0.0 && moonPlot.chartX * moonPlot.chartY != 0.0) {
        const int f = std::max(3, IntPart(ChartView().zoomFactor * moonPlot.discRadius));
        const QPoint p = map(moonPlot.chartX, moonPlot.chartY);
        const int width = canvas.LogicalSize().width(), height = canvas.LogicalSize().height();
        const bool outside = p.x() < -2 * f || p.x() > width + 2 * f ||
                             p.y() < kZoomBarsHeight - 2 * f || p.y() > height + 2 * f;
        if (!outside) DrawMoonDiscAt(canvas, p.x(), p.y(), f, ChartShades().skyGrey);
    }

    for (int i = kBodyMercury; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if (b.x * b.y == 0.0) continue;
        const QPoint p = map(b.x, b.y);
        if (static_cast<double>(p.x()) * p.y() > 0.0)
            DrawStarGlyph(canvas, p.x(), p.y(), Qt::white, b.magnitude, ChartView().zoomFactor);
    }

    if (sun.altitudeDeg < -9.0) {
        canvas.SetPen(lineGrey);
        canvas.SetBrush(sky, BrushStyle::Clear);
        for (const NebulaPlotEntry& e : NebulaPlotTable()) {
            if (e.x * e.y == 0.0) continue;
            const int r = std::max(2, IntPart(scale * e.drawnRadius));
            const QPoint p = map(e.x, e.y);
            const double d = std::hypot(p.x() - ox, p.y() - oy);
            if (discRadius > d + r) canvas.Circle(p.x(), p.y(), r);
        }
        canvas.SetBrush(sky);
    }

    for (const StarPlotEntry& e : StarPlotTable()) {
        if (e.x * e.y == 0.0) continue;
        const QPoint p = map(e.x, e.y);
        DrawStarGlyph(canvas, p.x(), p.y(), Qt::white, e.magnitude, ChartView().zoomFactor);
    }

    if (gState.goToMarkerPending > 0) {
        --gState.goToMarkerPending;
        const QPoint c = ZoomViewCentre();
        const CanvasBrush saved = canvas.Brush();
        canvas.SetPen(lineGrey);
        canvas.SetBrush(sky, BrushStyle::Clear);
        canvas.Circle(c.x(), c.y(), gState.goToMarkerRadius);
        canvas.Brush() = saved;
    }

    const bool timeChanged = Shown().timeChanged;
    if (timeChanged && ElementFile().satelliteCount > 0) {
        SatelliteUi ui;
        ui.showMessage = [](const std::string& caption, const std::string& text) {
            ShowChartMessage(QString::fromStdString(caption), QString::fromStdString(text));
        };
        ComputeSatellites(ui);
    }
    DrawPassPath(canvas, ShownPassPath().zoomChart, map, ScreenPassPathStyle());
    DrawSatellites(canvas, timeChanged);
    Shown().timeChanged = false;

    DrawMinorBody(canvas);

    if (ViewOptions().showPlanetNames) DrawZoomPlanetNames(canvas);
    if (SatelliteNamesShown()) DrawZoomSatelliteNames(canvas);
    if (ViewOptions().showConstellationNames) DrawZoomConstellationNames(canvas);
    if (ViewOptions().showAltitudeLines) DrawZoomAltitudeLines(canvas);
    if (ViewOptions().showZodiac) DrawZoomZodiac(canvas);
    (void)cx;
    (void)cy;
}

}  // namespace

ZoomViewHooks& ZoomView() { return gView; }
void ResetZoomView() { gView = ZoomViewHooks{}; }
ZoomState& ZoomValues() { return gState; }
void ResetZoomState() { gState = ZoomState{}; }

int ZoomOuterWidth() { return kZoomDesignWidth; }
int ZoomOuterHeight() { return kZoomDesignHeight; }
QPoint ZoomViewCentre() { return QPoint(ZoomOuterWidth() / 2, ZoomViewCentreY(ZoomOuterHeight())); }
int ZoomFrameHalfWidth() { return ZoomOuterWidth() / 4 - 4; }
int ZoomFrameHalfHeight() { return ZoomOuterHeight() / 4 - 12; }

double ZoomMapX(double x) {
    return (x - ChartView().chartCentreX) * CurrentScale() + ChartZoomOffsets().zoomOffsetX;
}
double ZoomMapY(double y) {
    return (y - ChartView().chartCentreY) * CurrentScale() + ChartZoomOffsets().zoomOffsetY;
}

QPoint ZoomMap(double x, double y, int scale) {
    const ZoomOffsets& z = ChartZoomOffsets();
    return QPoint(IntPart((x - ChartView().chartCentreX) * scale + z.zoomOffsetX),
                  IntPart((y - ChartView().chartCentreY) * scale + z.zoomOffsetY));
}

QPoint ZoomMap(double x, double y) { return ZoomMap(x, y, CurrentScale()); }

QString ZoomHeading(const QString& title, const QString& gapBeforeSun, int decimals) {
    const QString place =
        QString::fromStdString(Place().placeName).left(12).leftJustified(12, QLatin1Char(' '));
    const MoonState& moon = Moon();
    return title + QString::number(ChartView().zoomFactor) + QStringLiteral(" : ") + place +
           QStringLiteral("  ") + QString::fromStdString(DateText) + QStringLiteral("  ") +
           QString::fromStdString(TimeText) + QStringLiteral(" ") +
           QString::fromStdString(Place().zoneNameAt(Shown().currentJD)) + QStringLiteral(" :") +
           gapBeforeSun + QStringLiteral("So ") +
           QString::number(Sun().altitudeDeg, 'f', decimals) + QStringLiteral("°") +
           QStringLiteral("   Mo ") + QString::number(moon.altitudeDeg, 'f', decimals) +
           QStringLiteral("°  ") + QString::number(moon.illuminatedFraction * 100.0, 'f', 0) +
           QStringLiteral("%  ") +
           (moon.phaseValue >= 1.0 ? QStringLiteral("ab") : QStringLiteral("zu"));
}

QString ZoomCaption() {
    return ZoomHeading(QStringLiteral("Polaride Zoom "), QStringLiteral("  "), 1);
}

double ZoomSatelliteMagnitude(double magnitude, int zoomFactor) {
    if (zoomFactor == 2 && magnitude >= 5.5) return 5.4;
    if (zoomFactor == 4 && magnitude >= 6.5) return 6.4;
    return magnitude;
}

void DrawZoomChart(int mode) {
    if (gView.canvas) {
        DrawZoomChart(*gView.canvas, mode);
        if (gView.repaint) gView.repaint();
        return;
    }
}

bool DrawZoomChart(Canvas& canvas, int mode, std::string* error) {
    try {
        DrawLayers(canvas, mode);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), error);
        return false;
    }
    return true;
}

void DrawZoomSatelliteNames(Canvas& canvas) {
    WriteSatelliteNames(
        canvas, NameFont(), [](double x, double y) { return ZoomMap(x, y); },
        [](const QRect& r) { return InsideZoomDisc(r.left(), r.top(), r.width(), r.height()); },
        4 + ChartView().zoomFactor);
}

void DrawZoomPlanetNames(Canvas& canvas) {
    canvas.SetFont(NameFont());
    canvas.SetTextBackground(TextBackground::Transparent);
    for (int i = 0; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if (b.x * b.y <= 0.0) continue;
        const auto name = kBodyNames[static_cast<size_t>(i)];
        const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        const QSize size = canvas.TextExtent(text);
        const QPoint p = ZoomMap(b.x, b.y);
        int lift = 0;
        if (i == kBodySun) lift = IntPart(SunPlot().discRadius * ChartView().zoomFactor);
        if (i == kBodyMoon) lift = IntPart(MoonPlot().discRadius * ChartView().zoomFactor);
        const int left = p.x() - size.width() / 2;
        const int top = p.y() - size.height() - lift;
        if (InsideZoomDisc(left, top, size.width(), size.height())) canvas.TextOut(left, top, text);
    }
    canvas.SetTextBackground(TextBackground::Opaque);
}

void DrawZoomConstellationNames(Canvas& canvas) {
    canvas.SetFont(NameFont());
    canvas.SetTextBackground(TextBackground::Transparent);
    for (const LabelPlotEntry& e : LabelPlotTable()) {
        if (e.x * e.y <= 0.0) continue;
        const QString text = QString::fromLatin1(e.text.substr(0, 3).c_str());
        const QSize size = canvas.TextExtent(text);
        const QPoint p = ZoomMap(e.x, e.y);
        const int left = p.x() - size.width() / 2;
        const int top = p.y() - size.height() / 2;
        if (InsideZoomDisc(left, top, size.width(), size.height())) canvas.TextOut(left, top, text);
    }
    canvas.SetTextBackground(TextBackground::Opaque);
}

void DrawZoomAltitudeLines(Canvas& canvas) {
    const ZoomOffsets& z = ChartZoomOffsets();
    const int ox = z.zoomOffsetX, oy = z.zoomOffsetY;
    const double R = static_cast<double>(ChartView().chartRadius) * ChartView().zoomFactor;
    const CanvasPen savedPen = canvas.Pen();
    const CanvasBrush savedBrush = canvas.Brush();
    DrawAltitudeCircles(canvas, ox, oy, R);
    auto rim = [&](double a) { return QPointF(ox + std::sin(a) * R, oy + std::cos(a) * R); };
    // Rim points: rotationRad + pi is north, rotationRad south, -pi/2 east, +pi/2 west.
    const double a = ChartView().rotationRad;
    const QPointF south = rim(a), north = rim(a + kPi);
    const QPointF west = rim(a + kPi / 2.0), east = rim(a + 3.0 * kPi / 2.0);
    canvas.MoveTo(IntPart(south.x()), IntPart(south.y()));
    canvas.LineTo(IntPart(north.x()), IntPart(north.y()));
    canvas.MoveTo(IntPart(west.x()), IntPart(west.y()));
    canvas.LineTo(IntPart(east.x()), IntPart(east.y()));
    canvas.Pen() = savedPen;
    canvas.Brush() = savedBrush;
    const QPointF centre(ox, oy);
    DrawEdgeLetters(canvas, centre, north, south, QStringLiteral("N"), QStringLiteral("S"));
    DrawEdgeLetters(canvas, centre, east, west, QStringLiteral("O"), QStringLiteral("W"));
}

void DrawZoomZodiac(Canvas& canvas) {
    DrawZodiacLine(canvas, [](const ChartPoint& p) { return ZoomMap(p.x, p.y); });
}
