// The pass search of the window against the engine alone, for every satellite of
// data/active-2026-04.tle (14 869 sets) over two nights from 27.04.2026, Berlin, with
// the dialog's defaults (minimum altitude 10, Sun below -5, magnitude 6, shadow search):
//   - BM_PassSearchEngine: PassSearch with a listener that shows nothing (the work of
//     `polaride-cli passes --all --nights 2`),
//   - BM_PassSearchWindow: "OK" of the pass dialog, the search shown in the pass list
//     window (captions, list, pending input), offscreen unless a platform is set;
//   - BM_InputDelayWhileSearching: the same over 30 nights, while a thread posts an
//     event to the window's thread every 20 ms as input arrives: how long each waits
//     until it is handled (counters in milliseconds).
//
//   build/tools/bench_pass_search_window
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "prediction/pass_search.h"
#include "qt_bench_main.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "support/satellite_selection.h"
#include "ui/common/dialogs.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_window.h"

namespace {

namespace fs = std::filesystem;

constexpr int kNights = 2;

// Message boxes (the satellites the search skipped) answered at once.
class SilentDialogs : public Dialogs {
  public:
    void Message(const QString&, const QString&, QWidget*) override {}
    InputAnswer Input(const QString&, const QString&, const QString& proposed, QWidget*) override {
        return {false, proposed};
    }
    bool Confirm(const QString&, const QString&, QWidget*) override { return false; }
    FileDialogAnswer OpenFile(const FileDialogRequest&, QWidget*) override { return {}; }
    FileDialogAnswer SaveFile(const FileDialogRequest&, QWidget*) override { return {}; }
    std::unique_ptr<QPrinter> Print(const QString&, QWidget*) override { return nullptr; }
};

// Loads the file with the magnitudes of data/, selects every satellite and sets the
// place and the first evening (20:00 CEST).
bool Prepare() {
    static bool loaded = [] {
        ResetObserverRecords();
        ResetSatelliteTable();
        const fs::path data(POLARIDE_DATA_DIR);
        if (!fs::exists(data / "active-2026-04.tle")) return false;
        const fs::path previous = fs::current_path();
        fs::current_path(data);
        LoadMagnitudeTable("SATMAG");
        const LoadResult load = LoadElementFile("active-2026-04.tle");
        fs::current_path(previous);
        if (!load.opened) return false;
        testsupport::PlaceObserverInBerlin(40, 2);
        testsupport::SetObserverLocalTime(2026, 4, 27, 20.0);
        testsupport::SelectEverySatellite();
        return true;
    }();
    return loaded;
}

void BM_PassSearchEngine(benchmark::State& state) {
    if (!Prepare()) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    PassSearchParameters p;
    p.nights = kNights;
    for (auto _ : state) {
        PassSearchListener silent;
        PassSearch(p, silent);
    }
    state.counters["satellites"] = Satellites().selectedCount;
    state.counters["passes"] = static_cast<double>(PassList().size());
}
BENCHMARK(BM_PassSearchEngine)->Unit(benchmark::kMillisecond)->Iterations(3);

// The pass dialog and the pass list window of the program, set to search `nights`
// nights, with message boxes answered at once.
struct SearchWindows {
    explicit SearchWindows(int nights) {
        InstallDialogs(&dialogs);
        AppWindows().passListWindow = &list;
        AppWindows().passDialog = &dialog;
        dialog.daysField()->setText(QString::number(nights));
        dialog.show();
        QCoreApplication::processEvents();
    }
    ~SearchWindows() {
        AppWindows().passListWindow = nullptr;
        AppWindows().passDialog = nullptr;
        InstallDialogs(nullptr);
    }
    // "OK": until the workers have ended and the list is made.
    PassSearchOutcome Search() {
        QEventLoop loop;
        QObject::connect(dialog.searchTask(), &PassSearchTask::ended, &loop, &QEventLoop::quit);
        if (dialog.RunSearch() == PassSearchTask::Start::Started) loop.exec();
        return dialog.searchTask()->lastOutcome().value_or(PassSearchOutcome::Failed);
    }
    SilentDialogs dialogs;
    PassListWindow list;
    PassDialog dialog;
};

void BM_PassSearchWindow(benchmark::State& state) {
    if (!Prepare()) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    SearchWindows windows(kNights);
    PassSearchOutcome outcome = PassSearchOutcome::Finished;
    for (auto _ : state) {
        outcome = windows.Search();
        QCoreApplication::processEvents();  // the list paints its lines
    }
    state.counters["satellites"] = Satellites().selectedCount;
    state.counters["passes"] = windows.list.list()->model()->rowCount();
    if (outcome != PassSearchOutcome::Finished) state.SkipWithError("search did not finish");
}
BENCHMARK(BM_PassSearchWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

// Events stamped when posted; the delays until the window's thread handles them.
class DelayProbe : public QObject {
  public:
    using Clock = std::chrono::steady_clock;
    struct Stamped : QEvent {
        Stamped() : QEvent(QEvent::User), posted(Clock::now()) {}
        Clock::time_point posted;
    };
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        const auto waited = Clock::now() - static_cast<Stamped*>(e)->posted;
        delaysMs.push_back(std::chrono::duration<double, std::milli>(waited).count());
        return true;
    }
    std::vector<double> delaysMs;
};

void BM_InputDelayWhileSearching(benchmark::State& state) {
    if (!Prepare()) {
        state.SkipWithError("data/active-2026-04.tle missing");
        return;
    }
    SearchWindows windows(30);
    DelayProbe probe;
    for (auto _ : state) {
        std::atomic<bool> searching{true};
        std::jthread input([&] {
            while (searching.load()) {
                QCoreApplication::postEvent(&probe, new DelayProbe::Stamped);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        windows.Search();
        searching = false;
        input.join();
        QCoreApplication::processEvents();
    }
    std::vector<double> delays = probe.delaysMs;
    std::sort(delays.begin(), delays.end());
    if (!delays.empty()) {
        state.counters["events"] = static_cast<double>(delays.size());
        state.counters["median_ms"] = delays[delays.size() / 2];
        state.counters["p99_ms"] = delays[delays.size() * 99 / 100];
        state.counters["max_ms"] = delays.back();
    }
}
BENCHMARK(BM_InputDelayWhileSearching)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksInside<QApplication>(argc, argv); }
