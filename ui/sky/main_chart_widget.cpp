#include "core/timescale.h"
#include "ui/sky/main_chart_widget.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "chart/canvas.h"
#include "chart/canvas_fit.h"
#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "chart/sky_position_at.h"
#include "prediction/selection_model.h"
#include "ui/common/chart_cursor.h"
#include "ui/common/windows.h"
#include "ui/places/germany_map_window.h"
#include "ui/places/place_entry_dialog.h"
#include "ui/places/place_list_window.h"
#include "ui/places/world_map_window.h"
#include "ui/satellites/element_update_dialog.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/satellites/tonight_passes.h"
#include "ui/satellites/transit_dialog.h"
#include "ui/sky/chart_printing.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/named_star_window.h"
#include "ui/sky/zoom_window.h"

namespace {

// Client area of the main window at its design size (outer 648 x 488).
constexpr int kDesignClientWidth = 640;
constexpr int kDesignClientHeight = 442;

}  // namespace

SkyChartWidget::SkyChartWidget(QWidget* parent)
    : QWidget(parent),
      canvas_(std::make_unique<Canvas>(kDesignClientWidth, kDesignClientHeight, Qt::black)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kDesignClientWidth / 2, kDesignClientHeight / 2);
}

SkyChartWidget::~SkyChartWidget() {
    if (MainChartCanvas() == canvas_.get()) SetMainChartCanvas(nullptr);
}

QSize SkyChartWidget::sizeHint() const { return LogicalSize(); }

QSize SkyChartWidget::LogicalSize() { return {kDesignClientWidth, kDesignClientHeight}; }

QPoint SkyChartWidget::ToChart(QPointF widgetPosition) const {
    return FitInto(LogicalSize(), QSizeF(size())).ToLogical(widgetPosition);
}

QPointF SkyChartWidget::ToWidget(QPoint chartPixel) const {
    return FitInto(LogicalSize(), QSizeF(size())).ToClient(QPointF(chartPixel) + QPointF(0.5, 0.5));
}

bool SkyChartWidget::FitToWidget() {
    return FitCanvas(*canvas_, LogicalSize(), size(), devicePixelRatioF());
}

void SkyChartWidget::Redraw() {
    ResetChartTexts();
    ChartReportsWait wait;
    if (isVisible() && ChartView().zoomFactor == 1) DrawSkyChart();
}

void SkyChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QImage& image = canvas_->Image();
    p.drawImage(QRectF(rect()), image, QRectF(image.rect()));
    // Moved to a screen of another pixel ratio: the chart is drawn again for it.
    const QSize wanted = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (image.size() != wanted)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (FitToWidget()) Redraw();
            },
            Qt::QueuedConnection);
}

void SkyChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The chart geometry stays at the design size; the drawing is scaled to the new
    // size and made again.
    if (FitToWidget()) Redraw();
}

void SkyChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = ToChart(event->position());
    ChartMouseMove(p.x(), p.y());
    emit pointerOverChart(p.x(), p.y());
}

void SkyChartWidget::ShowNewDrawing() {
    repaint();
    if (underMouse()) emit pointerOverChart(ChartView().mouseX, ChartView().mouseY);
}

void SkyChartWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit pointerLeftChart();
}

void SkyChartWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = ToChart(event->position());
    ChartMouseDown(p.x(), p.y(), event->button() == Qt::RightButton);
}

void SkyChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) return;
    const QPoint p = ToChart(event->position());
    ChartMouseUp(p.x(), p.y());
}

