// Observation geometry and mirror flares: azimuth convention, phase angle, magnitude,
// shadow, height, observer vector, flare angles and magnitudes.
#include <gtest/gtest.h>

#include <cmath>

#include "core/frames.h"
#include "core/sun_moon.h"
#include "satellite/flare.h"
#include "satellite/observation.h"

namespace {

constexpr double kDeg = kPi / 180.0;

class ObservationTest : public ::testing::Test {};

// A satellite far away in the direction (ra, dec) of the models' frame, seen from the
// Earth's centre at latitude 50 deg under the sidereal time 6 h.
SatObservation SeenAt(double raHours, double decDeg) {
    ObserverAt observer;
    observer.place = PlaceOf(0.0, 50.0, 0.0);
    observer.siderealHours = 6.0;
    OrbitState state;
    const double ra = raHours * kPi / 12.0, dec = decDeg * kDeg;
    state.positionKm = {40000.0 * std::cos(dec) * std::cos(ra),
                        40000.0 * std::cos(dec) * std::sin(ra), 40000.0 * std::sin(dec)};
    return ViewOf(state, observer, SunView{}, SatelliteLook{});
}

TEST_F(ObservationTest, ChartAzimuthIsCountedFromSouthThroughWest) {
    struct Case {
        const char* where;
        double raHours, decDeg;
        double expectedNorthBased;  // A + 180
        double tolerance;
    };
    const Case cases[] = {
        {"due west on the horizon", 0.0, 0.0, 270.0, 1e-9},
        {"due east on the horizon", 12.0, 0.0, 90.0, 1e-9},
        {"just west of the meridian, south of the zenith", 5.99, 10.0, 180.0, 1.0},
        {"just west of the meridian, north of the zenith", 5.99, 80.0, 360.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        const double northBased = SeenAt(c.raHours, c.decDeg).azimuthDeg + 180.0;
        EXPECT_NEAR(northBased, c.expectedNorthBased, c.tolerance);
    }
    // West of the meridian: south of the zenith slightly above 0, north slightly below 180.
    EXPECT_GT(SeenAt(5.99, 10.0).azimuthDeg, 0.0);
    EXPECT_LT(SeenAt(5.99, 80.0).azimuthDeg, 180.0);
    EXPECT_GT(SeenAt(5.99, 80.0).azimuthDeg, 90.0);
}

TEST_F(ObservationTest, PhaseAngle) {
    struct Case {
        double h, a, sunH, sunA, expected;
    };
    const Case cases[] = {
        {30.0, 0.0, -30.0, 180.0, 0.0},    // Sun and satellite opposite: fully lit face
        {30.0, 0.0, 30.0, 0.0, 180.0},     // same direction
        {0.0, 90.0, 0.0, 0.0, 90.0},       // 90 deg apart on the horizon
        {0.0, 170.0, 0.0, -170.0, 160.0},  // azimuth difference folded across north
        {90.0, 0.0, 0.0, 45.0, 90.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_NEAR(PhaseAngle(c.h, c.a, c.sunH, c.sunA * kDeg), c.expected, 1e-6);
    }
}

TEST_F(ObservationTest, MagnitudeOfADiffuseSphere) {
    // 1000 km, phase 90 deg: m0 + 0.04.
    EXPECT_NEAR(SatelliteMagnitude(kPi / 2, 1000.0, 4.0), 4.04, 0.005);
    // Phase 0: F = 1, brightest for the range.
    EXPECT_NEAR(SatelliteMagnitude(0.0, 1000.0, 4.0), 4.0 - 16.2 + 15.0, 1e-12);
    // Ten times the range: five magnitudes fainter.
    EXPECT_NEAR(SatelliteMagnitude(1.0, 10000.0, 4.0) - SatelliteMagnitude(1.0, 1000.0, 4.0), 5.0,
                1e-12);
    // Phase 180 deg: finite and very faint.
    const double dark = SatelliteMagnitude(kPi, 1000.0, 4.0);
    EXPECT_TRUE(std::isfinite(dark));
    EXPECT_GT(dark, 20.0);
}

// The shadow is the cylinder behind the Earth: close to the Sun-Earth line on the day
// side the satellite is lit.
TEST_F(ObservationTest, ShadowIsTheCylinderBehindTheEarth) {
    struct Case {
        const char* where;
        double r[3];
        bool inShadow;
    };
    const Case cases[] = {
        {"night side behind the Earth", {-1.1, 0.1, 0.0}, true},
        {"day side, close to the Sun line", {1.1, 0.5, 0.0}, false},
        {"day side, over the subsolar point", {1.06, 0.0, 0.0}, false},
        {"day side, just past the terminator", {0.01, 0.99, 0.3}, false},
        {"night side, just past the terminator", {-0.01, 0.5, 0.3}, true},
        {"beside the Earth", {0.0, 1.2, 0.0}, false},
        {"high over the pole", {-0.5, 0.0, 1.1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        const double depth = ShadowDepth(c.r, 0.0, 0.0);  // Sun towards +x
        EXPECT_EQ(depth < 0.0, c.inShadow) << depth;
    }
    // Behind the Earth: distance from the line in km minus the equatorial ellipsoid radius.
    const double behind[3] = {-1.1, 0.5, 0.0};
    EXPECT_NEAR(ShadowDepth(behind, 0.0, 0.0),
                0.5 * 6378.135 - 6356.775 / std::sqrt(1 - 0.00669454), 1e-9);
}

TEST_F(ObservationTest, HeightAboveTheEllipsoid) {
    struct Case {
        double r[3];
        double expectedKm;
    };
    const Case cases[] = {
        {{1.1, 0.0, 0.0}, 1.1 * 6378.135 - 6356.775 / std::sqrt(1 - 0.00669454)},
        {{0.0, 0.0, 1.1}, 1.1 * 6378.135 - 6356.775},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(EllipsoidHeight(c.r, 1.1), c.expectedKm, 1e-9);
    }
}

TEST_F(ObservationTest, ObserverStandsOnTheEllipsoidTurnedWithTheSiderealTime) {
    const JD1900 t = 36525.3;
    const ObserverAt equator = ObserverAtInstant(PlaceOf(20.0, 0.0, 0.0), t);
    EXPECT_NEAR(std::hypot(equator.positionKm.x, equator.positionKm.y), 6378.135, 1e-9);
    EXPECT_NEAR(equator.positionKm.z, 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(equator.siderealHours, LocalSiderealTime(20.0, t));
    const double angle = std::atan2(equator.positionKm.y, equator.positionKm.x);
    EXPECT_NEAR(std::remainder(angle - equator.siderealHours * kPi / 12.0, 2 * kPi), 0.0, 1e-12);
    const ObserverAt pole = ObserverAtInstant(PlaceOf(0.0, 90.0, 1000.0), t);
    EXPECT_NEAR(pole.positionKm.z, 6356.75 + 1.0, 0.1);
}

TEST_F(ObservationTest, AngularDistance) {
    EXPECT_NEAR(AngularDistance(0.0, 0.0, 120.0, 0.0), 120.0, 1e-9);
    EXPECT_NEAR(AngularDistance(10.0, 20.0, 130.0, 20.0),
                std::acos(std::cos(120 * kDeg) * std::cos(20 * kDeg) * std::cos(20 * kDeg) +
                          std::sin(20 * kDeg) * std::sin(20 * kDeg)) /
                    kDeg,
                1e-9);
    // Below 0.1 deg the planar form.
    EXPECT_NEAR(AngularDistance(10.0, 20.0, 10.05, 20.0), 0.05 * std::cos(20 * kDeg), 1e-12);
    EXPECT_NEAR(AngularDistance(359.99, 0.0, 0.02, 0.03), std::hypot(0.03, 0.03), 1e-9);
}

TEST_F(ObservationTest, FlareAngleOfOnePanel) {
    // Satellite on the x axis moving along +y: body x = +y, y = +z, z = +x (outwards).
    const double r[3] = {1.1, 0.0, 0.0};
    const double v[3] = {0.0, 0.07, 0.0};
    // Panel 1 normal (tilt -40, yaw 0): cos40 * (0,1,0) - sin40 * (1,0,0).
    const double m1[3] = {-std::sin(40 * kDeg), std::cos(40 * kDeg), 0.0};
    // Looking along the normal the observer sees the back of the panel.
    EXPECT_EQ(FlareAngle(r, v, m1, 0.0, 0.0, -40.0, 0.0), 180.0);
    // Looking against the normal the mirrored line of sight is the normal itself: the
    // Sun in that direction gives 0, 10 deg beside it gives 10.
    const double t[3] = {-m1[0] * 2, -m1[1] * 2, 0.0};
    const double sunRa = std::atan2(m1[1], m1[0]) / kDeg;
    EXPECT_NEAR(FlareAngle(r, v, t, sunRa, 0.0, -40.0, 0.0), 0.0, 1e-6);
    EXPECT_NEAR(FlareAngle(r, v, t, sunRa + 10.0, 0.0, -40.0, 0.0), 10.0, 1e-6);
    EXPECT_NEAR(FlareAngle(r, v, t, sunRa, -25.0, -40.0, 0.0), 25.0, 1e-6);
}

TEST_F(ObservationTest, FlareMagnitudes) {
    // Range 1000 km, phase 90 deg, standard magnitude 6.0 (ordinary 6.043).
    const double ordinary = SatelliteMagnitude(kPi / 2, 1000.0, 6.0);
    EXPECT_NEAR(ordinary, 6.043, 0.0005);
    struct Case {
        double angle, expected;
    };
    for (const Case& c : {Case{0.3, -5.724}, Case{0.5, -3.513}, Case{1.0, -1.462}, Case{2.0, 0.117},
                          Case{180.0, 5.958}, Case{0.0, -5.724}, Case{0.32, -5.724}}) {
        SCOPED_TRACE(c.angle);
        const double combined = CombinedMagnitude(FlareMagnitude(c.angle, 1000.0, 90.0), ordinary);
        EXPECT_NEAR(combined, c.expected, 0.0005);
    }
}

TEST_F(ObservationTest, EvaluateFlareWithEveryPanelFacingAway) {
    const double r[3] = {1.1, 0.0, 0.0};
    const double v[3] = {0.0, 0.07, 0.0};
    // Observer farther out than the satellite on the same radius: the line of sight
    // points at the Earth, against every panel normal's outward tilt.
    const double towards[3] = {1.1 - 2.1, 0.0, 0.0};
    const double ordinary = SatelliteMagnitude(kPi / 2, 1000.0, 6.0);
    const FlareResult flare = EvaluateFlare(r, v, towards, 1.0, 0.2, 1000.0, 90.0, ordinary);
    EXPECT_EQ(flare.angleDeg, 180.0);
    EXPECT_EQ(flare.mirror, 1);  // equal angles: the lowest panel
    EXPECT_NEAR(flare.magnitude, 5.958, 0.0005);
}

TEST_F(ObservationTest, EvaluateFlarePicksTheSmallestAngle) {
    const double r[3] = {1.1, 0.0, 0.0};
    const double v[3] = {0.0, 0.07, 0.0};
    // Line of sight against panel 2's normal (yaw +120): the Sun in its mirror direction.
    const double tilt = -40 * kDeg, yaw = 120 * kDeg;
    const double p = std::cos(tilt), w = std::sin(tilt);
    const double p2 = std::cos(yaw) * p, q2 = -std::sin(yaw) * p;
    // body x = (0,1,0), y = (0,0,1), z = (1,0,0)
    const double m2[3] = {w, p2, q2};
    const double t[3] = {-m2[0] * 0.1, -m2[1] * 0.1, -m2[2] * 0.1};
    const double sunRa = std::atan2(m2[1], m2[0]);
    const double sunDec = std::atan(m2[2] / std::hypot(m2[0], m2[1]));
    const FlareResult flare = EvaluateFlare(r, v, t, sunRa, sunDec, 637.8135, 60.0, 5.0);
    EXPECT_NEAR(flare.angleDeg, 0.0, 1e-6);
    EXPECT_EQ(flare.mirror, 2);
    EXPECT_LT(flare.magnitude, -6.0);
}

}  // namespace
