#include "chart/main_window_interaction.h"

#include <QCoreApplication>
#include <cmath>

#include "app/clock.h"
#include "app/dialogs.h"
#include "app/settings_file.h"
#include "chart/canvas.h"
#include "chart/catalog/catalog.h"
#include "chart/chart_geometry.h"
#include "chart/constellation_blink.h"
#include "chart/projection/plot_tables.h"
#include "chart/sky_chart.h"
#include "chart/star_glyph.h"
#include "core/date_text.h"
#include "core/ephemeris_update.h"
#include "core/minor_body.h"
#include "core/number_text.h"
#include "core/observer_state.h"
#include "passes/selection_state.h"
#include "satellite/observation.h"
#include "satellite/satellite_state.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"

namespace {

SternHooks gHooks;
ZoomOffsets gZoomOffsets;

const QColor kRotationMarkerColour{192, 192, 0};
const QColor kZoomFrameColour{128, 128, 128};
const QString kCrLf = QStringLiteral("\r\n");

void ShowMessage(const QString& caption, const QString& text) {
    AppDialogs().Message(caption, text, gHooks.dialogParent);
}

void ConversionError(const QString& text) { ShowMessage(QStringLiteral("Fehler"), text); }

void SetMenus(bool enabled) {
    if (gHooks.setMainMenusEnabled) gHooks.setMainMenusEnabled(enabled);
}

void Pointer(int shape) {
    if (gHooks.setPointer) gHooks.setPointer(shape);
}

// Runs `draw` on the main chart canvas (if any) and shows the result.
template <typename F>
void OnCanvas(F draw) {
    if (Canvas* canvas = MainChartCanvas()) {
        draw(*canvas);
        RepaintMainChart();
    }
}

void Redraw() {
    Observer().timeChanged = true;
    DrawSkyChart();
}

// --- number texts ---------------------------------------------------------------

QString Fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

// Shortest decimal form of a value rounded to a step (value * scale + 0.5,
// truncated, divided again).
QString Shortest(double v, double scale) {
    const double rounded = IntPart(v * scale + 0.5) / scale;
    return QString::number(rounded, 'g', 15);
}

QString WholeKm(double v) { return QString::number(IntPart(v + 0.5)); }

QString Columns(const std::string& line, int first, int last) {
    if (static_cast<int>(line.size()) < first) return QString();
    const std::string part =
        line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
    return QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size()));
}

QString TrimRight(QString s) {
    while (!s.isEmpty() && s.back() == QLatin1Char(' ')) s.chop(1);
    return s;
}

