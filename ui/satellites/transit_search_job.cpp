#include "ui/satellites/transit_search_job.h"

#include <QThread>

TransitSearchJob::TransitSearchJob(std::vector<TransitSatellite> satellites,
                                   const TransitSearchParameters& parameters, QObject* parent)
    : QObject(parent), satellites_(std::move(satellites)), parameters_(parameters) {}

TransitSearchJob::~TransitSearchJob() {
    stop_ = true;
    Wait();
    delete thread_;
}

void TransitSearchJob::Start() {
    thread_ = QThread::create([this] {
        std::vector<TransitCandidate> candidates;
        for (const TransitSatellite& s : satellites_)
            candidates.push_back({s.catalogNumber, s.name, &s.orbit});
        approaches_ = SearchTransits(candidates, parameters_, [this](int done, int) {
            done_ = done;
            return !stop_;
        });
    });
    connect(thread_, &QThread::finished, this, &TransitSearchJob::finished);
    thread_->start();
}

bool TransitSearchJob::Running() const { return thread_ && !thread_->isFinished(); }

void TransitSearchJob::Wait() {
    if (thread_) thread_->wait();
}
