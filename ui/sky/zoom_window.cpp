#include "ui/sky/zoom_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "chart/canvas.h"
#include "chart/canvas_fit.h"
#include "chart/chart_geometry.h"
#include "chart/chart_projection.h"
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
#include "chart/zoom_identify.h"
#include "core/date_text.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellites_at_instant.h"
#include "ui/common/chart_cursor.h"
#include "ui/common/dialogs.h"
#include "ui/common/windows.h"
#include "ui/places/go_to_equatorial_dialog.h"
#include "ui/places/go_to_horizontal_dialog.h"
#include "ui/places/redraw_active_view.h"
#include "ui/sky/chart_printing.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"

// The chart area of the zoom window: owns the canvas, shows the zoom chart of the
// design size scaled to fill the area, and passes pointer and key events to the
// window in logical chart pixels.
class ZoomCanvasWidget : public QWidget {
  public:
    explicit ZoomCanvasWidget(ZoomWindow* form) : QWidget(form), form_(form) {
        canvas_ = std::make_unique<Canvas>(kZoomChartWidth, kZoomChartHeight, Qt::black);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    Canvas& canvas() { return *canvas_; }
    static QSize LogicalSize() { return {kZoomChartWidth, kZoomChartHeight}; }
    CanvasFit Fit() const { return FitInto(LogicalSize(), QSizeF(size())); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        // Only the chart area: what the drawing spills beyond it stays black, so the
        // edge letters mark the visible edges.
        const QImage& image = canvas_->Image();
        const QRectF area = Fit().ClientRect(LogicalSize());
        const double ratio = static_cast<double>(image.width()) / std::max(1, width());
        p.drawImage(area, image, QRectF(area.topLeft() * ratio, area.size() * ratio));
        const QSize wanted = (QSizeF(size()) * devicePixelRatioF()).toSize();
        if (image.size() != wanted)
            QMetaObject::invokeMethod(
                this, [this] { Refit(); }, Qt::QueuedConnection);
    }
    void resizeEvent(QResizeEvent*) override { Refit(); }
    void mouseMoveEvent(QMouseEvent* e) override {
        const QPoint p = Fit().ToLogical(e->position());
        form_->MouseMoveAt(p.x(), p.y());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        const QPoint p = Fit().ToLogical(e->position());
        form_->ClickAt(p.x(), p.y());
    }
    void keyPressEvent(QKeyEvent* e) override {
        const QString text = e->text();
        if (text.size() == 1) {
            form_->KeyTyped(text.at(0));
            return;
        }
        QWidget::keyPressEvent(e);
    }

  private:
    void Refit() {
        if (!FitCanvas(*canvas_, LogicalSize(), size(), devicePixelRatioF())) return;
        if (form_->isVisible() && ChartView().zoomFactor > 1) form_->DrawChart(0);
    }

    ZoomWindow* form_;
    std::unique_ptr<Canvas> canvas_;
};

namespace {

QFont StatusFont() {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(9);
    return f;
}

void DrawFrame(Canvas& canvas) {
    const ZoomState& z = ZoomValues();
    DrawZoomFrame(canvas, z.markerX, z.markerY, ZoomFrameHalfWidth(), ZoomFrameHalfHeight());
}

void ShowMessage(const QString& caption, const QString& text, QWidget* parent) {
    AppDialogs().Message(caption, text, parent);
}

}  // namespace

ZoomWindow::ZoomWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName("ZoomWindow");
    setWindowTitle(QStringLiteral("Polaride Zoom"));
    resize(kZoomDesignWidth, kZoomDesignHeight);
    setWindowState(Qt::WindowMaximized);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    chart_ = new ZoomCanvasWidget(this);
    headerBar_ = new QLabel(central);
    valuesBar_ = new QLabel(central);
    for (QLabel* bar : {headerBar_, valuesBar_}) {
        bar->setFont(StatusFont());
        bar->setTextFormat(Qt::PlainText);  // names from the element file
        // Dark text on a light panel: the window's black must not reach the bars.
        QPalette colours = bar->palette();
        colours.setColor(QPalette::Window, QColor(240, 240, 240));
        colours.setColor(QPalette::WindowText, Qt::black);
        bar->setPalette(colours);
        bar->setAutoFillBackground(true);
        bar->setTextFormat(Qt::PlainText);
        bar->setFrameShape(QFrame::Panel);
        bar->setFrameShadow(QFrame::Sunken);
        bar->hide();
    }
    valuesBar_->installEventFilter(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(headerBar_);
    layout->addWidget(valuesBar_);
    setCentralWidget(central);
    QPalette black = central->palette();
    black.setColor(QPalette::Window, Qt::black);
    central->setPalette(black);
    central->setAutoFillBackground(true);

    BuildMenus();
    InstallView();
    SetZoomChartRedraw([this] { DrawChart(0); });
    if (MainWindow* main = AppWindows().mainWindow)
        main->updateZoomCheckMarks = [this] { SetDisplayCheckMarks(); };
    SetDisplayCheckMarks();
}

ZoomWindow::~ZoomWindow() {
    SetZoomChartRedraw({});
    if (MainWindow* main = AppWindows().mainWindow) main->updateZoomCheckMarks = {};
    if (ZoomView().canvas == &chart_->canvas()) ResetZoomView();
}

Canvas& ZoomWindow::canvas() { return chart_->canvas(); }

void ZoomWindow::InstallView() {
    ZoomViewHooks& view = ZoomView();
    view.canvas = &chart_->canvas();
    view.repaint = [this] { chart_->repaint(); };
    view.setCaption = [this](const QString& text) {
        setWindowTitle(ChartView().followsClock ? text + QStringLiteral(" (live)") : text);
    };
    view.showTrackedStatus = [this](bool shown) {
        if (!shown) {
            headerBar_->hide();
            valuesBar_->hide();
        } else {
            valuesBar_->show();
        }
    };
    view.movePointer = [this](QPoint p) {
        // Where the platform refuses to move the pointer (Wayland), nothing happens.
        if (isVisible() && !followingClock_)
            QCursor::setPos(chart_->mapToGlobal(chart_->Fit().ToClient(QPointF(p))).toPoint());
    };
}

void ZoomWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto main = [] { return AppWindows().mainWindow; };
    auto on = [this](QAction* action, auto fn) { connect(action, &QAction::triggered, this, fn); };

