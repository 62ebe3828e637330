#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "core/displayed_instant.h"
#include "core/ephemeris_report.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

class EphemerisReportTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetObserverRecords(); }
    void CopyFixture(const std::string& fixture, const std::string& name) {
        std::filesystem::copy_file(testsupport::FixturePath(fixture), dir_ / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    testsupport::TempDir dir_;
};

TEST(NorthAzimuth, FromTheChartAzimuth) {
    struct Case {
        double chart, north;
    } cases[] = {{0.0, 180.0}, {kPi / 2, 270.0}, {-kPi / 2, 90.0},
                 {kPi, 0.0},   {-kPi, 0.0},      {-3 * kPi / 4, 45.0}};
    for (const auto& c : cases) EXPECT_NEAR(NorthAzimuthDeg(c.chart), c.north, 1e-9) << c.chart;
}

TEST_F(EphemerisReportTest, CompleteReportHasEveryField) {
    CopyFixture("core/ASTEROID.TXT", "ASTEROID.TXT");
    CopyFixture("core/KOMET_elliptic", "KOMET");
    testsupport::ScopedWorkingDir cwd(dir_.path());
    const EphemerisReport r =
        ComputeEphemerisReport({JulianDay1900(2000, 1, 10) + 0.8, 13.4, 52.5, 35.0, 1.0, {}});
    EXPECT_TRUE(r.warnings.empty());
    ASSERT_EQ(r.bodies.size(), 8u);
    const char* names[] = {"Merkur", "Venus",  "Mars",  "Jupiter",
                           "Saturn", "Uranus", "Ceres", "Vesta"};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(r.bodies[i].name, names[i]);
        EXPECT_GE(r.bodies[i].raHours, 0.0);
        EXPECT_LT(r.bodies[i].raHours, 24.0);
        EXPECT_GE(r.bodies[i].azDeg, 0.0);
        EXPECT_LT(r.bodies[i].azDeg, 360.0);
    }
    ASSERT_TRUE(r.minorBody.has_value());
    EXPECT_EQ(r.minorBody->name, "Testkomet P/1");
    // Berlin in January: every event exists, the twilights enclose the day.
    EXPECT_GT(r.sunset, r.sunrise);
    EXPECT_LT(r.astronomicalDawn, r.nauticalDawn);
    EXPECT_LT(r.nauticalDawn, r.civilDawn);
    EXPECT_LT(r.civilDawn, r.sunrise);
    EXPECT_GT(r.civilDusk, r.sunset);
    EXPECT_GT(r.astronomicalDusk, r.nauticalDusk);
    // The Moon's right ascension and declination are geocentric; the topocentric ones
    // differ by up to its parallax (about one degree).
    const double parallaxDeg = std::fabs(r.moonTopoDecDeg - r.moon.decDeg) +
                               15.0 * std::fabs(r.moonTopoRaHours - r.moon.raHours);
    EXPECT_GT(parallaxDeg, 0.01);
    EXPECT_LT(parallaxDeg, 2.0);
    // Dynamic time is the instant plus one minute from 2000 on.
    EXPECT_NEAR(r.dynamicJd1900 - r.jd1900, 1.0 / 1440.0, 1e-9);

    const std::string json = EphemerisReportJson(r);
    for (const char* key :
         {"\"jd1900\"", "\"lst_hours\"", "\"dynamic_jd1900\"", "\"sun\"", "\"moon\"",
          "\"illuminated_fraction\"", "\"phase_angle_deg\"", "\"phase_value\"", "\"bodies\"",
          "\"minor_body\"", "\"dist_mkm\"", "\"events\"", "\"sunrise\"", "\"moonset\"",
          "\"astronomical_dusk\"", "\"Vesta\"", "\"topo_ra_hours\"", "\"topo_dec_deg\""}) {
        EXPECT_NE(json.find(key), std::string::npos) << key;
    }
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.back(), '}');
}

TEST_F(EphemerisReportTest, LeavesTheObserverRecordsAsTheyAre) {
    testsupport::ScopedWorkingDir cwd(dir_.path());
    Place().longitudeDeg = 7.0;
    Place().setLatitude(-33.0);
    Shown().currentJD = 46000.25;
    const EphemerisReport r = ComputeEphemerisReport({45350.75, 13.4, 52.5, 0.0, 1.0, {}});
    EXPECT_EQ(r.jd1900, 45350.75);
    EXPECT_EQ(Place().longitudeDeg, 7.0);
    EXPECT_EQ(Place().latitudeDeg, -33.0);
    EXPECT_EQ(Shown().currentJD, 46000.25);
}

TEST_F(EphemerisReportTest, MissingFilesOmitTheirEntries) {
    testsupport::ScopedWorkingDir cwd(dir_.path());
    const EphemerisReport r = ComputeEphemerisReport({45350.75, 13.4, 52.5, 0.0, 1.0, {}});
    ASSERT_EQ(r.bodies.size(), 6u);
    EXPECT_EQ(r.bodies.back().name, "Uranus");
    EXPECT_FALSE(r.minorBody.has_value());
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_EQ(r.warnings[0], "Datei nicht gefunden: ASTEROID.TXT");
    EXPECT_EQ(r.warnings[1], "Datei nicht gefunden: KOMET");
    const std::string json = EphemerisReportJson(r);
    EXPECT_EQ(json.find("minor_body"), std::string::npos);
    EXPECT_EQ(json.find("Ceres"), std::string::npos);
}

TEST_F(EphemerisReportTest, JsonEscapesNamesAndConvertsLatin1) {
    EphemerisReport r;
    r.minorBody = ReportBody{"K\xf6nig \"X\"\\", 1, 2, 3, 4, 5, 6};
    std::string json = EphemerisReportJson(r);
    EXPECT_NE(json.find("\"K\xc3\xb6nig \\\"X\\\"\\\\\""), std::string::npos) << json;
    r.minorBody->name = "K\xc3\xb6nig";  // already UTF-8: unchanged
    json = EphemerisReportJson(r);
    EXPECT_NE(json.find("\"K\xc3\xb6nig\""), std::string::npos) << json;
    // Polar night: no events are written as 0.
    EXPECT_NE(json.find("\"sunrise\": 0"), std::string::npos);
}

}  // namespace
