#include "chart/sky_chart.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>
#include <memory>
#include <set>
#include <vector>

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
#include "chart/sky_chart_compute.h"
#include "chart/star_glyph.h"
#include "core/constants.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/ephemeris_file_error.h"
#include "core/frames.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/rise_set.h"
#include "core/sun_moon.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellites_at_instant.h"

namespace {

const QColor kCompassColour{0, 255, 255};
const QColor kMoonSymbolLit{255, 255, 0};
const QColor kMoonSymbolDown{127, 127, 0};
const QColor kMoonDiscOutline{192, 192, 0};

SkyChartTexts MakeTexts() {
    SkyChartTexts t;
    struct Row {
        const char* name;
        const char* hint;
        const char* code;
        bool moon;
        double altitude;
        bool rising;
        QColor colour;
    };
    const Row rows[kRiseSetLabelCount] = {
        {"Label8",
         "Astronomische Dämmerung",
         "AD",
         false,
         kAstronomicalTwilightDeg,
         true,
         {170, 170, 127}},
        {"Label9", "Nautische Dämmerung", "ND", false, kNauticalTwilightDeg, true, {198, 198, 149}},
        {"Label10", "Bürgerliche Dämmerung", "BD", false, kCivilTwilightDeg, true, {227, 227, 170}},
        {"Label11", "Sonnenaufgang", "SA", false, kSunriseAltitudeDeg, true, {255, 255, 192}},
        {"Label12", "Sonnenuntergang", "SU", false, kSunriseAltitudeDeg, false, {255, 255, 192}},
        {"Label13",
         "Bürgerliche Dämmerung",
         "BD",
         false,
         kCivilTwilightDeg,
         false,
         {227, 227, 170}},
        {"Label14",
         "Nautische Dämmerung",
         "ND",
         false,
         kNauticalTwilightDeg,
         false,
         {198, 198, 149}},
        {"Label15",
         "Astronomische Dämmerung",
         "AD",
         false,
         kAstronomicalTwilightDeg,
         false,
         {170, 170, 127}},
        {"Label16", "Monduntergang", "MU", true, 0.0, false, {255, 255, 192}},
        {"Label17", "Mondaufgang", "MA", true, 0.0, true, {255, 255, 192}},
    };
    for (int i = 0; i < kRiseSetLabelCount; ++i) {
        RiseSetLabel& l = t.riseSet[static_cast<size_t>(i)];
        l.name = rows[i].name;
        l.hint = QString::fromUtf8(rows[i].hint);
        l.code = QString::fromLatin1(rows[i].code);
        l.moon = rows[i].moon;
        l.sunAltitudeDeg = rows[i].altitude;
        l.rising = rows[i].rising;
        l.colour = rows[i].colour;
        l.text = l.code;
    }
    t.compass[0].text = QStringLiteral("N");
    t.compass[1].text = QStringLiteral("S");
    t.compass[2].text = QStringLiteral("O");
    t.compass[3].text = QStringLiteral("W");
    return t;
}

SkyChartTexts gTexts = MakeTexts();

Canvas* gMainCanvas = nullptr;
std::function<void()> gRepaint;

CanvasFont TitleFont() {
    return CanvasFont::Pixels(QStringLiteral("Courier New"), 13, true, kTitleColour);
}
CanvasFont StatusFont() {
    return CanvasFont::Points(QStringLiteral("Courier New"), 10, true, kTitleColour);
}
CanvasFont NameFont() {
    return CanvasFont::Points(QStringLiteral("Times New Roman"), 8, false, QColor(255, 255, 0));
}

// The area of a label's text back to the black window background.
void ClearLabel(Canvas& canvas, ChartTextLabel& label) {
    const QColor savedBrush = canvas.Brush().color;
    const BrushStyle savedStyle = canvas.Brush().style;
    canvas.SetBrush(Qt::black);
    if (!label.rect.isEmpty())
        canvas.FillRect(label.rect.left(), label.rect.top(), label.rect.right() + 1,
                        label.rect.bottom() + 1);
    label.rect = QRect();
    canvas.SetBrush(savedBrush, savedStyle);
}

// A label on the black window background: the area of its previous text is cleared
// first, so that a shorter text leaves nothing behind.
void DrawLabel(Canvas& canvas, ChartTextLabel& label, int left, int top, const QString& text,
               const CanvasFont& font) {
    ClearLabel(canvas, label);
    const QColor savedBrush = canvas.Brush().color;
    const BrushStyle savedStyle = canvas.Brush().style;
    canvas.SetBrush(Qt::black);
    canvas.SetFont(font);
    canvas.SetTextBackground(TextBackground::Opaque);
    canvas.TextOut(left, top, text);
    label.text = text;
    label.rect = QRect(QPoint(left, top), canvas.TextExtent(text));
    canvas.SetBrush(savedBrush, savedStyle);
}

// Status text in the status font on black.
void StatusText(Canvas& canvas, int x, int y, const QString& text) {
    canvas.SetFont(StatusFont());
    canvas.SetTextBackground(TextBackground::Opaque);
    const QColor saved = canvas.Brush().color;
    const BrushStyle savedStyle = canvas.Brush().style;
    canvas.SetBrush(Qt::black);
    canvas.TextOut(x, y, text);
    canvas.SetBrush(saved, savedStyle);
}

double Sign(double v) { return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

// Half-width of the terminator at row offset dy for a disc of radius k.
double TerminatorHalfWidth(int w, int dy, int k) {
    const double ratio = static_cast<double>(w) / static_cast<double>(k);
    const double arg = static_cast<double>(w) * w - static_cast<double>(dy) * dy * ratio * ratio;
    return arg > 0.0 ? std::sqrt(arg) : 0.0;
}

void DrawMoonPhaseSymbol(Canvas& canvas) {
    const MoonState& m = Moon();
    const int cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
              R = ChartView().chartRadius;
    const int k = R / 7;
    const int gx = IntPart(cx - 1.5 * R);
    if (k < 1) return;

    const QString word =
        m.phaseValue >= 1.0 ? QStringLiteral("abnehmend") : QStringLiteral("zunehmend");
    canvas.SetFont(StatusFont());
    const QSize extent = canvas.TextExtent(word);
    StatusText(canvas, gx - extent.width() / 2, cy + k + extent.height() / 2, word);

    const QColor outline = m.altitudeDeg > 0.0 ? kMoonSymbolLit : kMoonSymbolDown;
    canvas.SetPen(outline);
    canvas.SetBrush(Qt::black);
    canvas.Ellipse(gx - k, cy - k, gx + k, cy + k);

    const int w = IntPart(std::fabs(std::cos(m.phaseAngleDeg * kDegToRad)) * k);
    const double s = Sign(FracPart(m.phaseValue) - 0.5);
    canvas.MoveTo(gx, cy - k);
    for (int y = cy - k; y <= cy + k; ++y) {
        const double u = TerminatorHalfWidth(w, std::abs(cy - y), k);
        canvas.LineTo(gx - IntPart(s * u), y);
    }
    canvas.SetBrush(outline);
    const QRect box(gx - k, cy - k, 2 * k + 1, 2 * k + 1);
    if (m.phaseValue < 1.0 && m.phaseValue * k > 1.0)
        canvas.FloodFill(gx + k - 2, cy, outline, FloodFillMode::Border, box);
    if (m.phaseValue > 1.0 && (2.0 - m.phaseValue) * k > 1.0)
        canvas.FloodFill(gx - k + 2, cy, outline, FloodFillMode::Border, box);
}

void DrawMoonDisc(Canvas& canvas, int skyGrey) {
    const MoonState& m = Moon();
    const int f = DrawnRadius(m.altitudeDeg, kMoonSemiDiameterDeg / m.distance, 3);
    const MoonOnChart& plot = MoonPlot();
    const int mx = IntPart(plot.chartX), my = IntPart(plot.chartY);
    const QColor sky(skyGrey, skyGrey, skyGrey);
    canvas.SetPen(kMoonDiscOutline);
    canvas.SetBrush(sky);
    canvas.Ellipse(mx - f, my - f, mx + f, my + f);

    const double theta = plot.limbAngle;
    const double c = std::cos(theta), sn = std::sin(theta);
    auto turned = [&](double u, double v) {
        return QPoint(mx + IntPart(u * c - v * sn), my + IntPart(u * sn + v * c));
    };
    const int w = IntPart(std::fabs(std::cos(m.phaseAngleDeg * kDegToRad)) * f);
    const double s = Sign(FracPart(m.phaseValue) - 0.5);
    QPoint start = turned(0.0, -f);
    canvas.MoveTo(start.x(), start.y());
    for (int dy = -f; dy <= f; ++dy) {
        const double u = TerminatorHalfWidth(w, std::abs(dy), f);
        QPoint p = turned(-s * u, dy);
        canvas.LineTo(p.x(), p.y());
    }
    canvas.SetBrush(kMoonSymbolLit);
    const QRect box(mx - f - 1, my - f - 1, 2 * f + 3, 2 * f + 3);
    if (m.phaseValue < 1.0 && f * m.phaseValue > 2.0) {
        QPoint p = turned(f - 2, 0);
        canvas.FloodFill(p.x(), p.y(), kMoonDiscOutline, FloodFillMode::Border, box);
    }
    if (m.phaseValue > 1.0 && f * (2.0 - m.phaseValue) > 2.0) {
        QPoint p = turned(2 - f, 0);
        canvas.FloodFill(p.x(), p.y(), kMoonDiscOutline, FloodFillMode::Border, box);
    }
    canvas.SetBrush(sky);
}

// Text inside the disc test of the name layers: the point (left, top) and the
// text's half diagonal must stay inside the rim.
bool InsideDisc(int left, int top, int w, int h) {
    const double dx = left - ChartView().chartCentreX, dy = top - ChartView().chartCentreY;
    return ChartView().chartRadius >
           std::sqrt(dx * dx + dy * dy) +
               2.0 * std::sqrt((w / 2.0) * (w / 2.0) + (h / 2.0) * (h / 2.0));
}

SatelliteUi ChartSatelliteUi() {
    SatelliteUi ui;
    ChartWindowHooks& hooks = ChartHooks();
    if (hooks.caption) ui.caption = [] { return ChartHooks().caption().toStdString(); };
    // Following the clock, a drawing takes a moment: no progress to show, and no
    // events let through in the middle of it.
    if (hooks.setCaption && !ChartView().followsClock)
        ui.setCaption = [](const std::string& text) {
            ChartHooks().setCaption(QString::fromStdString(text));
            if (ChartHooks().processEvents) ChartHooks().processEvents();
        };
    ui.showMessage = [](const std::string& caption, const std::string& text) {
        ShowChartMessage(QString::fromStdString(caption), QString::fromStdString(text));
    };
    return ui;
}

std::set<std::string> gReportedCauses;
int gReportsWaiting = 0;

void ShowError(const std::string& text) {
    ShowChartMessage(QStringLiteral("Fehler"), QString::fromStdString(text));
}

void ReportError(const std::string& text, std::string* error) {
    if (error) {
        *error = text;
        return;
    }
    if (!gReportedCauses.insert(text).second) return;
    if (gReportsWaiting > 0 && QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), [text] { ShowError(text); });
    else
        ShowError(text);
}

// The chart layers proper; data-file errors propagate to the caller.
void DrawLayers(Canvas& canvas) {
    const int cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
              R = ChartView().chartRadius;

    if (Shown().timeChanged) Shown().trailOriginJD = Shown().currentJD;
    DropPassPathsShownBefore(Shown().currentJD);
    ChartView().skyChartRotationRad = ChartView().rotationRad;
    FormatDateTime1900(Shown().currentJD);
    DrawTitleLabels(canvas);
    PlaceCompassLabels(canvas);

    // Times, Sun, shades and Moon: the first steps of the ephemeris update.
    UpdateSunAndShades(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                       Shown().currentJD);
    const int skyGrey = ChartShades().skyGrey;
    const QColor sky(skyGrey, skyGrey, skyGrey);
    const QColor lineGrey(ChartShades().lineGrey, ChartShades().lineGrey, ChartShades().lineGrey);

    canvas.SetPen(Qt::white);
    canvas.SetBrush(sky);
    canvas.Ellipse(cx - R, cy - R, cx + R, cy + R);

    const SunState& sun = Sun();
    const MoonState& moon = Moon();
    StatusText(canvas, 10, 90,
               QStringLiteral("Sonnenhöhe: ") + QString::number(sun.altitudeDeg, 'f', 2) +
                   QStringLiteral("°  "));
    StatusText(canvas, 10, 110,
               QStringLiteral("Mondhöhe:   ") + QString::number(moon.altitudeDeg, 'f', 2) +
                   QStringLiteral("°  "));
    StatusText(canvas, 10, 130,
               QStringLiteral("Bel.Teil:   ") +
                   QString::number(100.0 * moon.illuminatedFraction, 'f', 0) +
                   QStringLiteral("%  "));
    DrawMoonPhaseSymbol(canvas);

    // Stars, drawn as they are read.
    ComputeStarPositions([&](int, double x, double y, double magnitude) {
        DrawStarGlyph(canvas, IntPart(x), IntPart(y), Qt::white, magnitude);
    });

    if (sun.altitudeDeg > 0.0) {
        const int r = DrawnRadius(sun.altitudeDeg, kSunSemiDiameterDeg / sun.distance, 3);
        const int sx = IntPart(BodyPlotTable()[kBodySun].x),
                  sy = IntPart(BodyPlotTable()[kBodySun].y);
        canvas.SetPen(Qt::white);
        canvas.SetBrush(Qt::white);
        canvas.Ellipse(sx - r, sy - r, sx + r, sy + r);
        SunPlot().discRadius = r;
    }
    ComputeMoonDiscRadius();
    if (moon.altitudeDeg > 0.0) {
        DrawMoonDisc(canvas, skyGrey);
        MoonPlot().discRadius =
            DrawnRadius(moon.altitudeDeg, kMoonSemiDiameterDeg / moon.distance, 3);
    }

    PlanetPositionsOnChart(Shown().dynamicJD);
    for (int i = kBodyMercury; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if (b.x * b.y > 0.0)
            DrawStarGlyph(canvas, IntPart(b.x), IntPart(b.y), Qt::white, b.magnitude);
    }

    ComputeLabelPositions();

    canvas.SetPen(lineGrey);
    canvas.SetBrush(sky, BrushStyle::Clear);
    ComputeNebulaPositions(true, [&](int number) {
        const NebulaPlotEntry& e = NebulaPlotTable()[static_cast<size_t>(number - 1)];
        canvas.Circle(IntPart(e.x), IntPart(e.y), IntPart(e.drawnRadius));
    });

    MinorBodyPosition(Shown().currentJD, Place(), Shown());
    PlotMinorBody();
    const MinorBodyOnChart& minor = MinorBodyPlot();
    if (minor.chartX * minor.chartY != 0.0) {
        canvas.SetPen(lineGrey);
        canvas.SetBrush(sky, BrushStyle::Clear);
        canvas.Circle(IntPart(minor.chartX), IntPart(minor.chartY), 3);
        if (MinorBody().magnitude < 10.0 && (minor.tailX != 0.0 || minor.tailY != 0.0)) {
            canvas.MoveTo(IntPart(minor.chartX), IntPart(minor.chartY));
            canvas.LineTo(IntPart(minor.tailX), IntPart(minor.tailY));
        }
    }
    canvas.SetBrush(sky);

    if (ViewOptions().showConstellationLines) DrawConstellationLines(canvas);

    if (Shown().timeChanged && ElementFile().satelliteCount > 0)
        ComputeSatellites(ChartSatelliteUi());
    Shown().timeChanged = false;

    DrawPassPath(
        canvas, ShownPassPath().mainChart,
        [](double x, double y) { return QPoint(IntPart(x), IntPart(y)); }, ScreenPassPathStyle());

    const SatelliteTable& sats = Satellites();
    for (int k = 1; k <= sats.selectedCount; ++k) {
        if (sats.chartX[static_cast<size_t>(k)] <= 0.0) continue;
        DrawStarGlyph(canvas, IntPart(sats.chartX[static_cast<size_t>(k)]),
                      IntPart(sats.chartY[static_cast<size_t>(k)]),
                      sats.inShadow[static_cast<size_t>(k)] == 1 ? kShadowSatelliteColour
                                                                 : kSunlitSatelliteColour,
                      sats.chartMagnitude[static_cast<size_t>(k)]);
    }

    if (ViewOptions().showConstellationLines) {
        for (const StarPlotEntry& e : StarPlotTable())
            if (e.x * e.y != 0.0)
                DrawStarGlyph(canvas, IntPart(e.x), IntPart(e.y), Qt::white, e.magnitude);
    }

    if (ViewOptions().showAltitudeLines) DrawAltitudeLines(canvas);
    if (ViewOptions().showZodiac) DrawZodiac(canvas);
    if (ViewOptions().showConstellationNames) DrawConstellationNames(canvas);
    if (ViewOptions().showPlanetNames) DrawPlanetNames(canvas);
    if (SatelliteNamesShown()) DrawSatelliteNames(canvas);

    DrawRiseSetLabels(canvas);
    FormatDateTime1900(Shown().currentJD);
}

}  // namespace

