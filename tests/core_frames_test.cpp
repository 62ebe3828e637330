#include <gtest/gtest.h>

#include <cmath>

#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/timescale.h"
#include "support/observer_records.h"

namespace {

constexpr double kDeg = kPi / 180.0;

TEST(HourAngle, WrapsIntoHalfDayEitherSide) {
    struct Case {
        double sidereal, ra, expected;
    } cases[] = {
        {2, 14, -kPi},                                           // exactly -12 h stays -12 h
        {14, 2, kPi},     {23, 1, -kPi / 6},                     // 22 h become -2 h
        {1, 23, kPi / 6}, {5, 5, 0.0},       {0, 47, kPi / 12},  // several turns away
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(HourAngle(c.sidereal, c.ra), c.expected, 1e-12) << c.sidereal << " " << c.ra;
    }
}

TEST(EclipticToEquatorial, WorkedPoints) {
    const double eps = 23.4392804 * kDeg;
    const double se = std::sin(eps), ce = std::cos(eps);
    EquatorialCoords a = EclipticToEquatorial(0, 0, se, ce);
    EXPECT_NEAR(a.ra, 0.0, 1e-12);
    EXPECT_NEAR(a.dec, 0.0, 1e-12);
    a = EclipticToEquatorial(kPi / 2, 0, se, ce);
    EXPECT_NEAR(a.ra, kPi / 2, 1e-12);
    EXPECT_NEAR(a.dec, eps, 1e-12);
    // The ecliptic pole lies at right ascension 18 h, declination 90 - eps.
    a = EclipticToEquatorial(0, kPi / 2, se, ce);
    EXPECT_NEAR(a.ra, 1.5 * kPi, 1e-9);
    EXPECT_NEAR(a.dec, kPi / 2 - eps, 1e-9);
}

TEST(EclipticToEquatorial, UsesObliquityOfSunState) {
    ResetSunState();
    SunPosition(36525.000694);
    const EquatorialCoords a = EclipticToEquatorial(kPi / 2, 0);
    EXPECT_NEAR(a.dec / kDeg, 23.4392804, 1e-6);
}

TEST(RectangularToEquatorial, PolesAndAxes) {
    struct Case {
        double x, y, z, ra, dec;
    } cases[] = {
        {1, 0, 0, 0, 0},
        {0, 2, 0, kPi / 2, 0},
        {-1, 0, 0, kPi, 0},
        {0, -1, 0, 1.5 * kPi, 0},
        {0, 0, 3, 0, kPi / 2},
        {0, 0, -1, 0, -kPi / 2},
        {1, 1, std::sqrt(2.0), kPi / 4, kPi / 4},
    };
    for (const auto& c : cases) {
        const EquatorialCoords e = RectangularToEquatorial(c.x, c.y, c.z);
        EXPECT_NEAR(e.ra, c.ra, 1e-12) << c.x << " " << c.y << " " << c.z;
        EXPECT_NEAR(e.dec, c.dec, 1e-12) << c.x << " " << c.y << " " << c.z;
    }
}

TEST(EquatorialToHorizontal, WorkedValues) {
    struct Case {
        double latDeg, hDeg, decDeg, altDeg, azDeg, tol;
    } cases[] = {
        {50, 30, 20, 51.73, 49.34, 0.01},  {50, -30, 20, 51.73, -49.34, 0.01},
        {50, 170, 60, 20.3, 174.69, 0.05}, {50, -90, 0, 0.0, -90.0, 1e-9},  // east point
        {50, 90, 0, 0.0, 90.0, 1e-9},                                       // west point
    };
    for (const auto& c : cases) {
        const HorizontalCoords h = EquatorialToHorizontal(
            c.hDeg * kDeg, c.decDeg * kDeg, std::sin(c.latDeg * kDeg), std::cos(c.latDeg * kDeg));
        EXPECT_NEAR(h.altitude / kDeg, c.altDeg, c.tol) << c.hDeg << " " << c.decDeg;
        EXPECT_NEAR(h.azimuth / kDeg, c.azDeg, c.tol) << c.hDeg << " " << c.decDeg;
    }
}

TEST(EquatorialToHorizontal, ZenithPolesAndMeridianWithoutDivisionErrors) {
    const double lat = 50 * kDeg;
    const double sl = std::sin(lat), cl = std::cos(lat);
    // Zenith.
    HorizontalCoords h = EquatorialToHorizontal(0, lat, sl, cl);
    EXPECT_NEAR(h.altitude, kPi / 2, 1e-7);
    EXPECT_TRUE(std::isfinite(h.azimuth));
    // On the meridian south of the zenith: azimuth 0; north of it: pi.
    h = EquatorialToHorizontal(0, 10 * kDeg, sl, cl);
    EXPECT_NEAR(h.altitude / kDeg, 50.0, 1e-9);
    EXPECT_EQ(h.azimuth, 0.0);
    h = EquatorialToHorizontal(0, 80 * kDeg, sl, cl);
    EXPECT_NEAR(h.altitude / kDeg, 60.0, 1e-9);
    EXPECT_NEAR(std::fabs(h.azimuth), kPi, 1e-12);
    // Observer at the north pole: altitude equals declination.
    h = EquatorialToHorizontal(1.0, 30 * kDeg, 1.0, 0.0);
    EXPECT_NEAR(h.altitude / kDeg, 30.0, 1e-9);
    EXPECT_TRUE(std::isfinite(h.azimuth));
    // Celestial pole straight overhead at the pole.
    h = EquatorialToHorizontal(0.3, kPi / 2, 1.0, 0.0);
    EXPECT_NEAR(h.altitude, kPi / 2, 1e-9);
    EXPECT_TRUE(std::isfinite(h.azimuth));
}

TEST(SafeArcSin, HandlesTheEndsOfTheRange) {
    EXPECT_DOUBLE_EQ(SafeArcSin(1.0), kPi / 2);
    EXPECT_DOUBLE_EQ(SafeArcSin(-1.0), -kPi / 2);
    EXPECT_DOUBLE_EQ(SafeArcSin(1.0 + 1e-15), kPi / 2);
    EXPECT_NEAR(SafeArcSin(0.5), kPi / 6, 1e-15);
}

TEST(TopocentricCorrection, ParallaxLowersTheMoonTowardsTheHorizon) {
    ObservingPlace o;
    o.setLatitude(50.0);
    o.heightM = 0.0;
    const double p = std::sin(0.95 * kDeg);
    // On the meridian the right ascension does not change and the declination drops by
    // about the parallax times sin of the zenith distance.
    TopocentricCoords t = TopocentricCorrection(0.0, 10 * kDeg, p, o);
    EXPECT_NEAR(t.deltaRa, 0.0, 1e-15);
    EXPECT_NEAR(t.hourAngle, 0.0, 1e-15);
    EXPECT_NEAR((10 * kDeg - t.dec) / kDeg, 0.95 * std::sin(40 * kDeg), 0.01);
    // West of the meridian the apparent place moves further west (hour angle grows).
    t = TopocentricCorrection(1.0, 0.0, p, o);
    EXPECT_LT(t.deltaRa, 0.0);
    EXPECT_GT(t.hourAngle, 1.0);
    // The corrected hour angle stays in [-pi, pi].
    t = TopocentricCorrection(kPi - 1e-4, 0.0, p, o);
    EXPECT_LE(t.hourAngle, kPi);
    EXPECT_GE(t.hourAngle, -kPi);
    // A high observer sees a slightly larger shift than one at sea level.
    ObservingPlace high = o;
    high.heightM = 3000.0;
    EXPECT_LT(TopocentricCorrection(0.0, 10 * kDeg, p, high).dec,
              TopocentricCorrection(0.0, 10 * kDeg, p, o).dec);
}

TEST(PrecessByAnnualRates, RatesAndNoChangeForZeroYears) {
    const EquatorialHours same = PrecessByAnnualRates(5.5, 0.3, 0.0);
    EXPECT_EQ(same.raHours, 5.5);
    EXPECT_EQ(same.dec, 0.3);
    // At right ascension 0 and declination 0 the rates are 3.0735 s and 20.04" per year.
    const EquatorialHours fifty = PrecessByAnnualRates(0.0, 0.0, 50.0);
    EXPECT_NEAR(fifty.raHours * 3600.0, 50 * 3.0735, 1e-9);
    EXPECT_NEAR(fifty.dec / kDeg * 3600.0, 50 * 20.04, 1e-9);
    // At 6 h the declination does not move and the rate in right ascension grows with tan d.
    const EquatorialHours six = PrecessByAnnualRates(6.0, 45 * kDeg, -10.0);
    EXPECT_NEAR(six.dec, 45 * kDeg, 1e-15);
    EXPECT_NEAR((six.raHours - 6.0) * 3600.0, -10 * (3.0735 + 1.336), 1e-9);
}

}  // namespace
