#include "ui/sky/main_window_interaction.h"

#include <QCoreApplication>
#include <cmath>

#include "catalog/catalog.h"
#include "catalog/settings_file.h"
#include "chart/canvas.h"
#include "chart/chart_geometry.h"
#include "chart/chart_view.h"
#include "chart/constellation_blink.h"
#include "chart/ephemeris_update.h"
#include "chart/pass_path.h"
#include "chart/plot_tables.h"
#include "chart/satellite_names.h"
#include "chart/satellite_plot.h"
#include "chart/sky_chart.h"
#include "chart/star_glyph.h"
#include "chart/zoom_chart.h"
#include "chart/zoom_frame.h"
#include "core/date_text.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/minor_body.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "prediction/selection_state.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "ui/common/clock.h"
#include "ui/common/dialogs.h"
#include "ui/common/local_time_notice.h"
#include "ui/places/redraw_active_view.h"
#include "ui/sky/live_time.h"

namespace {

const QColor kRotationMarkerColour{192, 192, 0};
const QString kCrLf = QStringLiteral("\r\n");

void ShowMessage(const QString& caption, const QString& text) {
    AppDialogs().Message(caption, text, ChartHooks().dialogParent);
}

void SetMenus(bool enabled) {
    if (ChartHooks().setMainMenusEnabled) ChartHooks().setMainMenusEnabled(enabled);
}

void Pointer(int shape) {
    if (ChartHooks().setPointer) ChartHooks().setPointer(shape);
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
    Shown().timeChanged = true;
    DrawSkyChart();
}

// --- markers of the two modes -------------------------------------------------------

void DrawRotationCross(Canvas& canvas) {
    const CanvasPen saved = canvas.Pen();
    canvas.SetPen(kRotationMarkerColour, 1, PenMode::Xor);
    canvas.MoveTo(ChartView().markerX - 6, ChartView().markerY);
    canvas.LineTo(ChartView().markerX + 7, ChartView().markerY);
    canvas.MoveTo(ChartView().markerX, ChartView().markerY - 6);
    canvas.LineTo(ChartView().markerX, ChartView().markerY + 7);
    canvas.Pen() = saved;
}

void DrawRotationMarker(Canvas& canvas) {
    DrawRotationCross(canvas);
    const CanvasPen saved = canvas.Pen();
    canvas.SetPen(kRotationMarkerColour, 1, PenMode::Xor);
    // The line from the cross to the centre leaves out the cross's own centre so
    // that the two exclusive-or strokes do not cancel there.
    if (ChartView().markerX != ChartView().chartCentreX ||
        ChartView().markerY != ChartView().chartCentreY) {
        canvas.MoveTo(ChartView().chartCentreX, ChartView().chartCentreY);
        canvas.LineTo(ChartView().markerX, ChartView().markerY);
    }
    canvas.Pen() = saved;
}

void PlaceRotationMarker(int x, int y) {
    const double dx = x - ChartView().chartCentreX, dy = y - ChartView().chartCentreY;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d == 0.0) {
        ChartView().markerX = ChartView().chartCentreX;
        ChartView().markerY = ChartView().chartCentreY;
    } else {
        ChartView().markerX = IntPart(ChartView().chartCentreX + dx * ChartView().chartRadius / d);
        ChartView().markerY = IntPart(ChartView().chartCentreY + dy * ChartView().chartRadius / d);
    }
}

void DrawZoomFrame(Canvas& canvas) {
    const ChartViewState& v = ChartView();
    DrawZoomFrame(canvas, v.markerX, v.markerY, v.zoomFrameHalfWidth, v.zoomFrameHalfHeight);
}

