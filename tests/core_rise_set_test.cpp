#include <gtest/gtest.h>

#include <cmath>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/rise_set.h"
#include "core/sun_moon.h"
#include "core/timescale.h"
#include "support/observer_records.h"

namespace {

struct EventCase {
    double lat, lon, zone, currentJD, setting, rising;
};

void PlaceObserver(double lat, double lon, double zone, double currentJD) {
    ResetObserverRecords();
    Place().setLatitude(lat);
    Place().longitudeDeg = lon;
    Place().zoneOffsetHours = zone;
    Shown().currentJD = currentJD;
    Shown().year = CivilFromJD1900(currentJD, zone).year;
}

constexpr double kMinute = 1.0 / 1440.0;

// The Sun's centre at -0.833 deg without refraction, from an independent modern
// ephemeris (PyEphem, tools/reference/make_core_fixtures.py): within half a minute.
TEST(SunRiseSet, AgreesWithModernEphemeris) {
    const EventCase cases[] = {
#include "fixtures/core/modern_sun_events.inc"
    };
    for (const auto& c : cases) {
        PlaceObserver(c.lat, c.lon, c.zone, c.currentJD);
        const RiseSetTimes r = SunRiseSet(kSunriseAltitudeDeg, Place(), Shown().currentJD);
        EXPECT_NEAR(r.setting, c.setting, 0.5 * kMinute) << c.lat << " " << c.currentJD;
        EXPECT_NEAR(r.rising, c.rising, 0.5 * kMinute) << c.lat << " " << c.currentJD;
    }
}

// The lunar theory is good to about 0.1 deg: rise and set within a few minutes.
TEST(MoonRiseSet, AgreesWithModernEphemeris) {
    const EventCase cases[] = {
#include "fixtures/core/modern_moon_events.inc"
    };
    for (const auto& c : cases) {
        PlaceObserver(c.lat, c.lon, c.zone, c.currentJD);
        const RiseSetTimes r = MoonRiseSet(Place(), Shown().currentJD, Shown().year);
        EXPECT_NEAR(r.setting, c.setting, 3 * kMinute) << c.lat << " " << c.currentJD;
        EXPECT_NEAR(r.rising, c.rising, 3 * kMinute) << c.lat << " " << c.currentJD;
    }
}

TEST(SunRiseSet, TwilightsComeInOrder) {
    PlaceObserver(48.0, 11.0, 1.0, JulianDay1900(2024, 3, 20) + 0.5);
    double previousSet = 0, previousRise = 1e9;
    for (double h0 :
         {kSunriseAltitudeDeg, kCivilTwilightDeg, kNauticalTwilightDeg, kAstronomicalTwilightDeg}) {
        const RiseSetTimes r = SunRiseSet(h0, Place(), Shown().currentJD);
        EXPECT_GT(r.setting, previousSet) << h0;
        EXPECT_LT(r.rising, previousRise) << h0;
        previousSet = r.setting;
        previousRise = r.rising;
    }
}

TEST(SunRiseSet, NoEventGivesZero) {
    struct Case {
        double lat, h0;
        int month, day;
    } cases[] = {
        {70.0, kSunriseAltitudeDeg, 6, 21},       // midnight sun
        {70.0, kSunriseAltitudeDeg, 12, 21},      // polar night
        {55.0, kAstronomicalTwilightDeg, 6, 21},  // no astronomical night
        {-70.0, kSunriseAltitudeDeg, 12, 21},     // southern midnight sun
        {-70.0, kSunriseAltitudeDeg, 6, 21},      // southern polar night
        {-55.0, kAstronomicalTwilightDeg, 12, 21}, {90.0, kCivilTwilightDeg, 6, 21},
    };
    for (const auto& c : cases) {
        PlaceObserver(c.lat, 10.0, 0.0, JulianDay1900(2024, c.month, c.day) + 0.5);
        const RiseSetTimes r = SunRiseSet(c.h0, Place(), Shown().currentJD);
        EXPECT_EQ(r.setting, 0.0) << c.lat << " " << c.h0 << " " << c.month;
        EXPECT_EQ(r.rising, 0.0) << c.lat << " " << c.h0 << " " << c.month;
    }
}

TEST(RiseSet, LeavesTheDateTextsAlone) {
    PlaceObserver(52.5, 13.4, 1.0, JulianDay1900(2024, 3, 1) + 0.75);
    for (int which = 0; which < 3; ++which) {
        DateText = "x";
        TimeText = "y";
        if (which == 0) {
            EXPECT_GT(SunRiseSet(kSunriseAltitudeDeg, Place(), Shown().currentJD).rising, 0.0);
        }
        if (which == 1) {
            EXPECT_GT(MoonRiseSet(Place(), Shown().currentJD, Shown().year).setting, 0.0);
        }
        if (which == 2) {
            Place().setLatitude(85.0);  // polar night: no event at all
            EXPECT_EQ(SunRiseSet(kSunriseAltitudeDeg, Place(), Shown().currentJD).rising, 0.0);
        }
        EXPECT_EQ(DateText, "x") << which;
        EXPECT_EQ(TimeText, "y") << which;
    }
}

TEST(MoonRiseSet, CircumpolarOrNeverRisingMoonGivesZero) {
    // Near the pole the Moon stays up or down for days; wherever the theory's transit
    // altitude says so, both instants are 0 and otherwise each lies within a day.
    int zeros = 0, events = 0;
    for (double day = 0; day < 30; day += 1.0) {
        PlaceObserver(78.0, 15.0, 1.0, JulianDay1900(2024, 1, 1) + day + 0.5);
        const RiseSetTimes r = MoonRiseSet(Place(), Shown().currentJD, Shown().year);
        if (r.setting == 0.0 && r.rising == 0.0) {
            ++zeros;
        } else {
            ++events;
            if (r.setting != 0.0) {
                EXPECT_LT(std::fabs(r.setting - Shown().currentJD), 1.5) << day;
            }
            if (r.rising != 0.0) {
                EXPECT_LT(std::fabs(r.rising - Shown().currentJD), 1.5) << day;
            }
        }
    }
    EXPECT_GT(zeros, 5);
    EXPECT_GT(events, 5);
}

}  // namespace
