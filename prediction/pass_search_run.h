// The pass search on worker threads: RunPassSearch works from a snapshot
// (pass_search_snapshot.h) and reads or writes no process-wide record, so a window can
// start it on a thread of its own, follow its progress, stop it and take its list.
//
// The satellites are shared out one at a time among the workers; each worker keeps
// the passes it finds, and the list put together from them is sorted by every value
// of its entries, so it is the same whatever the number of threads.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "prediction/night_window.h"
#include "prediction/pass_list.h"
#include "prediction/pass_search_snapshot.h"
#include "prediction/satellite_window_search.h"

enum class PassSearchOutcome {
    Finished,  // all nights searched
    Aborted,   // stopped on request; the passes found so far are listed
    Failed,    // a field was not a number (the list is not sorted), or every selected
               // satellite was left out (none could be searched: no list at all)
    Refused,   // a search was already running; nothing changed
};

// A selected satellite the search left out, and why.
struct SkippedSatellite {
    int fileLine = 0;    // line of the element file where the set begins (0: unknown)
    std::string name;    // name line as loaded
    std::string reason;  // German, e.g. "Elemente nicht lesbar"
};

struct PassSearchResult {
    PassSearchOutcome outcome = PassSearchOutcome::Finished;
    std::vector<SkippedSatellite> skipped;  // each satellite at most once
    int nightsSearched = 0;
    std::vector<NightWithoutDarkness> nightsWithoutDarkness;  // skipped, in order
    // What the work bounds spared: searchable sets whose orbit never comes high enough,
    // and the orbit-plane method's steps (of all) left out in the Earth's shadow or
    // with the observer too far from the orbital plane.
    int satellitesOutOfReach = 0;
    long long planeSteps = 0, planeStepsInShadow = 0, planeStepsLeftOut = 0;
};

// How a running search is driven from another thread.
class PassSearchControl {
  public:
    // threads: the number of workers; 0 = one per core.
    explicit PassSearchControl(int threads = 0) : threads_(threads) {}
    int Threads() const { return threads_; }
    // The workers in use for a search of `satellites` satellites (at least one).
    int WorkersFor(std::size_t satellites) const;

    // Asks the search to stop; it stops within a few propagations, also in the middle
    // of a satellite, and keeps what it found.
    void RequestAbort() { abort_.store(true, std::memory_order_relaxed); }
    bool AbortRequested() const { return abort_.load(std::memory_order_relaxed); }

    // Work units (satellites × nights) done and in all; safe to read while it runs.
    long long UnitsDone() const { return done_.load(std::memory_order_relaxed); }
    long long UnitsTotal() const { return total_.load(std::memory_order_relaxed); }
    // Percent done, 0..100.
    int Percent() const;

    // For the search itself.
    void Start(long long totalUnits);
    void AddDone(long long units) { done_.fetch_add(units, std::memory_order_relaxed); }
    const std::atomic<bool>& AbortFlag() const { return abort_; }

  private:
    int threads_ = 0;
    std::atomic<bool> abort_{false};
    std::atomic<long long> done_{0}, total_{0};
};

struct PassSearchFinding {
    PassSearchResult result;
    PassListState list;  // sorted by time; empty when the search failed
};

// The search of the snapshot: its nights, its satellites. Touches no shared record.
PassSearchFinding RunPassSearch(const PassSearchSnapshot& snapshot, PassSearchControl& control);
