#include <gtest/gtest.h>

#include <cmath>

#include "chart/plot_tables.h"
#include "chart/sky_position_at.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "support/observer_records.h"

// Zenith in the centre (declination = latitude, on the meridian), the compass letters
// on the rim (also on a turned chart), nothing beside the disc, and back from a star
// to its catalogue place.
TEST(SkyPositionAt, UndoesTheChartProjection) {
    ResetObserverRecords();
    ResetChartView();
    Place().setLatitude(52.5);
    Shown().siderealHours = 5.5;
    const double cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
                 r = ChartView().chartRadius;
    EXPECT_NEAR(SkyPositionAt(cx, cy)->decDeg, 52.5, 1e-9);
    EXPECT_NEAR(SkyPositionAt(cx, cy)->raHours, 5.5, 1e-9);
    EXPECT_FALSE(SkyPositionAt(cx + r + 1, cy));
    struct {
        double rotation, x, y, azimuthDeg;
    } rim[] = {{0, cx, cy - r, 0},   {0, cx - r, cy, 90},        {0, cx, cy + r, 180},
               {0, cx + r, cy, 270}, {kPi / 2, cx + r, cy, 180}, {kPi / 2, cx, cy + r, 90}};
    for (const auto& c : rim) {
        ChartView().rotationRad = c.rotation;
        EXPECT_NEAR(SkyPositionAt(c.x, c.y)->altitudeDeg, 0.0, 1e-9);
        EXPECT_NEAR(std::remainder(SkyPositionAt(c.x, c.y)->azimuthDeg - c.azimuthDeg, 360), 0,
                    1e-9)
            << c.rotation << " " << c.x << " " << c.y;
    }
    // A star drawn in the frame of 2050 (sidereal time near 9 h) reads back as its
    // catalogue place of 2000.0.
    Shown().year = 2050;
    Shown().setInstantFrame(13.4, JulianDay1900(2050, 1, 19));
    for (const auto& [raHours, decDeg] : {std::pair{5.6, -5.4}, {23.9, 80.0}, {12.0, 10.0}}) {
        const ChartPoint at = FixedObjectPosition(Shown().horizon(Place()), raHours, decDeg);
        ASSERT_TRUE(at.plotted()) << raHours;
        EXPECT_NEAR(std::remainder(SkyPositionAt(at.x, at.y)->raHours - raHours, 24), 0, 1e-9);
        EXPECT_NEAR(SkyPositionAt(at.x, at.y)->decDeg, decDeg, 1e-9);
    }
}

TEST(SkyPositionText, RoundsWithoutSixtyMinutesOrALostSign) {
    EXPECT_EQ(SkyPositionText({45.64, 123.44, 5.5865, -5.39}).toStdString(),
              "Azimut 123.4°  Höhe 45.6°  Rektaszension(2000.0) 5h 35.2m  Deklination(2000.0) "
              "-5° 23'");
    EXPECT_EQ(SkyPositionText({10.0, 359.97, 23.9995, -0.5}).toStdString(),
              "Azimut 0.0°  Höhe 10.0°  Rektaszension(2000.0) 0h 0.0m  Deklination(2000.0) "
              "-0° 30'");
}
