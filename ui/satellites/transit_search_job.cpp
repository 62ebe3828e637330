#include "ui/satellites/transit_search_job.h"

#include <QtConcurrent/QtConcurrentRun>

TransitSearchJob::TransitSearchJob(std::vector<TransitSatellite> satellites,
                                   const TransitSearchParameters& parameters, QObject* parent)
    : QObject(parent), satellites_(std::move(satellites)), parameters_(parameters) {
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &TransitSearchJob::finished);
}

TransitSearchJob::~TransitSearchJob() {
    stop_ = true;
    Wait();
}

void TransitSearchJob::Start() {
    watcher_.setFuture(QtConcurrent::run([this] {
        std::vector<TransitCandidate> candidates;
        for (const TransitSatellite& s : satellites_)
            candidates.push_back({s.catalogNumber, s.name, &s.orbit});
        approaches_ = SearchTransits(candidates, parameters_, [this](int done, int) {
            done_ = done;
            return !stop_;
        });
    }));
}

bool TransitSearchJob::Running() const { return watcher_.isRunning(); }

void TransitSearchJob::Wait() { watcher_.waitForFinished(); }
