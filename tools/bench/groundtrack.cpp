// The ground-track animation with the 150 bright satellites of "visual-2026-04.tle":
// one animation step (every satellite propagated, its track drawn in inverted
// exclusive-or, labels and map repainted, pending input processed), and how long a
// right-button abort takes to stop a running animation.
//
//   QT_QPA_PLATFORM=offscreen build/tools/bench_groundtrack
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <chrono>
#include <filesystem>
#include <memory>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/selection_model.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "ui/satellites/ground_track_window.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_groundtrack";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

std::unique_ptr<GroundTrackWindow> OpenWithBrightSatellites() {
    App();
    std::filesystem::current_path(POLARIDE_DATA_DIR);
    Place().longitudeDeg = 13.4;
    Place().setLatitude(52.5);
    Shown().currentJD = JulianDay1900(2026, 4, 27) + 20.0 / 24.0;
    LoadElementFile("visual-2026-04.tle");
    ClearSelectionLists();
    EnsureLeftList();
    for (int r = 1; r <= ElementFile().satelliteCount; ++r) AddToSelection(r);
    auto form = std::make_unique<GroundTrackWindow>();
    form->ClearInformationLabels();
    form->show();
    return form;
}

void BM_AnimationStep(benchmark::State& state) {
    auto form = OpenWithBrightSatellites();
    state.counters["satellites"] = Satellites().selectedCount;
    for (auto _ : state) {
        // A duration already reached: exactly one step.
        benchmark::DoNotOptimize(form->Animate(0.0));
    }
    state.counters["steps_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// Time from the right button (posted while the animation runs) to the end of Animate.
void BM_RightButtonAbort(benchmark::State& state) {
    auto form = OpenWithBrightSatellites();
    for (auto _ : state) {
        const QPointF at(5, 5);
        QCoreApplication::postEvent(
            form->mapView(),
            new QMouseEvent(QEvent::MouseButtonPress, at, form->mapView()->mapToGlobal(at),
                            Qt::RightButton, Qt::RightButton, Qt::NoModifier));
        const int steps = form->Animate(1.0e6);
        if (steps != 1) state.SkipWithError("the animation did not stop at the first step");
    }
}
BENCHMARK(BM_RightButtonAbort)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
