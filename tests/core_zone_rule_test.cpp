// Zones by rule of the system's tz database: offsets and names at instants, local times
// across the changes of summer time, and the observer's zone at each instant.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/observing_place.h"
#include "core/zone_rule.h"
#include "support/observer_records.h"

namespace {

TEST(ZoneRuleTest, OffsetAndNameInForceAtAnInstant) {
    const struct {
        const char* rule;
        JD1900 instant;
        double offsetHours;
        const char* name;
    } cases[] = {
        {"Europe/Berlin", JulianDay1900(2026, 1, 15), 1, "MEZ"},
        {"Europe/Berlin", JulianDay1900(2026, 4, 28), 2, "MESZ"},
        {"Europe/Vienna", JulianDay1900(2026, 7, 1), 2, "MESZ"},
        {"Europe/Paris", JulianDay1900(2026, 12, 1), 1, "MEZ"},
        {"America/New_York", JulianDay1900(2026, 1, 15), -5, "EST"},
        {"America/New_York", JulianDay1900(2026, 7, 1), -4, "EDT"},
        {"America/Santiago", JulianDay1900(2026, 1, 15), -3, "-03"},
        {"America/Santiago", JulianDay1900(2026, 4, 27), -4, "-04"},
        // 29.03.2026 01:00 UT is the change: the second before it is still winter time.
        {"Europe/Berlin", JulianDay1900(2026, 3, 29) + (1.0 - 1.0 / 3600) / 24, 1, "MEZ"},
        {"Europe/Berlin", JulianDay1900(2026, 3, 29) + 1.0 / 24, 2, "MESZ"},
        {"Mars/Olympus", JulianDay1900(2026, 7, 1), 0, "UT"},
    };
    for (const auto& c : cases) {
        const ZoneInForce zone = ZoneAtInstant(c.rule, c.instant);
        EXPECT_DOUBLE_EQ(zone.offsetHours, c.offsetHours) << c.rule << " " << c.instant;
        EXPECT_EQ(zone.name, c.name) << c.rule << " " << c.instant;
    }
}

TEST(ZoneRuleTest, KnownNamesAndTheListOfAll) {
    EXPECT_TRUE(ZoneRuleKnown("Europe/Berlin"));
    EXPECT_TRUE(ZoneRuleKnown("America/Santiago"));
    EXPECT_FALSE(ZoneRuleKnown("Mars/Olympus"));
    EXPECT_FALSE(ZoneRuleKnown(""));
    const std::vector<std::string> names = ZoneRuleNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Europe/Berlin"));
    EXPECT_GT(names.size(), 300u);
}

TEST(ZoneRuleTest, LocalTimesAcrossTheChangesOfSummerTime) {
    // An ordinary summer time.
    LocalTimeResolution r = InstantFromZoneCivil("Europe/Berlin", 2026, 4, 28, 4, 2, 35);
    EXPECT_EQ(r.kind, LocalTimeKind::Unique);
    EXPECT_TRUE(r.message.empty());
    EXPECT_DOUBLE_EQ(r.instant.instant, InstantFromCivil(2026, 4, 28, 4, 2, 35, 2.0).instant);
    // The gap of 29.03.2026: 02:00 MEZ became 03:00 MESZ.
    r = InstantFromZoneCivil("Europe/Berlin", 2026, 3, 29, 2, 30, 0);
    EXPECT_EQ(r.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(r.message,
              "Die Uhrzeit 02:30:00 am 29.03.2026 gibt es in der Zeitzone Europe/Berlin nicht: "
              "die Uhren werden um 02:00 MEZ auf 03:00 MESZ vorgestellt.");
    // The repeated hour of 25.10.2026: the earlier instant, still MESZ.
    r = InstantFromZoneCivil("Europe/Berlin", 2026, 10, 25, 2, 30, 0);
    EXPECT_EQ(r.kind, LocalTimeKind::Repeated);
    EXPECT_EQ(r.zone.name, "MESZ");
    EXPECT_DOUBLE_EQ(r.instant.instant, JulianDay1900(2026, 10, 25) + 0.5 / 24);
    EXPECT_NE(r.message.find("zweimal"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("genommen ist die erste, 02:30:00 MESZ"), std::string::npos);
}

TEST(ZoneRuleTest, TheObserverUsesTheRuleElseItsFixedZone) {
    ResetObserverRecords();
    Place().zoneName = " MEZ";
    Place().zoneOffsetHours = 1.0;
    const JD1900 summer = JulianDay1900(2026, 4, 28) + 2.0 / 24;  // 02:00 UT
    EXPECT_EQ(Place().zoneNameAt(summer), " MEZ");
    FormatDateTime1900(summer);
    EXPECT_EQ(TimeText, "03:00:00");
    Place().zoneRule = "Europe/Berlin";
    EXPECT_EQ(Place().zoneNameAt(summer), " MESZ");
    EXPECT_DOUBLE_EQ(Place().zoneOffsetAt(summer), 2.0);
    FormatDateTime1900(summer);
    EXPECT_EQ(TimeText, "04:00:00");
    FormatDateTime1900(JulianDay1900(2026, 1, 15) + 2.0 / 24);
    EXPECT_EQ(TimeText, "03:00:00");
    EXPECT_EQ(Place().instantFromLocal(2026, 3, 29, 2, 30, 0).kind, LocalTimeKind::Skipped);
    ResetObserverRecords();
}

}  // namespace
