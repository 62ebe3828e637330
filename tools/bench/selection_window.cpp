// The satellite selection window with the whole catalogue (data/active-2026-04.tle,
// 14 869 sets; argument 0) and with it renumbered to 60 000 sets (argument 1, written
// to a temporary folder), through the window itself: "alle wählen" and "alle löschen"
// (count label, repaint and event processing every 40 ms, the list views refreshed at
// the end), the name filter, the arrows with every row marked,
// and the orbit-class list "geosync" filled and sorted for the whole selection. Runs
// offscreen unless a platform is set.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "chart/chart_view.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "qt_bench_main.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/many_element_sets.h"
#include "support/observer_records.h"
#include "ui/satellites/orbit_class_window.h"
#include "ui/satellites/satellite_selection_window.h"

namespace {

namespace fs = std::filesystem;

const std::string kCatalogue = std::string(POLARIDE_DATA_DIR) + "/active-2026-04.tle";

// The catalogue renumbered to 60 000 sets, made once.
const std::string& SixtyThousandSets() {
    static const std::string text = [] {
        if (LoadElementFile(kCatalogue).satelliteCount == 0) return std::string();
        std::vector<ElementSet> sets;
        for (int row = 1; row <= ElementFile().satelliteCount; ++row)
            sets.push_back(Satellites().Row(row));
        return testsupport::RenumberedElementSets(sets, 60000);
    }();
    return text;
}

// Loads the catalogue (file 0) or the 60 000 sets from a temporary folder (file 1).
LoadResult LoadFile(int file, const std::function<void(const std::string&)>& displayName,
                    const SatelliteUi& ui = {}) {
    if (file == 0) return LoadElementFile(kCatalogue, ui, displayName);
    const std::string& text = SixtyThousandSets();
    const fs::path folder =
        fs::temp_directory_path() / ("polaride-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path path = folder / "sixty-thousand.tle";
    std::ofstream(path, std::ios::binary) << text;
    const LoadResult result = LoadElementFile(path.string(), ui, displayName);
    std::error_code ec;
    fs::remove_all(folder, ec);
    return result;
}

// The window with the file of the argument loaded, as "Datei laden" fills it.
SatelliteSelectionWindow* LoadedWindow(int file) {
    static SatelliteSelectionWindow* window = nullptr;
    static int loaded = -1;
    if (loaded == file) return window;
    ResetObserverRecords();
    ResetChartView();
    ResetSatelliteTable();
    ResetSelectionState();
    if (!window) window = new SatelliteSelectionWindow;
    if (file == 1 && SixtyThousandSets().empty()) return nullptr;
    window->ClearSatelliteLists();
    const LoadResult result =
        LoadFile(file, [](const std::string& name) { window->AppendSatelliteName(name); });
    if (!result.opened) return nullptr;
    window->show();
    QCoreApplication::processEvents();
    loaded = file;
    return window;
}

void Count(benchmark::State& state) {
    state.counters["satellites"] = ElementFile().satelliteCount;
    state.counters["selected"] = Satellites().selectedCount;
}

void BM_SelectAllThenRemoveAll(benchmark::State& state) {
    SatelliteSelectionWindow* form = LoadedWindow(static_cast<int>(state.range(1)));
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
    Count(state);
    state.SetLabel(selecting ? "alle wählen" : "alle löschen");
}
BENCHMARK(BM_SelectAllThenRemoveAll)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"remove", "sixty"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// "Datei laden" as the window does it: the progress caption with the events let
// through every 100 sets, the names into the window's list of all satellites.
void BM_LoadIntoWindow(benchmark::State& state) {
    const int file = static_cast<int>(state.range(0));
    SatelliteSelectionWindow* form = LoadedWindow(file);
    if (!form) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    SatelliteUi ui;
    ui.setCaption = [form](const std::string& text) {
        form->setWindowTitle(QString::fromStdString(text));
        QCoreApplication::processEvents();
    };
    ui.clearSatelliteViews = [form] { form->ClearSatelliteLists(); };
    for (auto _ : state) {
        if (!LoadFile(
                 file, [form](const std::string& name) { form->AppendSatelliteName(name); }, ui)
                 .opened)
            state.SkipWithError("the element file did not load");
        form->RefreshLists();
        QCoreApplication::processEvents();
    }
    Count(state);
}
BENCHMARK(BM_LoadIntoWindow)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("sixty")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// "nach Namen auswählen" with a part of a name that some thousand satellites hold.
void BM_NameFilter(benchmark::State& state) {
    SatelliteSelectionWindow* form = LoadedWindow(static_cast<int>(state.range(0)));
    if (!form) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        form->RemoveAll();
        form->nameField()->setText(QStringLiteral("STARLINK"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        form->NameFilter();
        QCoreApplication::processEvents();
    }
    Count(state);
}
BENCHMARK(BM_NameFilter)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("sixty")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Every row of a list marked, then its arrow: to the selection and back.
void BM_MoveMarked(benchmark::State& state) {
    SatelliteSelectionWindow* form = LoadedWindow(static_cast<int>(state.range(1)));
    if (!form) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    const bool back = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        if (back) {
            form->SelectAll();
            form->selectedList()->selectAll();
        } else {
            form->RemoveAll();
            form->allList()->selectAll();
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (back)
            form->RemoveMarked();
        else
            form->AddMarked();
        QCoreApplication::processEvents();
    }
    Count(state);
    state.SetLabel(back ? "Pfeil nach links" : "Pfeil nach rechts");
}
BENCHMARK(BM_MoveMarked)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"back", "sixty"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The orbit-class list of the whole selection: filled (argument 0) or sorted by the
// node column (1).
void BM_OrbitClassList(benchmark::State& state) {
    SatelliteSelectionWindow* form = LoadedWindow(static_cast<int>(state.range(1)));
    if (!form) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    form->SelectAll();
    static OrbitClassWindow* list = new OrbitClassWindow;
    // A large selection's rows come from a worker: until they are in the grid.
    const auto fill = [] {
        list->FillOrbitClass(OrbitClass::Geosync);
        while (list->Computing()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    fill();
    for (auto _ : state) {
        if (state.range(0) == 0)
            fill();
        else
            list->SortByColumn(4);
        QCoreApplication::processEvents();
    }
    Count(state);
    state.SetLabel(state.range(0) == 0 ? "Liste füllen" : "nach Knoten sortieren");
}
BENCHMARK(BM_OrbitClassList)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"sort", "sixty"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksInside<QApplication>(argc, argv); }
