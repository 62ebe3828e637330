// The main chart: one full DrawSkyChart with the shipped data files (every file read
// again, every layer drawn, names and lines on) into an offscreen canvas of the
// design size, the same scaled to fill a maximised window of 1600 x 1000 (at pixel
// ratio 1 and 2), and the computing half alone (UpdateEphemeris); the zoom chart at
// factor 2 from the plot tables of that chart, and the Sun and Moon update that each
// zoom drawing begins with (UpdateSunAndShades).
//
//   build/tools/bench_chart_draw
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <string>

#include "catalog/settings_file.h"
#include "chart/canvas.h"
#include "chart/canvas_fit.h"
#include "chart/chart_hooks.h"
#include "chart/chart_view.h"
#include "chart/ephemeris_update.h"
#include "chart/sky_chart.h"
#include "chart/zoom_chart.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "qt_bench_main.h"
#include "support/winter_evening.h"

namespace {

void PrepareWinterEvening() {
    std::filesystem::current_path(POLARIDE_DATA_DIR);
    testsupport::SetDefaultObserverOnWinterEvening();
    ViewOptions().showAltitudeLines = true;
    ViewOptions().showZodiac = true;
}

void BM_DrawSkyChart(benchmark::State& state) {
    PrepareWinterEvening();
    Canvas canvas(640, 442, Qt::black);
    std::string error;
    for (auto _ : state) {
        Shown().timeChanged = true;
        if (!DrawSkyChart(canvas, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(canvas.PixelRgb(397, 220));
    }
}
BENCHMARK(BM_DrawSkyChart)->Unit(benchmark::kMillisecond);

void BM_DrawSkyChartScaled(benchmark::State& state) {
    PrepareWinterEvening();
    Canvas canvas(640, 442, Qt::black);
    FitCanvas(canvas, QSize(640, 442), QSize(1600, 1000), static_cast<double>(state.range(0)));
    std::string error;
    for (auto _ : state) {
        Shown().timeChanged = true;
        if (!DrawSkyChart(canvas, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(canvas.PixelRgb(397, 220));
    }
}
BENCHMARK(BM_DrawSkyChartScaled)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_UpdateEphemeris(benchmark::State& state) {
    PrepareWinterEvening();
    for (auto _ : state) {
        UpdateEphemeris(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                        Shown().currentJD);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateEphemeris)->Unit(benchmark::kMillisecond);

void BM_DrawZoomChart(benchmark::State& state) {
    PrepareWinterEvening();
    Canvas sky(640, 442, Qt::black);
    std::string error;
    if (!DrawSkyChart(sky, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    ChartView().zoomFactor = 2;
    const QPoint centre = ZoomViewCentre();
    ChartZoomOffsets() = ZoomOffsets{centre.x(), centre.y()};
    Canvas zoom(640, 400, Qt::black);
    for (auto _ : state) {
        if (!DrawZoomChart(zoom, 0, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(zoom.PixelRgb(centre.x(), centre.y()));
    }
}
BENCHMARK(BM_DrawZoomChart)->Unit(benchmark::kMillisecond);

void BM_UpdateSunAndShades(benchmark::State& state) {
    PrepareWinterEvening();
    for (auto _ : state) {
        UpdateSunAndShades(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                           Shown().currentJD);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateSunAndShades)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksInside<QGuiApplication>(argc, argv); }
