// The zone proposed for a picked place, and zones by rule in the settings file.
#include <gtest/gtest.h>

#include "catalog/place_list.h"
#include "catalog/place_zone.h"
#include "catalog/settings_file.h"
#include "core/latin1_text.h"
#include "core/zone_rule.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

using namespace location;

TEST(PlaceZoneTest, ListedPlacesByNameAndEveryShippedPlaceHasAKnownZone) {
    const struct {
        const char* name;
        const char* rule;
    } cases[] = {
        {"Berlin", "Europe/Berlin"},
        {"Halle (Saale)", "Europe/Berlin"},
        {"Wien (AT)", "Europe/Vienna"},
        {"Santiago (CL)", "America/Santiago"},
        {"Chicago (US)", "America/Chicago"},
        {"Brooklyn (US)", "America/New_York"},
        {"Perth (AU)", "Australia/Perth"},
        {"Makassar (ID)", "Asia/Makassar"},
        {"Irgendwo (XX)", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ZoneRuleOfListedPlace(c.name), c.rule) << c.name;

    const std::vector<PlaceRow> rows = ReadPlaceFile(testsupport::DataPath("ORTE").string());
    ASSERT_GT(rows.size(), 300u);
    for (const PlaceRow& row : rows) {
        const std::string name = Latin1ToUtf8(row[3]);
        EXPECT_TRUE(ZoneRuleKnown(ZoneRuleOfListedPlace(name))) << name;
    }
    // Elsewhere the nearest listed place: a click near Santiago, one near Tokyo.
    EXPECT_EQ(ZoneRuleNearPlace(-70.5, -33.0, rows), "America/Santiago");
    EXPECT_EQ(ZoneRuleNearPlace(139.5, 35.5, rows), "Asia/Tokyo");
}

TEST(SettingsZoneTest, OldCentralEuropeanFilesFollowBerlinOthersStayFixed) {
    testsupport::TempDir dir;
    const struct {
        const char* name;
        const char* offset;
        const char* rule;
    } cases[] = {
        {" MEZ", "1", "Europe/Berlin"}, {" MESZ", "2", "Europe/Berlin"}, {" EST", "-5", ""}};
    for (const auto& c : cases) {
        ObserverRecords firstRun;
        ApplyDefaultObserverSettings(firstRun, firstRun);
        EXPECT_EQ(firstRun.zoneRule, "Europe/Berlin");
        firstRun.zoneRule.clear();
        std::vector<std::string> lines =
            SettingsLines(firstRun, firstRun, firstRun.currentJD, SettingsFields{});
        lines[4] = c.name;
        lines[5] = c.offset;
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        const std::string path = (dir.path() / "polaride.cfg").string();
        testsupport::WriteTextFile(path, text);
        ObserverRecords read;
        ApplyDefaultObserverSettings(read, read);
        SettingsFields fields;
        EXPECT_TRUE(ReadSettingsFile(path, read, read, fields).ok);
        EXPECT_EQ(read.zoneRule, c.rule) << c.name;
        EXPECT_EQ(read.zoneNameAt(JulianDay1900(2026, 1, 15)), c.rule[0] ? " MEZ" : c.name);
    }
}

}  // namespace