    BuildChartMenus(bar);
    on(printAction, [] { PrintZoomChart(); });
    // "Beenden" ends the program as the main window's does, writing the settings.
    on(exitAction, [main] {
        if (MainWindow* m = main())
            m->Quit();
        else
            QCoreApplication::exit(0);
    });

    on(hourForwardAction, [this] { StepTime(1.0 / 24.0); });
    on(hourBackAction, [this] { StepTime(-1.0 / 24.0); });
    on(nextDayAction, [this] { StepTime(1.0); });
    on(previousDayAction, [this] { StepTime(-1.0); });
    on(newDateAction, [this] { EnterDate(); });
    on(newTimeAction, [this] { EnterTime(); });
    if (MainWindow* m = main()) m->liveTime().AddNowAction(nowAction);

    // The entries that open other windows do what the main window's entries do.
    auto forward = [this, main](QAction* mine, QAction* MainWindow::*theirs) {
        connect(mine, &QAction::triggered, this, [main, theirs] {
            if (MainWindow* m = main())
                if (QAction* a = m->*theirs) a->trigger();
        });
    };

    forward(germanyMapAction, &MainWindow::germanyMapAction);
    forward(worldMapAction, &MainWindow::worldMapAction);
    forward(enterPlaceAction, &MainWindow::enterPlaceAction);
    forward(placeListAction, &MainWindow::placeListAction);

    viewMenu->addSeparator();
    goToMenu = viewMenu->addMenu(QStringLiteral("Gehe zu"));
    goToRaDecAction = goToMenu->addAction(QStringLiteral("alpha/delta"));
    goToAltAzAction = goToMenu->addAction(QStringLiteral("Höhe/Azimut"));
    on(zoomInAction, [this] { ZoomIn(); });
    on(zoomOutAction, [this] { ZoomOut(); });
    forward(starNamesAction, &MainWindow::starNamesAction);
    on(planetNamesAction, [this] { Toggle(0); });
    on(constellationNamesAction, [this] { Toggle(1); });
    on(constellationLinesAction, [this] { Toggle(2); });
    on(altitudeLinesAction, [this] { Toggle(3); });
    on(zodiacAction, [this] { Toggle(4); });
    on(satelliteNamesAction, [this] { Toggle(5); });
    on(goToRaDecAction, [] { ShowInFront(AppWindows().goToEquatorialDialog); });
    on(goToAltAzAction, [] { ShowInFront(AppWindows().goToHorizontalDialog); });

