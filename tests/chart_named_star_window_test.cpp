// The named-star list: the table from "STERNNAM", sorting by "mag" and "Name", the
// column under the pointer, and the star map about the chosen star with its
// hemisphere rule.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTableWidget>
#include <cmath>
#include <filesystem>
#include <memory>

#include "catalog/named_star_table.h"
#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/star_map.h"
#include "core/display_options.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/sky/named_star_window.h"

namespace {

namespace fs = std::filesystem;

class NamedStarTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetChartView();
        for (const char* name : {"STERNNAM", "STERNKAT", "SLINIEN"})
            fs::copy_file(testsupport::DataPath(name), dir.path() / name);
        cwd = std::make_unique<testsupport::ScopedWorkingDir>(dir.path());
    }
    void TearDown() override {
        cwd.reset();
        ResetObserverRecords();
        ResetChartView();
    }
    testsupport::ScopedScriptedDialogs dialogs;
    testsupport::TempDir dir;
    std::unique_ptr<testsupport::ScopedWorkingDir> cwd;
};

double Magnitude(const NamedStarRow& row) { return std::stod(row[2]); }

TEST_F(NamedStarTest, TableRowsFromTheFileColumns) {
    NamedStarWindow form;
    EXPECT_EQ(form.windowTitle(), "Polaride - Sterne mit Eigennamen");
    EXPECT_EQ(form.table()->rowCount(), 190);  // below the heading
    EXPECT_EQ(form.Row(0), (NamedStarRow{"Nr", "Name", "mag", "Lj", "Bild"}));
    // "    9Sirrah               2.06 97.1And"
    EXPECT_EQ(form.Row(1),
              (NamedStarRow{"    9", "Sirrah              ", " 2.06", " 97.1", "And"}));
    EXPECT_EQ(form.selectedStarNumber(), 9);
    EXPECT_EQ(form.selectedStarName(), "Sirrah");
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(NamedStarTest, SortByMagBrightestFirstAndByNameByCharacterCodes) {
    NamedStarWindow form;
    for (int pass = 0; pass < 2; ++pass) {
        form.SortByHeadingAt(48 + 144 + 10);  // "mag"
        EXPECT_EQ(form.Row(1)[1].substr(0, 6), "Sirius");
        for (int r = 1; r < 190; ++r)
            EXPECT_LE(Magnitude(form.Row(r)), Magnitude(form.Row(r + 1))) << r;
    }
    form.SortByHeadingAt(60);  // "Name"
    for (int r = 1; r < 190; ++r) EXPECT_LE(form.Row(r)[1], form.Row(r + 1)[1]) << r;
    EXPECT_EQ(form.Row(0)[1], "Name");
}

TEST(NamedStarSort, TextByCodesAndEmptyMagnitudesLast) {
    std::vector<NamedStarRow> rows = {
        {"1", "beta", " 2.0", "", ""},   {"", "", "", "", ""},
        {"2", "Alpha", " -1.5", "", ""}, {"3", "\xe4lter", " 0.5", "", ""},
        {"4", "zeta", "", "", ""},       {"5", "Zeta", " 6.0", "", ""},
    };
    SortNamedStarRows(rows, 2);
    std::vector<std::string> order;
    for (const auto& r : rows) order.push_back(r[0]);
    EXPECT_THAT(order, testing::ElementsAre("2", "3", "1", "5", "", "4"));
    SortNamedStarRows(rows, 1);
    order.clear();
    for (const auto& r : rows) order.push_back(r[1]);
    // Upper case before lower case, the umlaut (Latin-1 0xE4) after "z".
    EXPECT_THAT(order, testing::ElementsAre("", "Alpha", "Zeta", "beta", "zeta", "\xe4lter"));
}

TEST(NamedStarSort, ColumnUnderThePointer) {
    const std::vector<int> widths = {48, 144, 56, 48, 40};
    const std::pair<int, int> cases[] = {{-3, 0},  {0, 0},   {47, 0},  {48, 0},  {49, 1},
                                         {192, 0}, {193, 2}, {300, 4}, {336, 0}, {350, 0}};
    for (const auto& [x, column] : cases) EXPECT_EQ(NamedStarColumnAt(widths, x), column) << x;
}

TEST(StarMapProjection, TheStarAtTheCentreAndItsPoleOnTheRightSide) {
    struct Case {
        double ra0, dec0;
        bool poleAbove;  // the pole of the star's hemisphere lies above the centre
    };
    for (const Case c : {Case{6.75, -16.7, false}, Case{12.4, -63.1, false}, Case{0.14, 29.1, true},
                         Case{5.0, 0.0, true}}) {
        SCOPED_TRACE(c.dec0);
        const StarMapPoint centre = ProjectStarMap(c.ra0, c.dec0, c.ra0, c.dec0, 800, 600);
        EXPECT_EQ(centre.x, 400);
        EXPECT_EQ(centre.y, 300);
        const StarMapPoint pole =
            ProjectStarMap(0.0, c.dec0 < 0 ? -90.0 : 90.0, c.ra0, c.dec0, 800, 600);
        EXPECT_EQ(pole.x, 400);
        EXPECT_EQ(pole.y < 300, c.poleAbove);
        // A star of greater right ascension lies to the left, as in the sky seen with
        // the pole of the hemisphere towards the horizon.
        const StarMapPoint east = ProjectStarMap(c.ra0 + 0.5, c.dec0, c.ra0, c.dec0, 800, 600);
        EXPECT_LT(east.x, 400);
        // A star nearer the pole lies between the centre and the pole.
        const StarMapPoint polewards =
            ProjectStarMap(c.ra0, c.dec0 + (c.dec0 < 0 ? -5.0 : 5.0), c.ra0, c.dec0, 800, 600);
        EXPECT_EQ(polewards.y < 300, c.poleAbove);
    }
}

int WhitePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == 0xffffff;
    return n;
}

