// A pass search that runs on a worker thread while the windows stay responsive.
// Start() begins it on the window's thread (the snapshot of what it reads), the
// workers search it (Qt Concurrent), a timer shows the progress to the listener, and
// when it has ended the list is made and the outcome told on the window's thread
// again. One search at a time, also together with PassSearch (PassSearchActive()).
//
// Destroying the task (the program ends) during a search aborts it and waits for the
// workers; the listener then hears nothing more.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "prediction/pass_search.h"

class PassSearchTask : public QObject {
    Q_OBJECT

  public:
    enum class Start { Started, Refused, Failed };

    explicit PassSearchTask(QObject* parent = nullptr);
    ~PassSearchTask() override;

    // Begins the search; Refused while one runs, Failed when BeginPassSearch gave up
    // (the listener has shown why).
    Start Begin(const PassSearchParameters& parameters,
                std::unique_ptr<PassSearchListener> listener);
    bool running() const { return control_ != nullptr; }
    // How the last search ended (empty before the first has ended).
    std::optional<PassSearchOutcome> lastOutcome() const { return lastOutcome_; }
    // The running search's future, for a look whether its workers still search.
    QFuture<PassSearchFinding> future() const { return watcher_.future(); }

    // How often the progress is shown, in milliseconds.
    void setProgressInterval(int ms) { pulse_.setInterval(ms); }

  signals:
    // The search has ended and its list is shown (lastOutcome()).
    void ended();

  private:
    void ShowProgress();
    void Finish();
    void Clear();

    QFutureWatcher<PassSearchFinding> watcher_;
    QTimer pulse_;
    std::unique_ptr<PassSearchControl> control_;
    std::unique_ptr<PassSearchListener> listener_;
    std::optional<PassSearchSnapshot> snapshot_;
    std::optional<PassSearchOutcome> lastOutcome_;
    int shownPercent_ = -1;
};
