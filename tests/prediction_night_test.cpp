// The night window: evening and morning at the Sun limit, halves, polar day and night.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/rise_set.h"
#include "prediction/night_window.h"
#include "prediction/pass_dialog_display.h"
#include "support/observer_records.h"

namespace {

class NightWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetPassWindow();
        SetPlace(13.4, 52.5, 2.0);
    }
    void TearDown() override {
        ResetObserverRecords();
        ResetPassWindow();
    }
    static void SetPlace(double lon, double lat, double zone) {
        Place().longitudeDeg = lon;
        Place().setLatitude(lat);
        Place().zoneOffsetHours = zone;
    }
    static double DeltaTDays(int year) { return DeltaT(year) / 24.0; }
};

// The window runs from the Sun's setting through the limit to its rising through it,
// as the rise-and-set times of the core give them.
TEST_F(NightWindowTest, WholeNightMatchesSunsetAndSunriseAtTheLimit) {
    struct Case {
        double lon, lat, zone, limit;
        int year, month, day;
    };
    const Case cases[] = {
        {13.4, 52.5, 2, -5, 2026, 4, 27},
        {13.4, 52.5, 1, -12, 2026, 12, 21},
        {-74.0, 40.7, -5, -5, 2026, 7, 4},
        {151.2, -33.9, 10, -18, 2026, 6, 1},
    };
    for (const Case& c : cases) {
        SetPlace(c.lon, c.lat, c.zone);
        const NightWindowResult night =
            ComputeNightWindow(c.year, c.month, c.day, 20, c.limit, true, true, Place());
        ASSERT_EQ(night.kind, NightKind::Normal);
        const JD1900 midnightLocal = JulianDay1900(c.year, c.month, c.day) - c.zone / 24.0;
        Shown().currentJD = midnightLocal + 0.5;  // noon of the date
        const RiseSetTimes today = SunRiseSet(c.limit, Place(), Shown().currentJD);
        Shown().currentJD = midnightLocal + 1.5;  // noon of the next date
        const RiseSetTimes tomorrow = SunRiseSet(c.limit, Place(), Shown().currentJD);
        EXPECT_NEAR(night.start, today.setting, 1.0 / 1440.0) << c.lat;
        EXPECT_NEAR(night.end, tomorrow.rising, 1.0 / 1440.0) << c.lat;
        EXPECT_NEAR(SunAltitudeDeg(night.start, DeltaTDays(c.year), Place()), c.limit, 0.05);
        EXPECT_NEAR(SunAltitudeDeg(night.end, DeltaTDays(c.year), Place()), c.limit, 0.05);
    }
}

TEST_F(NightWindowTest, HalvesMeetAtTheSunsLowerTransit) {
    const NightWindowResult whole = ComputeNightWindow(2026, 4, 27, 20, -5, true, true, Place());
    const NightWindowResult first = ComputeNightWindow(2026, 4, 27, 20, -5, true, false, Place());
    const NightWindowResult second = ComputeNightWindow(2026, 4, 27, 20, -5, false, true, Place());
    EXPECT_DOUBLE_EQ(first.start, whole.start);
    EXPECT_DOUBLE_EQ(second.end, whole.end);
    EXPECT_NEAR(first.end, second.start, 1.0 / 86400.0);
    EXPECT_GT(first.end, whole.start);
    EXPECT_LT(first.end, whole.end);
    // Lower transit: the Sun's hour angle is +-180 degrees there.
    const double S = SunHourAngle(first.end, DeltaTDays(2026), Place());
    EXPECT_NEAR(std::fabs(S), kPi, 1e-4);
}

TEST_F(NightWindowTest, MorningTimeSelectsTheNightThatBeganTheEveningBefore) {
    for (const int hour : {0, 3, 11}) {
        const NightWindowResult morning =
            ComputeNightWindow(2026, 4, 28, hour, -5, true, true, Place());
        const NightWindowResult evening =
            ComputeNightWindow(2026, 4, 27, 12, -5, true, true, Place());
        EXPECT_DOUBLE_EQ(morning.start, evening.start) << hour;
        EXPECT_DOUBLE_EQ(morning.end, evening.end) << hour;
    }
}

