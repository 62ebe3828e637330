#include <gtest/gtest.h>

#include <cmath>

#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/timescale.h"
#include "support/observer_records.h"

namespace {

constexpr double kDeg = kPi / 180.0;

class SunMoonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetSunState();
        ResetMoonState();
    }
};

double Deg(double rad) { return rad / kDeg; }
double Wrap360(double deg) { return deg - 360.0 * std::floor(deg / 360.0); }

TEST_F(SunMoonTest, SunWorkedValues) {
    struct Case {
        double t, lonDeg, dist, raHours, decDeg;
    } cases[] = {
        {36525.000694, 280.37797, 0.9833182, 18.751862, -23.034273},
        {45350.750694, 341.14937, 0.9908899, 22.840015, -7.385999},
    };
    for (const auto& c : cases) {
        SunPosition(c.t);
        const SunState& s = Sun();
        EXPECT_NEAR(Wrap360(Deg(s.trueLongitude)), c.lonDeg, 2e-5) << c.t;
        EXPECT_NEAR(s.distance, c.dist, 2e-7) << c.t;
        const EquatorialCoords eq = RectangularToEquatorial(s.x, s.y, s.z);
        EXPECT_NEAR(eq.ra * 12 / kPi, c.raHours, 2e-6) << c.t;
        EXPECT_NEAR(Deg(eq.dec), c.decDeg, 2e-5) << c.t;
    }
}

TEST_F(SunMoonTest, SunRectangularAndObliquityAtJ2000) {
    SunPosition(36525.000694);
    const SunState& s = Sun();
    EXPECT_NEAR(Deg(std::asin(s.sinObliquity)), 23.4392804, 1e-6);
    EXPECT_NEAR(s.x, 0.1769737, 2e-7);
    EXPECT_NEAR(s.y, -0.8874453, 2e-7);
    EXPECT_NEAR(s.z, -0.3847544, 2e-7);
    EXPECT_NEAR(std::hypot(std::hypot(s.x, s.y), s.z), s.distance, 1e-12);
}

TEST_F(SunMoonTest, MoonWorkedValues) {
    struct Case {
        double t, lonDeg, latDeg, distAu, phaseDeg, fraction;
    } cases[] = {
        {36525.000694, 223.33118, 5.16826, 0.0026890153, 122.68, 0.2300},
        {45350.750694, 223.52867, -2.40001, 0.0026597784, 62.27, 0.7327},
    };
    for (const auto& c : cases) {
        SunPosition(c.t);
        MoonPosition(c.t, Place(), Shown());
        const MoonState& m = Moon();
        EXPECT_NEAR(Deg(m.longitude), c.lonDeg, 2e-5) << c.t;
        EXPECT_NEAR(Deg(m.latitude), c.latDeg, 2e-5) << c.t;
        EXPECT_NEAR(m.distance, c.distAu, 2e-10) << c.t;
        EXPECT_NEAR(m.phaseAngleDeg, c.phaseDeg, 0.01) << c.t;
        EXPECT_NEAR(m.illuminatedFraction, c.fraction, 1e-4) << c.t;
    }
}

TEST_F(SunMoonTest, MoonGeocentricEquatorialAndParallaxAtJ2000) {
    SunPosition(36525.000694);
    MoonPosition(36525.000694, Place(), Shown());
    EXPECT_NEAR(Moon().parallaxDeg, 0.9084688, 1e-6);
    EXPECT_NEAR(Moon().rightAscension * 12 / kPi, 14.830559, 2e-6);
    EXPECT_NEAR(Deg(Moon().declination), -10.906274, 2e-5);
    EXPECT_NEAR(Moon().distance * 149.6e6, 402277, 1.0);
}

TEST_F(SunMoonTest, PhaseValueTellsWaxingFromWaning) {
    // Scan a lunation: the phase value is below 1 while the Moon's longitude leads the
    // Sun's by 0..180 degrees and at least 1 while it trails.
    int waxing = 0, waning = 0;
    for (double t = 45350.0; t < 45380.0; t += 0.5) {
        SunPosition(t);
        MoonPosition(t, Place(), Shown());
        double d = Moon().longitude - Sun().trueLongitude;
        d = std::remainder(d, 2 * kPi);
        if (std::fabs(d) < 0.05 || std::fabs(std::fabs(d) - kPi) < 0.05) continue;
        if (d > 0) {
            EXPECT_LT(Moon().phaseValue, 1.0) << t;
            EXPECT_DOUBLE_EQ(Moon().phaseValue, Moon().illuminatedFraction);
            ++waxing;
        } else {
            EXPECT_GE(Moon().phaseValue, 1.0) << t;
            EXPECT_DOUBLE_EQ(Moon().phaseValue, 2 - Moon().illuminatedFraction);
            ++waning;
        }
        EXPECT_GE(Sun().trueLongitude, 0.0);
        EXPECT_LE(Sun().trueLongitude, 2 * kPi);
    }
    EXPECT_GT(waxing, 10);
    EXPECT_GT(waning, 10);
}

TEST_F(SunMoonTest, NewMoonIsDarkAndCountsAsWaxing) {
    // Find the new moon of March 2024 (10 March, 9:00 UT) by the smallest elongation.
    double best = 0, bestElongation = 10;
    for (double t = 45359.0; t < 45361.0; t += 0.001) {
        SunPosition(t);
        MoonPosition(t, Place(), Shown());
        const double d = std::fabs(std::remainder(Moon().longitude - Sun().trueLongitude, 2 * kPi));
        if (d < bestElongation) {
            bestElongation = d;
            best = t;
        }
    }
    EXPECT_NEAR(best, JulianDay1900(2024, 3, 10) + 9.0 / 24, 0.1);
    SunPosition(best);
    MoonPosition(best, Place(), Shown());
    // At conjunction only the latitude keeps the Moon off the Sun: i near 180, k near 0.
    EXPECT_GT(Moon().phaseAngleDeg, 170.0);
    EXPECT_LT(Moon().illuminatedFraction, 0.01);
    // A hair later the longitude leads: waxing, value k < 1.
    SunPosition(best + 0.01);
    MoonPosition(best + 0.01, Place(), Shown());
    EXPECT_LT(Moon().phaseValue, 0.01);
}

TEST_F(SunMoonTest, MoonTopocentricAgreesWithMoonPosition) {
    Place().setLatitude(48.0);
    Place().longitudeDeg = 11.0;
    Place().heightM = 500;
    Shown().year = 2024;
    const double ut = 45350.75;
    const double t = ut + DeltaT(2024) / 24.0;
    Shown().siderealHours = LocalSiderealTime(Place().longitudeDeg, ut);
    SunPosition(t);
    MoonPosition(t, Place(), Shown());
    const MoonTopocentricResult r = MoonTopocentric(t, Place(), Shown().year);
    EXPECT_NEAR(r.altitudeDeg, Moon().altitudeDeg, 1e-9);
    EXPECT_NEAR(r.dec, Moon().topoDeclination, 1e-12);
    EXPECT_GE(r.hourAngle, -kPi);
    EXPECT_LE(r.hourAngle, kPi);
}

}  // namespace
