// polaride-cli passes --json: the visible part of each pass.
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

TEST(CliPassEventsTest, JsonGivesStartHighestAndEnd) {
    TempDir dir;
    const CliRun run = RunCli(
        dir.path(), {"passes", "--tle", FixturePath("passes/iss.tle").string(), "--all", "--date",
                     "27.04.2026", "--nights", "3", "--lon", "13.4", "--lat", "52.5", "--zone",
                     "2", "--min-alt", "10", "--max-sun", "-5", "--mag", "6", "--shadow",
                     "--no-brightest", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto passes = nlohmann::json::parse(run.out);
    ASSERT_FALSE(passes.empty());
    const std::regex iso(R"(2026-04-\d\dT\d\d:\d\d:\d\dZ)");
    for (const auto& pass : passes) {
        EXPECT_TRUE(pass.contains("time_jd1900") && pass.contains("shadow_boundary"));
        double previous = 0.0;
        for (const char* key : {"start", "highest", "end"}) {
            const auto& event = pass.at(key);
            EXPECT_GE(event.at("jd1900").get<double>(), previous) << key;
            previous = event.at("jd1900");
            EXPECT_TRUE(std::regex_match(event.at("utc").get<std::string>(), iso)) << event;
            const double az = event.at("az_deg");
            EXPECT_TRUE(az >= 0.0 && az < 360.0) << event;
            EXPECT_TRUE(event.at("alt_deg").is_number() && event.at("magnitude").is_number());
        }
        EXPECT_NEAR(pass.at("duration_s").get<double>(),
                    (pass["end"]["jd1900"].get<double>() - pass["start"]["jd1900"].get<double>()) *
                        86400.0,
                    1e-3);
        EXPECT_TRUE(std::regex_match(pass.at("start_reason").get<std::string>(),
                                     std::regex("rise|shadow|twilight")));
        EXPECT_TRUE(std::regex_match(pass.at("end_reason").get<std::string>(),
                                     std::regex("set|shadow|twilight")));
        if (pass["end_reason"] == "set") {
            EXPECT_NEAR(pass["end"]["alt_deg"].get<double>(), 10.0, 1e-2);
        }
    }
}

}  // namespace