TEST_F(NamedStarTest, MapAboutASouthernStarWithCrossHairNameAndFaintStarsLeftOut) {
    Canvas canvas(700, 500);
    ViewOptions().limitingMagnitude = 5.0;
    DrawStarMap(canvas, 2970, "Acrux               ");
    const QImage all = canvas.Image().copy();
    // The cross-hair leaves the centre free.
    EXPECT_EQ(canvas.PixelRgb(350 - 7, 250), 0xffffff);
    EXPECT_EQ(canvas.PixelRgb(350, 250 + 7), 0xffffff);
    EXPECT_NE(canvas.PixelRgb(350 - 3, 250), 0xffffff);
    ViewOptions().limitingMagnitude = 2.0;
    DrawStarMap(canvas, 2970, "Acrux");
    EXPECT_LT(WhitePixels(canvas.Image()), WhitePixels(all));
    // The name in the lower part of the map, centred.
    int nameRow = 0;
    for (int y = 500 - 60; y < 500; ++y)
        for (int x = 300; x < 400; ++x) nameRow += canvas.PixelRgb(x, y) == 0xffffff;
    EXPECT_GT(nameRow, 20);
}

TEST_F(NamedStarTest, SelectingARowChoosesTheStarAndRedrawsTheMap) {
    NamedStarWindow form;
    form.resize(1000, 600);
    int row = 0;
    for (int r = 1; r <= 190; ++r)
        if (form.Row(r)[1].rfind("Acrux", 0) == 0) row = r;
    ASSERT_GT(row, 0);
    form.SelectRow(row);
    EXPECT_EQ(form.selectedStarNumber(), 2970);
    EXPECT_EQ(form.selectedStarName().substr(0, 5), "Acrux");
    EXPECT_EQ(form.mapImage().width(), 1000 - 360);
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(NamedStarTest, MissingStarFileIsReported) {
    fs::remove(dir.path() / "STERNNAM");
    NamedStarWindow form;
    EXPECT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(form.Row(1)[0].empty());
}

}  // namespace
