// The selection operations on a real element file: name filter, range filters with
// their bounds, orbit classes, the invariant of the lists, and the printed table.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/displayed_instant.h"
#include "prediction/selection_model.h"
#include "prediction/selection_print.h"
#include "prediction/selection_rules.h"
#include "prediction/selection_state.h"
#include "satellite/column_number.h"
#include "satellite/loaded_elements.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "satellite/sgp.h"
#include "support/many_element_sets.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

using testsupport::FixturePath;

// Perigee and apogee from line 2, computed here from the published relations
// (Kepler's third law with ke = 0.0743669161 ER^1.5/min, Earth radius 6378.135 km).
struct Heights {
    double perigee, apogee, inclination;
};
Heights HeightsOf(const std::string& line2) {
    const double n = std::stod(line2.substr(52, 11));
    const double e = std::stod("0." + line2.substr(26, 7));
    const double i = std::stod(line2.substr(8, 8));
    const double minutesPerRad = 1440.0 / (2.0 * 3.141592653589793 * n);
    const double aKm = std::cbrt(std::pow(0.0743669161 * minutesPerRad, 2.0)) * 6378.135;
    return {aKm * (1 - e) - 6378.135, aKm * (1 + e) - 6378.135, i};
}

std::string ExactText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class SelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetSatelliteTable();
        ResetSelectionState();
        Load("selection/mixed-2018.tle");
    }

    void Load(const std::string& fixture) {
        testsupport::ScopedWorkingDir here(work_.path());  // no "iridiums.tle" here
        ClearSelectionLists();
        const LoadResult result =
            LoadElementFile(FixturePath(fixture).string(), {},
                            [](const std::string& name) { AppendLeftListName(name); });
        ASSERT_TRUE(result.opened) << result.errorText;
        rows_ = result.satelliteCount;
    }

    std::string NameOfRow(int row) const { return Satellites().allSets[3 * (row - 1)]; }
    std::string Line2OfRow(int row) const { return Satellites().allSets[3 * (row - 1) + 2]; }

    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (int k = 0; k < Satellites().selectedCount; ++k)
            rows.push_back(Satellites().SelectedRow(k));
        return rows;
    }

    // Rows (ascending) for which a predicate on the row holds.
    template <typename Predicate>
    std::vector<int> RowsWhere(Predicate predicate) const {
        std::vector<int> rows;
        for (int row = 1; row <= rows_; ++row)
            if (predicate(row)) rows.push_back(row);
        return rows;
    }

    // The lists agree with each other, checked here entry by entry.
    void ExpectListsAgree() const {
        const SatelliteTable& table = Satellites();
        ASSERT_EQ(static_cast<int>(table.selectedRows.size()), table.selectedCount);
        ASSERT_EQ(static_cast<int>(table.selectedSets.size()), 3 * table.selectedCount);
        ASSERT_EQ(static_cast<int>(Selection().rightList.size()), table.selectedCount);
        int flags = 0;
        for (int row = 1; row <= rows_; ++row) flags += table.rowSelected[row];
        EXPECT_EQ(flags, table.selectedCount);
        for (int k = 0; k < table.selectedCount; ++k) {
            const int row = table.SelectedRow(k);
            const ElementSet set = table.Row(row);
            EXPECT_EQ(table.selectedSets[3 * k], set.nameLine);
            EXPECT_EQ(table.selectedSets[3 * k + 1], set.line1);
            EXPECT_EQ(table.selectedSets[3 * k + 2], set.line2);
            EXPECT_EQ(Selection().rightList[k], DisplayName(set));
            EXPECT_EQ(table.rowSelected[row], 1);
        }
        EXPECT_TRUE(SelectionInvariantHolds());
    }

    testsupport::TempDir work_;
    int rows_ = 0;
};

TEST_F(SelectionTest, FixtureLoadsAllSetsAndTheLeftList) {
    EXPECT_EQ(rows_, 80);
    EXPECT_EQ(Selection().leftList.size(), 80u);
    EXPECT_EQ(Selection().leftList[0], "ATLAS CENTAUR 2 ");
    EXPECT_EQ(Satellites().selectedCount, 0);
}

