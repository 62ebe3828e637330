#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_view.h"
#include "chart/plot_tables.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "support/observer_records.h"

namespace {

constexpr double kDeg = kPi / 180.0;

class ProjectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetChartView();
        ResetPlotTables();
    }
};

TEST_F(ProjectionTest, CardinalPointsOnTheRim) {
    const double cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
                 r = ChartView().chartRadius;
    struct Case {
        double rotation, azimuth, x, y;
    } cases[] = {
        {0, kPi / 2, cx + r, cy},   // west on the right
        {0, 0, cx, cy + r},         // south at the bottom
        {0, kPi, cx, cy - r},       // north at the top
        {0, -kPi / 2, cx - r, cy},  // east on the left
        {kPi / 2, 0, cx + r, cy},   // rotated: south moves to the right
        {kPi, kPi / 2, cx - r, cy},
    };
    for (const auto& c : cases) {
        ChartView().rotationRad = c.rotation;
        const ChartPoint p = ProjectToChart(kPi / 2, c.azimuth);
        EXPECT_NEAR(p.x, c.x, 1e-9) << c.rotation << " " << c.azimuth;
        EXPECT_NEAR(p.y, c.y, 1e-9) << c.rotation << " " << c.azimuth;
    }
}

TEST_F(ProjectionTest, StereographicDistanceFromTheCentre) {
    for (double alt : {90.0, 60.0, 45.0, 10.0}) {
        const ChartPoint p = ProjectToChart((90 - alt) * kDeg, 0.3);
        const double d = std::hypot(p.x - ChartView().chartCentreX, p.y - ChartView().chartCentreY);
        EXPECT_NEAR(d, ChartView().chartRadius * std::tan((90 - alt) * kDeg / 2), 1e-9) << alt;
    }
    const ChartPoint p45 = ProjectToChart(45 * kDeg, 0.0);
    EXPECT_NEAR((p45.y - ChartView().chartCentreY) / ChartView().chartRadius, 0.414, 1e-3);
}

TEST_F(ProjectionTest, FixedObjectOnlyAboveTheHorizon) {
    Place().setLatitude(50.0);
    // The horizon at sidereal time 6 h without precession, nutation or aberration.
    const HorizonOfDate horizon =
        HorizonOfDateAt(FrameOfDate{}, 6.0, Place().sinLatitude, Place().cosLatitude);
    struct Case {
        double raHours, decDeg;
        bool plotted;
    } cases[] = {
        {6.0, 50.0, true},                         // zenith
        {6.0, -40.0, false},                       // exactly on the southern horizon (altitude 0)
        {6.0, -39.0, true},  {18.0, 30.0, false},  // below the northern horizon
        {18.0, 50.0, true},                        // circumpolar, lower culmination
        {0.0, 0.0, false},                         // east point of the horizon
    };
    for (const auto& c : cases) {
        const ChartPoint p = FixedObjectPosition(horizon, c.raHours, c.decDeg);
        EXPECT_EQ(p.plotted(), c.plotted) << c.raHours << " " << c.decDeg;
        if (!c.plotted) {
            EXPECT_EQ(p.x, 0.0);
            EXPECT_EQ(p.y, 0.0);
        }
    }
    const ChartPoint zenith = FixedObjectPosition(horizon, 6.0, 50.0);
    EXPECT_NEAR(zenith.x, ChartView().chartCentreX, 1e-6);
    EXPECT_NEAR(zenith.y, ChartView().chartCentreY, 1e-6);
    // An object on the meridian 45 degrees up in the south: straight below the centre.
    const ChartPoint south = FixedObjectPosition(horizon, 6.0, 5.0);
    EXPECT_NEAR(south.x, ChartView().chartCentreX, 1e-9);
    EXPECT_NEAR(south.y, ChartView().chartCentreY + ChartView().chartRadius * std::tan(22.5 * kDeg),
                1e-9);
}

TEST_F(ProjectionTest, DrawnRadiusTruncatesAndKeepsItsMinimum) {
    const double r = ChartView().chartRadius;
    struct Case {
        double alt, rho;
        int minimum;
    } cases[] = {
        {90, 0.25, 0},   {45, 0.25, 0}, {45, 5.0, 0},
        {20, 2.0, 3},    {0, 0.25, 4},  // on the horizon: the lower edge straddles it
        {-0.1, 0.25, 4}, {90, 0.01, 2},
    };
    for (const auto& c : cases) {
        const double exact = std::fabs(r * std::tan((90 - c.alt + c.rho) * kDeg / 2) -
                                       r * std::tan((90 - c.alt - c.rho) * kDeg / 2)) /
                             2;
        EXPECT_NEAR(DrawnRadiusUnrounded(c.alt, c.rho), exact, 1e-9) << c.alt;
        const int drawn = DrawnRadius(c.alt, c.rho, c.minimum);
        EXPECT_GE(drawn, c.minimum) << c.alt;
        EXPECT_EQ(drawn, std::max(c.minimum, static_cast<int>(exact))) << c.alt;
    }
}

TEST_F(ProjectionTest, TablesHaveTheirSizesAndReset) {
    EXPECT_EQ(StarPlotTable().size(), 15639u);
    EXPECT_EQ(LabelPlotTable().size(), 89u);
    EXPECT_EQ(NebulaPlotTable().size(), 50u);
    EXPECT_EQ(BodyPlotTable().size(), 10u);
    StarPlotTable()[15638] = {1, 2, 3.5, "UMa"};
    LabelPlotTable()[88] = {1, 2, "Orion"};
    NebulaPlotTable()[49] = {1, 2, 30, 4.5};
    BodyPlotTable()[9] = {1, 2, 7.0, 2.5};
    ResetPlotTables();
    EXPECT_EQ(StarPlotTable()[15638].x, 0.0);
    EXPECT_EQ(StarPlotTable()[15638].y, 0.0);
    EXPECT_TRUE(StarPlotTable()[15638].constellation.empty());
    EXPECT_TRUE(LabelPlotTable()[88].text.empty());
    EXPECT_EQ(NebulaPlotTable()[49].drawnRadius, 0.0);
    EXPECT_EQ(BodyPlotTable()[9].distance, 0.0);
    EXPECT_EQ(kBodyNames[kBodyMercury], "Merkur");
    EXPECT_EQ(kBodyNames[kBodyVesta], "Vesta");
}

}  // namespace