    on(loadElementsAction, [this] {
        LoadElementFileFromMenu();
        if (ElementFile().satelliteCount > 0) selectSatellitesAction->setEnabled(true);
        if (isVisible() && ChartView().zoomFactor > 1) DrawChart(0);
    });
    forward(updateElementsAction, &MainWindow::updateElementsAction);
    forward(sgp4ModelAction, &MainWindow::sgp4ModelAction);
    forward(sgpModelAction, &MainWindow::sgpModelAction);
    forward(selectSatellitesAction, &MainWindow::selectSatellitesAction);
    forward(computePassesAction, &MainWindow::computePassesAction);
    forward(showPassesAction, &MainWindow::showPassesAction);
    forward(tonightPassesAction, &MainWindow::tonightPassesAction);
    forward(transitsAction, &MainWindow::transitsAction);
    selectSatellitesAction->setEnabled(false);
    computePassesAction->setEnabled(false);
    showPassesAction->setEnabled(false);

    forward(authorAction, &MainWindow::authorAction);
    forward(parametersAction, &MainWindow::parametersAction);
}

void ZoomWindow::DrawChart(int mode) {
    InstallView();
    DrawZoomChart(mode);
}

void ZoomWindow::Redraw() {
    try {
        UpdateEphemeris(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                        Shown().currentJD);
    } catch (const std::exception& e) {
        ShowMessage(QStringLiteral("Fehler"), QString::fromUtf8(e.what()), this);
        return;
    }
    Shown().timeChanged = true;
    DrawChart(0);
}

void ZoomWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    selectSatellitesAction->setEnabled(ElementFile().satelliteCount > 0);
    SetDisplayCheckMarks();
    if (ChartView().zoomFactor < 2) ChartView().zoomFactor = 2;
    DrawChart(0);
}

void ZoomWindow::closeEvent(QCloseEvent* event) {
    ChartView().zoomFactor = 1;
    QMainWindow::closeEvent(event);
}

void ZoomWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;  // minimised: the zoom window is still the view
    ChartView().zoomFactor = 1;
    DropZoomChartPassPath();  // the pass is no longer shown
    // A followed satellite or a go-to turned the chart for this window only.
    ChartView().rotationRad = ChartView().skyChartRotationRad;
    // The zoom window may have changed the instant, the place, the rotation or the
    // display flags: the main chart is drawn afresh, satellites included.
    MainWindow* main = AppWindows().mainWindow;
    if (!main || !main->isVisible()) return;
    Shown().timeChanged = true;
    ChartReportsWait wait;  // inside a hide handler
    main->DrawChart();
}

void ZoomWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) {
        ChartView().zoomMayClose = true;
        // Shown and active, the zoom window is the view, at the factor it last drew.
        if (ChartView().zoomFactor < 2) {
            ChartView().zoomFactor = std::max(2, ZoomValues().scale);
            DrawChart(0);
        }
        return;
    }
    // Losing the focus to another window of the program closes the zoom window,
    // unless a dialog that works with it cleared zoomMayClose. Message and input
    // boxes of the zoom window itself do not close it.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible() || isActiveWindow() || !ChartView().zoomMayClose) return;
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
        if (!QApplication::activeWindow()) return;
        close();
    });
}

