#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_view.h"
#include "chart/plot_tables.h"
#include "chart/sky_position_at.h"
#include "core/observer_state.h"
#include "core/timescale.h"

namespace {

class SkyPositionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverState();
        ResetChartView();
        Observer().setLatitude(52.5);
        Observer().siderealHours = 5.5;
    }
    const double cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
                 r = ChartView().chartRadius;
};

TEST_F(SkyPositionTest, CentreIsTheZenith) {
    const auto p = SkyPositionAt(cx, cy);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->altitudeDeg, 90.0);
    EXPECT_NEAR(p->decDeg, 52.5, 1e-9);
    EXPECT_NEAR(p->raHours, 5.5, 1e-9);
}

TEST_F(SkyPositionTest, RimPointsAtTheCompassLetters) {
    struct Case {
        double rotation, x, y, azimuthDeg;
    } cases[] = {
        {0, cx, cy - r, 0},        {0, cx - r, cy, 90},        {0, cx, cy + r, 180},
        {0, cx + r, cy, 270},      {kPi / 2, cx + r, cy, 180},  // turned: south on the right
        {kPi / 2, cx, cy + r, 90},
    };
    for (const auto& c : cases) {
        ChartView().rotationRad = c.rotation;
        const auto p = SkyPositionAt(c.x, c.y);
        ASSERT_TRUE(p) << c.x << " " << c.y;
        EXPECT_NEAR(p->altitudeDeg, 0.0, 1e-9);
        EXPECT_NEAR(std::remainder(p->azimuthDeg - c.azimuthDeg, 360.0), 0.0, 1e-9)
            << c.rotation << " " << c.x << " " << c.y;
    }
    EXPECT_FALSE(SkyPositionAt(cx + r + 1, cy));
}

TEST_F(SkyPositionTest, UndoesTheProjectionOfAFixedObject) {
    ChartView().rotationRad = 1.0;
    const ObserverState& o = Observer();
    for (const auto& [raHours, decDeg] : {std::pair{5.6, -5.4}, {23.9, 80.0}, {12.0, 10.0}}) {
        const ChartPoint at =
            FixedObjectPosition(raHours, decDeg, o.siderealHours, o.sinLatitude, o.cosLatitude);
        ASSERT_TRUE(at.plotted()) << raHours;
        const auto p = SkyPositionAt(at.x, at.y);
        ASSERT_TRUE(p);
        EXPECT_NEAR(std::remainder(p->raHours - raHours, 24.0), 0.0, 1e-9);
        EXPECT_NEAR(p->decDeg, decDeg, 1e-9);
    }
}

TEST(SkyPositionText, RoundsWithoutSixtyMinutesOrALostSign) {
    struct Case {
        ChartPointPosition position;
        const char* text;
    } cases[] = {
        {{45.64, 123.44, 5.5865, -5.39},
         "Azimut 123.4°  Höhe 45.6°  Rektaszension 5h 35.2m  Deklination -5° 23'"},
        {{-0.04, 359.97, 23.9995, -0.5},
         "Azimut 0.0°  Höhe 0.0°  Rektaszension 0h 0.0m  Deklination -0° 30'"},
        {{10.0, 90.0, 1.99999, 59.9999},
         "Azimut 90.0°  Höhe 10.0°  Rektaszension 2h 0.0m  Deklination 60° 0'"},
    };
    for (const auto& c : cases) EXPECT_EQ(SkyPositionText(c.position).toStdString(), c.text);
}

}  // namespace
