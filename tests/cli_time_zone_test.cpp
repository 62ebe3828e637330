// polaride-cli with zones by rule: --tz, the settings' rule, each pass in the offset of
// its own instant.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/test_paths.h"

namespace {

using testsupport::CliRun;
using testsupport::DataPath;
using testsupport::RunCli;
using testsupport::TempDir;

// The list lines of a passes run (after the four header lines) and the location line.
struct PassRun {
    std::string location;
    std::vector<std::string> lines;
};

class CliTimeZoneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(DataPath("polaride.cfg"), dir_ / "polaride.cfg");
    }
    PassRun Passes(std::vector<std::string> args, const std::vector<std::string>& zone) {
        args.insert(args.begin(), {"passes", "--tle", DataPath("visual-2026-04.tle").string(),
                                   "--select", "ISS"});
        args.insert(args.end(), zone.begin(), zone.end());
        const CliRun run = RunCli(dir_.path(), args);
        EXPECT_EQ(run.status, 0) << run.err;
        PassRun result;
        std::istringstream text(run.out);
        std::string line;
        for (int n = 0; std::getline(text, line); ++n) {
            if (n == 1) result.location = line;
            if (n >= 4) result.lines.push_back(line);
        }
        return result;
    }
    TempDir dir_;
};

const std::vector<std::string> kBerlin = {"--lon", "13.405", "--lat", "52.52"};

TEST_F(CliTimeZoneTest, BerlinInSpringIsSummerTimeAndInJanuaryWinterTime) {
    std::vector<std::string> april = kBerlin;
    april.insert(april.end(), {"--date", "27.04.2026", "--nights", "1"});
    const PassRun fixed = Passes(april, {"--zone", "1"});
    const PassRun rule = Passes(april, {"--tz", "Europe/Berlin"});
    ASSERT_EQ(rule.lines.size(), fixed.lines.size());
    bool found = false;
    for (std::size_t i = 0; i < fixed.lines.size(); ++i) {
        if (fixed.lines[i].find("28.04.  03:02:35") == std::string::npos) continue;
        found = true;
        EXPECT_NE(rule.lines[i].find("28.04.  04:02:35"), std::string::npos) << rule.lines[i];
    }
    EXPECT_TRUE(found) << "the ISS pass of the morning of 28.04.2026";
    EXPECT_NE(rule.location.find("Zeitzone: UTC +2h Europe/Berlin"), std::string::npos);

    // Neither --tz nor --zone: the settings' rule (a first run's Berlin).
    EXPECT_EQ(Passes(april, {}).lines, rule.lines);

    std::vector<std::string> january = kBerlin;
    january.insert(january.end(), {"--date", "15.01.2026", "--nights", "2"});
    const PassRun winter = Passes(january, {"--tz", "Europe/Berlin"});
    EXPECT_EQ(winter.lines, Passes(january, {"--zone", "1"}).lines);
    EXPECT_NE(winter.location.find("Zeitzone: UTC +1h Europe/Berlin"), std::string::npos);
}

// Two days across the end of summer time (25.10.2026, 03:00 MESZ = 02:00 MEZ): the
// passes before it in MESZ, those after it in MEZ.
TEST_F(CliTimeZoneTest, AListAcrossTheChangeShowsEachPassInItsOwnOffset) {
    // The same window in UT for all three: from 24.10.2026 10:00 UT, two days.
    std::vector<std::string> args = kBerlin;
    args.insert(args.end(),
                {"--date", "24.10.2026", "--minutes", "2880", "--no-shadow", "--mag", "99"});
    const auto at = [&args](const char* time) {
        std::vector<std::string> a = args;
        a.insert(a.end(), {"--time", time});
        return a;
    };
    const PassRun rule = Passes(at("12:00"), {"--tz", "Europe/Berlin"});
    const PassRun summer = Passes(at("12:00"), {"--zone", "2"});
    const PassRun winter = Passes(at("11:00"), {"--zone", "1"});
    ASSERT_EQ(rule.lines.size(), summer.lines.size());
    ASSERT_EQ(rule.lines.size(), winter.lines.size());
    std::size_t inSummer = 0;
    while (inSummer < rule.lines.size() && rule.lines[inSummer] == summer.lines[inSummer])
        ++inSummer;
    EXPECT_GT(inSummer, 0u);
    EXPECT_LT(inSummer, rule.lines.size());
    for (std::size_t i = inSummer; i < rule.lines.size(); ++i)
        EXPECT_EQ(rule.lines[i], winter.lines[i]);
    EXPECT_NE(rule.location.find("Zeitzone: UTC +2h/+1h Europe/Berlin"), std::string::npos);
}

// Chile: -03 in its summer (January), -04 after the first Sunday of April.
TEST_F(CliTimeZoneTest, SantiagoUsesChilesOffsetOfTheDate) {
    const struct {
        const char* date;
        const char* offset;
    } cases[] = {{"27.04.2026", "-4"}, {"15.01.2026", "-3"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        const std::vector<std::string> args = {"--lon",  "-70.65", "--lat",    "-33.45",
                                               "--date", c.date,   "--nights", "2"};
        const PassRun rule = Passes(args, {"--tz", "America/Santiago"});
        EXPECT_FALSE(rule.lines.empty());
        EXPECT_EQ(rule.lines, Passes(args, {"--zone", c.offset}).lines);
        EXPECT_NE(rule.location.find(std::string("UTC ") + c.offset + "h America/Santiago"),
                  std::string::npos)
            << rule.location;
    }
}

TEST_F(CliTimeZoneTest, RefusesAnUnknownZoneBothZonesAndATimeTheZoneSkips) {
    const std::string tle = DataPath("visual-2026-04.tle").string();
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"passes", "--tle", tle, "--all", "--date", "27.04.2026", "--tz", "Europe/Nirgendwo"},
         "'Europe/Nirgendwo' ist keine Zeitzone"},
        {{"ephem", "--jd", "45000", "--tz", "Europe/Berlin", "--zone", "1"},
         "--tz und --zone schließen einander aus"},
        {{"passes", "--tle", tle, "--all", "--date", "29.03.2026", "--time", "02:30", "--minutes",
          "60", "--tz", "Europe/Berlin"},
         "Die Uhrzeit 02:30:00 am 29.03.2026 gibt es in der Zeitzone Europe/Berlin nicht"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(dir_.path(), c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