QString TrimLeft(QString s) {
    int i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

// Altitude and azimuth (north through east) of a plot position.
struct PlotAltAz {
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;
};

PlotAltAz AltAzOfPlot(double x, double y) {
    const ObserverState& o = Observer();
    const double dx = x - o.chartCentreX, dy = y - o.chartCentreY;
    const double r = std::sqrt(dx * dx + dy * dy);
    PlotAltAz a;
    a.altitudeDeg = (kPi / 2.0 - 2.0 * std::atan(r / o.chartRadius)) * 180.0 / kPi;
    double az = r > 0.0 ? AngleOf(dy / r, dx / r) : 0.0;
    az = (az - o.rotationRad) * 180.0 / kPi + 180.0;
    while (az < 0.0) az += 360.0;
    while (az > 360.0) az -= 360.0;
    a.azimuthDeg = az;
    return a;
}

QString AltAzLines(double altitudeDeg, double azimuthDeg) {
    return QStringLiteral("Höhe: ") + Fixed(altitudeDeg, 2) + QStringLiteral(" Grad") + kCrLf +
           QStringLiteral("Azimut: ") + Fixed(azimuthDeg, 2) + QStringLiteral(" Grad") + kCrLf;
}

bool Near(double px, double py, int x, int y, int maxDx, int maxDy, bool dxInclusive) {
    const int dx = std::abs(x - IntPart(px)), dy = std::abs(y - IntPart(py));
    return (dxInclusive ? dx <= maxDx : dx < maxDx) && dy < maxDy;
}

// --- the texts of the information box ----------------------------------------------

QString MinorBodyText() {
    const MinorBodyState& m = MinorBody();
    QString t = QString::fromStdString(m.name) + kCrLf;
    t += QStringLiteral("Entfernung: ") + Fixed(m.distance, m.distance >= 200.0 ? 0 : 1) +
         QStringLiteral(" Mio km") + kCrLf;
    t += QStringLiteral("Helligkeit: ") + Fixed(m.magnitude, 1) + QStringLiteral(" mag") + kCrLf +
         kCrLf;
    double az = m.azimuthDeg + 180.0;
    while (az < 0.0) az += 360.0;
    while (az > 360.0) az -= 360.0;
    t += AltAzLines(m.altitudeDeg, az);
    return t;
}

QString BodyText(int i) {
    const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
    const auto name = kBodyNames[static_cast<size_t>(i)];
    QString t = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + kCrLf;
    const bool giant = i == kBodyJupiter || i == kBodySaturn || i == kBodyUranus;
    t += QStringLiteral("Entfernung: ") + Fixed(b.distance * 149.6, giant ? 0 : 1) +
         QStringLiteral(" Mio km") + kCrLf;
    if (i >= kBodyMercury)
        t +=
            QStringLiteral("Helligkeit: ") + Fixed(b.magnitude, 1) + QStringLiteral(" mag") + kCrLf;
    t += kCrLf;
    if (i < kBodyMercury) t += kCrLf;
    const PlotAltAz a = AltAzOfPlot(b.x, b.y);
    t += AltAzLines(a.altitudeDeg, a.azimuthDeg);
    return t;
}

QString LabelText(int number) {
    const std::string& text = LabelPlotTable()[static_cast<size_t>(number - 1)].text;
    QString longText =
        text.size() > 3
            ? QString::fromLatin1(text.data() + 3, static_cast<qsizetype>(text.size() - 3))
            : QString();
    longText.replace(QLatin1Char('|'), kCrLf);
    return longText + kCrLf;
}

QString NebulaText(int number) {
    const std::string line = ReadNebulaLine(number);
    QString t = Columns(line, 20, 44) + kCrLf;
    t += QStringLiteral("Entfernung ") + TrimRight(Columns(line, 45, 52)) +
         QStringLiteral(" Lichtjahre") + kCrLf;
    t += Columns(line, 53, 72) + kCrLf;
    return t;
}

QString StarText(int number) {
    const std::string line = ReadStarLine(number);
    const CatalogueKind kind = ClassifyCatalogueField(line);
    QString t;
    if (kind == CatalogueKind::Hipparcos)
        t = QStringLiteral("HIP ") + TrimLeft(Columns(line, 41, 50));
    else if (kind == CatalogueKind::Tycho)
        t = QStringLiteral("TYC ") + TrimLeft(Columns(line, 39, 50));
    else
        t = TrimRight(Columns(line, 23, 32)) + QStringLiteral(" ") + Columns(line, 20, 22);
    t += kCrLf;
    const bool short38 = line.size() < 38;
    if (kind == CatalogueKind::Hipparcos || kind == CatalogueKind::Tycho) {
        t += QStringLiteral("Fixstern") + kCrLf;
    } else if (short38) {
        t += kCrLf + QStringLiteral("Fixstern") + kCrLf;
    } else if (line[37] != ' ') {
        t += Columns(line, 38, 57) + kCrLf;
    } else {
        t += QStringLiteral("Fixstern") + kCrLf;
    }
    t += Columns(line, 58, 97) + kCrLf;
    t += QStringLiteral("Entfernung: ") + Columns(line, 33, 37) + QStringLiteral(" Lichtjahre") +
         kCrLf;
    t += QStringLiteral("Helligkeit: ") + Columns(line, 15, 19) + QStringLiteral(" mag") + kCrLf +
         kCrLf;
    const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(number - 1)];
    const PlotAltAz a = AltAzOfPlot(e.x, e.y);
    t += AltAzLines(a.altitudeDeg, a.azimuthDeg);
    return t;
}

