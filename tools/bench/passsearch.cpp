// The pass search with the dialog's defaults (minimum altitude 10, Sun below -5,
// magnitude 6, shadow search, whole night) from Berlin (52.5 N, 13.4 E, CEST):
//   - one night (27.04.2026) for every satellite of active-2026-04.tle (14 869 sets),
//     also from Santiago de Chile (33.45 S, 70.65 W, UTC-4),
//   - ten nights from 27.04.2026 for the bright satellites of visual-2026-04.tle.
// Single-threaded; the element file is loaded and selected before the timing. The
// whole catalogue runs with each orbit model side by side (model 0 SGP4/SDP4, 1 SGP).
//
//   build/tools/bench_passsearch
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/pass_search.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "support/satellite_selection.h"

namespace {

namespace fs = std::filesystem;

// data/ of the checkout, or the raw element sets beside it when a file is missing.
fs::path ElementFile(const std::string& name) {
    const fs::path data = fs::path(POLARIDE_DATA_DIR) / name;
    if (fs::exists(data)) return data;
    return fs::path(POLARIDE_SOURCE_DIR).parent_path() / "shared" / "data-sources" / "tle" / name;
}

// Loads the file (magnitudes from SATMAG, flare marks from iridiums.tle of data/),
// selects every satellite and sets the place and the first evening.
bool Prepare(const std::string& name, OrbitModel model, bool santiago = false) {
    ResetObserverRecords();
    ResetSatelliteTable();
    Satellites().orbitModel = model;
    const fs::path file = ElementFile(name);
    if (!fs::exists(file)) return false;
    const fs::path previous = fs::current_path();
    fs::current_path(POLARIDE_DATA_DIR);
    LoadMagnitudeTable("SATMAG");
    const LoadResult load = LoadElementFile(file.string());
    fs::current_path(previous);
    if (!load.opened) return false;
    if (santiago)
        testsupport::PlaceObserver("Santiago", -70.65, -33.45, 570, -4);
    else
        testsupport::PlaceObserverInBerlin(40, 2);
    Shown().year = 2026;
    Shown().currentJD =
        JulianDay1900(2026, 4, 27) + (20.0 - Place().zoneOffsetHours) / 24.0;  // 20:00
    testsupport::SelectEverySatellite();
    return true;
}

// Longest stretch between two chances of the window to process input (the right-button
// abort is seen at the next one).
struct GapListener : PassSearchListener {
    using Clock = std::chrono::steady_clock;
    Clock::time_point last = Clock::now();
    double maxGapMs = 0.0;
    void processPendingEvents() override {
        const Clock::time_point now = Clock::now();
        maxGapMs =
            std::max(maxGapMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    }
};

void RunSearch(benchmark::State& state, const std::string& file, int nights,
               OrbitModel model = OrbitModel::Sgp4, bool santiago = false) {
    if (!Prepare(file, model, santiago)) {
        state.SkipWithError(("element file missing: " + file).c_str());
        return;
    }
    PassSearchParameters p;  // the dialog's defaults
    p.nights = nights;
    std::size_t passes = 0;
    double maxGapMs = 0.0;
    PassSearchResult result;
    for (auto _ : state) {
        GapListener listener;
        result = PassSearch(p, listener);
        passes = PassList().size();
        maxGapMs = std::max(maxGapMs, listener.maxGapMs);
    }
    state.counters["max_gap_ms"] = maxGapMs;
    state.counters["satellites"] = Satellites().selectedCount;
    state.counters["passes"] = static_cast<double>(passes);
    // What the work bounds spared: satellites out of reach, orbit-plane steps in shadow.
    state.counters["out_of_reach"] = result.satellitesOutOfReach;
    state.counters["shadow_step_share"] = result.planeSteps > 0
                                              ? static_cast<double>(result.planeStepsInShadow) /
                                                    static_cast<double>(result.planeSteps)
                                              : 0.0;
    state.counters["far_from_plane_step_share"] =
        result.planeSteps > 0 ? static_cast<double>(result.planeStepsOutOfReach) /
                                    static_cast<double>(result.planeSteps)
                              : 0.0;
}

void BM_PassSearchActiveOneNight(benchmark::State& state) {
    RunSearch(state, "active-2026-04.tle", 1,
              state.range(0) == 0 ? OrbitModel::Sgp4 : OrbitModel::Sgp);
}
BENCHMARK(BM_PassSearchActiveOneNight)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"model"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The same in the southern autumn (Santiago de Chile, 33.45 S), where the Sun gets
// deep enough below the horizon for the Earth's shadow to hide low satellites.
void BM_PassSearchActiveOneNightSantiago(benchmark::State& state) {
    RunSearch(state, "active-2026-04.tle", 1, OrbitModel::Sgp4, true);
}
BENCHMARK(BM_PassSearchActiveOneNightSantiago)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PassSearchVisualTenNights(benchmark::State& state) {
    RunSearch(state, "visual-2026-04.tle", 10);
}
BENCHMARK(BM_PassSearchVisualTenNights)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
