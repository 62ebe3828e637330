// The orbit-class lists: the columns of the three tables against independent
// reckonings, the drift caption, the heading sort, the page split, printing and saving.
#include <QtCore/qtestsupport_core.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "chart/chart_view.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "prediction/orbit_class_table.h"
#include "prediction/satellite_info_plane.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "satellite/column_number.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "satellite/sgp.h"
#include "support/many_element_sets.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "support/pdf_text.h"
#include "support/test_paths.h"
#include "support/ui/satellite_fixture.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/satellites/orbit_class_window.h"

namespace {

using testsupport::DialogKind;
using testsupport::LoadAndSelectAll;

const char* const kGeo[3] = {
    "GEO TEST 1", "1 25924U 99053A   26087.93278052 -.00000139  00000+0  00000+0 0  9999",
    "2 25924   0.0303 107.7439 0002875 269.7884 303.5980  1.00270829 97033"};
const char* const kSunsync[3] = {
    "SL-3 R/B                        5.5",
    "1 10114U 77057B   26112.21103866  .00009978  00000+0  20171-3 0  9998",
    "2 10114  97.5824 286.1014 0008311 122.4680 237.7374 15.46650536675059"};
const char* const kMolniya[3] = {
    "MOLNIYA 2-9", "1 07276U 74026A   18020.23876876  .00000137  00000-0 -68415-3 0  9998",
    "2 07276  62.8736 133.4813 6827707 288.5239  12.4629  2.45096043209911"};

// Line 2 of a set with another mean motion in columns 53-63.
std::string WithMeanMotion(const std::string& line2, double n) {
    char field[16];
    std::snprintf(field, sizeof field, "%11.8f", n);
    return line2.substr(0, 52) + field + line2.substr(63);
}

std::string SetText(const std::string& name, const std::string& l1, const std::string& l2) {
    return name + "\n" + l1 + "\n" + l2 + "\n";
}

JD1900 EpochOf(const char* line1) {
    SgpElements e;
    EXPECT_TRUE(ParseSgpElements(
        line1, "2 00000   0.0000   0.0000 0000000   0.0000   0.0000  1.00000000    00", e));
    return e.epoch;
}

double Number(const std::string& cell) {
    const auto v = ParseNumber(cell);
    EXPECT_TRUE(v.has_value()) << cell;
    return v.value_or(NAN);
}

class OrbitClassTest : public testing::Test {
  protected:
    void SetUp() override {
        testsupport::ResetSatelliteWindowRecords();
        testsupport::PlaceObserverInBerlin(50, 1.0);
        Place().zoneName = " MEZ";
    }
    void TearDown() override {
        ResetSatelliteTable();
        ResetSelectionState();
        ResetObserverRecords();
        ResetChartView();
    }
    testsupport::ScopedScriptedDialogs dialogs;
};

TEST_F(OrbitClassTest, GeostationaryLongitudeMatchesTheElementsAngleLessSiderealTime) {
    LoadAndSelectAll(SetText(kGeo[0], kGeo[1], kGeo[2]));
    const JD1900 epoch = EpochOf(kGeo[1]);
    Shown().currentJD = epoch;
    const OrbitClassFill fill = BuildOrbitClassRows(OrbitClass::Geosync, epoch, 0.1, Place());
    ASSERT_EQ(fill.rows.size(), 1u);
    const OrbitClassRow& row = fill.rows[0];
    EXPECT_EQ(row[0], kGeo[0]);
    EXPECT_EQ(row[1], "25924");
    EXPECT_EQ(row[2], "99053A  ");
    EXPECT_EQ(row[3], "  0.0303");
    EXPECT_EQ(row[4], "107.7439");
    EXPECT_EQ(row[9], "26087.93278052");
    // Near-circular, near-equatorial: right ascension ≈ node + perigee + mean anomaly.
    double expected =
        std::fmod(107.7439 + 269.7884 + 303.5980 - 15.0 * LocalSiderealTime(0.0, epoch), 360.0);
    if (expected > 180.0) expected -= 360.0;
    if (expected < -180.0) expected += 360.0;
    EXPECT_NEAR(Number(row[6]), expected, 0.2);
    EXPECT_EQ(row[5], row[6]);  // the chart instant is the epoch
    EXPECT_NEAR(Number(row[7]), 0.0, 0.1);
    const double drift = -(1440.0 / 1.00270829 - 1436.068) * 0.25;
    EXPECT_NEAR(Number(row[8]), drift, 0.0011);
    // Two decimals for the longitudes, three for the drift; the prefix lines them up.
    EXPECT_EQ(row[6].size() - row[6].find('.'), 3u);
    EXPECT_EQ(row[8].size() - row[8].find('.'), 4u);
    EXPECT_EQ(row[6].find('.'), 4u);
}

TEST_F(OrbitClassTest, DriftBeyondTheLimitChangesTheCaption) {
    struct Case {
        double driftDegDay;
        bool changed;
    };
    for (const Case c :
         {Case{0.05, false}, Case{0.3, true}, Case{-0.05, false}, Case{-0.3, true}}) {
        SCOPED_TRACE(c.driftDegDay);
        const double n = 1440.0 / (1436.068 - c.driftDegDay / 0.25);
        LoadAndSelectAll(SetText(kGeo[0], kGeo[1], WithMeanMotion(kGeo[2], n)));
        Selection().driftLimitDegDay = 0.1;
        OrbitClassWindow dialog;
        dialog.setWindowTitle("Geosynchrone Satelliten (1)");
        dialog.FillOrbitClass(OrbitClass::Geosync);
        EXPECT_NEAR(Number(dialog.Row(1)[8]), c.driftDegDay, 0.0011);
        EXPECT_EQ(dialog.windowTitle().toStdString(),
                  c.changed ? " Satelliten" : "Geosynchrone Satelliten (1)");
        EXPECT_EQ(dialog.grid()->model()->rowCount(), 1);  // below the heading
        EXPECT_EQ(dialog.Row(0), OrbitClassHeadings(OrbitClass::Geosync));
    }
}

TEST_F(OrbitClassTest, CellsAreNotCutAndTheSmallestWindowShowsEveryColumn) {
    LoadAndSelectAll(SetText(kGeo[0], kGeo[1], kGeo[2]) +
                     SetText(kSunsync[0], kSunsync[1], kSunsync[2]));
    OrbitClassWindow dialog;
    for (const OrbitClass c : {OrbitClass::Geosync, OrbitClass::Sunsync, OrbitClass::Molniya}) {
        dialog.FillOrbitClass(c);
        const QAbstractItemView* view = dialog.grid();
        for (int k = 0; k < 10; ++k)
            EXPECT_GE(dialog.grid()->columnWidth(k), view->sizeHintForColumn(k)) << k;
    }
    dialog.resize(1, 1);
    dialog.show();
    QApplication::processEvents();
    EXPECT_GE(dialog.grid()->viewport()->width(), dialog.grid()->horizontalHeader()->length());
    EXPECT_GE(dialog.grid()->viewport()->height(), 10 * dialog.grid()->rowHeight(0));
}

TEST_F(OrbitClassTest, ALargeSelectionIsComputedAsideAndShownWhenDone) {
    const ElementSet geo{kGeo[0], kGeo[1], kGeo[2]};
    LoadAndSelectAll(testsupport::ManyElementSets(geo, 4000));
    Shown().currentJD = EpochOf(kGeo[1]) + 2.0;
    Selection().driftLimitDegDay = 0.1;
    OrbitClassWindow dialog;
    dialog.FillOrbitClass(OrbitClass::Geosync);
    // Back in the window's thread at once, with the headings and nothing to save yet.
    EXPECT_TRUE(dialog.Computing());
    EXPECT_EQ(dialog.Row(0), OrbitClassHeadings(OrbitClass::Geosync));
    EXPECT_FALSE(dialog.saveButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Computing(); }, 60000));
    EXPECT_TRUE(dialog.saveButton()->isEnabled());
    const OrbitClassFill fill =
        BuildOrbitClassRows(OrbitClass::Geosync, Shown().currentJD, 0.1, Place());
    ASSERT_EQ(dialog.grid()->model()->rowCount(), 4000);
    for (const int r : {1, 2, 1999, 4000}) EXPECT_EQ(dialog.Row(r), fill.rows[r - 1]) << r;
}

