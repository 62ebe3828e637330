// Time zones by rule: the offsets and names of a zone of the system's time-zone
// database (IANA names such as "Europe/Berlin", read from /usr/share/zoneinfo through
// the date library of Howard Hinnant), at an instant, and local civil times back to
// universal time across the changes of summer time.
#pragma once

#include <string>
#include <vector>

#include "core/civil_time.h"

// The zone in force at an instant: offset from UTC in hours and its name without a
// leading blank: "MEZ"/"MESZ" where the database says CET/CEST, else the database's
// abbreviation ("EDT", "-03").
struct ZoneInForce {
    double offsetHours = 0.0;
    std::string name;
};

// True when the database knows the name (a zone or a link to one).
bool ZoneRuleKnown(const std::string& rule);
// The zone of a known rule at a UT instant (rounded to the second, as times are shown).
// An unknown rule gives UTC ("UT", 0).
ZoneInForce ZoneAtInstant(const std::string& rule, JD1900 instant);
// Every zone name of the database (those of links too), sorted.
std::vector<std::string> ZoneRuleNames();

// How a local civil time maps to universal time.
enum class LocalTimeKind {
    Unique,    // one instant
    Skipped,   // in the gap of a change to summer time: no instant
    Repeated,  // in the repeated hour of a change back: two instants, the earlier taken
};

struct LocalTimeResolution {
    LocalTimeKind kind = LocalTimeKind::Unique;
    // The instant (the earlier one when Repeated; when Skipped, the one the clock of
    // before the change would give) and the zone of before the change for it.
    CivilInstant instant;
    ZoneInForce zone;
    std::string message;  // German text for Skipped and Repeated, empty when Unique
};

// A civil date and time of a known rule's zone (the day may be 0 or a day of the year
// as in JulianDay1900) as UT: JulianDay1900(year, month, day) + (time - offset)/24.
LocalTimeResolution InstantFromZoneCivil(const std::string& rule, int year, int month, int day,
                                         int hours, int minutes, int seconds);