void SkyChartWidget::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1) {
        ChartKey(text[0]);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool SkyChartWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint p = ToChart(help->pos());
        const int label = RiseSetLabelAt(p.x(), p.y());
        if (label >= 0)
            QToolTip::showText(help->globalPos(),
                               ChartTexts().riseSet[static_cast<size_t>(label)].hint, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

SkyChartWidget* AttachSkyChart(MainWindow& form) {
    // Attached once: a second call finds the widget already in place.
    if (auto* existing = qobject_cast<SkyChartWidget*>(form.centralWidget())) return existing;
    auto* widget = new SkyChartWidget;
    form.setChartWidget(widget);
    SetMainChartCanvas(&widget->canvas(), [widget] { widget->ShowNewDrawing(); });
    form.drawChart = [] { DrawSkyChart(); };

    ChartWindowHooks& hooks = ChartHooks();
    MainWindow* frame = &form;
    hooks.dialogParent = frame;
    hooks.setMainMenusEnabled = [frame](bool on) { frame->SetChartMenusEnabled(on); };
    hooks.syncViewChecks = [frame] {
        frame->SetDisplayCheckMarks();
        if (frame->updateZoomCheckMarks) frame->updateZoomCheckMarks();
    };
    hooks.enableSatelliteSelection = [frame] { frame->selectSatellitesAction->setEnabled(true); };
    hooks.showZoomWindow = [] { ShowInFront(AppWindows().zoomWindow); };
    hooks.showSelectionWindow = [] { ShowInFront(AppWindows().satelliteSelectionWindow); };
    hooks.caption = [frame] { return frame->windowTitle(); };
    hooks.setCaption = [frame](const QString& text) { frame->setWindowTitle(text); };
    hooks.setPointer = [widget](int shape) {
        if (shape == 1)
            widget->setCursor(ChartCursor());
        else if (shape == 2)
            widget->setCursor(Qt::CrossCursor);
        else
            widget->setCursor(Qt::ArrowCursor);
    };
    hooks.processEvents = [] {
        LiveTimeHold hold;  // a load in progress: the live chart waits
        QCoreApplication::processEvents();
    };
    hooks.clearSatelliteViews = [frame] {
        frame->computePassesAction->setEnabled(false);
        frame->showPassesAction->setEnabled(false);
        if (SatelliteSelectionWindow* selection = AppWindows().satelliteSelectionWindow)
            selection->ClearSatelliteLists();
        else
            ClearSelectionLists();
        // Passes of the previous file would point at rows that no longer exist.
        if (PassListWindow* passes = AppWindows().passListWindow) passes->ClearPasses();
    };
    hooks.satelliteLoaded = [](const std::string& name) {
        if (SatelliteSelectionWindow* selection = AppWindows().satelliteSelectionWindow)
            selection->AppendSatelliteName(name);
        else
            AppendLeftListName(name);
    };

    QObject::connect(widget, &SkyChartWidget::pointerOverChart, frame, [frame](int x, int y) {
        const std::optional<ChartPointPosition> position = SkyPositionAt(x, y);
        frame->ShowPointerPosition(position ? SkyPositionText(*position) : QString());
    });
    QObject::connect(widget, &SkyChartWidget::pointerLeftChart, frame,
                     [frame] { frame->ShowPointerPosition(QString()); });

    auto on = [frame](QAction* action, auto fn) {
        QObject::connect(action, &QAction::triggered, frame, fn);
    };
    on(form.hourForwardAction, [] { StepChartTime(1.0 / 24.0); });
    on(form.hourBackAction, [] { StepChartTime(-1.0 / 24.0); });
    on(form.nextDayAction, [] { StepChartTime(1.0); });
    on(form.previousDayAction, [] { StepChartTime(-1.0); });
    on(form.newDateAction, [] { EnterChartDate(); });
    on(form.newTimeAction, [] { EnterChartTime(); });
    on(form.germanyMapAction, [] { ShowInFront(AppWindows().germanyMapWindow); });
    on(form.worldMapAction, [] { ShowInFront(AppWindows().worldMapWindow); });
    on(form.enterPlaceAction, [] { ShowInFront(AppWindows().placeEntryDialog); });
    on(form.placeListAction, [] { ShowInFront(AppWindows().placeListWindow); });
    on(form.rotateAction, [] { StartRotating(); });
    on(form.zoomInAction, [] { StartChoosingZoomFrame(); });
    form.zoomOutAction->setEnabled(false);
    on(form.starNamesAction, [] { ShowInFront(AppWindows().namedStarWindow); });
    on(form.planetNamesAction, [] { TogglePlanetNames(); });
    on(form.constellationNamesAction, [] { ToggleConstellationNames(); });
    on(form.satelliteNamesAction, [] { ToggleSatelliteNames(); });
    on(form.constellationLinesAction, [] { ToggleConstellationLines(); });
    on(form.altitudeLinesAction, [] { ToggleAltitudeLines(); });
    on(form.zodiacAction, [] { ToggleZodiac(); });
    on(form.loadElementsAction, [] { LoadElementFileFromMenu(); });
    on(form.updateElementsAction, [] { ShowInFront(AppWindows().elementUpdateDialog); });
    on(form.sgp4ModelAction, [] { ChooseOrbitModel(OrbitModel::Sgp4); });
    on(form.sgpModelAction, [] { ChooseOrbitModel(OrbitModel::Sgp); });
    on(form.printAction, [] { PrintSkyChart(); });
    on(form.selectSatellitesAction, [] { ShowInFront(AppWindows().satelliteSelectionWindow); });
    on(form.computePassesAction, [] { ShowInFront(AppWindows().passDialog); });
    on(form.showPassesAction, [] { ShowInFront(AppWindows().passListWindow); });
    auto* tonight = new TonightPasses(frame);
    on(form.tonightPassesAction, [tonight] { tonight->Start(); });
    on(form.transitsAction, [] { ShowInFront(AppWindows().transitDialog); });
    return widget;
}