TEST_F(OrbitClassTest, SunSynchronousPassagesLieInTheOrbitalPlane) {
    LoadAndSelectAll(SetText(kSunsync[0], kSunsync[1], kSunsync[2]));
    const JD1900 T = EpochOf(kSunsync[1]) + 0.4;
    Shown().currentJD = T;
    const OrbitClassFill fill = BuildOrbitClassRows(OrbitClass::Sunsync, T, 0.1, Place());
    ASSERT_EQ(fill.rows.size(), 1u);
    const OrbitClassRow& row = fill.rows[0];
    EXPECT_EQ(row[5], "122.4680");

    // The same passage reckoned here: the cells are its times rounded to the minute.
    const SatelliteOrbit orbit = PrepareOrbit(kSunsync[1], kSunsync[2], OrbitModel::Sgp4);
    const OrbitState s = Propagate(orbit, T);
    const double nodeRate = s.nodeRate * kRadToDeg * 1440.0 - 0.9856;
    EXPECT_NEAR(Number(row[8]), nodeRate, 0.0006);
    EXPECT_EQ(row[8].substr(0, nodeRate >= 0 ? 2 : 1), nodeRate >= 0 ? "  " : " ");
    OrbitPlaneInput in{97.5824,
                       0.0008311,
                       52.5,
                       50,
                       13.4,
                       T,
                       s.argumentOfLatitudeRad,
                       s.perigeeRad,
                       s.meanMotionRevDay,
                       s.osculatingNodeRad,
                       s.nodeRate};
    const OrbitPlanePassage passage = ComputeOrbitPlanePassage(in);
    ASSERT_TRUE(passage.passes);
    for (const auto& [cell, t] :
         {std::pair{row[6], passage.ascending}, std::pair{row[7], passage.descending}}) {
        FormatDateTime1900(IntPart(t * 1440.0 + 0.5) / 1440.0, 1.0);
        EXPECT_EQ(cell, " " + TimeText.substr(0, 5));
        // At that instant the observer stands in the orbital plane: the plane's normal
        // is perpendicular to the observer's direction.
        const double node = Propagate(orbit, t).osculatingNodeRad, i = 97.5824 * kDegToRad;
        const double normal[3] = {std::sin(i) * std::sin(node), -std::sin(i) * std::cos(node),
                                  std::cos(i)};
        const double lst = LocalSiderealTime(13.4, t) * 15.0 * kDegToRad;
        const double u = std::atan(0.99664719 * std::tan(52.5 * kDegToRad));
        const double o[3] = {std::cos(u) * std::cos(lst), std::cos(u) * std::sin(lst),
                             0.99664719 * std::sin(u)};
        EXPECT_NEAR(normal[0] * o[0] + normal[1] * o[1] + normal[2] * o[2], 0.0, 0.01);
        const bool ascendingHalf = std::cos(node) * o[0] + std::sin(node) * o[1] > 0.0;
        EXPECT_EQ(ascendingHalf, t == passage.ascending);
    }
}