QString SatelliteText(int k) {
    Selection().infoFromSelection = true;
    SatelliteDetails(k, true);
    const SatelliteState& s = SatState();
    const ObservationValues& v = Observation();
    const SatelliteTable& table = Satellites();
    const double a = s.semiMajorAxisER, e = s.eccentricity;
    const double perigee = ((1.0 - e) * a - 1.0) * 6378.15;
    const double apogee = ((1.0 + e) * a - 1.0) * 6378.15;
    const int row = table.SelectedRow(k - 1);
    const bool known = row >= 1 && row < static_cast<int>(table.magnitudeKnown.size()) &&
                       table.magnitudeKnown[static_cast<size_t>(row)] != 0;
    QString t = QString::fromStdString(s.satelliteName) + kCrLf;
    t += QString::fromStdString(v.catalogueText) + kCrLf;
    t += WholeKm(perigee) + QStringLiteral(" x ") + WholeKm(apogee) + QStringLiteral(" km, ") +
         Shortest(v.inclinationDeg, 100.0) + QStringLiteral(" Grad") + kCrLf + kCrLf;
    t += QStringLiteral("Helligkeit: ") + Shortest(v.magnitude, 10.0) +
         (known ? QString() : QStringLiteral(":")) + QStringLiteral(" mag") + kCrLf;
    t += QStringLiteral("Phasenwinkel: ") + Shortest(v.phaseAngleDeg, 10.0) +
         QStringLiteral(" Grad") + kCrLf + kCrLf;
    t +=
        QStringLiteral("Entfernung: ") + WholeKm(v.observedRangeKm) + QStringLiteral(" km") + kCrLf;
    t += QStringLiteral("Flughöhe: ") + WholeKm(v.heightKm) + QStringLiteral(" km") + kCrLf;
    t += QStringLiteral("Schattenabstand: ") + WholeKm(v.shadowDepthKm) + QStringLiteral(" km") +
         kCrLf + kCrLf;
    t += QStringLiteral("Geschwindigkeit: ") + Shortest(v.angularSpeedDegSec, 1000.0) +
         QStringLiteral(" Grad/Sekunde") + kCrLf;
    t += QStringLiteral("Bahnalter: ") + Shortest(s.minutesSinceEpoch / 1440.0, 10.0) +
         QStringLiteral(" Tage") + kCrLf;
    return t;
}

// --- markers of the two modes -------------------------------------------------------

void DrawRotationCross(Canvas& canvas) {
    const ObserverState& o = Observer();
    const CanvasPen saved = canvas.Pen();
    canvas.SetPen(kRotationMarkerColour, 1, PenMode::Xor);
    canvas.MoveTo(o.markerX - 6, o.markerY);
    canvas.LineTo(o.markerX + 7, o.markerY);
    canvas.MoveTo(o.markerX, o.markerY - 6);
    canvas.LineTo(o.markerX, o.markerY + 7);
    canvas.Pen() = saved;
}

void DrawRotationMarker(Canvas& canvas) {
    const ObserverState& o = Observer();
    DrawRotationCross(canvas);
    const CanvasPen saved = canvas.Pen();
    canvas.SetPen(kRotationMarkerColour, 1, PenMode::Xor);
    // The line from the cross to the centre leaves out the cross's own centre so
    // that the two exclusive-or strokes do not cancel there.
    if (o.markerX != o.chartCentreX || o.markerY != o.chartCentreY) {
        canvas.MoveTo(o.chartCentreX, o.chartCentreY);
        canvas.LineTo(o.markerX, o.markerY);
    }
    canvas.Pen() = saved;
}

void PlaceRotationMarker(int x, int y) {
    ObserverState& o = Observer();
    const double dx = x - o.chartCentreX, dy = y - o.chartCentreY;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d == 0.0) {
        o.markerX = o.chartCentreX;
        o.markerY = o.chartCentreY;
    } else {
        o.markerX = IntPart(o.chartCentreX + dx * o.chartRadius / d);
        o.markerY = IntPart(o.chartCentreY + dy * o.chartRadius / d);
    }
}

void DrawZoomFrame(Canvas& canvas) {
    const ObserverState& o = Observer();
    const CanvasPen savedPen = canvas.Pen();
    const CanvasBrush savedBrush = canvas.Brush();
    canvas.SetPen(kZoomFrameColour, 1, PenMode::Xor);
    canvas.SetBrush(savedBrush.color, BrushStyle::Clear);
    canvas.Rectangle(o.markerX - o.zoomFrameHalfWidth, o.markerY - o.zoomFrameHalfHeight,
                     o.markerX + o.zoomFrameHalfWidth, o.markerY + o.zoomFrameHalfHeight);
    canvas.Pen() = savedPen;
    canvas.Brush() = savedBrush;
}