TEST_F(SelectionTest, NameFilterSelectsPrefixInAnyCaseAndReapplyingRemovesNothing) {
    const auto iridiums =
        RowsWhere([&](int row) { return NameOfRow(row).rfind("IRIDIUM", 0) == 0; });
    ASSERT_EQ(iridiums.size(), 12u);
    for (const char* prefix : {"Iridium", "iRiDiUm", "IRIDIUM"}) {
        RemoveAllRows();
        ApplyNameFilter(prefix);
        EXPECT_EQ(SelectedRows(), iridiums) << prefix;
        ApplyNameFilter(prefix);
        EXPECT_EQ(SelectedRows(), iridiums) << prefix << " applied again";
        ExpectListsAgree();
    }
}

TEST_F(SelectionTest, NameFilterOnASelectionNarrowsAndKeepsShorterNames) {
    // Names shorter than the prefix stay selected; longer ones must begin with it.
    const std::vector<std::pair<std::string, PrefixMatch>> cases = {
        {"IRIDIUM 7 [+]", PrefixMatch::Begins}, {"iridium", PrefixMatch::Begins},
        {"IRID", PrefixMatch::TooShort},        {"", PrefixMatch::TooShort},
        {"SL-3 R/B  ", PrefixMatch::Differs},   {"IRIDIUX 5", PrefixMatch::Differs}};
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(MatchNamePrefix(name, "Iridium"), expected) << name;

    SelectAllRows();
    ApplyNameFilter("MOLNIYA 1-");
    const auto expected =
        RowsWhere([&](int row) { return NameOfRow(row).rfind("MOLNIYA 1-", 0) == 0; });
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(SelectedRows(), expected);
    ExpectListsAgree();

    // A prefix longer than every name line (24 characters) removes nothing.
    const int before = Satellites().selectedCount;
    ApplyNameFilter("MOLNIYA 1-XXXXXXXXXXXXXXXXXXXXXXXXXXXX");
    EXPECT_EQ(Satellites().selectedCount, before);
}