TEST_F(OrbitClassTest, SunSynchronousCellsStayEmptyBeyondTheOrbitsReach) {
    // An inclination of 20° never reaches 52.5° north.
    std::string line2 = kSunsync[2];
    line2.replace(8, 8, " 20.0000");
    LoadAndSelectAll(SetText(kSunsync[0], kSunsync[1], line2));
    const OrbitClassFill fill =
        BuildOrbitClassRows(OrbitClass::Sunsync, EpochOf(kSunsync[1]), 0.1, Place());
    EXPECT_EQ(fill.rows[0][6], "");
    EXPECT_EQ(fill.rows[0][7], "");
    EXPECT_FALSE(fill.rows[0][8].empty());
}

TEST_F(OrbitClassTest, MolniyaNodeAndDriftFormats) {
    LoadAndSelectAll(SetText(kMolniya[0], kMolniya[1], kMolniya[2]));
    const JD1900 T = EpochOf(kMolniya[1]) + 3.0;
    const OrbitClassFill fill = BuildOrbitClassRows(OrbitClass::Molniya, T, 0.01, Place());
    const OrbitClassRow& row = fill.rows[0];
    const OrbitState s = Propagate(PrepareOrbit(kMolniya[1], kMolniya[2], OrbitModel::Sgp4), T);
    const double node = std::fmod(s.osculatingNodeRad * kRadToDeg + 360.0, 360.0);
    const double perigeeDrift = s.perigeeRate * kRadToDeg * 1440.0;
    EXPECT_EQ(row[5].size(), 8u);
    EXPECT_NEAR(Number(row[5]), node, 0.00011);
    EXPECT_EQ(row[5][0], node < 100.0 ? ' ' : '1');
    EXPECT_EQ(row[6], " 2.4509");  // columns 53-59 as they stand
    EXPECT_EQ(row[7], "0.6827");
    EXPECT_NEAR(Number(row[8]), perigeeDrift, 0.0011);
    EXPECT_EQ(row[8].size() - row[8].find('.'), 4u);
    EXPECT_EQ(fill.driftBeyondLimit, std::fabs(perigeeDrift) > 0.01);
}

