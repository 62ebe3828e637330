#include "chart/chart_print.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>

#include "catalog/catalog.h"
#include "chart/body_plot.h"
#include "chart/canvas.h"
#include "chart/chart_hooks.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/constellation_path.h"
#include "chart/ecliptic_path.h"
#include "chart/pass_path.h"
#include "chart/plot_tables.h"
#include "chart/satellite_plot.h"
#include "chart/sky_chart.h"
#include "chart/zoom_chart.h"
#include "chart/zoom_moon.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/timescale.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellites_at_instant.h"

namespace {

std::vector<PrintedCircle> gCircles;

// Where the chart lies on the paper and how plot positions map onto it.
struct PaperChart {
    int centreX = 0;  // disc centre, 0.1 mm (y upwards)
    int centreY = 0;
    int radius = 0;
    double scale = 1.0;  // paper units per screen pixel
    bool zoom = false;
    int zoomFactor = 1;

    QPoint Map(double x, double y) const {
        return QPoint(centreX + IntPart((x - ChartView().chartCentreX) * scale),
                      centreY - IntPart((y - ChartView().chartCentreY) * scale));
    }
    int StarRadius(double m) const {
        return zoom ? PrintedZoomStarRadius(m, zoomFactor) : PrintedStarRadius(m);
    }
};

CanvasFont Courier(double mm, bool bold) {
    return CanvasFont::Pixels(QStringLiteral("Courier New"), mm * 10.0, bold, Qt::black);
}
CanvasFont Arial36() { return CanvasFont::Pixels(QStringLiteral("Arial"), 36.0, false, Qt::black); }

void Text(Canvas& c, int x, int y, const QString& text) {
    c.SetTextBackground(TextBackground::Transparent);
    c.TextOut(x, y, text);
}

void FilledCircle(Canvas& c, QPoint p, int r, char layer) {
    c.SetPen(Qt::black);
    c.SetBrush(Qt::black);
    c.Circle(p.x(), p.y(), r);
    gCircles.push_back({p.x(), p.y(), r, layer});
}

void OpenCircle(Canvas& c, QPoint p, int r, char layer = ' ') {
    c.SetPen(Qt::black);
    c.SetBrush(Qt::white, BrushStyle::Clear);
    c.Circle(p.x(), p.y(), r);
    if (layer != ' ') gCircles.push_back({p.x(), p.y(), r, layer});
}

// The terminator curve of half-width w on a disc of radius f about (px, py) on
// paper, turned by the angle theta (screen sense).
void TerminatorCurve(Canvas& c, QPoint centre, int f, int w, double theta, double sign) {
    const double ct = std::cos(theta), st = std::sin(theta);
    auto turned = [&](double u, double v) {
        // Screen offset (u, v) turned, then y flipped for the paper.
        return QPoint(centre.x() + IntPart(u * ct - v * st), centre.y() - IntPart(u * st + v * ct));
    };
    const QPoint start = turned(0.0, -f);
    c.MoveTo(start.x(), start.y());
    for (int dy = -f; dy <= f; ++dy) {
        const QPoint p = turned(-sign * MoonTerminatorHalfWidth(w, std::abs(dy), f), dy);
        c.LineTo(p.x(), p.y());
    }
}

}  // namespace

void InkMoonPhase(Canvas& c, QPoint centre, int f, double theta) {
    const MoonState& m = Moon();
    c.SetPen(Qt::black);
    c.SetBrush(Qt::white);
    c.Circle(centre.x(), centre.y(), f);
    const int w = MoonTerminatorWidth(f);
    const double sign = MoonTerminatorSign();
    if (m.illuminatedFraction <= 0.5) {
        // A crescent: from the terminator out to the limb on the lit side.
        for (int h = w; h <= f; ++h) TerminatorCurve(c, centre, f, h, theta, sign);
    } else {
        // Gibbous: the whole lit half (the curves turned by pi lie on the lit side),
        // then from the centre line across to the terminator on the dark side.
        for (int h = 0; h <= f; ++h) TerminatorCurve(c, centre, f, h, theta + kPi, sign);
        for (int h = 0; h <= w; ++h) TerminatorCurve(c, centre, f, h, theta, sign);
    }
}

