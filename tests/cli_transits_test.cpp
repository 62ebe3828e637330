// polaride-cli transits: the approaches of the stations to the Sun and the Moon.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <string>

#include "support/cli_run.h"
#include "support/test_paths.h"

namespace {

using testsupport::CliRun;
using testsupport::FixturePath;
using testsupport::RunCli;
using testsupport::TempDir;

// The stations from 01.04.2026 over two weeks at a place; extra options after them.
CliRun Transits(const TempDir& dir, const std::string& lat, const std::string& lon,
                std::vector<std::string> extra) {
    std::vector<std::string> args = {
        "transits", "--tle",      FixturePath("transits/stations.tle").string(),
        "--date",   "01.04.2026", "--lat",
        lat,        "--lon",      lon,
        "--height", "40",         "--zone",
        "0",        "--place",    "Ort"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunCli(dir.path(), args);
}

TEST(CliTransitsTest, JsonFieldsAgreeWithEachOther) {
    TempDir dir;
    const CliRun run = Transits(dir, "48.9753", "2.3898", {"--all", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto approaches = nlohmann::json::parse(run.out);
    ASSERT_GE(approaches.size(), 2u);
    int transits = 0;
    for (const auto& a : approaches) {
        const double separation = a.at("separation_deg"), radius = a.at("body_radius_deg");
        EXPECT_EQ(a.at("is_transit").get<bool>(), separation < radius) << a;
        EXPECT_EQ(a.at("duration_s").get<double>() > 0.0, a.at("is_transit").get<bool>()) << a;
        transits += a.at("is_transit").get<bool>() ? 1 : 0;
        EXPECT_TRUE(a.at("body") == "sun" || a.at("body") == "moon") << a;
        EXPECT_TRUE(separation <= 1.0 || a.at("centre_line_km").get<double>() <= 15.0) << a;
        EXPECT_GT(a.at("body_alt_deg").get<double>(), 0.0);
        const double az = a.at("body_az_deg"), lineAz = a.at("centre_line_azimuth_deg");
        EXPECT_TRUE(az >= 0.0 && az < 360.0 && lineAz >= 0.0 && lineAz < 360.0) << a;
        EXPECT_TRUE(std::regex_match(a.at("utc").get<std::string>(),
                                     std::regex(R"(2026-04-\d\dT\d\d:\d\d:\d\dZ)")))
            << a;
        EXPECT_GT(a.at("range_km").get<double>(), 300.0);
        EXPECT_GT(a.at("angular_speed_deg_s").get<double>(), 0.0);
        EXPECT_EQ(a.contains("satellite_size_arcsec"), a.at("catnr") == 25544) << a;
    }
    EXPECT_GE(transits, 2);
}

TEST(CliTransitsTest, RadiusDecidesAboutAPlaceBesideTheCentreLine) {
    // 30 km from the centre line of the Chinese station's transit of the Moon
    // on 02.04.2026 (20:20 UT), where the station passes 0.5 degrees from the Moon.
    TempDir dir;
    auto moonApproaches = [&](const std::string& radius) {
        const CliRun run = Transits(
            dir, "49.23922", "2.47437",
            {"--catnr", "48274", "--days", "2", "--max-sep", "0.3", "--radius", radius, "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        nlohmann::json moon = nlohmann::json::array();
        for (const auto& a : nlohmann::json::parse(run.out))
            if (a.at("body") == "moon") moon.push_back(a);
        return moon;
    };
    const auto wide = moonApproaches("40");
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_NEAR(wide[0].at("centre_line_km").get<double>(), 30.0, 1.0);
    EXPECT_TRUE(moonApproaches("10").empty());
}

TEST(CliTransitsTest, TableNamesBodyAndCentreLineInGerman) {
    TempDir dir;
    const CliRun run = Transits(dir, "48.9753", "2.3898", {"--all", "--days", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(
        std::regex_search(run.out, std::regex(R"(Mond .*ja .*Zentrallinie (\d+,\d km|am Ort))")))
        << run.out;
}

}  // namespace
