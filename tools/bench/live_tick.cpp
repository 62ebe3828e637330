// One tick of the live chart: the instant one second on, then the whole main chart drawn
// for it as the tick draws it (satellites recomputed, no progress captions), with the
// 148 bright satellites of visual-2026-04.tle selected, into a canvas fitted to a
// maximised window of 1600 x 1000 (pixel ratio 1), and the same at the design size.
// The chart runs live at one tick a second, so the time per tick in milliseconds divided
// by 10 is the share of one core in percent.
//
//   build/tools/bench_live_tick
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <string>

#include "chart/canvas.h"
#include "chart/canvas_fit.h"
#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "core/displayed_instant.h"
#include "qt_bench_main.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "support/satellite_selection.h"
#include "support/winter_evening.h"

namespace {

bool PrepareLiveEvening() {
    std::filesystem::current_path(POLARIDE_DATA_DIR);
    testsupport::SetDefaultObserverOnWinterEvening();
    ResetSatelliteTable();
    LoadMagnitudeTable("SATMAG");
    if (!LoadElementFile("visual-2026-04.tle").opened) return false;
    testsupport::SelectEverySatellite();
    ChartView().followsClock = true;
    return true;
}

void LiveTicks(benchmark::State& state, Canvas& canvas) {
    if (!PrepareLiveEvening()) {
        state.SkipWithError("visual-2026-04.tle not loaded");
        return;
    }
    std::string error;
    for (auto _ : state) {
        Shown().currentJD += 1.0 / 86400.0;
        Shown().timeChanged = true;
        if (!DrawSkyChart(canvas, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(canvas.PixelRgb(397, 220));
    }
    state.counters["satellites"] = Satellites().selectedCount;
    ChartView().followsClock = false;
}

void BM_LiveTickMaximised(benchmark::State& state) {
    Canvas canvas(640, 442, Qt::black);
    FitCanvas(canvas, QSize(640, 442), QSize(1600, 1000), 1.0);
    LiveTicks(state, canvas);
}
BENCHMARK(BM_LiveTickMaximised)->Unit(benchmark::kMillisecond);

void BM_LiveTickDesignSize(benchmark::State& state) {
    Canvas canvas(640, 442, Qt::black);
    LiveTicks(state, canvas);
}
BENCHMARK(BM_LiveTickDesignSize)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksInside<QGuiApplication>(argc, argv); }
