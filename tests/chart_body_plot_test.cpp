// The Sun, the Moon, the planets, the minor body and the satellites placed on the chart
// from the sky positions the engines compute.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "chart/body_plot.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/plot_tables.h"
#include "chart/satellite_plot.h"
#include "core/displayed_instant.h"
#include "core/ephemeris_file_error.h"
#include "core/frames.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/sun_moon.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

constexpr double kDeg = kPi / 180.0;

class BodyPlotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetChartView();
        ResetSunState();
        ResetMoonState();
        ResetPlanets();
        ResetMinorBodyState();
        ResetPlotTables();
        ResetBodyPlots();
        Place().setLatitude(50.0);
    }
    // Distance from the chart centre of a position.
    static double FromCentre(double x, double y) {
        return std::hypot(x - ChartView().chartCentreX, y - ChartView().chartCentreY);
    }
    static double RadiusAtAltitude(double altitudeDeg) {
        return ChartView().chartRadius * std::tan((90 - altitudeDeg) * kDeg / 2);
    }
    testsupport::TempDir dir_;
};

TEST(ChartViewGeometry, DesignSizeGivesDocumentedChart) {
    ChartViewState v;
    v.setChartGeometry(648, 488);
    EXPECT_EQ(v.chartCentreX, 397);
    EXPECT_EQ(v.chartCentreY, 220);
    EXPECT_EQ(v.chartRadius, 206);
    EXPECT_EQ(v.zoomFrameHalfHeight, 110);
    EXPECT_EQ(v.zoomFrameHalfWidth, 158);
}

TEST_F(BodyPlotTest, TheSunIsPlacedAboveTheHorizonOnly) {
    SunPosition(36525.000694);
    const double raHours = AngleOf(Sun().x, Sun().y) * 12 / kPi;
    Shown().siderealHours = raHours;  // Sun on the meridian, altitude 90 - 50 - 23.03
    SunForChart(Place(), Shown());
    PlotSun();
    EXPECT_NEAR(Sun().altitudeDeg, 90 - 50 - 23.034273, 1e-4);
    EXPECT_NEAR(SunPlot().chartX, ChartView().chartCentreX, 1e-9);
    EXPECT_NEAR(SunPlot().chartY, ChartView().chartCentreY + RadiusAtAltitude(Sun().altitudeDeg),
                1e-6);
    EXPECT_EQ(BodyPlotTable()[kBodySun].x, SunPlot().chartX);
    EXPECT_EQ(BodyPlotTable()[kBodySun].distance, Sun().distance);
    EXPECT_GT(SunPlot().discRadius, 0.0);
    Shown().siderealHours = std::fmod(raHours + 12.0, 24.0);  // midnight
    SunForChart(Place(), Shown());
    PlotSun();
    EXPECT_EQ(SunPlot().chartX, 0.0);
    EXPECT_EQ(SunPlot().chartY, 0.0);
    EXPECT_EQ(BodyPlotTable()[kBodySun].x, 0.0);
}

TEST_F(BodyPlotTest, TheMoonIsPlacedAboveTheHorizonOnly) {
    SunPosition(36525.000694);
    MoonPosition(36525.000694, Place(), Shown());
    const double ra = Moon().rightAscension * 12 / kPi;
    for (double offset : {0.0, 12.0}) {
        Shown().siderealHours = std::fmod(ra + offset, 24.0);
        MoonPosition(36525.000694, Place(), Shown());
        PlotMoon();
        const BodyPlotEntry& e = BodyPlotTable()[kBodyMoon];
        EXPECT_EQ(e.distance, Moon().distance);
        if (Moon().altitudeDeg > 0) {
            EXPECT_NEAR(FromCentre(e.x, e.y), RadiusAtAltitude(Moon().altitudeDeg), 1e-6);
            // Parallax lowers the Moon by about a degree on the meridian.
            EXPECT_NEAR(Moon().altitudeDeg,
                        90 - 50 + Moon().declination / kDeg -
                            0.9084688 * std::cos(Moon().altitudeDeg * kDeg),
                        0.05);
            EXPECT_EQ(MoonPlot().chartX, e.x);
        } else {
            EXPECT_EQ(MoonPlot().chartX, 0.0);
            EXPECT_EQ(MoonPlot().chartY, 0.0);
        }
        EXPECT_TRUE(std::isfinite(MoonPlot().limbAngle));
    }
}