SkyChartTexts& ChartTexts() { return gTexts; }
void ResetChartTexts() { gTexts = MakeTexts(); }

void SetMainChartCanvas(Canvas* canvas, std::function<void()> repaint) {
    gMainCanvas = canvas;
    gRepaint = canvas ? std::move(repaint) : std::function<void()>{};
}

Canvas* MainChartCanvas() { return gMainCanvas; }

void RepaintMainChart() {
    if (gRepaint) gRepaint();
}

void DrawSkyChart() {
    if (gMainCanvas) {
        DrawSkyChart(*gMainCanvas);
        RepaintMainChart();
        return;
    }
    // No window: draw offscreen, so that the plot tables are filled all the same.
    static std::unique_ptr<Canvas> offscreen;
    if (!offscreen) offscreen = std::make_unique<Canvas>(640, 442, Qt::black);
    DrawSkyChart(*offscreen);
}

bool DrawSkyChart(Canvas& canvas, std::string* error) {
    try {
        DrawLayers(canvas);
    } catch (const DataFileError& e) {
        ReportError(e.what(), error);
        return false;
    } catch (const EphemerisFileError& e) {
        ReportError(e.what(), error);
        return false;
    }
    gReportedCauses.clear();  // a cause that comes back later is news again
    return true;
}

