#include "ui/satellites/pass_search_task.h"

#include <QtConcurrent/QtConcurrentRun>
#include <utility>

PassSearchTask::PassSearchTask(QObject* parent) : QObject(parent) {
    pulse_.setInterval(40);
    connect(&pulse_, &QTimer::timeout, this, &PassSearchTask::ShowProgress);
    connect(&watcher_, &QFutureWatcher<PassSearchFinding>::finished, this, &PassSearchTask::Finish);
}

PassSearchTask::~PassSearchTask() {
    if (!control_) return;
    control_->RequestAbort();
    watcher_.disconnect(this);
    watcher_.waitForFinished();
    Clear();
}

PassSearchTask::Start PassSearchTask::Begin(const PassSearchParameters& parameters,
                                            std::unique_ptr<PassSearchListener> listener) {
    if (PassSearchActive()) return Start::Refused;
    // Running from here on: a message of BeginPassSearch lets input through.
    control_ = std::make_unique<PassSearchControl>(parameters.threads);
    SetRunningPassSearch(control_.get());
    listener_ = std::move(listener);
    snapshot_ = BeginPassSearch(parameters, *listener_);
    if (!snapshot_) {
        Clear();
        lastOutcome_ = PassSearchOutcome::Failed;
        return Start::Failed;
    }
    shownPercent_ = -1;
    ShowProgress();
    const PassSearchSnapshot* snapshot = &*snapshot_;
    PassSearchControl* control = control_.get();
    watcher_.setFuture(
        QtConcurrent::run([snapshot, control] { return RunPassSearch(*snapshot, *control); }));
    pulse_.start();
    return Start::Started;
}

void PassSearchTask::ShowProgress() {
    const int percent = control_->Percent();
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    listener_->progress({PassSearchProgress::Stage::Computing, percent, 0});
}

void PassSearchTask::Finish() {
    pulse_.stop();
    PassSearchFinding finding = watcher_.future().takeResult();
    // The search stays running (a second start refused) while the list is made and its
    // messages are shown.
    lastOutcome_ = FinishPassSearch(*snapshot_, std::move(finding), *listener_).outcome;
    Clear();
    emit ended();
}

void PassSearchTask::Clear() {
    pulse_.stop();
    SetRunningPassSearch(nullptr);
    snapshot_.reset();
    listener_.reset();
    control_.reset();
}
