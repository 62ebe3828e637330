#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/asteroids.h"
#include "core/displayed_instant.h"
#include "core/ephemeris_file_error.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/sun_moon.h"
#include "core/timescale.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

constexpr double kDeg = kPi / 180.0;

class PlanetsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetSunState();
        ResetPlanets();
        Place().setLatitude(50.0);
        Place().longitudeDeg = 10.0;
    }
    void Compute(double t) {
        Shown().siderealHours = LocalSiderealTime(Place().longitudeDeg, t);
        SunPosition(t);
        PlanetPositions(t, Place(), Shown());
    }
    testsupport::TempDir dir_;
};

TEST(UranusSeries, WorkedValueAtJ2000) {
    const UranusLBR u = UranusHeliocentric(36525.000694);
    EXPECT_NEAR(u.l / kDeg, 316.4186, 1e-4);
    EXPECT_NEAR(u.b / kDeg, -0.6848, 1e-4);
    EXPECT_NEAR(u.r, 19.92397, 1e-5);
}

TEST(SaturnRingTerm, PiecewiseInTheRingOpening) {
    struct Case {
        double b, expected;
    } cases[] = {
        {29.9, -0.598}, {30.0, -0.6}, {45.0, -0.75}, {60.0, -0.9},
        {60.1, -0.9},   {10.0, -0.2}, {170.0, -0.2},  // reflected about 90
        {200.0, -0.4},                                // reduced by 180
        {0.0, 0.0},
    };
    for (const auto& c : cases) {
        // b = l + 11.4 - 1.4 T; with T = 0 the heliocentric longitude is b - 11.4.
        EXPECT_NEAR(SaturnRingTerm(c.b - 11.4, 0.0), c.expected, 1e-9) << c.b;
        // The same opening one century later.
        EXPECT_NEAR(SaturnRingTerm(c.b - 11.4 + 1.4, 1.0), c.expected, 1e-9) << c.b;
    }
}

TEST_F(PlanetsTest, AsteroidPairSelection) {
    const std::string file = testsupport::FixturePath("core/ASTEROID.TXT").string();
    // Epochs of the fixture: JD1900 36380.5, 36580.5, 36780.5; Ceres M0 tells the pair.
    struct Case {
        double t, ceresM0;
    } cases[] = {
        {36000.0, 184.1423},          // before the first epoch: the first pair
        {36380.5 + 100.0, 184.1423},  // exactly 100 days after the first epoch
        {36380.5 + 150.0, 227.7326},  // nearer the second epoch
        {36580.5 + 100.0, 227.7326},  // exactly between two epochs: the earlier pair
        {36780.5 + 90.0, 271.3229},
        {36780.5 + 5000.0, 271.3229},  // long after the last epoch: the last pair
    };
    for (const auto& c : cases) {
        const AsteroidPair p = SelectAsteroidPair(c.t, file);
        EXPECT_DOUBLE_EQ(p.ceres.meanAnomalyDeg, c.ceresM0) << c.t;
        EXPECT_DOUBLE_EQ(p.ceres.epoch, p.vesta.epoch);
    }
}

TEST_F(PlanetsTest, AsteroidLineFieldsAndLineEnds) {
    const AsteroidPair p =
        SelectAsteroidPair(0.0, testsupport::FixturePath("core/ASTEROID_crlf.TXT").string());
    EXPECT_DOUBLE_EQ(p.ceres.epoch, 2451400 + 0.5 - 2415020);
    EXPECT_DOUBLE_EQ(p.ceres.semiMajorAxis, 2.7669);
    EXPECT_DOUBLE_EQ(p.ceres.eccentricity, 0.07796);
    EXPECT_DOUBLE_EQ(p.ceres.nodeDeg, 80.493);
    EXPECT_DOUBLE_EQ(p.ceres.perihelionDeg, 73.976);
    EXPECT_DOUBLE_EQ(p.vesta.inclinationDeg, 7.134);
}