ChartReportsWait::ChartReportsWait() { ++gReportsWaiting; }
ChartReportsWait::~ChartReportsWait() { --gReportsWaiting; }
void ResetChartReports() { gReportedCauses.clear(); }

void DrawTitleLabels(Canvas& canvas) {
    DrawLabel(canvas, gTexts.title, 10, 10,
              QStringLiteral("Der Sternhimmel in ") + QString::fromStdString(Place().placeName),
              TitleFont());
    DrawLabel(canvas, gTexts.dateLine, 10, 30,
              QStringLiteral("am ") + QString::fromStdString(DateText), TitleFont());
    // The mark goes first: a longer time line may now cover where it stood.
    ClearLabel(canvas, gTexts.liveMark);
    gTexts.liveMark.text.clear();
    DrawLabel(canvas, gTexts.timeLine, 10, 50,
              QStringLiteral("um ") + QString::fromStdString(TimeText) +
                  QString::fromStdString(Place().zoneNameAt(Shown().currentJD)),
              TitleFont());
    if (ChartView().followsClock)
        DrawLabel(canvas, gTexts.liveMark, gTexts.timeLine.rect.right() + 1, 50,
                  QStringLiteral(" (live)"), TitleFont());
}

void PlaceCompassLabels(Canvas& canvas) {
    const double angles[4] = {ChartView().rotationRad + kPi, ChartView().rotationRad,
                              ChartView().rotationRad - kPi / 2.0,
                              ChartView().rotationRad + kPi / 2.0};
    const CanvasFont font =
        CanvasFont::Pixels(QStringLiteral("Courier New"), 11, false, kCompassColour);
    canvas.SetFont(font);
    // All four old places are cleared before any letter is drawn: after a turn a letter
    // may land where another one stood, and clearing that one afterwards would wipe it.
    for (ChartTextLabel& label : gTexts.compass) ClearLabel(canvas, label);
    for (int i = 0; i < 4; ++i) {
        ChartTextLabel& label = gTexts.compass[static_cast<size_t>(i)];
        const QSize size = canvas.TextExtent(label.text);
        const double w = size.width(), h = size.height();
        const double d = std::sqrt(w * w + h * h) * 5.0 / 9.0;
        const int left = IntPart(ChartView().chartCentreX +
                                 std::sin(angles[i]) * (ChartView().chartRadius + d) - w / 2.0);
        const int top = IntPart(ChartView().chartCentreY +
                                std::cos(angles[i]) * (ChartView().chartRadius + d) - h / 2.0);
        DrawLabel(canvas, label, left, top, label.text, font);
    }
}

