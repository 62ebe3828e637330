// The names of the selected satellites beside their dots: the greedy placement, the
// default that follows the selection, and the name drawn on the main chart.
#include <QFontMetrics>

#include "chart/satellite_names.h"
#include "chart_fixture.h"
#include "core/displayed_instant.h"

namespace {

using charttest::AprilEvening;
using charttest::ChartTest;

TEST(SatelliteNamesPlacementTest, LabelsAvoidEachOtherAndTheChartEdge) {
    const QPoint dot(100, 100);
    const QSize size(40, 10);
    const auto anywhere = [](const QRect&) { return true; };
    std::vector<QRect> placed;
    for (int k = 0; k < 6; ++k) {
        const auto rect = PlaceLabel(dot, size, 4, placed, anywhere);
        ASSERT_TRUE(rect) << k;
        for (const QRect& other : placed) EXPECT_FALSE(rect->intersects(other)) << k;
        EXPECT_LT(std::abs(rect->center().y() - dot.y()), 20) << k;  // beside the dot
        placed.push_back(*rect);
    }
    EXPECT_EQ(placed.front().left(), dot.x() + 4);  // to the right first
    EXPECT_FALSE(PlaceLabel(dot, size, 4, placed, anywhere));
    // Where the right side is outside the chart, the left side is taken.
    const auto leftOnly = [&](const QRect& r) { return r.right() < dot.x(); };
    EXPECT_LT(PlaceLabel(dot, size, 4, {}, leftOnly)->right(), dot.x());
}

class SatelliteNamesChartTest : public ChartTest {};

TEST_F(SatelliteNamesChartTest, TheNameIsWrittenBesideTheDotOnlyWhenSwitchedOn) {
    ASSERT_NO_FATAL_FAILURE(SelectAprilSatellites());
    EXPECT_FALSE(SatelliteNamesShown());  // more than 20 selected
    // A moment with a satellite well inside the disc; that one alone is selected.
    const ChartViewState& v = ChartView();
    const SatelliteTable& s = Satellites();
    int row = 0;
    for (int minute = 0; minute < 240 && row == 0; minute += 5) {
        SetInstant(AprilEvening(minute));
        ASSERT_TRUE(DrawSkyChart(*canvas));
        for (int k = 1; k <= s.selectedCount && row == 0; ++k)
            if (s.chartX[k] > 0.0 && std::hypot(s.chartX[k] - v.chartCentreX,
                                                s.chartY[k] - v.chartCentreY) < 0.5 * v.chartRadius)
                row = s.SelectedRow(k - 1);
    }
    ASSERT_GT(row, 0);
    RemoveAllRows();
    AddToSelection(row);
    EXPECT_TRUE(SatelliteNamesShown());  // at most 20 selected

    auto draw = [&] {
        Shown().timeChanged = true;
        EXPECT_TRUE(DrawSkyChart(*canvas));
        return canvas->Image().copy();
    };
    const QImage shown = draw();
    SwitchSatelliteNames();
    EXPECT_FALSE(SatelliteNamesShown());
    const QImage hidden = draw();
    const int x = IntPart(Satellites().chartX[1]), y = IntPart(Satellites().chartY[1]);
    RemoveAllRows();
    const QImage empty = draw();

    const QRect beside(x + 6, y - 5, 30, 10);
    int changed = 0;
    for (int px = beside.left(); px <= beside.right(); ++px)
        for (int py = beside.top(); py <= beside.bottom(); ++py) {
            changed += shown.pixel(px, py) != hidden.pixel(px, py);
            EXPECT_EQ(hidden.pixel(px, py), empty.pixel(px, py)) << px << "," << py;
        }
    EXPECT_GT(changed, 10);
}

}  // namespace