TEST_F(NightWindowTest, NightWindowTakesTheLocalDateOfTheInstantAndSetsTheWindow) {
    DateText = "kein Datum";
    ASSERT_EQ(NightWindow(JulianDay1900(2026, 4, 27) + 20.0 / 24.0, -5, true, true, Place()).kind,
              NightKind::Normal);  // 22:00
    const NightWindowResult expected = ComputeNightWindow(2026, 4, 27, 22, -5, true, true, Place());
    EXPECT_DOUBLE_EQ(PassWindow().windowStart, expected.start);
    EXPECT_DOUBLE_EQ(PassWindow().windowEnd, expected.end);
    EXPECT_EQ(DateText, "kein Datum");
}

// At 70 N in midsummer the Sun's lowest altitude is about 3.4 degrees: no window for a
// limit of -5 (the night is skipped, not given the window [0, 0] or the previous one),
// a short window about local midnight for a limit just above the lowest altitude.
TEST_F(NightWindowTest, MidsummerAtSeventyNorth) {
    SetPlace(20.0, 70.0, 2.0);
    PassWindow().windowStart = 123.0;
    PassWindow().windowEnd = 456.0;
    EXPECT_EQ(NightWindow(JulianDay1900(2026, 6, 21) + 0.5, -5, true, true, Place()).kind,
              NightKind::NoDarkness);
    EXPECT_EQ(PassWindow().windowStart, 123.0);
    EXPECT_EQ(PassWindow().windowEnd, 456.0);
    EXPECT_EQ(ComputeNightWindow(2026, 6, 21, 20, -5, true, true, Place()).kind,
              NightKind::NoDarkness);

    const SunTransit noon =
        SunTransitNear(JulianDay1900(2026, 6, 21) + 10.0 / 24.0, DeltaTDays(2026), 0.0, Place());
    const double lowestDeg = noon.declination * kRadToDeg + 70.0 - 90.0;
    EXPECT_NEAR(lowestDeg, 3.4, 0.1);
    const NightWindowResult shortNight =
        ComputeNightWindow(2026, 6, 21, 20, lowestDeg + 0.3, true, true, Place());
    ASSERT_EQ(shortNight.kind, NightKind::Normal);
    EXPECT_GT(shortNight.end, shortNight.start);
    EXPECT_LT(shortNight.end - shortNight.start, 0.25);
    const JD1900 middle = LowerTransitAfter(shortNight.start, DeltaTDays(2026), Place());
    EXPECT_NEAR(middle - shortNight.start, shortNight.end - middle, 0.01);
}

TEST_F(NightWindowTest, PolarNightRunsFromNoonToNoon) {
    SetPlace(20.0, 75.0, 1.0);
    const NightWindowResult night = ComputeNightWindow(2026, 12, 21, 20, -5, true, true, Place());
    ASSERT_EQ(night.kind, NightKind::DarkAllDay);
    EXPECT_NEAR(night.end - night.start, 1.0, 0.001);
    EXPECT_NEAR(std::fabs(SunHourAngle(night.start, DeltaTDays(2026), Place())), 0.0, 1e-3);
    // Halves of a dark day: from noon to the lower transit and from there to noon.
    const NightWindowResult first = ComputeNightWindow(2026, 12, 21, 20, -5, true, false, Place());
    const NightWindowResult second = ComputeNightWindow(2026, 12, 21, 20, -5, false, true, Place());
    EXPECT_NEAR(first.end - night.start, 0.5, 0.01);
    EXPECT_NEAR(second.start - night.start, 0.5, 0.01);
    EXPECT_NEAR(second.end, night.end, 1e-9);
}

// The same holds in the south: midwinter at 80 S is dark all day, midsummer there
// has no darkness.
TEST_F(NightWindowTest, PolarNightAndDayInTheSouth) {
    SetPlace(0.0, -80.0, 0.0);
    EXPECT_EQ(ComputeNightWindow(2026, 6, 21, 0, -5, true, true, Place()).kind,
              NightKind::DarkAllDay);
    EXPECT_EQ(ComputeNightWindow(2026, 12, 21, 0, -5, true, true, Place()).kind,
              NightKind::NoDarkness);
}

