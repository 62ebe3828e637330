#include "chart/stern_chart_widget.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "app/chart_cursor.h"
#include "app/windows.h"
#include "chart/canvas.h"
#include "chart/chart_print.h"
#include "chart/sky_chart.h"
#include "chart/stern.h"
#include "chart/stern_interaction.h"
#include "chart/sternliste.h"
#include "chart/zoom.h"
#include "core/observer_state.h"
#include "location/neuort.h"
#include "location/ortein.h"
#include "location/ortliste.h"
#include "location/welt.h"
#include "passes/param.h"
#include "passes/satwahl.h"
#include "passes/selection_model.h"
#include "passes/unit9.h"

namespace {

// Client area of the main window at its design size (outer 648 x 488).
constexpr int kDesignClientWidth = 640;
constexpr int kDesignClientHeight = 442;

template <typename W>
void ShowWindow(W* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

SkyChartWidget::SkyChartWidget(QWidget* parent)
    : QWidget(parent),
      canvas_(std::make_unique<Canvas>(kDesignClientWidth, kDesignClientHeight, Qt::black)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kDesignClientWidth, kDesignClientHeight);
}

SkyChartWidget::~SkyChartWidget() {
    if (MainChartCanvas() == canvas_.get()) SetMainChartCanvas(nullptr);
}

QSize SkyChartWidget::sizeHint() const { return {kDesignClientWidth, kDesignClientHeight}; }

void SkyChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, canvas_->Image());
}

void SkyChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The chart geometry stays at the design size; a larger window only gets a
    // larger black canvas, which the next drawing fills.
    const int w = std::max(width(), kDesignClientWidth),
              h = std::max(height(), kDesignClientHeight);
    if (w > canvas_->Width() || h > canvas_->Height()) {
        canvas_->Resize(w, h, Qt::black);
        ResetChartTexts();
        ChartReportsWait wait;
        if (isVisible() && Observer().zoomFactor == 1) DrawSkyChart();
    }
}

void SkyChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    ChartMouseMove(p.x(), p.y());
}

void SkyChartWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    ChartMouseDown(p.x(), p.y(), event->button() == Qt::RightButton);
}

void SkyChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) return;
    const QPoint p = event->position().toPoint();
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
        const int label = RiseSetLabelAt(help->pos().x(), help->pos().y());
        if (label >= 0)
            QToolTip::showText(help->globalPos(),
                               ChartTexts().riseSet[static_cast<size_t>(label)].hint, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

SkyChartWidget* AttachSkyChart(TForm1& form) {
    // Attached once: a second call finds the widget already in place.
    if (auto* existing = qobject_cast<SkyChartWidget*>(form.centralWidget())) return existing;
    auto* widget = new SkyChartWidget;
    form.setChartWidget(widget);
    SetMainChartCanvas(&widget->canvas(), [widget] { widget->repaint(); });
    form.drawChart = [] { DrawSkyChart(); };

    SternHooks& hooks = ChartHooks();
    TForm1* frame = &form;
    hooks.dialogParent = frame;
    hooks.setMainMenusEnabled = [frame](bool on) { frame->SetChartMenusEnabled(on); };
    hooks.syncViewChecks = [frame] {
        frame->SetDisplayCheckMarks();
        if (frame->updateZoomCheckMarks) frame->updateZoomCheckMarks();
    };
    hooks.enableSatelliteSelection = [frame] { frame->selectSatellitesAction->setEnabled(true); };
    hooks.showZoomWindow = [] { ShowWindow(AppWindows().form2); };
    hooks.showSelectionWindow = [] { ShowWindow(AppWindows().form8); };
    hooks.zoomWindowWidth = [] {
        return AppWindows().form2 ? AppWindows().form2->frameGeometry().width() : 648;
    };
    hooks.zoomWindowHeight = [] {
        return AppWindows().form2 ? AppWindows().form2->frameGeometry().height() : 488;
    };
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
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.clearSatelliteViews = [frame] {
        frame->computePassesAction->setEnabled(false);
        frame->showPassesAction->setEnabled(false);
        if (TForm8* selection = AppWindows().form8)
            selection->ClearSatelliteLists();
        else
            ClearSelectionLists();
        // Passes of the previous file would point at rows that no longer exist.
        if (TForm9* passes = AppWindows().form9) passes->ClearPasses();
    };
    hooks.satelliteLoaded = [](const std::string& name) {
        if (TForm8* selection = AppWindows().form8)
            selection->AppendSatelliteName(name);
        else
            AppendLeftListName(name);
    };

    auto on = [frame](QAction* action, auto fn) {
        QObject::connect(action, &QAction::triggered, frame, fn);
    };
    on(form.hourForwardAction, [] { StepChartTime(1.0 / 24.0); });
    on(form.hourBackAction, [] { StepChartTime(-1.0 / 24.0); });
    on(form.nextDayAction, [] { StepChartTime(1.0); });
    on(form.previousDayAction, [] { StepChartTime(-1.0); });
    on(form.newDateAction, [] { EnterChartDate(); });
    on(form.newTimeAction, [] { EnterChartTime(); });
    on(form.germanyMapAction, [] { ShowWindow(AppWindows().form5); });
    on(form.worldMapAction, [] { ShowWindow(AppWindows().form4); });
    on(form.enterPlaceAction, [] { ShowWindow(AppWindows().form6); });
    on(form.placeListAction, [] { ShowWindow(AppWindows().form7); });
    on(form.rotateAction, [] { StartRotating(); });
    on(form.zoomInAction, [] { StartChoosingZoomFrame(); });
    form.zoomOutAction->setEnabled(false);
    on(form.starNamesAction, [] { ShowWindow(AppWindows().form3); });
    on(form.planetNamesAction, [] { TogglePlanetNames(); });
    on(form.constellationNamesAction, [] { ToggleConstellationNames(); });
    on(form.constellationLinesAction, [] { ToggleConstellationLines(); });
    on(form.altitudeLinesAction, [] { ToggleAltitudeLines(); });
    on(form.zodiacAction, [] { ToggleZodiac(); });
    on(form.loadElementsAction, [] { LoadElementFileFromMenu(); });
    on(form.printAction, [] { PrintSkyChart(); });
    on(form.selectSatellitesAction, [] { ShowWindow(AppWindows().form8); });
    on(form.computePassesAction, [] { ShowWindow(AppWindows().okBottomDlg2); });
    on(form.showPassesAction, [] { ShowWindow(AppWindows().form9); });
    return widget;
}
