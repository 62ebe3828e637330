// World map geometry: pixel <-> degrees and the daylight band.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/world_map_geometry.h"
#include "core/timescale.h"

using namespace location;

TEST(WorldMapPixels, ColumnsAndRowsGiveTheirDegrees) {
    struct Case {
        double column;
        double longitude;
    };
    for (const Case& c : {Case{0, 180.0}, Case{310, 359.71}, Case{311, 0.29}, Case{621, 180.0}}) {
        EXPECT_NEAR(WorldLongitudeOfColumn(c.column), c.longitude, 0.005) << c.column;
    }
    EXPECT_DOUBLE_EQ(WorldLatitudeOfRow(150), 0.0);
    EXPECT_DOUBLE_EQ(WorldLatitudeOfRow(0), 90.0);
    EXPECT_DOUBLE_EQ(WorldLatitudeOfRow(300), -90.0);
}

TEST(WorldMapPixels, PlaceCrossLandsOnThePixelOfItsDegrees) {
    struct Case {
        double longitude, latitude;
        int x, y;
    };
    const Case cases[] = {
        {0.0, 0.0, 310, 150},    {180.0, 90.0, 621, 0},  {-180.0, -90.0, 0, 300},
        {359.0, 10.0, 308, 133}, {-1.0, 10.0, 308, 133}, {13.4, 52.5, 333, 62},
    };
    for (const Case& c : cases) {
        const WorldPixel p = WorldPixelOfPlace(c.longitude, c.latitude);
        EXPECT_EQ(p.x, c.x) << c.longitude;
        EXPECT_EQ(p.y, c.y) << c.latitude;
        // And the pixel reads back within one pixel of the place.
        double back = WorldLongitudeOfColumn(p.x);
        const double expected = c.longitude < 0 ? c.longitude + 360.0 : c.longitude;
        double diff = std::fabs(back - expected);
        if (diff > 180.0) diff = 360.0 - diff;
        EXPECT_LT(diff, 180.0 / 310.5 + 1e-9);
        EXPECT_LT(std::fabs(WorldLatitudeOfRow(p.y) - c.latitude), 0.6 + 1e-9);
    }
}

namespace {

int LitColumns(const std::vector<ColumnRun>& runs) {
    int lit = 0;
    for (const ColumnRun& run : runs) lit += std::abs(run.to - run.from);
    return lit;
}

bool Lit(const std::vector<ColumnRun>& runs, int column) {
    for (const ColumnRun& run : runs) {
        const int lo = std::min(run.from, run.to);
        const int hi = std::max(run.from, run.to);
        if (column >= lo && column < hi) return true;
    }
    return false;
}

}  // namespace

TEST(DaylightBand, AtAnEquinoxTheEquatorIsLitOver178Point3Degrees) {
    const double expectedColumns = (360.0 - 2.0 * std::acos(-0.01454) * kRadToDeg) * 621.0 / 360.0;
    EXPECT_NEAR(expectedColumns * 360.0 / 621.0, 178.3, 0.05);
    for (int midnight : {311, 50, 600}) {
        const auto equator = DaylightRuns(150, midnight, 0.0);
        EXPECT_NEAR(LitColumns(equator), expectedColumns, 2.0) << "midnight " << midnight;
        // Slightly less than half the map at every latitude, narrowing towards the poles
        // where the Sun stays below 0.833°.
        int previous = LitColumns(equator);
        for (int row = 149; row >= 1; --row) {
            const auto runs = DaylightRuns(row, midnight, 0.0);
            const int lit = LitColumns(runs);
            EXPECT_LE(lit, previous + 1) << "row " << row;
            EXPECT_LT(lit, 621 / 2) << "row " << row;
            EXPECT_EQ(LitColumns(DaylightRuns(300 - row, midnight, 0.0)), lit) << "row " << row;
            if (lit > 2) {
                // The midnight column itself is dark, the noon column lit.
                EXPECT_FALSE(Lit(runs, midnight));
                EXPECT_TRUE(Lit(runs, (midnight + 310) % 621 + 1));
            }
            previous = lit;
        }
    }
    EXPECT_EQ(LitColumns(DaylightRuns(1, 311, 0.0)), 0);  // 89.4° north: the Sun grazes the horizon
}

TEST(DaylightBand, PolarDayWholeRowPolarNightNothing) {
    const double solstice = 23.44 * kDegToRad;
    // Row 5 is 87° north: midsummer day, midwinter night.
    EXPECT_EQ(LitColumns(DaylightRuns(5, 311, solstice)), 620);
    EXPECT_EQ(LitColumns(DaylightRuns(5, 311, -solstice)), 0);
    EXPECT_EQ(LitColumns(DaylightRuns(295, 311, solstice)), 0);
}

TEST(DaylightBand, LitColumnsAreWhereTheSunStandsAboveTheEdgeAltitude) {
    // Independent check: the Sun's altitude at each column's longitude, from the hour
    // angle measured from the midnight meridian.
    const double declination = 15.0 * kDegToRad;
    const int midnight = 200;
    for (int row : {30, 75, 120, 150, 200, 260}) {
        const double latitude = (150 - row) * 0.6 * kDegToRad;
        const auto runs = DaylightRuns(row, midnight, declination);
        for (int column = 1; column < 621; ++column) {
            const double fromMidnight = (column - midnight) * 360.0 / 621.0 * kDegToRad;
            const double hourAngle = fromMidnight + kPi;
            const double altitude =
                std::asin(std::sin(latitude) * std::sin(declination) +
                          std::cos(latitude) * std::cos(declination) * std::cos(hourAngle)) *
                kRadToDeg;
            if (std::fabs(altitude - 0.833) < 0.9) continue;  // within a pixel of the edge
            EXPECT_EQ(Lit(runs, column), altitude > 0.833) << "row " << row << " column " << column;
        }
    }
}

TEST(DaylightBand, MidnightColumnFacesAwayFromTheSun) {
    // Sun at right ascension 0 h, Greenwich sidereal time 0 h: the Sun culminates at
    // Greenwich, so midnight lies at 180° (column 0 or 621).
    const int atGreenwichNoon = MidnightColumn(0.0 + 7.5 / 15.0, 7.5, 0.0);
    EXPECT_TRUE(atGreenwichNoon <= 1 || atGreenwichNoon >= 620) << atGreenwichNoon;
    // Six sidereal hours later the Sun culminates at 90° west; midnight is at 90° east.
    const int later = MidnightColumn(6.0, 0.0, 0.0);
    EXPECT_NEAR(later, 310.5 + 90.0 * 1.725, 1.0);
}
