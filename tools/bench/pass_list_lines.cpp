// The finished list of a long search shown in the pass list window: 300 000 passes
// (about a whole-catalogue search of 30 nights) of 1 000 satellites, handed to the
// window as the pass dialog's listener does once the workers have ended, then the
// table shown and painted once.
//   - time: the window's part of the end of the search,
//   - counter "MB": the resident memory the shown list added (first iteration).
//
//   build/tools/bench_pass_list_lines
//   /usr/bin/time -v build/tools/bench_pass_list_lines   (peak memory)
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <cstdio>
#include <memory>
#include <string>

#include "core/observing_place.h"
#include "core/timescale.h"
#include "prediction/pass_list.h"
#include "qt_bench_main.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "ui/satellites/pass_list_window.h"

namespace {

constexpr int kSatellites = 1000;
constexpr int kPasses = 300000;

// Resident memory of the process in MB.
double ResidentMB() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * 4096.0 / 1e6;
}

// PassList() made of kPasses passes, one a minute from 27.04.2026 20:00 CEST, the
// satellites in turn.
void MakePassList() {
    ResetObserverRecords();
    testsupport::PlaceObserverInBerlin(40, 2);
    PassListState list;
    list.observer = Place();
    auto satellites = std::make_shared<PassSatellites>(kSatellites);
    for (int k = 0; k < kSatellites; ++k) {
        (*satellites)[static_cast<std::size_t>(k)].nameLine = "SATELLIT " + std::to_string(k);
        (*satellites)[static_cast<std::size_t>(k)].orbit.elements.catalogNumber = 40000 + k;
    }
    list.satellites = std::move(satellites);
    const JD1900 start = JulianDay1900(2026, 4, 27) + 18.0 / 24.0;
    list.passes.resize(kPasses);
    for (int i = 0; i < kPasses; ++i) {
        PassEntry& e = list.passes[static_cast<std::size_t>(i)];
        e.time = start + i / 1440.0;
        e.altitudeDeg = 10.0 + i % 80;
        e.azimuthDeg = i % 360;
        e.rangeKm = 400.0 + i % 2000;
        e.directionDeg = (i * 7) % 360;
        e.magnitude = 2.5;
        e.magnitudeKnown = true;
        e.sunAltitudeDeg = -12.0;
        e.satelliteNumber = i % kSatellites;
    }
    PassList() = std::move(list);
}

void BM_PassListShown(benchmark::State& state) {
    MakePassList();
    PassListWindow window;
    window.show();
    QApplication::processEvents();
    const double before = ResidentMB();
    double added = 0.0;
    for (auto _ : state) {
        window.clearList();
        window.passesFound(kPasses);  // the lines are made from PassList() when shown
        QApplication::processEvents();
        if (added == 0.0) added = ResidentMB() - before;
    }
    state.counters["passes"] = window.list()->model()->rowCount();
    state.counters["MB"] = added;
}
BENCHMARK(BM_PassListShown)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksInside<QApplication>(argc, argv); }