TEST_F(BodyPlotTest, PlanetsAboveTheHorizonOnlyAndThoseComputedBeforeAFileError) {
    testsupport::ScopedWorkingDir cwd(dir_.path());
    const double t = 36525.0;
    Shown().siderealHours = LocalSiderealTime(Place().longitudeDeg, t);
    SunPosition(t);
    BodyPlotTable()[kBodyCeres].distance = 123.0;
    EXPECT_THROW(PlanetPositionsOnChart(t), EphemerisFileError);  // no "ASTEROID.TXT"
    EXPECT_EQ(BodyPlotTable()[kBodyCeres].distance, 123.0);

    std::filesystem::copy_file(testsupport::FixturePath("core/ASTEROID.TXT"),
                               dir_ / "ASTEROID.TXT");
    PlanetPositionsOnChart(t);
    for (int i = kBodyMercury; i < kBodyCount; ++i) {
        const PlanetPosition& p = Planets()[i];
        const BodyPlotEntry& e = BodyPlotTable()[i];
        EXPECT_EQ(e.magnitude, p.magnitude) << i;
        EXPECT_EQ(e.distance, p.distance) << i;
        if (p.altitudeDeg > 0) {
            EXPECT_NEAR(FromCentre(e.x, e.y), RadiusAtAltitude(p.altitudeDeg), 1e-6) << i;
        } else {
            EXPECT_EQ(e.x, 0.0) << i;
            EXPECT_EQ(e.y, 0.0) << i;
        }
    }
}

TEST_F(BodyPlotTest, MinorBodyAndItsTail) {
    MinorBody().sky = {89.0 * kDeg, 0.0, true};
    MinorBody().hasTail = true;
    MinorBody().tailSky = {-1.0 * kDeg, 0.0, false};
    PlotMinorBody();
    EXPECT_NEAR(FromCentre(MinorBodyPlot().chartX, MinorBodyPlot().chartY), RadiusAtAltitude(89.0),
                1e-9);
    EXPECT_EQ(MinorBodyPlot().tailX, 0.0);  // the tail's end below the horizon
    MinorBody().tailSky = {80.0 * kDeg, 1.0, true};
    PlotMinorBody();
    EXPECT_NEAR(FromCentre(MinorBodyPlot().tailX, MinorBodyPlot().tailY), RadiusAtAltitude(80.0),
                1e-9);
    MinorBody().sky.aboveHorizon = false;
    MinorBody().hasTail = false;
    PlotMinorBody();
    EXPECT_EQ(MinorBodyPlot().chartX, 0.0);
    EXPECT_EQ(MinorBodyPlot().tailX, 0.0);
}

TEST_F(BodyPlotTest, SatellitesAreTheStereographicProjectionOfTheirSkyPositions) {
    const std::string name = "ISS (ZARYA)";
    const std::string line1 =
        "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
    const std::string line2 =
        "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";
    SatelliteTable& t = Satellites();
    ResetSatelliteTable();
    t.AppendRow({name, line1, line2});
    t.selectedSets.insert(t.selectedSets.end(), {name, line1, line2});
    t.selectedRows.push_back("1");
    t.selectedCount = 1;
    ElementFile().satelliteCount = 1;
    ChartView().rotationRad = 0.3;
    int above = 0;
    for (int minute = 0; minute < 1440 && above == 0; minute += 5) {
        Shown().currentJD = 46138.36 + minute / 1440.0;
        ASSERT_TRUE(ComputeSatellites());
        const SkyPosition& sky = t.sky[1];
        if (!sky.aboveHorizon) {
            EXPECT_EQ(t.chartX[1], 0.0);
            continue;
        }
        ++above;
        const double rho = ChartView().chartRadius * std::tan((kPi / 2 - sky.altitude) / 2);
        EXPECT_DOUBLE_EQ(t.chartX[1], ChartView().chartCentreX + rho * std::sin(sky.azimuth + 0.3));
        EXPECT_DOUBLE_EQ(t.chartY[1], ChartView().chartCentreY + rho * std::cos(sky.azimuth + 0.3));
    }
    EXPECT_GT(above, 0);
    ResetSatelliteTable();
}

}  // namespace