void FinishRotating(int x, int y) {
    ObserverState& o = Observer();
    OnCanvas([&](Canvas& canvas) {
        DrawRotationCross(canvas);
        canvas.SetPen(Qt::white);
        canvas.SetBrush(QColor(32, 32, 32));
        canvas.Ellipse(o.chartCentreX - o.chartRadius, o.chartCentreY - o.chartRadius,
                       o.chartCentreX + o.chartRadius, o.chartCentreY + o.chartRadius);
    });
    o.previousRotationRad = o.rotationRad;
    const double theta = AngleOf(static_cast<double>(y - o.chartCentreY) / o.chartRadius,
                                 static_cast<double>(x - o.chartCentreX) / o.chartRadius);
    // The satellites are turned by hand: the drawing recomputes them only after a
    // change of time. Positions (0, 0) mean "not drawn" and stay so.
    SatelliteTable& sats = Satellites();
    const double c = std::cos(theta), s = std::sin(theta);
    for (int k = 1; k <= sats.selectedCount && k < static_cast<int>(sats.chartX.size()); ++k) {
        double& px = sats.chartX[static_cast<size_t>(k)];
        double& py = sats.chartY[static_cast<size_t>(k)];
        if (px == 0.0 && py == 0.0) continue;
        const double ux = px - o.chartCentreX, uy = py - o.chartCentreY;
        px = o.chartCentreX + c * ux - s * uy;
        py = o.chartCentreY + s * ux + c * uy;
    }
    o.rotationRad = Mod2Pi(o.previousRotationRad - theta);
    DrawSkyChart();
    OnCanvas([](Canvas& canvas) { PlaceCompassLabels(canvas); });
    o.rotating = false;
    SetMenus(true);
}

void FinishZoomFrame() {
    ObserverState& o = Observer();
    OnCanvas([](Canvas& canvas) { DrawZoomFrame(canvas); });
    SetMenus(true);
    o.choosingZoomFrame = false;
    o.zoomFactor = 2;
    const int w = gHooks.zoomWindowWidth ? gHooks.zoomWindowWidth() : 648;
    const int h = gHooks.zoomWindowHeight ? gHooks.zoomWindowHeight() : 488;
    gZoomOffsets.zoomOffsetX = w / 2 + 2 * o.chartCentreX - 2 * o.markerX;
    gZoomOffsets.zoomOffsetY = ZoomViewCentreY(h) + 2 * o.chartCentreY - 2 * o.markerY;
    if (gHooks.showZoomWindow) gHooks.showZoomWindow();
}

}  // namespace

SternHooks& ChartHooks() { return gHooks; }
void ResetChartHooks() {
    gHooks = SternHooks{};
    ResetChartReports();
}
ZoomOffsets& ChartZoomOffsets() { return gZoomOffsets; }

// --- time ---------------------------------------------------------------------------

void StepChartTime(double days) {
    Observer().currentJD += days;
    Redraw();
}

bool ParseChartDate(const QString& text, QString* canonical) {
    const std::optional<datetext::Date> date = datetext::ParseDate(text.toStdString());
    if (!date) return false;
    if (canonical)
        *canonical = QStringLiteral("%1.%2.%3")
                         .arg(date->day, 2, 10, QLatin1Char('0'))
                         .arg(date->month, 2, 10, QLatin1Char('0'))
                         .arg(date->year, 4, 10, QLatin1Char('0'));
    return true;
}

bool ParseChartTime(const QString& text, QString* canonical) {
    const std::optional<datetext::Time> time = datetext::ParseTime(text.toStdString());
    if (!time) return false;
    if (canonical)
        *canonical = QStringLiteral("%1:%2:%3")
                         .arg(time->hour, 2, 10, QLatin1Char('0'))
                         .arg(time->minute, 2, 10, QLatin1Char('0'))
                         .arg(time->second, 2, 10, QLatin1Char('0'));
    return true;
}

void SetInstantFromDateTimeTexts() {
    ObserverState& o = Observer();
    CivilInstant instant;
    if (!InstantFromDateTimeTexts(DateText, TimeText, o.zoneOffsetHours, instant)) return;
    o.year = instant.year;
    o.currentJD = instant.instant;
}

void EnterChartDate() {
    const InputAnswer answer = AppDialogs().Input(
        QStringLiteral("Datum ändern"), QStringLiteral("Bitte neues Datum eingeben:"),
        QString::fromStdString(DateText), gHooks.dialogParent);
    QString canonical;
    if (!ParseChartDate(answer.text, &canonical)) {
        ConversionError(
            QString::fromStdString(datetext::BadDateMessage(answer.text.toStdString())));
        return;
    }
    DateText = canonical.toStdString();
    SetInstantFromDateTimeTexts();
    Redraw();
}