TEST_F(SelectionTest, NameSearchFindsAnyPartOfTheNameFieldOrTheNumber) {
    const struct {
        const char* nameLine;
        std::optional<double> number;
        const char* text;
        bool found;
    } cases[] = {
        {"ISS (ZARYA)             ", 25544, "zarya", true},
        {"ISS (ZARYA)             ", 25544, " 25544 ", true},
        {"ISS (ZARYA)             ", 25544, "2554", false},          // numbers are whole
        {"NOAA 19                 ", 33591, "19", true},             // digits in the name
        {"\xC9TOILE", std::nullopt, "\xE9toile", true},              // Latin-1 letters
        {"ATLAS CENTAUR 2                 3.5", 694, "3.5", false},  // beyond the name
        {"OAO 2", 3597, "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesNameSearch(c.nameLine, c.number, c.text), c.found) << c.text;

    // On a selection the search narrows to the matching entries.
    SelectAllRows();
    ApplyNameSearch("r/b");
    EXPECT_EQ(SelectedRows(), RowsWhere([&](int row) {
                  return NameOfRow(row).substr(0, 24).find("R/B") != std::string::npos;
              }));
    ExpectListsAgree();
}

TEST_F(SelectionTest, PerigeeFilterIsStrictOnEmptyAndInclusiveOnNonEmptySelection) {
    // max 500 on an empty selection: perigee strictly between 0 and 500 km.
    ASSERT_EQ(ApplyRangeFilter(RangeKind::Perigee, "0", "500").status, FilterStatus::Done);
    const auto below500 = RowsWhere([&](int row) {
        const double p = HeightsOf(Line2OfRow(row)).perigee;
        return p > 0 && p < 500;
    });
    ASSERT_FALSE(below500.empty());
    EXPECT_EQ(SelectedRows(), below500);

    // A satellite exactly at the bound: left out by the empty-selection filter, kept
    // by the narrowing one.
    const int boundary = below500.back();
    const auto orbit = OrbitFiguresOf(Line2OfRow(boundary));
    ASSERT_TRUE(orbit);
    const std::string exact = ExactText(orbit->perigeeKm);
    RemoveAllRows();
    ApplyRangeFilter(RangeKind::Perigee, "", exact);
    const auto selected = SelectedRows();
    EXPECT_TRUE(std::find(selected.begin(), selected.end(), boundary) == selected.end());

    RemoveAllRows();
    SelectAllRows();
    ApplyRangeFilter(RangeKind::Perigee, "0", exact);
    const auto kept = SelectedRows();
    EXPECT_TRUE(std::find(kept.begin(), kept.end(), boundary) != kept.end());
    for (int row : kept) EXPECT_LE(OrbitFiguresOf(Line2OfRow(row))->perigeeKm, orbit->perigeeKm);
    ExpectListsAgree();
}

TEST_F(SelectionTest, RangeFiltersCombineWithAnd) {
    ApplyRangeFilter(RangeKind::Inclination, "80", "100");
    const auto polar = SelectedRows();
    ApplyRangeFilter(RangeKind::Apogee, "700", "");
    const auto expected = RowsWhere([&](int row) {
        const Heights h = HeightsOf(Line2OfRow(row));
        return h.inclination > 80 && h.inclination < 100 && h.apogee >= 700;
    });
    ASSERT_FALSE(expected.empty());
    ASSERT_LT(expected.size(), polar.size());
    EXPECT_EQ(SelectedRows(), expected);
    ExpectListsAgree();
}

TEST_F(SelectionTest, BoundsOfTheRangeFilters) {
    struct Case {
        RangeKind kind;
        const char* lo;
        const char* hi;
        BoundsStatus status;
        double expectedLo, expectedHi;
    };
    const Case cases[] = {
        {RangeKind::Perigee, "", "500", BoundsStatus::Ok, 0, 500},
        {RangeKind::Perigee, "200", "", BoundsStatus::RequiredMissing, 0, 0},
        {RangeKind::Perigee, "0", "  ", BoundsStatus::RequiredMissing, 0, 0},
        {RangeKind::Apogee, "", "1000", BoundsStatus::RequiredMissing, 0, 0},
        {RangeKind::Apogee, "30000", "", BoundsStatus::Ok, 30000, 10000000000.0},
        {RangeKind::Inclination, "", "", BoundsStatus::Ok, 0, 180},
        {RangeKind::Inclination, "97.5", "99", BoundsStatus::Ok, 97.5, 99},
        {RangeKind::Inclination, "9O", "99", BoundsStatus::NotANumber, 0, 0},
        {RangeKind::Perigee, "0", "5,5", BoundsStatus::NotANumber, 0, 0},
    };
    for (const Case& c : cases) {
        const BoundsReading reading = ReadRangeBounds(c.kind, c.lo, c.hi);
        EXPECT_EQ(reading.status, c.status) << c.lo << " / " << c.hi;
        if (c.status != BoundsStatus::Ok) continue;
        EXPECT_EQ(reading.bounds.lo, c.expectedLo);
        EXPECT_EQ(reading.bounds.hi, c.expectedHi);
    }
    EXPECT_EQ(ReadRangeBounds(RangeKind::Inclination, "9O", "99").badText, "9O");
}

TEST_F(SelectionTest, MissingOrBadBoundsChangeNothing) {
    ApplyNameFilter("IRIDIUM");
    const auto before = SelectedRows();
    EXPECT_EQ(ApplyRangeFilter(RangeKind::Perigee, "0", "").status, FilterStatus::RequiredMissing);
    EXPECT_EQ(ApplyRangeFilter(RangeKind::Apogee, "", "").status, FilterStatus::RequiredMissing);
    const FilterOutcome bad = ApplyRangeFilter(RangeKind::Inclination, "x", "");
    EXPECT_EQ(bad.status, FilterStatus::NotANumber);
    EXPECT_EQ(bad.badText, "x");
    EXPECT_EQ(SelectedRows(), before);
}

TEST_F(SelectionTest, UnreadableLine2EndsARangeFilterKeepingEarlierChanges) {
    // Row 3 gets letters in its mean motion: rows 1-2 are taken, then the filter stops.
    Satellites().allSets[3 * 2 + 2].replace(52, 11, "14.5x320121");
    const FilterOutcome outcome = ApplyRangeFilter(RangeKind::Inclination, "0", "180");
    EXPECT_EQ(outcome.status, FilterStatus::NotANumber);
    EXPECT_EQ(outcome.badText, "14.5x320121");
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2}));
    ExpectListsAgree();
}