namespace {

void CompassLetters(Canvas& c, const PaperChart& g) {
    const double angles[4] = {ChartView().rotationRad + kPi, ChartView().rotationRad,
                              ChartView().rotationRad - kPi / 2.0,
                              ChartView().rotationRad + kPi / 2.0};
    c.SetFont(Courier(4.5, false));
    for (int i = 0; i < 4; ++i) {
        const QString text = ChartTexts().compass[static_cast<size_t>(i)].text;
        const QSize size = c.TextExtent(text);
        const double w = size.width(), h = size.height();
        const double d = std::sqrt(w * w + h * h) * 5.0 / 9.0;
        Text(c, IntPart(g.centreX + std::sin(angles[i]) * (g.radius + d) - w / 2.0),
             IntPart(g.centreY - std::cos(angles[i]) * (g.radius + d) + h / 2.0), text);
    }
}

void AltitudeLines(Canvas& c, const PaperChart& g) {
    c.SetPen(Qt::black);
    c.SetBrush(Qt::white, BrushStyle::Clear);
    for (int altitude = 10; altitude <= 80; altitude += 10) {
        const int r = IntPart(g.radius * std::tan((90.0 - altitude) / 2.0 * kDegToRad));
        c.Circle(g.centreX, g.centreY, r);
    }
    auto rim = [&](double a) {
        return QPoint(IntPart(g.centreX + std::sin(a) * g.radius),
                      IntPart(g.centreY - std::cos(a) * g.radius));
    };
    for (double a : {ChartView().rotationRad, ChartView().rotationRad + kPi / 2.0}) {
        const QPoint p = rim(a), q = rim(a + kPi);
        c.MoveTo(p.x(), p.y());
        c.LineTo(q.x(), q.y());
    }
}

void Zodiac(Canvas& c, const PaperChart& g) {
    c.SetPen(Qt::black);
    TraceEclipticPath(c, [&g](const ChartPoint& p) { return g.Map(p.x, p.y); });
}

// The path of a shown pass in ink: line widths and marks in 0.1 mm, screen sizes
// times the paper scale.
PassPathStyle PaperPassPathStyle(double scale) {
    PassPathStyle style;
    style.line = style.shadowLine = style.text = Qt::black;
    style.font = Arial36();
    style.lineWidth = 3;
    style.tickLength = std::max(10, IntPart(style.tickLength * scale));
    style.markSize = std::max(12, IntPart(style.markSize * scale));
    style.yUp = true;
    return style;
}

void SatelliteCircles(Canvas& c, const PaperChart& g, bool filled) {
    const SatelliteTable& s = Satellites();
    for (int k = 1; k <= s.selectedCount; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (s.chartX[i] * s.chartY[i] == 0.0) continue;
        const QPoint p = g.Map(s.chartX[i], s.chartY[i]);
        const int r = PrintedSatelliteRadius(s.chartMagnitude[i]);
        if (filled)
            FilledCircle(c, p, r, 'S');
        else
            OpenCircle(c, p, r, 't');
    }
}

// Layers shared by both printouts: planets to planet names (steps 6 to 18).
void CommonLayers(Canvas& c, const PaperChart& g, JD1900 trailOrigin) {
    for (int i = kBodyMercury; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if (b.x * b.y != 0.0) FilledCircle(c, g.Map(b.x, b.y), g.StarRadius(b.magnitude), 'p');
    }
    const SunState& sun = Sun();
    const BodyPlotEntry& sunPlot = BodyPlotTable()[kBodySun];
    if (sun.altitudeDeg > 0.0 && sunPlot.x * sunPlot.y != 0.0)
        FilledCircle(c, g.Map(sunPlot.x, sunPlot.y),
                     std::max(10, IntPart(SunPlot().discRadius * g.scale)), ' ');
    const MoonState& moon = Moon();
    const BodyPlotEntry& moonPlot = BodyPlotTable()[kBodyMoon];
    if (moon.altitudeDeg > 0.0 && moonPlot.x * moonPlot.y != 0.0)
        InkMoonPhase(c, g.Map(moonPlot.x, moonPlot.y),
                     std::max(10, IntPart(MoonPlot().discRadius * g.scale)), MoonPlot().limbAngle);

    if (ViewOptions().showConstellationLines) {
        const ConstellationLineList list = ReadConstellationLines();
        c.SetPen(Qt::black);
        DrawConstellationPath(
            c, list, [](const StarPlotEntry& s) { return s.x > 0.0 && s.y > 0.0; },
            [&g](double x, double y) { return g.Map(x, y); });
    }
    CompassLetters(c, g);
    if (ViewOptions().showAltitudeLines) AltitudeLines(c, g);
    if (ViewOptions().showZodiac) Zodiac(c, g);
    if (ViewOptions().showConstellationNames) {
        c.SetFont(Arial36());
        for (const LabelPlotEntry& e : LabelPlotTable()) {
            if (e.x * e.y <= 0.0) continue;
            const QString text = QString::fromLatin1(e.text.substr(0, 3).c_str());
            const QSize size = c.TextExtent(text);
            const QPoint p = g.Map(e.x, e.y);
            Text(c, p.x() - size.width() / 2, p.y() + size.height() / 2, text);
        }
    }
    for (const NebulaPlotEntry& e : NebulaPlotTable()) {
        if (e.x * e.y == 0.0) continue;
        const int r = std::max(5, IntPart(g.scale * e.drawnRadius));
        const QPoint p = g.Map(e.x, e.y);
        if (std::hypot(p.x() - g.centreX, p.y() - g.centreY) + r < g.radius) OpenCircle(c, p, r);
    }
    for (const StarPlotEntry& e : StarPlotTable())
        if (e.x * e.y != 0.0) FilledCircle(c, g.Map(e.x, e.y), g.StarRadius(e.magnitude), 's');
    DrawPassPath(
        c, g.zoom ? ShownPassPath().zoomChart : ShownPassPath().mainChart,
        [&g](double x, double y) { return g.Map(x, y); }, PaperPassPathStyle(g.scale));
    SatelliteCircles(c, g, true);

    const int steps = TrailStepCount(Shown().currentJD, trailOrigin, Shown().timeStepSeconds);
    if (steps > 0 && ElementFile().satelliteCount > 0) {
        const JD1900 saved = Shown().currentJD;
        for (int i = 0; i < steps; ++i) {
            Shown().currentJD -= Shown().timeStepSeconds / 86400.0;
            ComputeSatellites();
            SatelliteCircles(c, g, false);
        }
        Shown().currentJD = saved;
        ComputeSatellites();
    }

    const MinorBodyOnChart& m = MinorBodyPlot();
    if (m.chartX * m.chartY != 0.0) {
        const QPoint p = g.Map(m.chartX, m.chartY);
        OpenCircle(c, p, 6);
        if (m.tailX * m.tailY != 0.0) {
            const QPoint t = g.Map(m.tailX, m.tailY);
            c.MoveTo(p.x(), p.y());
            c.LineTo(t.x(), t.y());
        }
    }
    if (ViewOptions().showPlanetNames) {
        c.SetFont(Arial36());
        for (int i = 0; i < kBodyCount; ++i) {
            const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
            if (b.x * b.y <= 0.0) continue;
            const auto name = kBodyNames[static_cast<size_t>(i)];
            const QString text =
                QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            const QSize size = c.TextExtent(text);
            const QPoint p = g.Map(b.x, b.y);
            Text(c, p.x() - size.width() / 2, p.y() + size.height(), text);
        }
    }
}

struct Page {
    int width = 0;   // P_h, 0.1 mm
    int height = 0;  // P_v
};

Page Prepare(QPagedPaintDevice& printer, Canvas& canvas) {
    const QRectF mm = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    canvas.SetMapping(Canvas::LoMetricMapping(printer.logicalDpiX(), printer.logicalDpiY()));
    return Page{IntPart(mm.width() * 10.0), IntPart(mm.height() * 10.0)};
}

void ChartDisc(Canvas& c, const PaperChart& g) {
    c.SetPen(Qt::black);
    c.SetBrush(Qt::white);
    c.Circle(g.centreX, g.centreY, g.radius);
}

void SkyPage(QPagedPaintDevice& printer) {
    Canvas c(&printer);
    const Page page = Prepare(printer, c);
    PaperChart g;
    g.radius = IntPart(page.height * 0.45);
    g.centreX = IntPart(page.height * 0.475) + page.width - page.height;
    g.centreY = -(page.height / 2);
    g.scale = static_cast<double>(g.radius) / ChartView().chartRadius;

    const SkyChartTexts& texts = ChartTexts();
    c.SetFont(Courier(5.4, true));
    Text(c, 100, -100, texts.title.text);
    Text(c, 100, -200, texts.dateLine.text);
    Text(c, 100, -300, texts.timeLine.text);
    Text(c, 100, -400,
         QStringLiteral("Sonnenhöhe: ") + QString::number(Sun().altitudeDeg, 'f', 2) +
             QStringLiteral("°"));
    Text(c, 100, -500,
         QStringLiteral("Mondhöhe:   ") + QString::number(Moon().altitudeDeg, 'f', 2) +
             QStringLiteral("°"));
    Text(c, 100, -600,
         QStringLiteral("bel.Teil:   ") +
             QString::number(Moon().illuminatedFraction * 100.0, 'f', 0) + QStringLiteral("%"));

    c.SetFont(Courier(4.5, false));
    ChartDisc(c, g);

    // Moon phase symbol, not turned, and its word below it.
    const int k = g.radius / 7;
    const QPoint symbol(IntPart(g.centreX - 1.5 * g.radius), g.centreY);
    InkMoonPhase(c, symbol, k, 0.0);
    const QString word =
        Moon().phaseValue >= 1.0 ? QStringLiteral("abnehmend") : QStringLiteral("zunehmend");
    const QSize wordSize = c.TextExtent(word);
    const int t = g.centreY - k - wordSize.height() / 2;
    Text(c, symbol.x() - wordSize.width() / 2, t, word);

    // Rise and set texts (Label8 .. Label17).
    const int offsets[kRiseSetLabelCount] = {270, 320, 370, 420, 500, 550, 600, 650, 150, 100};
    for (int i = 0; i < kRiseSetLabelCount; ++i)
        Text(c, 100, t - offsets[i], texts.riseSet[static_cast<size_t>(i)].text);

    CommonLayers(c, g, Shown().trailOriginJD);
    c.End();
}

void ZoomPage(QPagedPaintDevice& printer) {
    Canvas c(&printer);
    const Page page = Prepare(printer, c);
    const ZoomOffsets& z = ChartZoomOffsets();
    const int W = ZoomOuterWidth(), H = ZoomOuterHeight();
    const int factor = std::max(1, ChartView().zoomFactor);
    PaperChart g;
    g.zoom = true;
    g.zoomFactor = factor;
    g.scale = static_cast<double>(page.width) / W * factor;
    g.radius = IntPart(ChartView().chartRadius * g.scale);
    g.centreX = page.width / 2 - IntPart(((W / 2 - z.zoomOffsetX) / factor) * g.scale);
    g.centreY =
        IntPart(((ZoomViewCentreY(H) - z.zoomOffsetY) / factor) * g.scale) - page.height / 2;

    FormatDateTime1900(Shown().currentJD);
    const QString header = ZoomHeading(QStringLiteral("Zoom "), QStringLiteral(" "), 2);

    c.SetFont(Courier(4.5, false));
    ChartDisc(c, g);
    CommonLayers(c, g, ZoomValues().zoomTrailOriginJD);
    // The header lines last, so that no layer covers them.
    c.SetFont(Courier(5.4, true));
    Text(c, 100, -10, header);
    const QString tracked =
        Tracking().trackedSatellite >= 0 && Tracking().trackedSatellite < Satellites().selectedCount
            ? QString::fromStdString(
                  PositionLine(Tracking().trackedSatellite, Shown().currentJD, PlaceOf(Place()))
                      .values)
            : QString();
    Text(c, 100, -1950, tracked);
    c.End();
}

bool Run(QPagedPaintDevice& printer, const std::function<void(QPagedPaintDevice&)>& page,
         std::string* error) {
    gCircles.clear();
    printer.setPageOrientation(QPageLayout::Landscape);
    try {
        page(printer);
    } catch (const std::exception& e) {
        if (error)
            *error = e.what();
        else
            ShowChartMessage(QStringLiteral("Fehler"), QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

}  // namespace

const std::vector<PrintedCircle>& LastPrintedCircles() { return gCircles; }

int PrintedStarRadius(double magnitude) { return 7 - IntPart(magnitude); }

int PrintedSatelliteRadius(double magnitude) { return std::max(2, 7 - IntPart(magnitude)); }

int PrintedZoomStarRadius(double magnitude, int zoomFactor) {
    if (zoomFactor <= 2) return IntPart(9.4 - 1.2 * magnitude);
    if (zoomFactor == 4) return IntPart(13.0 - 1.5 * magnitude);
    return IntPart(17.0 - 2.0 * magnitude);
}

int TrailStepCount(double currentJD, double originJD, int timeStepSeconds) {
    if (timeStepSeconds == 0) return 0;
    return IntPart((currentJD - originJD) * 86400.0 / timeStepSeconds + 0.5);
}

bool PrintSkyChartOn(QPagedPaintDevice& printer, std::string* error) {
    return Run(printer, SkyPage, error);
}
bool PrintZoomChartOn(QPagedPaintDevice& printer, std::string* error) {
    return Run(printer, ZoomPage, error);
}