void EnterChartTime() {
    const InputAnswer answer = AppDialogs().Input(
        QStringLiteral("Uhrzeit ändern"), QStringLiteral("Bitte neue Uhrzeit eingeben:"),
        QString::fromStdString(TimeText), gHooks.dialogParent);
    QString canonical;
    if (!ParseChartTime(answer.text, &canonical)) {
        ConversionError(QStringLiteral("'") + answer.text +
                        QStringLiteral("' ist keine gültige Uhrzeit"));
        return;
    }
    TimeText = canonical.toStdString();
    SetInstantFromDateTimeTexts();
    Redraw();
}

void RiseSetLabelClicked(int index) {
    const JD1900 t = RiseSetLabelInstant(index);
    if (t > 1.0) {
        Observer().currentJD = t;
        Redraw();
    }
}

// --- display toggles ------------------------------------------------------------------

namespace {
void SyncChecks() {
    if (gHooks.syncViewChecks) gHooks.syncViewChecks();
}
}  // namespace

void TogglePlanetNames() {
    ObserverState& o = Observer();
    o.showPlanetNames = !o.showPlanetNames;
    SyncChecks();
    if (o.showPlanetNames)
        OnCanvas([](Canvas& canvas) { DrawPlanetNames(canvas); });
    else
        DrawSkyChart();
}

void ToggleConstellationNames() {
    ObserverState& o = Observer();
    OnCanvas([](Canvas& canvas) { DrawConstellationNames(canvas); });
    o.showConstellationNames = !o.showConstellationNames;
    SyncChecks();
    if (!o.showConstellationNames) DrawSkyChart();
}

void ToggleConstellationLines() {
    ObserverState& o = Observer();
    o.showConstellationLines = !o.showConstellationLines;
    SyncChecks();
    DrawSkyChart();
}

void ToggleAltitudeLines() {
    ObserverState& o = Observer();
    OnCanvas([](Canvas& canvas) { DrawAltitudeLines(canvas); });
    o.showAltitudeLines = !o.showAltitudeLines;
    SyncChecks();
}

void ToggleZodiac() {
    ObserverState& o = Observer();
    OnCanvas([](Canvas& canvas) { DrawZodiac(canvas); });
    o.showZodiac = !o.showZodiac;
    SyncChecks();
}

// --- modes --------------------------------------------------------------------------------

void StartRotating() {
    ObserverState& o = Observer();
    if (o.rotating || o.choosingZoomFrame) return;
    o.rotating = true;
    SetMenus(false);
    PlaceRotationMarker(o.mouseX, o.mouseY);
    OnCanvas([](Canvas& canvas) { DrawRotationMarker(canvas); });
}

void StartChoosingZoomFrame() {
    ObserverState& o = Observer();
    if (o.rotating || o.choosingZoomFrame) return;
    SetMenus(false);
    o.choosingZoomFrame = true;
    o.markerX = o.mouseX;
    o.markerY = o.mouseY;
    OnCanvas([](Canvas& canvas) { DrawZoomFrame(canvas); });
}

// --- pointer and keys ---------------------------------------------------------------------

void ChartMouseMove(int x, int y) {
    ObserverState& o = Observer();
    o.mouseX = x;
    o.mouseY = y;
    const double dx = x - o.chartCentreX, dy = y - o.chartCentreY;
    const bool onDisc = std::sqrt(dx * dx + dy * dy) < o.chartRadius;
    if (onDisc && !o.rotating)
        Pointer(1);
    else if (!o.choosingZoomFrame)
        Pointer(0);
    if (o.rotating) {
        OnCanvas([&](Canvas& canvas) {
            DrawRotationMarker(canvas);
            PlaceRotationMarker(x, y);
            DrawRotationMarker(canvas);
        });
    }
    if (o.choosingZoomFrame) {
        Pointer(2);
        OnCanvas([&](Canvas& canvas) {
            DrawZoomFrame(canvas);
            o.markerX = x;
            o.markerY = y;
            DrawZoomFrame(canvas);
        });
    }
}

void ChartMouseDown(int x, int y, bool rightButton) {
    if (rightButton) return;
    ObserverState& o = Observer();
    o.mouseX = x;
    o.mouseY = y;
    const int label = RiseSetLabelAt(x, y);
    if (label >= 0 && !o.rotating && !o.choosingZoomFrame) {
        RiseSetLabelClicked(label);
        return;
    }
    if (o.choosingZoomFrame) {
        FinishZoomFrame();
        return;
    }
    IdentifyClick(x, y);
}