TEST_F(SelectionTest, SunsyncSelectsNodeRatesNearTheSunsMotion) {
    const JD1900 T = Shown().currentJD = JulianDay1900(2018, 1, 21);
    ApplyOrbitClass(OrbitClass::Sunsync, 0.1, T);
    // Expected: node rate of the SGP model at T within 0.8856..1.0856 deg/day.
    const auto expected = RowsWhere([&](int row) {
        const OrbitState state = Propagate(Satellites().OrbitOfRow(row), T);
        const double rate = state.nodeRate * 180.0 / 3.14159265358979 * 1440.0;
        return !state.failed() && rate > 0.8856 && rate < 1.0856;
    });
    ASSERT_GE(expected.size(), 5u);
    EXPECT_EQ(SelectedRows(), expected);
    // Independent check with the classic J2 rate -1.5·J2·(Re/p)²·n·cos i.
    for (int row : expected) {
        const std::string line2 = Line2OfRow(row);
        const double n = std::stod(line2.substr(52, 11)) * 360.0;  // deg/day
        const double e = std::stod("0." + line2.substr(26, 7));
        const double i = std::stod(line2.substr(8, 8)) * 3.141592653589793 / 180.0;
        const double aER =
            std::cbrt(std::pow(0.0743669161 / (n / 360.0 * 2 * 3.141592653589793 / 1440.0), 2.0));
        const double p = aER * (1 - e * e);
        const double rate = -1.5 * 1.082616e-3 / (p * p) * n * std::cos(i);
        EXPECT_NEAR(rate, 0.9856, 0.11) << NameOfRow(row);
    }
    ExpectListsAgree();
}

TEST_F(SelectionTest, GeosyncAndMolniyaClasses) {
    const JD1900 T = JulianDay1900(2018, 1, 21);
    ApplyOrbitClass(OrbitClass::Geosync, 0.1, T);
    const auto geo = RowsWhere([&](int row) {
        const double n = std::stod(Line2OfRow(row).substr(52, 11));
        // 0.1 deg/day relative to the Earth: period within 0.4 min of the sidereal day.
        return std::fabs(1440.0 / n - 1436.068) < 0.4;
    });
    ASSERT_GE(geo.size(), 5u);
    EXPECT_EQ(SelectedRows(), geo);

    // Classes only add: Molniya orbits follow the geosynchronous ones.
    const int added = ApplyOrbitClass(OrbitClass::Molniya, 0.5, T);
    EXPECT_GT(added, 0);
    const auto all = SelectedRows();
    EXPECT_TRUE(std::equal(geo.begin(), geo.end(), all.begin()));
    for (std::size_t k = geo.size(); k < all.size(); ++k) {
        EXPECT_EQ(NameOfRow(all[k]).rfind("MOLNIYA", 0), 0u) << NameOfRow(all[k]);
        EXPECT_GT(OrbitFiguresOf(Line2OfRow(all[k]))->eccentricity, 0.2);
    }
    ExpectListsAgree();
}

TEST_F(SelectionTest, SelectAllTakesEverySetOfAFileOfSixtyThousand) {
    constexpr int kSets = 60000;
    const ElementSet base = Satellites().Row(1);
    ClearSelectionLists();
    std::istringstream in(testsupport::ManyElementSets(base, kSets));
    ASSERT_EQ(LoadElementStream(in, {}, AppendLeftListName).satelliteCount, kSets);
    rows_ = kSets;
    EXPECT_EQ(SelectAllRows(), kSets);
    EXPECT_EQ(Satellites().SelectedRow(kSets - 1), kSets);
    EXPECT_EQ(Selection().rightList.back(), DisplayName(Satellites().Row(kSets)));
    EXPECT_TRUE(SelectionInvariantHolds());
    RemoveAllRows();
    EXPECT_EQ(Satellites().selectedCount, 0);
    EXPECT_EQ(Satellites().rowSelected[kSets], 0);
}

