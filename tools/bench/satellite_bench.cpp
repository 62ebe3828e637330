// Satellite engine timings: loading a large element file, loading a generated file of
// 60 000 sets, the satellites at one instant with every loaded satellite selected, and
// single propagations.
//
// Element file: data/active-2026-04.tle, else ../shared/data-sources/tle/ beside the
// checkout. Run: build/tools/bench_satellite_bench
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "chart/satellite_plot.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "satellite/loaded_elements.h"
#include "satellite/magnitude_table.h"
#include "satellite/observation.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "satellite/sgp.h"
#include "support/many_element_sets.h"

namespace {

namespace fs = std::filesystem;

std::string CatalogueFile() {
    const fs::path data = fs::path(POLARIDE_DATA_DIR) / "active-2026-04.tle";
    if (fs::exists(data)) return data.string();
    const fs::path shared = fs::path(POLARIDE_SOURCE_DIR) / ".." / "shared" / "data-sources" /
                            "tle" / "active-2026-04.tle";
    if (fs::exists(shared)) return shared.string();
    return {};
}

// Loads the file with the shipped magnitude and flare lists (working directory data/).
bool LoadAll(const std::string& path) {
    std::error_code ec;
    fs::current_path(POLARIDE_DATA_DIR, ec);
    if (MagnitudeTable().count == 0) LoadMagnitudeTable("SATMAG");
    return LoadElementFile(path).opened;
}

void SelectAll() {
    SatelliteTable& t = Satellites();
    const int count = ElementFile().satelliteCount;
    t.selectedSets = t.allSets;
    t.selectedRows.clear();
    for (int row = 1; row <= count; ++row) t.selectedRows.push_back(std::to_string(row));
    t.selectedCount = count;
}

void PrepareChartInstant() {
    Place().longitudeDeg = 13.4;
    Place().setLatitude(52.5);
    Shown().currentJD = JulianDay1900(2026, 4, 20) + 20.5 / 24.0;
    Shown().year = 2026;
    Shown().siderealHours = LocalSiderealTime(Place().longitudeDeg, Shown().currentJD);
    SunPosition(Shown().currentJD + DeltaT(Shown().year) / 24.0);
    SunForChart(Place(), Shown());
}

void BM_LoadElementFile(benchmark::State& state) {
    const std::string path = CatalogueFile();
    if (path.empty()) {
        state.SkipWithError("active-2026-04.tle not found");
        return;
    }
    for (auto _ : state) {
        if (!LoadAll(path)) {
            state.SkipWithError("cannot open the element file");
            return;
        }
    }
    state.counters["sets"] = ElementFile().satelliteCount;
}
BENCHMARK(BM_LoadElementFile)->Unit(benchmark::kMillisecond);

// A file of 60 000 sets: the sets of the whole catalogue (active-2026-04.tle) in turn
// with catalogue numbers 1..60000, written to a temporary folder and loaded as "Datei
// laden" does (with the shipped magnitude list).
void BM_LoadSixtyThousandSets(benchmark::State& state) {
    const std::string catalogue = CatalogueFile();
    if (catalogue.empty() || !LoadAll(catalogue)) {
        state.SkipWithError("active-2026-04.tle not found");
        return;
    }
    std::vector<ElementSet> sets;
    for (int row = 1; row <= ElementFile().satelliteCount; ++row)
        sets.push_back(Satellites().Row(row));
    const fs::path folder =
        fs::temp_directory_path() / fs::path("polaride-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path path = folder / "sixty-thousand.tle";
    std::ofstream(path, std::ios::binary) << testsupport::RenumberedElementSets(sets, 60000);
    for (auto _ : state) {
        if (!LoadAll(path.string())) {
            state.SkipWithError("cannot open the generated file");
            break;
        }
    }
    state.counters["sets"] = ElementFile().satelliteCount;
    std::error_code ec;
    fs::remove_all(folder, ec);
}
BENCHMARK(BM_LoadSixtyThousandSets)->Unit(benchmark::kMillisecond);

void BM_ComputeSatellitesAllSelected(benchmark::State& state) {
    const std::string path = CatalogueFile();
    if (path.empty() || !LoadAll(path)) {
        state.SkipWithError("active-2026-04.tle not found");
        return;
    }
    SelectAll();
    PrepareChartInstant();
    ComputeSatellites();  // parses every set once
    int drawn = 0;
    for (auto _ : state) {
        ComputeSatellites();
    }
    for (int k = 1; k <= Satellites().selectedCount; ++k)
        drawn += Satellites().chartX[static_cast<std::size_t>(k)] != 0.0;
    state.counters["selected"] = Satellites().selectedCount;
    state.counters["drawn"] = drawn;
}
BENCHMARK(BM_ComputeSatellitesAllSelected)->Unit(benchmark::kMillisecond);

const std::string kLine1 = "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
const std::string kLine2 = "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";

// One propagation of a prepared orbit, by each model (0: SGP4/SDP4, 1: SGP).
void BM_Propagate(benchmark::State& state) {
    const OrbitModel model = state.range(0) == 0 ? OrbitModel::Sgp4 : OrbitModel::Sgp;
    const SatelliteOrbit orbit = PrepareOrbit(kLine1, kLine2, model);
    double t = orbit.elements.epoch;
    for (auto _ : state) {
        const OrbitState s = Propagate(orbit, t);
        t += 1.0 / 1440.0;
        benchmark::DoNotOptimize(s.positionKm.x);
    }
}
BENCHMARK(BM_Propagate)->Arg(0)->Arg(1)->ArgNames({"sgp"});

// A propagation and its observation, as the pass search does it.
void BM_ObserveSatellite(benchmark::State& state) {
    const SatelliteOrbit orbit = PrepareOrbit(kLine1, kLine2, OrbitModel::Sgp4);
    const ObserverPlace place = PlaceOf(13.4, 52.5, 34.0);
    double t = orbit.elements.epoch;
    for (auto _ : state) {
        const SatObservation seen = ObserveSatellite(orbit, SatelliteLook{}, t, place);
        t += 1.0 / 1440.0;
        benchmark::DoNotOptimize(seen.altitudeDeg);
    }
}
BENCHMARK(BM_ObserveSatellite);

}  // namespace

BENCHMARK_MAIN();
