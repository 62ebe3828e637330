#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "core/asteroids.h"
#include "core/displayed_instant.h"
#include "core/ephemeris_file_error.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/timescale.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/unreadable_file.h"

namespace {

constexpr double kDeg = kPi / 180.0;
constexpr double kGauss = 0.01720209895;

TEST(OrbitPlanePosition, ParabolaWorkedValues) {
    // At perihelion: s = 0, r = q, x = q, y = 0.
    OrbitPlanePoint p = OrbitPlanePosition(0.8, 1.0, 0.0);
    EXPECT_DOUBLE_EQ(p.r, 0.8);
    EXPECT_DOUBLE_EQ(p.x, 0.8);
    EXPECT_DOUBLE_EQ(p.y, 0.0);
    // W = 1 gives s = 0.5960716 with s + s^3/3 = W/1.5.
    const double q = 1.3;
    const double dt = std::sqrt(2 * q * q * q) / (1.5 * kGauss);
    p = OrbitPlanePosition(q, 1.0, dt);
    const double s = 0.5960716;
    EXPECT_NEAR(s + s * s * s / 3, 1 / 1.5, 1e-7);
    EXPECT_NEAR(p.r, q * (1 + s * s), 1e-6);
    EXPECT_NEAR(p.x, q * (1 - s * s), 1e-6);
    EXPECT_NEAR(p.y, 2 * q * s, 1e-6);
    // Before perihelion the body is on the other side of the axis.
    const OrbitPlanePoint before = OrbitPlanePosition(q, 1.0, -dt);
    EXPECT_NEAR(before.y, -p.y, 1e-12);
    EXPECT_NEAR(before.r, p.r, 1e-12);
}

TEST(OrbitPlanePosition, EllipseUsesPerihelionDistanceAndGaussianMotion) {
    struct Case {
        double q, e;
    } cases[] = {{0.586, 0.967}, {1.0, 0.0}, {2.5, 0.3}, {0.1, 0.999}};
    for (const auto& c : cases) {
        const double a = c.q / (1 - c.e);
        const double period = kTwoPi * std::pow(a, 1.5) / kGauss;
        const OrbitPlanePoint peri = OrbitPlanePosition(c.q, c.e, 0.0);
        EXPECT_NEAR(peri.r, c.q, 1e-12 * a) << c.e;
        const OrbitPlanePoint aph = OrbitPlanePosition(c.q, c.e, period / 2);
        EXPECT_NEAR(aph.r, a * (1 + c.e), 1e-6 * a) << c.e;
        EXPECT_NEAR(aph.x, -a * (1 + c.e), 1e-6 * a) << c.e;
        // Kepler's equation holds at arbitrary times, before and after perihelion.
        for (double frac : {-0.37, -0.01, 0.013, 0.2, 0.77, 3.4}) {
            const double dt = frac * period;
            const OrbitPlanePoint p = OrbitPlanePosition(c.q, c.e, dt);
            const double ecc =
                std::atan2(p.y / (a * std::sqrt(1 - c.e * c.e) + 1e-300), p.x / a + c.e);
            double m = std::remainder(kGauss * dt / std::pow(a, 1.5), kTwoPi);
            EXPECT_NEAR(std::remainder(ecc - c.e * std::sin(ecc) - m, kTwoPi), 0.0, 1e-8)
                << c.e << " " << frac;
            EXPECT_NEAR(p.r, std::hypot(p.x, p.y), 1e-9 * a);
        }
    }
}

// Exact hyperbolic solution for comparison: e sinh H - H = M.
double HyperbolicV(double e, double q, double dt) {
    const double a = q / (e - 1);
    const double m = kGauss * dt / std::pow(a, 1.5);
    double h = std::asinh(m / e);
    for (int i = 0; i < 200; ++i) h -= (e * std::sinh(h) - h - m) / (e * std::cosh(h) - 1);
    return 2 * std::atan(std::sqrt((e + 1) / (e - 1)) * std::tanh(h / 2));
}

TEST(NearParabolicAnomaly, MatchesTheExactHyperbola) {
    struct Case {
        double e, q, dt, tolDeg;
    } cases[] = {
        {1.0008, 1.0, 50.0, 0.01},
        {1.0008, 1.0, -120.0, 0.01},
        {1.02, 0.5, 30.0, 0.01},
        {1.0, 1.0, 80.0, 0.01},  // lambda = 0: the parabola
    };
    for (const auto& c : cases) {
        const double start =
            AngleOf(OrbitPlanePosition(c.q, 1.0, c.dt).x, OrbitPlanePosition(c.q, 1.0, c.dt).y);
        const double v = NearParabolicAnomaly(c.e, c.q, c.dt, start);
        const double expected =
            c.e > 1 ? HyperbolicV(c.e, c.q, c.dt) : std::remainder(start, kTwoPi);
        EXPECT_NEAR(v / kDeg, expected / kDeg, c.tolDeg) << c.e << " " << c.dt;
    }
}

TEST(OrbitPlanePosition, StronglyHyperbolicFarFromPerihelion) {
    // The series in tan(v/2) diverges here; the position still follows the hyperbola.
    for (double dt : {400.0, -900.0, 3000.0}) {
        const double e = 1.5, q = 1.0;
        const OrbitPlanePoint p = OrbitPlanePosition(q, e, dt);
        const double v = HyperbolicV(e, q, dt);
        EXPECT_NEAR(std::atan2(p.y, p.x), v, 1e-7) << dt;
        EXPECT_NEAR(p.r, q * (1 + e) / (1 + e * std::cos(v)), 1e-6 * p.r) << dt;
    }
}

class MinorBodyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetSunState();
        ResetMinorBodyState();
        Place().setLatitude(50.0);
    }
    void UseFile(const std::string& fixture) {
        std::filesystem::copy_file(testsupport::FixturePath(fixture), dir_ / "KOMET",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    void Compute(double t) {
        SunPosition(t);
        EXPECT_TRUE(MinorBodyPosition(t, Place(), Shown()));
    }
    // Puts the body in the observer's zenith.
    void LookAtBody(double t) {
        Compute(t);
        Shown().siderealHours = MinorBody().raHours;
        Place().setLatitude(MinorBody().declination / kDeg);
        Compute(t);
    }
    testsupport::TempDir dir_;
};

TEST_F(MinorBodyTest, ReadsTheFileAndPlacesTheBody) {
    UseFile("core/KOMET_elliptic");
    testsupport::ScopedWorkingDir cwd(dir_.path());
    LookAtBody(36540.0);
    const MinorBodyState& m = MinorBody();
    EXPECT_EQ(m.name, "Testkomet P/1");
    EXPECT_NEAR(m.altitudeDeg, 90.0, 1e-6);
    EXPECT_TRUE(m.sky.aboveHorizon);
    EXPECT_NEAR(m.sky.altitude, kPi / 2, 1e-8);
    // Magnitude g + 5 log10(delta) + kappa log10(r), distance in millions of km.
    const double delta = m.distance / 149.6;
    EXPECT_NEAR(m.magnitude, 5.5 + 5 * std::log10(delta) + 8.0 * std::log10(m.sunDistance), 1e-12);
    EXPECT_GT(m.sunDistance, 0.586);
}

TEST_F(MinorBodyTest, TailPointsAwayFromTheSunWhenBrightEnough) {
    UseFile("core/KOMET_elliptic");
    testsupport::ScopedWorkingDir cwd(dir_.path());
    LookAtBody(36530.0);
    const MinorBodyState& m = MinorBody();
    ASSERT_LT(m.magnitude, 10.0);
    EXPECT_TRUE(m.hasTail);
    EXPECT_TRUE(m.tailSky.aboveHorizon);
    // A faint body above the horizon gets no tail.
    testsupport::WriteTextFile(
        dir_ / "KOMET",
        "Schwach\n2000\n1\n1.5\n0.586\n0.967\n111.8657\n58.8601\n162.2422\n2000\n15\n8\n0.1\n");
    LookAtBody(36530.0);
    ASSERT_GE(MinorBody().magnitude, 10.0);
    EXPECT_TRUE(MinorBody().sky.aboveHorizon);
    EXPECT_FALSE(MinorBody().hasTail);
}

TEST_F(MinorBodyTest, BelowTheHorizonKeepsItsValuesButNoChartPosition) {
    UseFile("core/KOMET_parabolic_crlf");
    testsupport::ScopedWorkingDir cwd(dir_.path());
    LookAtBody(36540.0);
    Place().setLatitude(-MinorBody().declination / kDeg);  // now in the nadir
    Shown().siderealHours = std::fmod(MinorBody().raHours + 12.0, 24.0);
    Compute(36540.0);
    const MinorBodyState& m = MinorBody();
    EXPECT_EQ(m.name, "Heller Komet");
    EXPECT_NEAR(m.altitudeDeg, -90.0, 1e-3);
    EXPECT_FALSE(m.sky.aboveHorizon);
    EXPECT_FALSE(m.hasTail);
    EXPECT_GT(m.distance, 0.0);
    EXPECT_TRUE(std::isfinite(m.magnitude));
}

TEST_F(MinorBodyTest, FileFaultsKeepTheOldValues) {
    testsupport::ScopedWorkingDir cwd(dir_.path());
    struct Case {
        const char* text;
        const char* message;
        const char* name;
    } cases[] = {
        {nullptr, "Datei nicht gefunden: KOMET", "alt"},
        {"Kurz\n2000\n1\n", "Lesen über Dateiende hinaus: KOMET", "Kurz"},
        {"Komma\n2000\n1\n1,5\n0.5\n0.9\n1\n1\n1\n2000\n5\n5\n0.1\n",
         "'1,5' ist kein gültiger Gleitkommawert (KOMET)", "Komma"},
        {"Jahr\nzweitausend\n1\n1.5\n0.5\n0.9\n1\n1\n1\n2000\n5\n5\n0.1\n",
         "'zweitausend' ist kein gültiger Integerwert (KOMET)", "Jahr"},
        {"Null\n2000\n1\n1.5\n0\n0.9\n1\n1\n1\n2000\n5\n5\n0.1\n",
         "Periheldistanz '0' ist ungültig: sie muss größer als 0 sein (KOMET)", "Null"},
        {"Negativ\n2000\n1\n1.5\n0.5\n-0.2\n1\n1\n1\n2000\n5\n5\n0.1\n",
         "Exzentrizität '-0.2' ist ungültig: sie darf nicht negativ sein (KOMET)", "Negativ"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir_ / "KOMET");
        if (c.text) testsupport::WriteTextFile(dir_ / "KOMET", c.text);
        MinorBody().name = "alt";
        MinorBody().distance = 42.0;
        try {
            MinorBodyPosition(36525.0, Place(), Shown());
            ADD_FAILURE() << c.message;
        } catch (const EphemerisFileError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
            EXPECT_EQ(e.fileName(), "KOMET");
        }
        EXPECT_EQ(MinorBody().name, c.name);
        EXPECT_EQ(MinorBody().distance, 42.0);
    }
}

TEST_F(MinorBodyTest, UnreadableFilesAreNamedAndKeepTheOldValues) {
    testsupport::ScopedWorkingDir cwd(dir_.path());
    for (const std::string& form : testsupport::UnreadableForms()) {
        SCOPED_TRACE(form);
        testsupport::MakeUnreadable(dir_ / "KOMET", form);
        MinorBody().name = "alt";
        try {
            MinorBodyPosition(36525.0, Place(), Shown());
            ADD_FAILURE() << "no error";
        } catch (const EphemerisFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Datei kann nicht gelesen werden: KOMET");
        }
        EXPECT_EQ(MinorBody().name, "alt");

        testsupport::MakeUnreadable(dir_ / "ASTEROID.TXT", form);
        try {
            SelectAsteroidPair(36525.0);
            ADD_FAILURE() << "no error";
        } catch (const EphemerisFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Datei kann nicht gelesen werden: ASTEROID.TXT");
            EXPECT_EQ(e.fileName(), "ASTEROID.TXT");
        }
    }
}

}  // namespace