TEST(SelectionRulesTest, OrbitClassConditions) {
    // Mean motion limits for d = 0.1: 1440/1436.468 .. 1440/1435.668 rev/day.
    EXPECT_TRUE(GeosyncMeanMotion(1.0027, 0.1));
    EXPECT_FALSE(GeosyncMeanMotion(1440.0 / 1436.468, 0.1));
    EXPECT_FALSE(GeosyncMeanMotion(1.0047, 0.1));
    EXPECT_TRUE(GeosyncMeanMotion(1.0047, 1.0));
    EXPECT_TRUE(GeosyncMeanMotion(0.5, 400.0));  // huge drifts have no upper limit

    const double degDay = 3.141592653589793 / 180.0 / 1440.0;  // one degree per day in rad/min
    EXPECT_TRUE(SunsyncNodeRate(0.9856 * degDay, 0.1));
    EXPECT_TRUE(SunsyncNodeRate(0.89 * degDay, 0.1));
    EXPECT_FALSE(SunsyncNodeRate(0.88 * degDay, 0.1));
    EXPECT_FALSE(SunsyncNodeRate(1.09 * degDay, 0.1));
    EXPECT_FALSE(
        SunsyncNodeRate(-0.9856 * degDay, 0.1));  // westward turning is not sun-synchronous

    EXPECT_TRUE(MolniyaOrbit(0.005 * degDay, 0.7, 2.0, 0.01));
    EXPECT_FALSE(MolniyaOrbit(0.02 * degDay, 0.7, 2.0, 0.01));
    EXPECT_FALSE(MolniyaOrbit(0.0, 0.2, 2.0, 0.01));
    EXPECT_FALSE(MolniyaOrbit(0.0, 0.7, 1.5, 0.01));

    EXPECT_EQ(ReadDriftAnswer("-0.2"), 0.2);
    EXPECT_EQ(ReadDriftAnswer("0,2"), std::nullopt);
    EXPECT_STREQ(DefaultDriftText(OrbitClass::Molniya), "0.01");
    EXPECT_STREQ(DefaultDriftText(OrbitClass::Sunsync), "0.1");
}

TEST_F(SelectionTest, InvariantHoldsAfterMixedAddsAndRemoves) {
    std::mt19937 random(20180121);
    std::uniform_int_distribution<int> rowOf(1, rows_);
    for (int step = 0; step < 200; ++step) {
        switch (random() % 6) {
            case 0: {
                std::vector<int> marks;
                for (int k = 0; k < 5; ++k) marks.push_back(rowOf(random));
                AddMarkedRows(marks);
                break;
            }
            case 1: {
                std::vector<int> positions;
                for (int k = 0; k < 4 && Satellites().selectedCount > 0; ++k)
                    positions.push_back(static_cast<int>(random() % Satellites().selectedCount));
                RemoveFromSelection(positions);
                break;
            }
            case 2:
                ApplyNameFilter(random() % 2 ? "SL-" : "NOAA");
                break;
            case 3:
                ApplyRangeFilter(RangeKind::Inclination, "60", "100");
                break;
            case 4:
                AddToSelection(rowOf(random));
                break;
            default:
                if (random() % 4 == 0)
                    RemoveAllRows();
                else
                    SelectAllRows();
        }
        ExpectListsAgree();
        if (HasFailure()) FAIL() << "after step " << step;
    }
}

TEST_F(SelectionTest, InvariantCheckNoticesABrokenList) {
    AddMarkedRows({3, 7, 9});
    ASSERT_TRUE(SelectionInvariantHolds());
    Satellites().rowSelected[12] = 1;  // a flag without an entry
    EXPECT_FALSE(SelectionInvariantHolds());
    Satellites().rowSelected[12] = 0;
    std::swap(Selection().rightList[0], Selection().rightList[1]);  // order differs
    EXPECT_FALSE(SelectionInvariantHolds());
}

TEST_F(SelectionTest, MarkedRowsAreAddedInTableOrderOnce) {
    EXPECT_EQ(AddMarkedRows({9, 2, 5}), 3);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(AddMarkedRows({9, 2, 5}), 0);  // already selected: skipped
    EXPECT_EQ(AddMarkedRows({0, 81, -3}), 0);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 5, 9}));
}

TEST_F(SelectionTest, RemovalsResetTheTrackedSatellite) {
    AddMarkedRows({1, 2, 3, 4});
    Tracking().trackedSatellite = 2;
    RemoveFromSelection({3, 1});
    EXPECT_EQ(Tracking().trackedSatellite, -1);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
    ExpectListsAgree();

    Tracking().trackedSatellite = 0;
    AddMarkedRows({10});
    EXPECT_EQ(Tracking().trackedSatellite, 0);  // adding keeps it
    RemoveAllRows();
    EXPECT_EQ(Tracking().trackedSatellite, -1);
}

