// The pass search on worker threads: the same list for any number of threads, an
// abort that keeps what was found, and no shared record read or written while it runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/night_window.h"
#include "prediction/pass_search.h"
#include "prediction/pass_search_run.h"
#include "prediction/pass_search_snapshot.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/observer_place.h"
#include "support/pass_search_records.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"

namespace {

static_assert(sizeof(PassEntry) <= 150);

class ParallelSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetPassSearchRecords();
        testsupport::PlaceObserverInBerlin(40, 2);
        Shown().year = 2026;
        Shown().currentJD = JulianDay1900(2026, 4, 27) + 10.0 / 24.0;
        testsupport::LoadTextAndSelectEverySatellite(
            testsupport::ReadTextFile(testsupport::DataPath("visual-2026-04.tle")));
    }
    void TearDown() override { ResetPassSearchRecords(); }
    static PassSearchParameters Nights(int nights) {
        PassSearchParameters p;
        p.nights = nights;
        return p;
    }
    static PassSearchFinding Run(const PassSearchSnapshot& snapshot, int threads) {
        PassSearchControl control(threads);
        return RunPassSearch(snapshot, control);
    }
};

TEST_F(ParallelSearchTest, ListIsTheSameForAnyNumberOfThreads) {
    const PassSearchSnapshot snapshot = TakePassSearchSnapshot(Nights(2));
    const std::vector<std::string> one = Run(snapshot, 1).list.Lines();
    ASSERT_FALSE(one.empty());
    for (const int threads : {2, 8}) EXPECT_EQ(Run(snapshot, threads).list.Lines(), one) << threads;
}

// Written block by block on every core, the lines come in the list's order.
TEST_F(ParallelSearchTest, WrittenLinesAreTheListsInOrder) {
    const PassListState list = Run(TakePassSearchSnapshot(Nights(2)), 1).list;
    ASSERT_GT(list.size(), 20u);
    for (const std::size_t block : {7u, 16384u}) {
        std::vector<std::string> written;
        list.WriteLines([&](const std::string& line) { written.push_back(line); }, block);
        EXPECT_EQ(written, list.Lines()) << block;
    }
}

TEST_F(ParallelSearchTest, AbortKeepsWhatWasFoundInTimeOrder) {
    const PassSearchSnapshot snapshot = TakePassSearchSnapshot(Nights(10));
    const std::vector<std::string> whole = Run(snapshot, 2).list.Lines();
    // On a busy machine the search may end before the abort reaches it: then again.
    PassSearchFinding aborted;
    for (int attempt = 0; attempt < 5; ++attempt) {
        PassSearchControl control(2);
        auto running =
            std::async(std::launch::async, [&] { return RunPassSearch(snapshot, control); });
        while (control.UnitsTotal() == 0 || control.UnitsDone() * 2 < control.UnitsTotal())
            std::this_thread::yield();
        control.RequestAbort();
        aborted = running.get();
        if (aborted.result.outcome != PassSearchOutcome::Finished) break;
    }
    EXPECT_EQ(aborted.result.outcome, PassSearchOutcome::Aborted);
    ASSERT_FALSE(aborted.list.empty());
    EXPECT_LT(aborted.list.size(), whole.size());
    const std::vector<JD1900> times = PassInstants(aborted.list);
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    for (const std::string& line : aborted.list.Lines())
        EXPECT_NE(std::find(whole.begin(), whole.end(), line), whole.end()) << line;
}

// The test thread keeps changing the shared records while the search runs: a search
// that read one of them after its start would find another list.
TEST_F(ParallelSearchTest, SharedRecordsChangingDuringTheSearchChangeNothing) {
    const PassSearchSnapshot snapshot = TakePassSearchSnapshot(Nights(3));
    const std::vector<std::string> undisturbed = Run(snapshot, 2).list.Lines();
    std::atomic<bool> done{false};
    auto running = std::async(std::launch::async, [&] {
        PassSearchFinding finding = Run(snapshot, 2);
        done = true;
        return finding;
    });
    for (int i = 0; !done; ++i) {
        Place().setLatitude(i % 2 ? -33.9 : 70.0);
        Place().longitudeDeg = i % 2 ? 151.2 : -20.0;
        Shown().currentJD += 0.5;
        PassWindow().windowStart = PassWindow().windowEnd = 0.0;
        ResetSatelliteTable();
        ElementFile().satelliteCount = 0;
    }
    EXPECT_EQ(running.get().list.Lines(), undisturbed);
}

TEST_F(ParallelSearchTest, SearchWritesNoSharedRecord) {
    Tracking().trackedSatellite = 3;
    const ObservingPlace place = Place();
    const JD1900 shownInstant = Shown().currentJD;
    const int tracked = Tracking().trackedSatellite;
    const PassWindowState window = PassWindow();
    const int selected = Satellites().selectedCount;
    const PassSearchFinding finding = Run(TakePassSearchSnapshot(Nights(1)), 2);
    ASSERT_FALSE(finding.list.empty());
    EXPECT_TRUE(PassList().empty());
    EXPECT_EQ(PassWindow().windowStart, window.windowStart);
    EXPECT_EQ(PassWindow().windowEnd, window.windowEnd);
    EXPECT_EQ(Shown().currentJD, shownInstant);
    EXPECT_EQ(Tracking().trackedSatellite, tracked);
    EXPECT_EQ(Place().latitudeDeg, place.latitudeDeg);
    EXPECT_EQ(Place().zoneRule, place.zoneRule);
    EXPECT_EQ(Satellites().selectedCount, selected);
}

}  // namespace
