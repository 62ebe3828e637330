// "alle wählen" and "alle löschen" of the satellite selection window with the
// 14 869-satellite element file (data/active-2026-04.tle), through the window itself:
// per-satellite count label, repaint and event processing every 100 satellites, and
// the list views refreshed at the end. Runs offscreen unless a platform is set.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "chart/chart_view.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "qt_bench_main.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"
#include "ui/satellites/satellite_selection_window.h"

namespace {

SatelliteSelectionWindow* LoadedWindow() {
    static SatelliteSelectionWindow* form = [] {
        ResetObserverRecords();
        ResetChartView();
        ResetSatelliteTable();
        ResetSelectionState();
        auto* window = new SatelliteSelectionWindow;
        window->ClearSatelliteLists();
        const std::string path = std::string(POLARIDE_DATA_DIR) + "/active-2026-04.tle";
        const LoadResult result = LoadElementFile(
            path, {}, [window](const std::string& name) { window->AppendSatelliteName(name); });
        if (!result.opened) return static_cast<SatelliteSelectionWindow*>(nullptr);
        ElementFile().elementFilePath = path;
        window->show();
        QCoreApplication::processEvents();
        return window;
    }();
    return form;
}

void BM_SelectAllThenRemoveAll(benchmark::State& state) {
    SatelliteSelectionWindow* form = LoadedWindow();
    if (!form) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    const bool selecting = state.range(0) == 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (selecting)
            form->RemoveAll();
        else
            form->SelectAll();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (selecting)
            form->SelectAll();
        else
            form->RemoveAll();
        QCoreApplication::processEvents();  // the views repaint with the new lists
    }
    state.counters["satellites"] = ElementFile().satelliteCount;
    state.SetLabel(selecting ? "alle wählen" : "alle löschen");
}
BENCHMARK(BM_SelectAllThenRemoveAll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksInside<QApplication>(argc, argv); }