bool ZoomWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == valuesBar_ && event->type() == QEvent::MouseButtonPress) {
        ToggleLowerStatusClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void ZoomWindow::ToggleLowerStatusClick() { headerBar_->setVisible(!headerBar_->isVisible()); }

void ZoomWindow::RefreshStatusBars() {
    if (Tracking().trackedSatellite < 0 ||
        Tracking().trackedSatellite >= Satellites().selectedCount)
        return;
    const PositionLineText line =
        PositionLine(Tracking().trackedSatellite, Shown().currentJD, PlaceOf(Place()));
    headerBar_->setText(QString::fromStdString(line.header));
    valuesBar_->setText(QString::fromStdString(line.values));
    QFont f = StatusFont();
    f.setBold(line.bold);
    valuesBar_->setFont(f);
}

// --- zooming ------------------------------------------------------------------------

void ZoomWindow::ZoomIn() {
    ZoomState& z = ZoomValues();
    if (z.choosingFrame) return;
    SetChartMenusEnabled(false);
    z.choosingFrame = true;
    z.markerX = z.zoomMouseX;
    z.markerY = z.zoomMouseY;
    DrawFrame(canvas());
    chart_->repaint();
}

void ZoomWindow::ZoomOut() {
    ChartView().zoomFactor = IntPart(ChartView().zoomFactor / 2.0 + 0.5);
    if (ChartView().zoomFactor <= 1) {
        ChartView().zoomFactor = 1;
        hide();
        return;
    }
    DrawChart(-ChartView().zoomFactor);
}

// --- pointer ------------------------------------------------------------------------

void ZoomWindow::MouseMoveAt(int x, int y) {
    ZoomState& z = ZoomValues();
    z.zoomMouseX = x;
    z.zoomMouseY = y;
    const ZoomOffsets& off = ChartZoomOffsets();
    const double d = std::hypot(x - off.zoomOffsetX, y - off.zoomOffsetY);
    if (z.choosingFrame) {
        chart_->setCursor(Qt::CrossCursor);
        DrawFrame(canvas());
        z.markerX = x;
        z.markerY = y;
        DrawFrame(canvas());
        chart_->repaint();
    } else if (d < static_cast<double>(ChartView().chartRadius) * ChartView().zoomFactor) {
        chart_->setCursor(ChartCursor());
    } else {
        chart_->setCursor(Qt::ArrowCursor);
    }
}

void ZoomWindow::ClickAt(int x, int y) {
    ZoomState& z = ZoomValues();
    z.zoomMouseX = x;
    z.zoomMouseY = y;
    if (z.choosingFrame) {
        DrawFrame(canvas());
        for (QMenu* m : {fileMenu, timeMenu, placeMenu, viewMenu, satelliteMenu})
            m->menuAction()->setEnabled(true);
        z.choosingFrame = false;
        z.markerX = x;
        z.markerY = y;
        ChartView().zoomFactor *= 2;
        DrawChart(ChartView().zoomFactor);
        return;
    }
    ZoomHit hit;
    int label = 0;
    QString text;
    try {
        text = ZoomIdentifyAt(x, y, &hit, &label);
    } catch (const std::exception& e) {
        ShowMessage(QStringLiteral("Fehler"), QString::fromUtf8(e.what()), this);
        return;
    }
    if (hit.kind == ZoomHit::Satellite) {
        Tracking().trackedSatellite = hit.index - 1;
        headerBar_->show();
        valuesBar_->show();
        RefreshStatusBars();
    }
    const ZoomOffsets& off = ChartZoomOffsets();
    const double d = std::hypot(x - off.zoomOffsetX, y - off.zoomOffsetY);
    if (d > static_cast<double>(ChartView().chartRadius) * ChartView().zoomFactor) return;
    ShowMessage(QStringLiteral("Info"), text, this);
    if (label < 1) return;
    // The constellation blinks five times in the zoom window.
    const std::string code = LabelPlotTable()[static_cast<size_t>(label - 1)].text.substr(0, 3);
    auto paint = [&](QColor colour) {
        for (const StarPlotEntry& e : StarPlotTable())
            if (e.x * e.y != 0.0 && e.constellation == code) {
                const QPoint p = ZoomMap(e.x, e.y);
                DrawStarGlyph(canvas(), p.x(), p.y(), colour, e.magnitude, ChartView().zoomFactor);
            }
        chart_->repaint();
    };
    BlinkFiveTimes(paint, ChartHooks().blinkWaitMs);
}

// --- time -------------------------------------------------------------------------------

void ZoomWindow::StepTime(double days) {
    EndLiveTime();
    Shown().currentJD += days;
    Redraw();
}

void ZoomWindow::EnterDate() {
    FormatDateTime1900(Shown().currentJD);
    std::optional<QString> date = AskChartDate(this);
    if (!date) return;
    EndLiveTime();
    // A year later than latestYear is replaced by latestYear.
    const int year = date->mid(6).toInt();
    if (year > Shown().latestYear)
        date =
            date->left(6) + QStringLiteral("%1").arg(Shown().latestYear, 4, 10, QLatin1Char('0'));
    DateText = date->toStdString();
    if (SetInstantFromDateTimeTexts(this)) Redraw();
}

void ZoomWindow::EnterTime() {
    FormatDateTime1900(Shown().currentJD);
    const std::optional<QString> time = AskChartTime(this);
    if (!time) return;
    EndLiveTime();
    TimeText = time->toStdString();
    if (SetInstantFromDateTimeTexts(this)) Redraw();
}

// --- keys -------------------------------------------------------------------------------

void ZoomWindow::KeyTyped(QChar key) {
    if (key == QLatin1Char('n')) {
        CentreOnTrackedSatellite(ChartView().zoomFactor);
    } else if (key == QLatin1Char('*')) {
        CentreOnTrackedSatellite(ChartView().zoomFactor * 2);
    } else if (key == QLatin1Char('/')) {
        CentreOnTrackedSatellite(ChartView().zoomFactor / 2);
    } else if (key == QLatin1Char('+')) {
        StepWithTrails(+1);
    } else if (key == QLatin1Char('-')) {
        StepWithTrails(-1);
    } else if (key == QLatin1Char('t')) {
        if (AskTimeStep(this)) Redraw();
    }
}

bool ZoomWindow::CentreOnTrackedSatellite(int newFactor) {
    if (Tracking().trackedSatellite < 0 ||
        Tracking().trackedSatellite >= Satellites().selectedCount)
        return false;
    const SatObservation seen =
        ObserveSelected(Tracking().trackedSatellite, Shown().currentJD, PlaceOf(Place()));
    if (!(seen.altitudeDeg > 0.0)) return false;
    const ChartPoint p =
        ProjectToChart((90.0 - seen.altitudeDeg) * kDegToRad, seen.azimuthDeg * kDegToRad);
    const double cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
                 R = ChartView().chartRadius;
    const double theta = AngleOf((p.y - cy) / R, (p.x - cx) / R);
    ChartView().previousRotationRad = ChartView().rotationRad;
    const double rotation = Mod2Pi(ChartView().previousRotationRad - theta);
    ChartView().rotationRad = rotation;
    ChartView().zoomFactor = std::max(2, newFactor);

    const int W = ZoomOuterWidth(), H = ZoomOuterHeight();
    const int vx = W / 2, vy = ZoomViewCentreY(H);
    const int ox = vx - IntPart((p.x - cx) * ChartView().zoomFactor);
    const int oy = vy - IntPart((p.y - cy) * ChartView().zoomFactor);
    const double dx = ox - vx, dy = oy - vy;
    const double c = std::cos(theta), s = std::sin(theta);
    ZoomOffsets& z = ChartZoomOffsets();
    z.zoomOffsetX = IntPart(vx + c * dx - s * dy);
    z.zoomOffsetY = IntPart(vy + s * dx + c * dy);

    Redraw();
    RefreshStatusBars();
    return true;
}

void ZoomWindow::FollowClock() {
    followingClock_ = true;
    if (!CentreOnTrackedSatellite(ChartView().zoomFactor)) {
        Redraw();
        RefreshStatusBars();
    }
    followingClock_ = false;
}

void ZoomWindow::ShowClockTime() {
    FormatDateTime1900(Shown().currentJD);
    InstallView();
    ZoomView().setCaption(ZoomCaption());
}

void ZoomWindow::StepWithTrails(int direction) {
    EndLiveTime();
    if (!ShownPassPath().zoomChart.empty()) {  // the step leaves the shown pass
        DropZoomChartPassPath();
        DrawChart(0);
    }
    ZoomState& zs = ZoomValues();
    Shown().currentJD += direction * Shown().timeStepSeconds / 86400.0;
    if (Shown().currentJD < zs.zoomTrailOriginJD) zs.zoomTrailOriginJD = Shown().currentJD;
    UpdateSunMoon(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                  Shown().currentJD);
    FormatDateTime1900(Shown().currentJD);
    setWindowTitle(ZoomCaption());
    SatelliteTable& sats = Satellites();
    const int sky = ChartShades().skyGrey;
    auto drawSatellites = [&](bool old) {
        for (int k = 1; k <= sats.selectedCount; ++k) {
            const size_t i = static_cast<size_t>(k);
            if (sats.chartX[i] <= 0.0) continue;
            const QColor colour = SatelliteStepColour(sats.inShadow[i] == 1, old, direction, sky);
            const QPoint p = ZoomMap(sats.chartX[i], sats.chartY[i]);
            DrawStarGlyph(canvas(), p.x(), p.y(), colour,
                          ZoomSatelliteMagnitude(sats.chartMagnitude[i], ChartView().zoomFactor),
                          ChartView().zoomFactor);
        }
    };
    drawSatellites(true);
    if (ElementFile().satelliteCount > 0) {
        SatelliteUi ui;
        ui.showMessage = [this](const std::string& caption, const std::string& text) {
            ShowMessage(QString::fromStdString(caption), QString::fromStdString(text), this);
        };
        ComputeSatellites(ui);
    }
    drawSatellites(false);
    RefreshStatusBars();
    chart_->repaint();
}

void ZoomWindow::Toggle(int which) {
    auto sync = [this] {
        if (MainWindow* m = AppWindows().mainWindow) m->SetDisplayCheckMarks();
        SetDisplayCheckMarks();
    };
    Canvas& c = canvas();
    // Switched on: drawn over the chart; switched off: the chart drawn again without it.
    auto drawOrRedraw = [&](bool& shown, void (*draw)(Canvas&)) {
        shown = !shown;
        sync();
        if (shown)
            draw(c);
        else
            DrawChart(0);
    };
    // Drawn first, then the switch flips.
    auto drawThenFlip = [&](bool& shown, void (*draw)(Canvas&)) {
        draw(c);
        shown = !shown;
        sync();
    };
    switch (which) {
        case 0:
            drawOrRedraw(ViewOptions().showPlanetNames, DrawZoomPlanetNames);
            break;
        case 1:
            drawThenFlip(ViewOptions().showConstellationNames, DrawZoomConstellationNames);
            if (!ViewOptions().showConstellationNames) DrawChart(0);
            break;
        case 2:
            ViewOptions().showConstellationLines = !ViewOptions().showConstellationLines;
            sync();
            DrawChart(0);
            break;
        case 3:
            drawOrRedraw(ViewOptions().showAltitudeLines, DrawZoomAltitudeLines);
            break;
        case 4:
            drawThenFlip(ViewOptions().showZodiac, DrawZoomZodiac);
            break;
        case 5:
            SwitchSatelliteNames();
            sync();
            if (SatelliteNamesShown())
                DrawZoomSatelliteNames(c);
            else
                DrawChart(0);
            break;
        default:
            break;
    }
    chart_->repaint();
}

// --- for other windows ---------------------------------------------------------------------

bool ZoomWindow::ShowSatellite(int k, int factor) {
    if (k < 0 || k >= Satellites().selectedCount) return false;
    const SatObservation seen = ObserveSelected(k, Shown().currentJD, PlaceOf(Place()));
    // The chart instant may just have been set (a pass shown): its Sun and Moon.
    UpdateSunMoon(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                  Shown().currentJD);
    if (!(seen.altitudeDeg > 0.0)) return false;
    Tracking().trackedSatellite = k;
    ChartView().zoomFactor = std::max(2, factor);
    if (!isVisible()) show();
    headerBar_->show();
    valuesBar_->show();
    CentreOnTrackedSatellite(ChartView().zoomFactor);
    raise();
    activateWindow();
    return true;
}

void ZoomWindow::ShowChartPoint(double x, double y, int factor) {
    ChartView().zoomFactor = std::max(2, factor);
    const QPoint c = ZoomViewCentre();
    ZoomOffsets& z = ChartZoomOffsets();
    z.zoomOffsetX = c.x() - IntPart((x - ChartView().chartCentreX) * ChartView().zoomFactor);
    z.zoomOffsetY = c.y() - IntPart((y - ChartView().chartCentreY) * ChartView().zoomFactor);
    if (!isVisible()) show();
    Redraw();
    raise();
    activateWindow();
}