TEST_F(SelectionTest, SelectAllAndRemoveAllReportEveryStep) {
    AddMarkedRows({5});
    std::vector<int> counts;
    EXPECT_EQ(SelectAllRows([&](int count) { counts.push_back(count); }), rows_ - 1);
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(rows_ - 1));
    EXPECT_EQ(counts.front(), 2);
    EXPECT_EQ(counts.back(), rows_);
    EXPECT_EQ(SelectedRows().front(), 5);
    ExpectListsAgree();

    counts.clear();
    RemoveAllRows([&](int count) { counts.push_back(count); });
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(rows_));
    EXPECT_EQ(counts.front(), rows_ - 1);
    EXPECT_EQ(counts.back(), 0);
    ExpectListsAgree();
}

TEST_F(SelectionTest, ClearingForANewLoadEmptiesEverything) {
    SelectAllRows();
    ClearSelectionLists();
    EXPECT_TRUE(Selection().leftList.empty());
    EXPECT_TRUE(Selection().rightList.empty());
    EXPECT_EQ(Satellites().selectedCount, 0);
    EXPECT_TRUE(Satellites().selectedSets.empty());
    for (int row = 1; row <= rows_; ++row) EXPECT_EQ(Satellites().rowSelected[row], 0);
    EnsureLeftList();  // the table is still there: the left list comes back from it
    EXPECT_EQ(Selection().leftList.size(), static_cast<std::size_t>(rows_));
}

// ---- the printed table ---------------------------------------------------------------

TEST(SelectionPrintTest, PageCounts) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {50, 1}, {51, 2}, {100, 2}, {101, 3}};
    for (const auto& [satellites, pages] : cases)
        EXPECT_EQ(SelectionPageCount(satellites), pages) << satellites;
}

TEST(SelectionPrintTest, RowFormat) {
    const ElementSet iss{"ISS (ZARYA)             ",
                         "1 25544U 98067A   18021.20565972  .00002709  00000-0  48127-4 0  9990",
                         "2 25544  51.6424 297.6591 0003646 346.5463 100.0553 15.54190080 96436"};
    const auto row = SelectionPrintRow(iss, "ISS (ZARYA)     ", 4.0, true);
    ASSERT_TRUE(row);
    const Heights h = HeightsOf(iss.line2);
    char numbers[80];
    std::snprintf(numbers, sizeof numbers, "%7.0f%8.0f", h.perigee, h.apogee);
    EXPECT_EQ(*row, std::string(" 25544   ISS (ZARYA)       ") + "      51.6  0.0004     92.7" +
                        numbers + "   4.0");
    EXPECT_EQ(row->substr(0, 9), " 25544   ");
    EXPECT_EQ(row->size(), 1u + 5 + 3 + 18 + 10 + 8 + 9 + 7 + 8 + 6);

    const auto unknown = SelectionPrintRow(iss, "ISS (ZARYA)     ", 6.0, false);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(*unknown, row->substr(0, row->size() - 6));  // no magnitude column

    ElementSet broken = iss;
    broken.line2.replace(52, 3, "1x.");
    std::string bad;
    EXPECT_FALSE(SelectionPrintRow(broken, "ISS", 4.0, true, &bad));
    EXPECT_EQ(bad, broken.line2.substr(52, 11));
}

TEST_F(SelectionTest, PrintPagesHoldFiftySatellitesEach) {
    for (int count : {50, 51}) {
        RemoveAllRows();
        for (int row = 1; row <= count; ++row) AddToSelection(row);
        const auto pages = SelectionPrintPages();
        ASSERT_TRUE(pages);
        ASSERT_EQ(static_cast<int>(pages->size()), SelectionPageCount(count));
        const PrintedPage& first = pages->front();
        ASSERT_EQ(first.size(), 52u);
        EXPECT_EQ(first[0].y, -100);
        EXPECT_EQ(first[0].text, kSelectionHeading1);
        EXPECT_EQ(first[1].y, -150);
        EXPECT_EQ(first[2].y, -240);
        EXPECT_EQ(first[51].y, -195 - 45 * 50);
        EXPECT_EQ(first[2].text.substr(0, 9), " 00694   ");
        if (count == 51) {
            ASSERT_EQ(pages->back().size(), 3u);
            EXPECT_EQ(pages->back()[1].text, kSelectionHeading2);
            EXPECT_EQ(pages->back()[2].y, -240);
            EXPECT_NE(pages->back()[2].text.find(Selection().rightList[50]), std::string::npos);
        }
    }
}

}  // namespace