TEST(OrbitClassFormat, Prefixes) {
    struct Case {
        double v;
        const char* geo;
        const char* molniya;
    };
    for (const Case c :
         {Case{-150, "p", "p"}, Case{-100, "p", "p"}, Case{-50, " ", "p"}, Case{-10, " ", "p"},
          Case{-5, "  ", " "}, Case{0, "  ", "  "}, Case{5, "   ", "  "}, Case{10, "  ", " "},
          Case{99.99, "  ", " "}, Case{100, " ", "p"}}) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(GeosyncLongitudePrefix(c.v, "p"), c.geo);
        EXPECT_EQ(MolniyaDriftPrefix(c.v, "p"), c.molniya);
    }
    EXPECT_DOUBLE_EQ(RoundedTo(12.345678, 0.01), 12.35);
    // Integer part of 100·v + 0.5: negative values move up by up to one step.
    EXPECT_DOUBLE_EQ(RoundedTo(-12.3449, 0.01), -12.33);
    EXPECT_DOUBLE_EQ(RoundedTo(-12.346, 0.01), -12.34);
    EXPECT_EQ(FixedDecimals(-5.5, 2), "-5.50");
}

TEST(OrbitClassSort, AscendingByTextOrNumberAndAscendingAgain) {
    std::vector<OrbitClassRow> rows(5);
    const char* names[] = {"b", "A", "c", "a", "B"};
    const char* drifts[] = {"  10.000", "  -2.500", "   3.000", " -20.000", "   0.000"};
    for (int i = 0; i < 5; ++i) {
        rows[i][0] = names[i];
        rows[i][8] = drifts[i];
    }
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_FALSE(SortOrbitClassRows(rows, OrbitClass::Geosync, 8));
        for (int i = 0; i + 1 < 5; ++i) EXPECT_LT(Number(rows[i][8]), Number(rows[i + 1][8]));
    }
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_FALSE(SortOrbitClassRows(rows, OrbitClass::Geosync, 0));
        std::vector<std::string> sorted;
        for (const auto& r : rows) sorted.push_back(r[0]);
        EXPECT_THAT(sorted, testing::ElementsAre("A", "B", "a", "b", "c"));
    }
    rows[2][8] = "";
    EXPECT_EQ(SortOrbitClassRows(rows, OrbitClass::Geosync, 8), std::optional<std::string>(""));
    EXPECT_FALSE(OrbitClassColumnNumeric(OrbitClass::Sunsync, 6));
    EXPECT_TRUE(OrbitClassColumnNumeric(OrbitClass::Molniya, 6));
}

// The gap sort compared cell by cell, as the rows were sorted before their keys were
// read once: the same order, ties and the rows a stopped sort leaves included.
std::optional<std::string> GapSortComparingCells(std::vector<OrbitClassRow>& rows, int column,
                                                 bool numeric) {
    const int n = static_cast<int>(rows.size());
    for (int gap = n / 2; gap >= 1; gap /= 2)
        for (bool swapped = true; swapped;) {
            swapped = false;
            for (int v = 0; v + gap < n; ++v) {
                const std::string &x = rows[v][column], &y = rows[v + gap][column];
                bool after = x > y;
                if (numeric) {
                    if (!ParseNumber(x)) return x;
                    if (!ParseNumber(y)) return y;
                    after = *ParseNumber(x) > *ParseNumber(y);
                }
                if (after) {
                    std::swap(rows[v], rows[v + gap]);
                    swapped = true;
                }
            }
        }
    return std::nullopt;
}