TEST_F(PlanetsTest, AsteroidFileFaults) {
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    } cases[] = {
        {"missing", "", "Datei nicht gefunden: FILE"},
        {"empty", "\n", "Lesen über Dateiende hinaus: FILE"},
        {"odd", "2451400 184.1423 2.766900 0.077960  80.4930  73.9760  10.5840\n",
         "Lesen über Dateiende hinaus: FILE"},
        {"badnumber",
         "2451400 184,1423 2.766900 0.077960  80.4930  73.9760  10.5840\n"
         "2451400 214.6100 2.361800 0.089700 103.8900 149.8500   7.1340\n",
         "'184,1423' ist kein gültiger Gleitkommawert (FILE)"},
    };
    for (const auto& c : cases) {
        const auto path = dir_ / c.name;
        if (!c.text.empty()) testsupport::WriteTextFile(path, c.text);
        try {
            SelectAsteroidPair(36000.0, path.string());
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EphemerisFileError& e) {
            std::string expected = c.message;
            expected.replace(expected.find("FILE"), 4, path.string());
            EXPECT_EQ(std::string(e.what()), expected) << c.name;
        }
    }
}

TEST_F(PlanetsTest, MissingAsteroidFileKeepsPlanetsAndOldAsteroids) {
    testsupport::ScopedWorkingDir cwd(dir_.path());
    Planets()[kBodyCeres].distance = 123.0;
    EXPECT_THROW(Compute(36525.0), EphemerisFileError);
    for (int i = kBodyMercury; i <= kBodyUranus; ++i) EXPECT_GT(Planets()[i].distance, 0.0) << i;
    EXPECT_EQ(Planets()[kBodyCeres].distance, 123.0);
}

TEST_F(PlanetsTest, BelowTheHorizonKeepsMagnitudeAndDistance) {
    std::filesystem::copy_file(testsupport::FixturePath("core/ASTEROID.TXT"),
                               dir_ / "ASTEROID.TXT");
    testsupport::ScopedWorkingDir cwd(dir_.path());
    Compute(36525.0);
    int below = 0, above = 0;
    for (int i = kBodyMercury; i < kBodyCount; ++i) {
        const PlanetPosition& p = Planets()[i];
        EXPECT_TRUE(p.valid) << i;
        EXPECT_GT(p.distance, 0.0) << i;
        EXPECT_TRUE(std::isfinite(p.magnitude)) << i;
        EXPECT_EQ(p.sky.aboveHorizon, p.altitudeDeg > 0) << i;
        EXPECT_DOUBLE_EQ(p.sky.altitude / kDeg, p.altitudeDeg) << i;
        ++(p.altitudeDeg > 0 ? above : below);
    }
    EXPECT_GT(below + above, 0);
}

// Geocentric apparent right ascension and declination of date from an independent
// modern ephemeris (PyEphem 4, VSOP87 / ELP), computed once; the reduced theories must
// come within their accuracy. These catch a sign slip in the Jupiter-Saturn terms:
// subtracted, Saturn is about 1 degree off in 1990; and Uranus comes within 0.002
// degrees only with light time, aberration and nutation (without them 0.01 degrees off).
TEST_F(PlanetsTest, PlanetsAgreeWithModernEphemerisInTheFrameOfDate) {
    std::filesystem::copy_file(testsupport::FixturePath("core/ASTEROID.TXT"),
                               dir_ / "ASTEROID.TXT");
    testsupport::ScopedWorkingDir cwd(dir_.path());
    struct Case {
        double t;  // JD1900 UT
        int body;
        double raHours, decDeg, tolDeg;
    } cases[] = {
#include "fixtures/core/modern_planets.inc"
    };
    for (const auto& c : cases) {
        Shown().setInstantFrame(Place().longitudeDeg, c.t);
        Compute(c.t + DeltaT(2000) / 24.0);
        const PlanetPosition& p = Planets()[c.body];
        const double dra = std::remainder(p.rightAscension - c.raHours * kPi / 12, 2 * kPi);
        const double sep =
            std::hypot(dra * std::cos(c.decDeg * kDeg), p.declination - c.decDeg * kDeg);
        EXPECT_LT(sep / kDeg, c.tolDeg) << "body " << c.body << " at " << c.t;
    }
}

}  // namespace