// Early August at 70 N the Sun's lowest altitude sinks by about a third of a degree per
// day. A limit between the evening's and the next morning's lowest altitude leaves the
// evening without a crossing: the window is closed symmetrically about midnight.
TEST_F(NightWindowTest, DarknessOnlyTowardsMorningIsMirroredAboutMidnight) {
    SetPlace(20.0, 70.0, 2.0);
    const double dT = DeltaTDays(2026);
    const JD1900 noon = JulianDay1900(2026, 8, 1) + 10.0 / 24.0;
    const double lowestEvening =
        SunTransitNear(noon, dT, 0.0, Place()).declination * kRadToDeg - 20.0;
    const double lowestMorning =
        SunTransitNear(noon + 1.0, dT, 0.0, Place()).declination * kRadToDeg - 20.0;
    ASSERT_LT(lowestMorning, lowestEvening);
    const double limit = (lowestEvening + lowestMorning) / 2.0;
    const NightWindowResult night = ComputeNightWindow(2026, 8, 1, 20, limit, true, true, Place());
    ASSERT_EQ(night.kind, NightKind::Normal);
    EXPECT_GT(night.end, night.start);
    EXPECT_LT(night.end - night.start, 0.2);
    const JD1900 middle = LowerTransitAfter(night.start, dT, Place());
    EXPECT_NEAR(middle - night.start, night.end - middle, 1e-6);
}

// A limit the Sun never gets down to is raised once, to just above the Sun's lowest
// altitude but at most to the horizon: where the Sun stays above the horizon all night
// (70 N at midsummer, McMurdo in December) the night has no darkness.
TEST_F(NightWindowTest, RaisedLimitStopsAtTheHorizon) {
    struct Case {
        double lon, lat, zone;
        int month, day;
        double raised;
        NightKind kind;
    } cases[] = {
        {20.0, 64.0, 2, 6, 21, -2.55, NightKind::Normal},          // lowest -2.56
        {20.0, 70.0, 2, 6, 21, 0.0, NightKind::NoDarkness},        // lowest +3.4
        {166.67, -77.85, 13, 12, 15, 0.0, NightKind::NoDarkness},  // lowest +11.2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lat);
        SetPlace(c.lon, c.lat, c.zone);
        const NightSpan span =
            ComputeNightSpan(2026, c.month, c.day, 20, 1, -5, true, true, Place());
        EXPECT_NEAR(span.limitDeg, c.raised, 0.015);
        EXPECT_EQ(span.raisedLimitsDeg.size(), 1u);
        EXPECT_EQ(
            ComputeNightWindow(2026, c.month, c.day, 20, span.limitDeg, true, true, Place()).kind,
            c.kind);
    }
}

TEST_F(NightWindowTest, NightsWithoutDarknessAreNamedByTheirEvenings) {
    const auto night = [](int month, int day, double limit) {
        return NightWithoutDarkness{JulianDay1900(2026, month, day) + 10.0 / 24.0, limit};
    };
    struct Case {
        std::vector<NightWithoutDarkness> nights;
        std::string text;
    } cases[] = {
        {{}, ""},
        {{night(12, 15, 0.0)},
         "Kein dunkler Himmel in der Nacht vom 15.12.2026: die Sonne sinkt nicht unter 0°."},
        {{night(6, 30, -5), night(7, 1, -5), night(7, 2, -5), night(7, 4, -5), night(7, 5, -2.5)},
         "Kein dunkler Himmel in den Nächten vom 30.06.2026 bis 02.07.2026: die Sonne sinkt "
         "nicht unter -5°.\n"
         "Kein dunkler Himmel in der Nacht vom 04.07.2026: die Sonne sinkt nicht unter -5°.\n"
         "Kein dunkler Himmel in der Nacht vom 05.07.2026: die Sonne sinkt nicht unter -2.5°."},
    };
    for (const Case& c : cases) EXPECT_EQ(NightsWithoutDarknessText(c.nights, Place()), c.text);
}

}  // namespace
