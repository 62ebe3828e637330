#include "ui/sky/live_time.h"

#include <QAction>
#include <QApplication>

#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "chart/zoom_chart.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "satellite/satellite_table.h"
#include "ui/common/windows.h"
#include "ui/sky/main_window.h"
#include "ui/sky/zoom_window.h"

namespace {

LiveTime* gLiveTime = nullptr;
int gHolds = 0;

// The reading is rounded up past the whole second by this much, so that the tick lands
// after the second it shows has begun.
constexpr int kPastTheSecondMs = 20;
// Without satellites the sky moves too little in a second to be drawn anew for it.
constexpr qint64 kWholeViewEveryMs = 10000 - 2 * kPastTheSecondMs;

}  // namespace

LiveTime::LiveTime(UtcClock clock, QObject* parent) : QObject(parent), clock_(std::move(clock)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LiveTime::Tick);
    gLiveTime = this;
}

LiveTime::~LiveTime() {
    if (gLiveTime == this) gLiveTime = nullptr;
}

void LiveTime::SetClock(UtcClock clock) { clock_ = std::move(clock); }

void LiveTime::AddNowAction(QAction* action) {
    action->setCheckable(true);
    action->setChecked(IsLive());
    connect(action, &QAction::triggered, this, &LiveTime::Resume);
    connect(action, &QObject::destroyed, this, [this, action] { std::erase(nowActions_, action); });
    nowActions_.push_back(action);
}

bool LiveTime::IsLive() const { return ChartView().followsClock; }

void LiveTime::Resume() {
    ChartView().followsClock = true;
    ShowState();
    Follow(true);
}

void LiveTime::Follow(bool wholeView) {
    timer_.start(MillisecondsToNextTick());
    const QDateTime now = clock_();
    SetInstantFromClock(Shown(), Place(), now);
    Shown().timeChanged = true;  // the next whole drawing computes the satellites for it
    // A view not shown now (minimised) is drawn whole at the first tick it is seen again.
    lastWholeView_ = wholeView ? now : lastWholeView_;
    if (ChartView().zoomFactor > 1) {
        ZoomWindow* zoom = AppWindows().zoomWindow;
        if (!zoom || !zoom->isVisible() || zoom->isMinimized())
            lastWholeView_ = QDateTime();
        else if (wholeView)
            zoom->FollowClock();
        else
            zoom->ShowClockTime();
        return;
    }
    auto* main = qobject_cast<MainWindow*>(parent());
    if (!main || !main->isVisible() || main->isMinimized()) {
        lastWholeView_ = QDateTime();
        return;
    }
    if (wholeView) {
        main->DrawChart();
    } else if (Canvas* canvas = MainChartCanvas()) {
        FormatDateTime1900(Shown().currentJD);
        DrawTitleLabels(*canvas);
        RepaintMainChart();
    }
}

void LiveTime::End() {
    if (!IsLive()) return;
    ChartView().followsClock = false;
    timer_.stop();
    ShowState();
}

void LiveTime::Tick() {
    if (!IsLive()) return;
    if (MustWait()) {
        timer_.start(MillisecondsToNextTick());
        return;
    }
    const bool wholeView = Satellites().selectedCount > 0 || !lastWholeView_.isValid() ||
                           lastWholeView_.msecsTo(clock_()) >= kWholeViewEveryMs;
    Follow(wholeView);
}

int LiveTime::MillisecondsToNextTick() const {
    const qint64 into = ((clock_().toMSecsSinceEpoch() % 1000) + 1000) % 1000;
    return static_cast<int>(1000 - into) + kPastTheSecondMs;
}

void LiveTime::ShowState() {
    for (QAction* action : nowActions_) action->setChecked(IsLive());
}

bool LiveTime::MustWait() const {
    const ChartViewState& view = ChartView();
    return gHolds > 0 || QApplication::activeModalWidget() || view.rotating ||
           view.choosingZoomFrame || ZoomValues().choosingFrame;
}

void EndLiveTime() {
    if (gLiveTime) gLiveTime->End();
}

LiveTimeHold::LiveTimeHold() { ++gHolds; }
LiveTimeHold::~LiveTimeHold() { --gHolds; }