TEST(OrbitClassSort, SameOrderAsComparingTheCells) {
    std::vector<OrbitClassRow> rows(40);
    for (int i = 0; i < 40; ++i) {
        rows[i][0] = std::string(1, static_cast<char>('a' + (i * 7) % 5));  // ties
        rows[i][1] = std::to_string(i);
        rows[i][8] = i == 29 ? "x" : std::to_string((i * 13) % 11 - 5) + ".5";
    }
    for (const int column : {0, 8}) {
        SCOPED_TRACE(column);
        std::vector<OrbitClassRow> expected = rows, sorted = rows;
        const auto bad = GapSortComparingCells(expected, column, column == 8);
        EXPECT_EQ(SortOrbitClassRows(sorted, OrbitClass::Geosync, column), bad);
        EXPECT_EQ(sorted, expected);
    }
}

TEST(OrbitClassSort, ColumnUnderThePointer) {
    const std::vector<int> widths = {100, 40, 50};
    const std::pair<int, int> cases[] = {{0, 0},   {50, 0},  {100, 0}, {101, 1},
                                         {139, 1}, {140, 0}, {141, 2}, {191, -1}};
    for (const auto& [x, column] : cases) EXPECT_EQ(ColumnAtX(widths, x), column) << x;
}

TEST(OrbitClassPrint, ThirtyFiveRowsAPageWithTheHeadingOnTheFirst) {
    struct Case {
        int gridRows;
        size_t pages;
    };
    for (const Case c : {Case{1, 1}, Case{35, 1}, Case{36, 2}, Case{70, 2}, Case{71, 3}}) {
        const auto pages = OrbitClassPages(c.gridRows);
        EXPECT_EQ(pages.size(), c.pages) << c.gridRows;
        EXPECT_EQ(pages.back().last, c.gridRows - 1);
    }
}

TEST_F(OrbitClassTest, PrintsThirtyFourSatellitesOnOnePageAndThirtyFiveOnTwo) {
    testsupport::TempDir dir;
    for (int count : {34, 35}) {
        SCOPED_TRACE(count);
        std::string text;
        for (int k = 0; k < count; ++k) {
            char name[32];
            std::snprintf(name, sizeof name, "GEO %02d", k);
            text += SetText(name, kGeo[1], kGeo[2]);
        }
        LoadAndSelectAll(text);
        OrbitClassWindow dialog;
        dialog.FillOrbitClass(OrbitClass::Geosync);
        const std::string pdf = (dir.path() / ("geo" + std::to_string(count) + ".pdf")).string();
        dialogs->AnswerPrint(QString::fromStdString(pdf));
        dialog.Print();
        const std::string printed = testsupport::PdfText(pdf);
        if (!std::ifstream(pdf)) GTEST_SKIP() << "no PDF written";
        int pages = 0;
        for (char ch : printed) pages += ch == '\f';
        EXPECT_EQ(pages, count == 34 ? 1 : 2);
        EXPECT_THAT(printed, testing::HasSubstr("Geosynchrone Satelliten"));
        EXPECT_THAT(printed, testing::HasSubstr("AktLbd"));
        EXPECT_THAT(printed, testing::HasSubstr("GEO 33"));
    }
}

TEST_F(OrbitClassTest, SavesTitleTwiceHeadingAndRowsInLatin1WithCrLf) {
    LoadAndSelectAll(SetText("M\xd6WE", kMolniya[1], kMolniya[2]) +
                     SetText(kMolniya[0], kMolniya[1], kMolniya[2]));
    OrbitClassWindow dialog;
    dialog.FillOrbitClass(OrbitClass::Molniya);
    testsupport::TempDir dir;
    const std::string file = (dir.path() / "molniya.txt").string();
    dialogs->AnswerSaveFile(QString::fromStdString(file));
    dialog.Save();
    const std::string text = testsupport::ReadTextFile(file);
    const std::string title = "Molniya Satelliten \r\n";
    EXPECT_EQ(text.substr(0, 2 * title.size()), title + title);
    EXPECT_THAT(text, testing::HasSubstr(OrbitClassHeadingLine(OrbitClass::Molniya) + "\r\n"));
    EXPECT_THAT(text,
                testing::HasSubstr(std::string("M\xd6WE") + std::string(13, ' ') + "07276  "));
    EXPECT_THAT(text, testing::HasSubstr(OrbitClassPrintedRow(dialog.Row(2)) + "\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
}

}  // namespace