void FinishRotating(int x, int y) {
    OnCanvas([&](Canvas& canvas) {
        DrawRotationCross(canvas);
        canvas.SetPen(Qt::white);
        canvas.SetBrush(QColor(32, 32, 32));
        canvas.Ellipse(ChartView().chartCentreX - ChartView().chartRadius,
                       ChartView().chartCentreY - ChartView().chartRadius,
                       ChartView().chartCentreX + ChartView().chartRadius,
                       ChartView().chartCentreY + ChartView().chartRadius);
    });
    ChartView().previousRotationRad = ChartView().rotationRad;
    const double theta =
        AngleOf(static_cast<double>(y - ChartView().chartCentreY) / ChartView().chartRadius,
                static_cast<double>(x - ChartView().chartCentreX) / ChartView().chartRadius);
    // The satellites are turned by hand: the drawing recomputes them only after a
    // change of time. Positions (0, 0) mean "not drawn" and stay so.
    SatelliteTable& sats = Satellites();
    const double c = std::cos(theta), s = std::sin(theta);
    for (int k = 1; k <= sats.selectedCount && k < static_cast<int>(sats.chartX.size()); ++k) {
        double& px = sats.chartX[static_cast<size_t>(k)];
        double& py = sats.chartY[static_cast<size_t>(k)];
        if (px == 0.0 && py == 0.0) continue;
        const double ux = px - ChartView().chartCentreX, uy = py - ChartView().chartCentreY;
        px = ChartView().chartCentreX + c * ux - s * uy;
        py = ChartView().chartCentreY + s * ux + c * uy;
    }
    ChartView().rotationRad = Mod2Pi(ChartView().previousRotationRad - theta);
    DrawSkyChart();
    OnCanvas([](Canvas& canvas) { PlaceCompassLabels(canvas); });
    ChartView().rotating = false;
    SetMenus(true);
}

void FinishZoomFrame() {
    OnCanvas([](Canvas& canvas) { DrawZoomFrame(canvas); });
    SetMenus(true);
    ChartView().choosingZoomFrame = false;
    ChartView().zoomFactor = 2;
    const int w = ZoomOuterWidth(), h = ZoomOuterHeight();
    ChartZoomOffsets().zoomOffsetX = w / 2 + 2 * ChartView().chartCentreX - 2 * ChartView().markerX;
    ChartZoomOffsets().zoomOffsetY =
        ZoomViewCentreY(h) + 2 * ChartView().chartCentreY - 2 * ChartView().markerY;
    if (ChartHooks().showZoomWindow) ChartHooks().showZoomWindow();
}

}  // namespace

// --- time ---------------------------------------------------------------------------