void DrawAltitudeLines(Canvas& canvas) {
    const int cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
              R = ChartView().chartRadius;
    const CanvasPen savedPen = canvas.Pen();
    const CanvasBrush savedBrush = canvas.Brush();
    DrawAltitudeCircles(canvas, cx, cy, R);
    auto rim = [&](double a) {
        return QPoint(IntPart(cx + std::sin(a) * R), IntPart(cy + std::cos(a) * R));
    };
    for (double a : {ChartView().rotationRad, ChartView().rotationRad + kPi / 2.0}) {
        const QPoint p = rim(a), q = rim(a + kPi);
        canvas.MoveTo(p.x(), p.y());
        canvas.LineTo(q.x(), q.y());
    }
    canvas.Pen() = savedPen;
    canvas.Brush() = savedBrush;
}

void DrawZodiac(Canvas& canvas) {
    DrawZodiacLine(canvas, [](const ChartPoint& p) { return QPoint(IntPart(p.x), IntPart(p.y)); });
}

void DrawConstellationLines(Canvas& canvas) {
    const ConstellationLineList list = ReadConstellationLines();
    const int lineGrey = ChartShades().lineGrey;
    const CanvasPen savedPen = canvas.Pen();
    canvas.SetPen(QColor(lineGrey, lineGrey, lineGrey));
    DrawConstellationPath(
        canvas, list, [](const StarPlotEntry& s) { return s.x * s.y != 0.0; },
        [](double x, double y) { return QPoint(IntPart(x), IntPart(y)); });
    canvas.Pen() = savedPen;
}

