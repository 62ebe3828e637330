#include "prediction/pass_search.h"

#include <atomic>
#include <chrono>
#include <future>
#include <optional>
#include <utility>

#include "core/displayed_instant.h"
#include "core/non_copyable.h"
#include "core/observing_place.h"
#include "prediction/night_window.h"
#include "prediction/pass_search_snapshot.h"
#include "satellite/loaded_elements.h"

namespace {

bool g_searchActive = false;
// The control of the search PassSearch runs, for RequestPassSearchAbort.
std::atomic<PassSearchControl*> g_running{nullptr};

// How often the waiting thread lets input through and shows the progress.
constexpr auto kPulse = std::chrono::milliseconds(40);

// Marks the search as running for its lifetime.
class ActiveGuard : NonCopyable {
  public:
    ActiveGuard() { g_searchActive = true; }
    ~ActiveGuard() { g_searchActive = false; }
};

void Report(PassSearchListener& listener, PassSearchProgress::Stage stage, int percent = 0,
            int passCount = 0) {
    listener.progress({stage, percent, passCount});
}

int Percent(std::size_t part, std::size_t whole) {
    return whole > 0
               ? static_cast<int>(100.0 * static_cast<double>(part) / static_cast<double>(whole))
               : 0;
}

// The heading, then "Zeile 12: NAME: reason" for each satellite.
std::string SkippedLines(std::string text, const std::vector<SkippedSatellite>& skipped) {
    for (const SkippedSatellite& s : skipped) {
        text += "\n";
        if (s.fileLine > 0) text += "Zeile " + std::to_string(s.fileLine) + ": ";
        text += s.name + ": " + s.reason;
    }
    return text;
}

}  // namespace

bool PassSearchActive() { return g_searchActive; }
void RequestPassSearchAbort() {
    if (PassSearchControl* control = g_running.load()) control->RequestAbort();
}
void SetRunningPassSearch(PassSearchControl* control) {
    g_searchActive = control != nullptr;
    g_running = control;
}

std::string SkippedSatellitesText(const std::vector<SkippedSatellite>& skipped) {
    if (skipped.empty()) return {};
    return SkippedLines(std::to_string(skipped.size()) +
                            (skipped.size() == 1 ? " Satellit wurde" : " Satelliten wurden") +
                            " nicht berechnet:",
                        skipped);
}

std::string NoSatelliteSearchedText(const std::vector<SkippedSatellite>& skipped) {
    return SkippedLines(skipped.size() == 1
                            ? std::string("Der ausgewählte Satellit ließ sich nicht berechnen:")
                            : "Keiner der " + std::to_string(skipped.size()) +
                                  " ausgewählten Satelliten ließ sich berechnen:",
                        skipped);
}

std::optional<PassSearchSnapshot> BeginPassSearch(const PassSearchParameters& parameters,
                                                  PassSearchListener& listener) {
    listener.searchStarted();
    Report(listener, PassSearchProgress::Stage::Started);
    listener.setStatusHeading(std::string(kSearchHeading));
    PassList() = PassListState{};
    listener.clearList();
    PassSearchParameters p = parameters;
    if ((p.durationMode || p.nights > 0) &&
        !listener.readNightLimits(p.maxSunAltitudeDeg, p.limitingMagnitude))
        return std::nullopt;
    return TakePassSearchSnapshot(p);
}

PassSearchResult FinishPassSearch(const PassSearchSnapshot& snapshot, PassSearchFinding finding,
                                  PassSearchListener& listener) {
    PassSearchResult& result = finding.result;
    if (result.outcome == PassSearchOutcome::Aborted) listener.setStatusHeading("");
    if (snapshot.lastWindowKnown) SetPassWindow(snapshot.lastWindow);

    Report(listener, PassSearchProgress::Stage::Sorting);
    PassListState& list = PassList();
    list = std::move(finding.list);
    const std::size_t count = list.size();
    Report(listener, PassSearchProgress::Stage::Ordering);
    listener.clearList();
    if (listener.listsLines()) {
        for (std::size_t j = 0; j < count; ++j) {
            listener.appendListLine(list.Line(j));
            if (j % 20 == 0)
                Report(listener, PassSearchProgress::Stage::Listing, Percent(j, count));
            if (j == 100) listener.repaintList();
        }
    }
    Report(listener, PassSearchProgress::Stage::Done, 0, static_cast<int>(count));
    if (!result.nightsWithoutDarkness.empty())
        listener.nightsWithoutDarkness(
            NightsWithoutDarknessText(result.nightsWithoutDarkness, snapshot.observer));
    const bool noneSearched = result.outcome == PassSearchOutcome::Failed;
    if (count == 0) Tracking().trackedSatellite = -1;
    if (noneSearched) {
        listener.searchFailed(NoSatelliteSearchedText(result.skipped));
    } else if (count == 0) {
        listener.noPasses();
    } else {
        listener.passesFound(static_cast<int>(count));
    }
    listener.setStatusHeading(std::string(kDisplayHeading));
    if (!noneSearched && !result.skipped.empty())
        listener.satellitesSkipped(SkippedSatellitesText(result.skipped));
    return result;
}

PassSearchResult PassSearch(const PassSearchParameters& parameters, PassSearchListener& listener) {
    if (g_searchActive) {
        PassSearchResult refused;
        refused.outcome = PassSearchOutcome::Refused;
        return refused;
    }
    ActiveGuard active;
    const std::optional<PassSearchSnapshot> snapshot = BeginPassSearch(parameters, listener);
    if (!snapshot) {
        PassSearchResult failed;
        failed.outcome = PassSearchOutcome::Failed;
        return failed;
    }
    PassSearchControl control(snapshot->parameters.threads);
    g_running = &control;
    auto running = std::async(std::launch::async,
                              [&snapshot, &control] { return RunPassSearch(*snapshot, control); });
    do {
        Report(listener, PassSearchProgress::Stage::Computing, control.Percent());
        listener.processPendingEvents();
    } while (running.wait_for(kPulse) != std::future_status::ready);
    PassSearchFinding finding = running.get();
    g_running = nullptr;
    return FinishPassSearch(*snapshot, std::move(finding), listener);
}
