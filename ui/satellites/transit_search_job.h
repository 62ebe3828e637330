// A transit search on a worker (Qt Concurrent; prediction/transit_search.h), so that the
// windows stay responsive while it runs: the job keeps its own copies of the orbits,
// counts the satellites searched, can be told to stop and says when it has ended.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <string>
#include <vector>

#include "prediction/transit_search.h"
#include "satellite/propagation.h"

// A satellite as the search and the pictures of its approaches take it.
struct TransitSatellite {
    int catalogNumber = 0;
    std::string name;
    SatelliteOrbit orbit;
};

class TransitSearchJob : public QObject {
    Q_OBJECT

  public:
    TransitSearchJob(std::vector<TransitSatellite> satellites,
                     const TransitSearchParameters& parameters, QObject* parent = nullptr);
    ~TransitSearchJob() override;  // stops the search and waits for its thread

    void Start();
    void RequestStop() { stop_ = true; }
    bool Stopped() const { return stop_; }
    bool Running() const;
    // Blocks until the search has ended (tests; the finished signal still comes from
    // the event loop).
    void Wait();

    int Done() const { return done_; }
    int Total() const { return static_cast<int>(satellites_.size()); }
    const TransitSearchParameters& Parameters() const { return parameters_; }
    const std::vector<TransitSatellite>& Satellites() const { return satellites_; }
    // After finished(): the approaches in time order.
    const std::vector<TransitApproach>& Approaches() const { return approaches_; }

  signals:
    void finished();

  private:
    std::vector<TransitSatellite> satellites_;
    TransitSearchParameters parameters_;
    std::vector<TransitApproach> approaches_;
    std::atomic<int> done_{0};
    std::atomic<bool> stop_{false};
    QFutureWatcher<void> watcher_;
};