void DrawConstellationNames(Canvas& canvas) {
    canvas.SetFont(NameFont());
    canvas.SetTextBackground(TextBackground::Transparent);
    for (const LabelPlotEntry& e : LabelPlotTable()) {
        if (e.x * e.y <= 0.0) continue;
        const QString text = QString::fromStdString(e.text.substr(0, 3));
        const QSize size = canvas.TextExtent(text);
        const int left = IntPart(e.x - size.width() / 2.0);
        const int top = IntPart(e.y - size.height() / 2.0);
        if (InsideDisc(left, top, size.width(), size.height())) canvas.TextOut(left, top, text);
    }
    canvas.SetTextBackground(TextBackground::Opaque);
}

void DrawPlanetNames(Canvas& canvas) {
    canvas.SetFont(NameFont());
    canvas.SetTextBackground(TextBackground::Transparent);
    for (int i = 0; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if (b.x * b.y <= 0.0) continue;
        const QString text =
            QString::fromUtf8(kBodyNames[static_cast<size_t>(i)].data(),
                              static_cast<qsizetype>(kBodyNames[static_cast<size_t>(i)].size()));
        const QSize size = canvas.TextExtent(text);
        const int left = IntPart(b.x - size.width() / 2.0);
        const int top = IntPart(b.y - size.height());
        if (InsideDisc(left, top, size.width(), size.height())) canvas.TextOut(left, top, text);
    }
    canvas.SetTextBackground(TextBackground::Opaque);
}