void StepChartTime(double days) {
    EndLiveTime();
    Shown().currentJD += days;
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

bool SetInstantFromDateTimeTexts(QWidget* parent) {
    CivilDateTime c;
    if (!CivilFromDateTimeTexts(DateText, TimeText, c)) return false;
    const LocalTimeResolution local =
        Place().instantFromLocal(c.year, c.month, c.day, c.hour, c.minute, c.second);
    if (!AcceptLocalTime(local, parent)) return false;
    Shown().year = local.instant.year;
    Shown().currentJD = local.instant.instant;
    return true;
}

namespace {

using ParseChartText = bool (*)(const QString& text, QString* canonical);
using BadChartText = QString (*)(const QString& text);

QString BadDateText(const QString& text) {
    return QString::fromStdString(datetext::BadDateMessage(text.toStdString()));
}

QString BadTimeText(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("' ist keine gültige Uhrzeit");
}

// The input box with `proposed`; the canonical form of an answer that converts, or
// nothing after the message "Fehler" with badText of the answer.
std::optional<QString> AskChartText(const QString& caption, const QString& prompt,
                                    const std::string& proposed, ParseChartText parse,
                                    BadChartText badText, QWidget* parent) {
    const InputAnswer answer =
        AppDialogs().Input(caption, prompt, QString::fromStdString(proposed), parent);
    QString canonical;
    if (!parse(answer.text, &canonical)) {
        AppDialogs().Message(QStringLiteral("Fehler"), badText(answer.text), parent);
        return std::nullopt;
    }
    return canonical;
}

}  // namespace

std::optional<QString> AskChartDate(QWidget* parent) {
    return AskChartText(QStringLiteral("Datum ändern"),
                        QStringLiteral("Bitte neues Datum eingeben:"), DateText, ParseChartDate,
                        BadDateText, parent);
}

std::optional<QString> AskChartTime(QWidget* parent) {
    return AskChartText(QStringLiteral("Uhrzeit ändern"),
                        QStringLiteral("Bitte neue Uhrzeit eingeben:"), TimeText, ParseChartTime,
                        BadTimeText, parent);
}

void EnterChartDate() {
    const std::optional<QString> date = AskChartDate(ChartHooks().dialogParent);
    if (!date) return;
    EndLiveTime();
    DateText = date->toStdString();
    if (SetInstantFromDateTimeTexts(ChartHooks().dialogParent)) Redraw();
}

void EnterChartTime() {
    const std::optional<QString> time = AskChartTime(ChartHooks().dialogParent);
    if (!time) return;
    EndLiveTime();
    TimeText = time->toStdString();
    if (SetInstantFromDateTimeTexts(ChartHooks().dialogParent)) Redraw();
}

void RiseSetLabelClicked(int index) {
    const JD1900 t = RiseSetLabelInstant(index);
    if (t > 1.0) {
        EndLiveTime();
        Shown().currentJD = t;
        Redraw();
    }
}

// --- display toggles ------------------------------------------------------------------

namespace {
void SyncChecks() {
    if (ChartHooks().syncViewChecks) ChartHooks().syncViewChecks();
}
// A display toggle or a time step takes the path of a shown pass off the main chart
// first.
void DropPassPath() {
    if (DropMainChartPassPath()) DrawSkyChart();
}
}  // namespace

void TogglePlanetNames() {
    DropPassPath();
    ViewOptions().showPlanetNames = !ViewOptions().showPlanetNames;
    SyncChecks();
    if (ViewOptions().showPlanetNames)
        OnCanvas([](Canvas& canvas) { DrawPlanetNames(canvas); });
    else
        DrawSkyChart();
}

void ToggleSatelliteNames() {
    DropPassPath();
    SwitchSatelliteNames();
    SyncChecks();
    if (SatelliteNamesShown())
        OnCanvas([](Canvas& canvas) { DrawSatelliteNames(canvas); });
    else
        DrawSkyChart();
}

void ToggleConstellationNames() {
    DropPassPath();
    OnCanvas([](Canvas& canvas) { DrawConstellationNames(canvas); });
    ViewOptions().showConstellationNames = !ViewOptions().showConstellationNames;
    SyncChecks();
    if (!ViewOptions().showConstellationNames) DrawSkyChart();
}

void ToggleConstellationLines() {
    DropPassPath();
    ViewOptions().showConstellationLines = !ViewOptions().showConstellationLines;
    SyncChecks();
    DrawSkyChart();
}

void ToggleAltitudeLines() {
    DropPassPath();
    OnCanvas([](Canvas& canvas) { DrawAltitudeLines(canvas); });
    ViewOptions().showAltitudeLines = !ViewOptions().showAltitudeLines;
    SyncChecks();
}

void ToggleZodiac() {
    DropPassPath();
    OnCanvas([](Canvas& canvas) { DrawZodiac(canvas); });
    ViewOptions().showZodiac = !ViewOptions().showZodiac;
    SyncChecks();
}

// --- modes --------------------------------------------------------------------------------

void StartRotating() {
    if (ChartView().rotating || ChartView().choosingZoomFrame) return;
    ChartView().rotating = true;
    SetMenus(false);
    PlaceRotationMarker(ChartView().mouseX, ChartView().mouseY);
    OnCanvas([](Canvas& canvas) { DrawRotationMarker(canvas); });
}

void StartChoosingZoomFrame() {
    if (ChartView().rotating || ChartView().choosingZoomFrame) return;
    SetMenus(false);
    ChartView().choosingZoomFrame = true;
    ChartView().markerX = ChartView().mouseX;
    ChartView().markerY = ChartView().mouseY;
    OnCanvas([](Canvas& canvas) { DrawZoomFrame(canvas); });
}

// --- pointer and keys ---------------------------------------------------------------------

void ChartMouseMove(int x, int y) {
    ChartView().mouseX = x;
    ChartView().mouseY = y;
    const double dx = x - ChartView().chartCentreX, dy = y - ChartView().chartCentreY;
    const bool onDisc = std::sqrt(dx * dx + dy * dy) < ChartView().chartRadius;
    if (onDisc && !ChartView().rotating)
        Pointer(1);
    else if (!ChartView().choosingZoomFrame)
        Pointer(0);
    if (ChartView().rotating) {
        OnCanvas([&](Canvas& canvas) {
            DrawRotationMarker(canvas);
            PlaceRotationMarker(x, y);
            DrawRotationMarker(canvas);
        });
    }
    if (ChartView().choosingZoomFrame) {
        Pointer(2);
        OnCanvas([&](Canvas& canvas) {
            DrawZoomFrame(canvas);
            ChartView().markerX = x;
            ChartView().markerY = y;
            DrawZoomFrame(canvas);
        });
    }
}

void ChartMouseDown(int x, int y, bool rightButton) {
    if (rightButton) return;
    ChartView().mouseX = x;
    ChartView().mouseY = y;
    const int label = RiseSetLabelAt(x, y);
    if (label >= 0 && !ChartView().rotating && !ChartView().choosingZoomFrame) {
        RiseSetLabelClicked(label);
        return;
    }
    if (ChartView().choosingZoomFrame) {
        FinishZoomFrame();
        return;
    }
    IdentifyClick(x, y);
}

void ChartMouseUp(int x, int y) {
    if (ChartView().rotating) FinishRotating(x, y);
}

void StepWithTrails(int direction) {
    EndLiveTime();
    DropPassPath();
    Shown().currentJD += direction * Shown().timeStepSeconds / 86400.0;
    if (Shown().currentJD < Shown().trailOriginJD) Shown().trailOriginJD = Shown().currentJD;
    FormatDateTime1900(Shown().currentJD);
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
    if (ElementFile().satelliteCount > 0) {
        SatelliteUi ui;
        ui.showMessage = [](const std::string& caption, const std::string& text) {
            ShowMessage(QString::fromStdString(caption), QString::fromStdString(text));
        };
        ComputeSatellites(ui);
    }
    OnCanvas([&](Canvas& canvas) { drawSatellites(canvas, false); });
}

bool AskTimeStep(QWidget* parent) {
    const InputAnswer answer = AppDialogs().Input(QStringLiteral("Schrittweite ändern"),
                                                  QStringLiteral("Schrittweite in Sekunden:"),
                                                  QString::number(Shown().timeStepSeconds), parent);
    int step = 0;
    if (!numtext::ParseInteger(answer.text.toStdString(), step)) {
        AppDialogs().Message(
            QStringLiteral("Fehler"),
            QString::fromStdString(numtext::BadIntegerMessage(answer.text.toStdString())), parent);
        return false;
    }
    Shown().timeStepSeconds = step;
    return true;
}

void ChartKey(QChar key) {
    if (key == QLatin1Char('n')) {
        Redraw();
    } else if (key == QLatin1Char('+')) {
        StepWithTrails(+1);
    } else if (key == QLatin1Char('-')) {
        StepWithTrails(-1);
    } else if (key == QLatin1Char('t')) {
        if (AskTimeStep(ChartHooks().dialogParent)) Redraw();
    }
}

void IdentifyClick(int x, int y) {
    int label = 0;
    QString text;
    try {
        text = IdentifyAt(x, y, &label);
    } catch (const DataFileError& e) {
        ShowMessage(QStringLiteral("Fehler"), QString::fromUtf8(e.what()));
        return;
    }
    const double dx = x - ChartView().chartCentreX, dy = y - ChartView().chartCentreY;
    const bool onDisc = std::sqrt(dx * dx + dy * dy) <= ChartView().chartRadius;
    if (!onDisc || ChartView().rotating || ChartView().choosingZoomFrame) return;
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
    BlinkFiveTimes(paint, ChartHooks().blinkWaitMs);
}

// --- satellites -------------------------------------------------------------------------------

void LoadElementFileFromMenu() {
    SettingsFields& settings = Settings();
    FileDialogRequest request;
    request.caption = QStringLiteral("Bahnelemente-Datei auswählen");
    request.filters = {{QStringLiteral("alle Dateien (*.*)"), QStringLiteral("*.*")},
                       {QStringLiteral("alte Polaride-Dateien (n*.*)"), QStringLiteral("N*.*")},
                       {QStringLiteral("TLE-Dateien (*.tle)"), QStringLiteral("*.TLE")},
                       {QStringLiteral("OMM-Dateien (*.csv)"), QStringLiteral("*.CSV")}};
    request.filterIndex = settings.elementFilterIndex;
    request.initialFolder = QString::fromStdString(settings.elementFolder);
    request.fileName = QString::fromStdString(settings.elementFileName);
    request.mustExist = true;
    const FileDialogAnswer answer = AppDialogs().OpenFile(request, ChartHooks().dialogParent);
    if (!answer.ok) return;

    settings.elementFilterIndex = answer.filterIndex;
    LoadElementFileAt(answer.fileName.toStdString());
}

bool LoadElementFileAt(const std::string& path, const std::function<void()>& afterLoad) {
    SettingsFields& settings = Settings();
    settings.elementFileName = path;
    settings.elementFolder = FolderOfElementFile(path);
    const std::string loadedPath = ElementFile().elementFilePath;
    ElementFile().elementFilePath = path;

    SatelliteUi ui;
    if (ChartHooks().caption) ui.caption = [] { return ChartHooks().caption().toStdString(); };
    if (ChartHooks().setCaption)
        ui.setCaption = [](const std::string& text) {
            ChartHooks().setCaption(QString::fromStdString(text));
            if (ChartHooks().processEvents) ChartHooks().processEvents();
        };
    ui.showMessage = [](const std::string& caption, const std::string& text) {
        ShowMessage(QString::fromStdString(caption), QString::fromStdString(text));
    };
    ui.clearSatelliteViews = ChartHooks().clearSatelliteViews;
    Satellites().loadRequested = true;
    const bool opened = ComputeSatellites(ui, ChartHooks().satelliteLoaded);
    Satellites().loadRequested = false;
    // A file that could not be opened leaves the loaded satellites in place, and
    // with them the name of the file they came from.
    if (!opened) ElementFile().elementFilePath = loadedPath;
    if (opened && afterLoad) {
        afterLoad();
        Shown().timeChanged = true;  // the chart observes what afterLoad selected
    }
    if (ElementFile().satelliteCount > 0 && ChartHooks().enableSatelliteSelection)
        ChartHooks().enableSatelliteSelection();
    if (ChartHooks().showSelectionWindow) ChartHooks().showSelectionWindow();
    // The main chart only while it is the active view: loaded from the zoom window, the
    // zoom window draws itself, and the main chart is drawn when it is active again.
    if (ChartView().zoomFactor == 1) DrawSkyChart();
    return opened;
}

void ChooseOrbitModel(OrbitModel model) {
    SatelliteTable& table = Satellites();
    if (table.orbitModel != model) {
        table.SetOrbitModel(model);
        Settings().classicOrbitModel = model == OrbitModel::Sgp;
        Shown().timeChanged = true;
        RedrawActiveView();
    }
    SyncChecks();
}