void ChartMouseUp(int x, int y) {
    if (Observer().rotating) FinishRotating(x, y);
}

void StepWithTrails(int direction) {
    ObserverState& o = Observer();
    o.currentJD += direction * o.timeStepSeconds / 86400.0;
    if (o.currentJD < o.trailOriginJD) o.trailOriginJD = o.currentJD;
    FormatDateTime1900(o.currentJD);
    SatelliteTable& sats = Satellites();
    const int sky = ChartShades().skyGrey;
    auto drawSatellites = [&](Canvas& canvas, bool old) {
        for (int k = 1; k <= sats.selectedCount; ++k) {
            const size_t i = static_cast<size_t>(k);
            if (sats.chartX[i] <= 0.0 || sats.chartMagnitude[i] >= 4.5) continue;
            const QColor colour = SatelliteStepColour(sats.inShadow[i] == 1, old, direction, sky);
            DrawStarGlyph(canvas, IntPart(sats.chartX[i]), IntPart(sats.chartY[i]), colour,
                          sats.chartMagnitude[i]);
        }
    };
    OnCanvas([&](Canvas& canvas) {
        DrawTitleLabels(canvas);
        drawSatellites(canvas, true);
    });
    if (o.satelliteCount > 0) {
        SatelliteUi ui;
        ui.showMessage = [](const std::string& caption, const std::string& text) {
            ShowMessage(QString::fromStdString(caption), QString::fromStdString(text));
        };
        ComputeSatellites(ui);
    }
    OnCanvas([&](Canvas& canvas) { drawSatellites(canvas, false); });
}

void ChartKey(QChar key) {
    ObserverState& o = Observer();
    if (key == QLatin1Char('n')) {
        Redraw();
    } else if (key == QLatin1Char('+')) {
        StepWithTrails(+1);
    } else if (key == QLatin1Char('-')) {
        StepWithTrails(-1);
    } else if (key == QLatin1Char('t')) {
        const InputAnswer answer = AppDialogs().Input(
            QStringLiteral("Schrittweite ändern"), QStringLiteral("Schrittweite in Sekunden:"),
            QString::number(o.timeStepSeconds), gHooks.dialogParent);
        int step = 0;
        if (!numtext::ParseInteger(answer.text.toStdString(), step)) {
            ConversionError(
                QString::fromStdString(numtext::BadIntegerMessage(answer.text.toStdString())));
            return;
        }
        o.timeStepSeconds = step;
        Redraw();
    }
}

// --- identification -------------------------------------------------------------------------

QString IdentifyAt(int x, int y, int* blinkLabel, bool* hit) {
    const ObserverState& o = Observer();
    if (blinkLabel) *blinkLabel = 0;
    if (hit) *hit = true;
    const MinorBodyState& m = MinorBody();
    if (Near(m.chartX, m.chartY, x, y, 4, 4, false) && (m.chartX != 0.0 || m.chartY != 0.0))
        return MinorBodyText();
    for (int i = 0; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if ((b.x != 0.0 || b.y != 0.0) && Near(b.x, b.y, x, y, 3, 4, true)) return BodyText(i);
    }
    if (o.showConstellationNames) {
        for (int n = 1; n <= kLabelPlotCount; ++n) {
            const LabelPlotEntry& e = LabelPlotTable()[static_cast<size_t>(n - 1)];
            if ((e.x != 0.0 || e.y != 0.0) && Near(e.x, e.y, x, y, 5, 6, true)) {
                if (blinkLabel) *blinkLabel = n;
                return LabelText(n);
            }
        }
    }
    for (int n = 1; n <= kNebulaPlotCount; ++n) {
        const NebulaPlotEntry& e = NebulaPlotTable()[static_cast<size_t>(n - 1)];
        if ((e.x != 0.0 || e.y != 0.0) && Near(e.x, e.y, x, y, 3, 4, true)) return NebulaText(n);
    }
    const StarPlotTableData& stars = StarPlotTable();
    for (int n = 1; n <= kStarPlotCount; ++n) {
        const StarPlotEntry& e = stars[static_cast<size_t>(n - 1)];
        if ((e.x != 0.0 || e.y != 0.0) && Near(e.x, e.y, x, y, 3, 4, true)) return StarText(n);
    }
    if (o.satelliteCount > 0) {
        const SatelliteTable& sats = Satellites();
        for (int k = 1; k <= sats.selectedCount; ++k) {
            const double sx = sats.chartX[static_cast<size_t>(k)],
                         sy = sats.chartY[static_cast<size_t>(k)];
            if ((sx != 0.0 || sy != 0.0) && Near(sx, sy, x, y, 3, 4, true)) return SatelliteText(k);
        }
    }
    if (hit) *hit = false;
    return QStringLiteral("Da ist nichts!");
}