void DrawSatelliteNames(Canvas& canvas) {
    WriteSatelliteNames(
        canvas, NameFont(), [](double x, double y) { return QPoint(IntPart(x), IntPart(y)); },
        [](const QRect& r) { return InsideDisc(r.left(), r.top(), r.width(), r.height()); }, 4);
}

QString RiseSetLabelText(const QString& code, JD1900 instant) {
    if (!(instant > 1.0)) return code;
    const JD1900 rounded = IntPart(instant * 1440.0 + 0.5) / 1440.0;
    FormatDateTime1900(rounded);
    return code + QStringLiteral("  ") + QString::fromStdString(DateText) + QStringLiteral("  ") +
           QString::fromStdString(TimeText.substr(0, 5));
}

JD1900 RiseSetLabelInstant(int index) {
    if (index < 0 || index >= kRiseSetLabelCount) return 0.0;
    const RiseSetLabel& l = gTexts.riseSet[static_cast<size_t>(index)];
    const RiseSetTimes t = l.moon ? MoonRiseSet(Place(), Shown().currentJD, Shown().year)
                                  : SunRiseSet(l.sunAltitudeDeg, Place(), Shown().currentJD);
    return l.rising ? t.rising : t.setting;
}

void DrawRiseSetLabels(Canvas& canvas) {
    const int k = ChartView().chartRadius / 7;
    const int j = IntPart(ChartView().chartCentreY + 2.5 * k);
    const int moonTop = IntPart(ChartView().chartCentreY - 2.5 * k);
    const int tops[kRiseSetLabelCount] = {j,      j + 15, j + 30,  j + 45,       j + 65,
                                          j + 80, j + 95, j + 110, moonTop + 25, moonTop + 10};
    // Each Sun altitude and the Moon once: rising and setting come together.
    RiseSetTimes sun18 = SunRiseSet(kAstronomicalTwilightDeg, Place(), Shown().currentJD);
    RiseSetTimes sun12 = SunRiseSet(kNauticalTwilightDeg, Place(), Shown().currentJD);
    RiseSetTimes sun6 = SunRiseSet(kCivilTwilightDeg, Place(), Shown().currentJD);
    RiseSetTimes sun0 = SunRiseSet(kSunriseAltitudeDeg, Place(), Shown().currentJD);
    RiseSetTimes moon = MoonRiseSet(Place(), Shown().currentJD, Shown().year);
    const JD1900 instants[kRiseSetLabelCount] = {
        sun18.rising, sun12.rising,  sun6.rising,   sun0.rising,  sun0.setting,
        sun6.setting, sun12.setting, sun18.setting, moon.setting, moon.rising};
    for (int i = 0; i < kRiseSetLabelCount; ++i) {
        RiseSetLabel& l = gTexts.riseSet[static_cast<size_t>(i)];
        l.left = 30;
        l.top = tops[i];
        l.instant = instants[i];
        const QString text = RiseSetLabelText(l.code, l.instant);
        ChartTextLabel shown{l.text, l.rect};
        DrawLabel(canvas, shown, l.left, l.top, text,
                  CanvasFont::Points(QStringLiteral("MS Sans Serif"), 8, false, l.colour));
        l.text = shown.text;
        l.rect = shown.rect;
    }
}

int RiseSetLabelAt(int x, int y) {
    for (int i = 0; i < kRiseSetLabelCount; ++i)
        if (gTexts.riseSet[static_cast<size_t>(i)].rect.contains(x, y)) return i;
    return -1;
}
