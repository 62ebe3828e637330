#include <gtest/gtest.h>

#include <cmath>

#include "core/observing_place.h"
#include "core/timescale.h"
#include "support/observer_records.h"

namespace {

struct DateCase {
    int year, month, day;
    double expected;
};

TEST(JulianDay1900, MatchesWorkedDates) {
    const DateCase cases[] = {
        {1900, 1, 1, 0.5},     {1999, 12, 31, 36523.5},  {2000, 1, 1, 36524.5},
        {2000, 3, 1, 36584.5}, {2024, 3, 1, 45350.5},    {1957, 10, 4, 21095.5},
        {2000, 1, 0, 36523.5}, {1582, 10, 4, -115870.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(JulianDay1900(c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(JulianDay1900, DayOfYearInJanuary) {
    EXPECT_DOUBLE_EQ(JulianDay1900(2024, 1, 61), JulianDay1900(2024, 3, 1));
}

TEST(LocalSiderealTime, MatchesWorkedValues) {
    struct Case {
        double lon, jd, hours, tol;
    } cases[] = {
        {0, 36525.0, 18.6973745582, 1e-9},  {0, 36524.5, 6.6645196460, 1e-9},
        {10, 36525.0, 19.3640412249, 1e-9}, {80, 24747.14, 21.4696, 1e-4},
        {360, 24747.14, 16.1363, 1e-4},     {0, 24747.14, 16.1363, 1e-4},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(LocalSiderealTime(c.lon, c.jd), c.hours, c.tol) << c.lon << " " << c.jd;
    }
}

TEST(LocalSiderealTime, StaysInOneDayForAnyLongitudeAndEra) {
    for (double lon : {-180.0, -0.1, 0.0, 359.9, 360.0}) {
        for (double jd : {-40000.3, 0.1, 36525.0, 80000.9}) {
            const double s = LocalSiderealTime(lon, jd);
            EXPECT_GE(s, 0.0);
            EXPECT_LT(s, 24.0);
        }
    }
}

TEST(FormatDateTime1900, GivesCivilDateAndTimeInZone) {
    struct Case {
        double jd, zone;
        const char* date;
        const char* time;
    } cases[] = {
        {45350.75, 1, "01.03.2024", "07:00:00"},     {45350.75, -5, "01.03.2024", "01:00:00"},
        {36525.0, 0, "01.01.2000", "12:00:00"},      {0.5, 0, "01.01.1900", "00:00:00"},
        {36524.999999, 0, "01.01.2000", "12:00:00"},
    };
    for (const auto& c : cases) {
        FormatDateTime1900(c.jd, c.zone);
        EXPECT_EQ(DateText, c.date) << c.jd << " " << c.zone;
        EXPECT_EQ(TimeText, c.time) << c.jd << " " << c.zone;
    }
}

TEST(FormatDateTime1900, UsesObserverZoneAndPadsFields) {
    ResetObserverRecords();
    Place().zoneOffsetHours = 2;
    // 7 March 2024, 05:05:09 UT -> 07:05:09 in zone +2.
    FormatDateTime1900(JulianDay1900(2024, 3, 7) + (5 + 5 / 60.0 + 9 / 3600.0) / 24.0);
    EXPECT_EQ(DateText, "07.03.2024");
    EXPECT_EQ(TimeText, "07:05:09");
    ResetObserverRecords();
}

TEST(NumericHelpers, ModuloAndAngles) {
    EXPECT_NEAR(ModPositive(-1, kTwoPi), kTwoPi - 1, 1e-15);
    EXPECT_NEAR(Mod2Pi(7), 7 - kTwoPi, 1e-15);
    EXPECT_DOUBLE_EQ(AngleOf(0, 0), 0);
    EXPECT_NEAR(AngleOf(0, -1), 3 * kPi / 2, 1e-12);
    EXPECT_NEAR(AngleOf(-1, 0), kPi, 1e-15);
    EXPECT_NEAR(AngleOf(1, -1), 7 * kPi / 4, 1e-15);
    EXPECT_NEAR(AngleOf(0, 1), kPi / 2, 1e-15);
}

// Far beyond the 32-bit turn count (a wild element set's mean anomaly after years)
// the reductions stay defined and in range.
TEST(NumericHelpers, ReductionsOfHugeValuesStayInRange) {
    for (double x : {3.07295e+69, -3.07295e+69, 1e12, -1e12}) {
        const double r = Mod2Pi(x);
        EXPECT_GE(r, 0.0) << x;
        EXPECT_LT(r, kTwoPi) << x;
        EXPECT_LE(std::fabs(ReducedRad(x)), kTwoPi) << x;
    }
    EXPECT_EQ(IntPart(1e20), 2147483647);
    EXPECT_EQ(IntPart(-1e20), -2147483647 - 1);
    EXPECT_EQ(IntPart(std::nan("")), 0);
}

TEST(NumericHelpers, WrapSymmetricKeepsTheClosedRangeAndTurnsWholeTurns) {
    struct Case {
        double x, halfTurn, expected;
    };
    const Case cases[] = {
        {0.0, 180.0, 0.0},        {180.0, 180.0, 180.0},
        {-180.0, 180.0, -180.0},  {190.0, 180.0, -170.0},
        {-190.0, 180.0, 170.0},   {530.0, 180.0, 170.0},
        {-900.0, 180.0, -180.0},  {1.0e12 + 90.0, 180.0, 10.0},
        {4.0, kPi, 4.0 - kTwoPi}, {-4.0, kPi, kTwoPi - 4.0},
        {kPi, kPi, kPi},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(WrapSymmetric(c.x, c.halfTurn), c.expected, 1e-9) << c.x << " " << c.halfTurn;
    EXPECT_TRUE(std::isinf(WrapPi(INFINITY)));
    EXPECT_TRUE(std::isnan(WrapPi(NAN)));
}

TEST(NumericHelpers, PowerSetsErrorFlagOnlyForNonPositiveBase) {
    MathErrorFlag = false;
    EXPECT_NEAR(Power(8, 1.0 / 3.0), 2.0, 1e-15);
    EXPECT_FALSE(MathErrorFlag);
    EXPECT_EQ(Power(0, 2), 1.0);
    EXPECT_TRUE(MathErrorFlag);
    MathErrorFlag = false;
    EXPECT_EQ(Power(-2, 2), 1.0);
    EXPECT_TRUE(MathErrorFlag);
    MathErrorFlag = false;
}

TEST(DeltaT, StepsByEra) {
    EXPECT_DOUBLE_EQ(DeltaT(1900), 0);
    EXPECT_DOUBLE_EQ(DeltaT(1950), 1.0 / 120.0);
    EXPECT_NEAR(DeltaT(1999), 0.0165, 1e-12);
    EXPECT_DOUBLE_EQ(DeltaT(2000), 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(DeltaT(2030), 1.0 / 60.0);
}

TEST(ObservingPlace, LatitudeKeepsItsSineAndCosine) {
    ObservingPlace s;
    s.setLatitude(30);
    EXPECT_NEAR(s.sinLatitude, 0.5, 1e-15);
}

}  // namespace