void IdentifyClick(int x, int y) {
    const ObserverState& o = Observer();
    int label = 0;
    QString text;
    try {
        text = IdentifyAt(x, y, &label);
    } catch (const DataFileError& e) {
        ShowMessage(QStringLiteral("Fehler"), QString::fromUtf8(e.what()));
        return;
    }
    const double dx = x - o.chartCentreX, dy = y - o.chartCentreY;
    const bool onDisc = std::sqrt(dx * dx + dy * dy) <= o.chartRadius;
    if (!onDisc || o.rotating || o.choosingZoomFrame) return;
    ShowMessage(QStringLiteral("Info"), text);
    if (label > 0) BlinkConstellation(label);
}

void BlinkConstellation(int labelNumber) {
    if (labelNumber < 1 || labelNumber > kLabelPlotCount) return;
    const std::string code =
        LabelPlotTable()[static_cast<size_t>(labelNumber - 1)].text.substr(0, 3);
    auto paint = [&](QColor colour) {
        OnCanvas([&](Canvas& canvas) {
            for (const StarPlotEntry& e : StarPlotTable())
                if (e.x * e.y != 0.0 && e.constellation == code)
                    DrawStarGlyph(canvas, IntPart(e.x), IntPart(e.y), colour, e.magnitude);
        });
    };
    BlinkFiveTimes(paint, gHooks.blinkWaitMs);
}

// --- satellites -------------------------------------------------------------------------------

void LoadElementFileFromMenu() {
    SettingsFields& settings = Settings();
    FileDialogRequest request;
    request.caption = QStringLiteral("Bahnelemente-Datei auswählen");
    request.filters = {{QStringLiteral("alle Dateien (*.*)"), QStringLiteral("*.*")},
                       {QStringLiteral("alte Polaride-Dateien (n*.*)"), QStringLiteral("N*.*")},
                       {QStringLiteral("TLE-Dateien (*.tle)"), QStringLiteral("*.TLE")}};
    request.filterIndex = settings.elementFilterIndex;
    request.initialFolder = QString::fromStdString(settings.elementFolder);
    request.fileName = QString::fromStdString(settings.elementFileName);
    request.mustExist = true;
    const FileDialogAnswer answer = AppDialogs().OpenFile(request, gHooks.dialogParent);
    if (!answer.ok) return;

    settings.elementFileName = answer.fileName.toStdString();
    settings.elementFilterIndex = answer.filterIndex;
    settings.elementFolder = FolderOfElementFile(settings.elementFileName);
    ObserverState& o = Observer();
    const std::string loadedPath = o.elementFilePath;
    o.elementFilePath = settings.elementFileName;

    SatelliteUi ui;
    if (gHooks.caption) ui.caption = [] { return gHooks.caption().toStdString(); };
    if (gHooks.setCaption)
        ui.setCaption = [](const std::string& text) {
            gHooks.setCaption(QString::fromStdString(text));
            if (gHooks.processEvents) gHooks.processEvents();
        };
    ui.showMessage = [](const std::string& caption, const std::string& text) {
        ShowMessage(QString::fromStdString(caption), QString::fromStdString(text));
    };
    ui.clearSatelliteViews = gHooks.clearSatelliteViews;
    Satellites().loadRequested = true;
    const bool opened = ComputeSatellites(ui, gHooks.satelliteLoaded);
    Satellites().loadRequested = false;
    // A file that could not be opened leaves the loaded satellites in place, and
    // with them the name of the file they came from.
    if (!opened) o.elementFilePath = loadedPath;
    if (o.satelliteCount > 0 && gHooks.enableSatelliteSelection) gHooks.enableSatelliteSelection();
    if (gHooks.showSelectionWindow) gHooks.showSelectionWindow();
    DrawSkyChart();
}
