// The chart running live: the displayed instant follows a UTC clock, ticking at every
// whole second. The active view (the main chart, or the zoom window while it is the
// view, still following its satellite) is drawn again at every tick while satellites are
// selected, every ten seconds otherwise; in between only its time (the chart's title
// lines, the zoom window's caption) is shown anew. "Jetzt" in the time menus starts it
// (the program starts it at once); any change of time by the user ends it (EndLiveTime).
// ChartView().followsClock is the state: the chart's time line and the zoom window's
// caption end with " (live)" while it is set.
//
// A tick waits, and comes again at the next second, while the chart cannot be drawn
// without disturbing the user: a modal box or input box is open, the chart is being
// turned or a zoom frame chosen, or an operation lets events through (LiveTimeHold).
#pragma once

#include <QObject>
#include <QTimer>
#include <vector>

#include "core/non_copyable.h"
#include "ui/common/clock.h"

class QAction;

class LiveTime : public QObject {
    Q_OBJECT

  public:
    explicit LiveTime(UtcClock clock, QObject* parent = nullptr);
    ~LiveTime() override;

    void SetClock(UtcClock clock);
    // The entries that show the state with their check mark ("Jetzt"); triggering one
    // resumes live time.
    void AddNowAction(QAction* action);

    // "Jetzt": the instant from the clock, live from now on, the active view drawn.
    void Resume();
    // The user set a time: the instant stays where the user put it.
    void End();
    bool IsLive() const;

    // The timer's work: the instant from the clock, the active view or its time shown
    // (public for tests, which call it instead of waiting).
    void Tick();
    // Milliseconds from the clock's reading to the tick just after the next whole second.
    int MillisecondsToNextTick() const;
    const QTimer& timer() const { return timer_; }

  private:
    void ShowState();
    bool MustWait() const;
    // The instant from the clock; the whole active view drawn, or only its time.
    void Follow(bool wholeView);

    UtcClock clock_;
    QDateTime lastWholeView_;  // clock reading of the last whole drawing
    QTimer timer_;
    std::vector<QAction*> nowActions_;
};

// Ends live time, wherever the user changed the time (pass list, zoom window, chart).
void EndLiveTime();

// While one lives, live ticks wait (an operation that lets events through).
class LiveTimeHold : NonCopyable {
  public:
    LiveTimeHold();
    ~LiveTimeHold();
};
