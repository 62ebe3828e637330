// The JSON report of one satellite at given instants ("polaride-cli sgp").
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp_report.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

using testsupport::ScopedWorkingDir;
using testsupport::TempDir;
using testsupport::WriteTextFile;

const std::string kReportSet =
    "TEST CASE\r\n"
    "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0     8\r\n"
    "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518   105\r\n";
const std::string kBrokenSet =
    "BROKEN\r\n"
    "1 77777U          80275.98708465  .00073094  13844-3  66816-4 0     8\r\n"
    "2 77777  72.8435 115.9689 0086731  52.6988 110.5714  0.00000000   105\r\n";

// Number after "key": in a JSON text (the first occurrence).
double Field(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return std::nan("");
    return std::stod(json.substr(at + key.size() + 3));
}

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetSatelliteTable();
        ResetMagnitudeTable();
        cwd_ = std::make_unique<ScopedWorkingDir>(dir_.path());
        WriteTextFile(dir_ / "sats.tle", kReportSet + kBrokenSet);
    }
    void TearDown() override {
        cwd_.reset();
        ResetObserverRecords();
        ResetSatelliteTable();
        ResetMagnitudeTable();
    }
    SgpReportRequest Request() const {
        SgpReportRequest r;
        r.elementFile = (dir_ / "sats.tle").string();
        r.index = 1;
        r.longitudeDeg = 10.0;
        r.latitudeDeg = 50.0;
        return r;
    }
    TempDir dir_;
    std::unique_ptr<ScopedWorkingDir> cwd_;
};

TEST_F(ReportTest, PositionAndVelocityOfThePublishedCase) {
    SgpReportRequest request = Request();
    request.model = OrbitModel::Sgp;  // the report's own model
    request.instants = {{true, 360.0}};
    const SgpReport report = ComputeSgpReport(request);
    ASSERT_TRUE(report.ok) << report.errorText;
    const std::string& json = report.json;
    EXPECT_EQ(json.front(), '{');
    EXPECT_NE(json.find("\"name\":\"TEST CASE\""), std::string::npos);
    EXPECT_EQ(Field(json, "catnr"), 88888.0);
    EXPECT_NEAR(Field(json, "minutes_since_epoch"), 360.0, 1e-6);
    const std::size_t at = json.find("\"position_km\":[");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NEAR(std::stod(json.substr(at + 15)), 2456.00610352, 0.1);
    const std::size_t vat = json.find("\"velocity_km_s\":[");
    ASSERT_NE(vat, std::string::npos);
    EXPECT_NEAR(std::stod(json.substr(vat + 17)), 2.67852119, 1e-4);
    const double az = Field(json, "az_deg");
    EXPECT_GE(az, 0.0);
    EXPECT_LT(az, 360.0);
    EXPECT_EQ(json.find("flare_angle_deg"), std::string::npos);
    EXPECT_NE(json.find("\"math_error\":false"), std::string::npos);
}

TEST_F(ReportTest, SeveralInstantsGiveAnArrayInOrder) {
    SgpReportRequest request = Request();
    request.instants = {{true, 0.0}, {false, 29130.48708465}, {true, 720.0}};
    const SgpReport report = ComputeSgpReport(request);
    ASSERT_TRUE(report.ok);
    EXPECT_EQ(report.json.front(), '[');
    EXPECT_EQ(report.json.back(), ']');
    const std::size_t first = report.json.find("\"minutes_since_epoch\":0");
    const std::size_t third = report.json.find("\"minutes_since_epoch\":720");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(first, third);
}

TEST_F(ReportTest, FindsByCatalogNumberAndMarksFailures) {
    SgpReportRequest request = Request();
    request.index = 0;
    request.catalogNumber = 77777;
    request.instants = {{true, 10.0}};
    const SgpReport report = ComputeSgpReport(request);
    ASSERT_TRUE(report.ok);
    EXPECT_NE(report.json.find("\"name\":\"BROKEN\""), std::string::npos);
    EXPECT_NE(report.json.find("\"math_error\":true"), std::string::npos);
    EXPECT_NE(report.json.find("\"position_km\":null"), std::string::npos);
    EXPECT_EQ(report.failedInstants, 1);
}

TEST_F(ReportTest, FlareCapableSatellitesReportTheFlareAngle) {
    WriteTextFile(dir_ / "iridiums.tle", kReportSet);
    SgpReportRequest request = Request();
    request.instants = {{true, 100.0}};
    const SgpReport report = ComputeSgpReport(request);
    ASSERT_TRUE(report.ok);
    const double flare = Field(report.json, "flare_angle_deg");
    EXPECT_GE(flare, 0.0);
    EXPECT_LE(flare, 180.0);
}

TEST_F(ReportTest, Errors) {
    SgpReportRequest request = Request();
    request.instants = {{true, 0.0}};
    request.index = 3;
    EXPECT_FALSE(ComputeSgpReport(request).ok);
    request.index = 0;
    request.catalogNumber = 12345;
    EXPECT_FALSE(ComputeSgpReport(request).ok);
    request.index = 1;
    request.elementFile = (dir_ / "missing.tle").string();
    const SgpReport missing = ComputeSgpReport(request);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.errorText.empty());
}

}  // namespace
