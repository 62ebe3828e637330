#include "core/zone_rule.h"

#include <date/tz.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>

namespace {

using Seconds = std::chrono::seconds;

// JD1900 of 1970-01-01 0:00 UT, the epoch of the database's clocks.
constexpr double kUnixEpochJD1900 = 25567.5;

const date::time_zone* ZoneOf(const std::string& rule) {
    if (rule.empty()) return nullptr;
    try {
        return date::locate_zone(rule);
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::string NameOf(const std::string& abbreviation) {
    if (abbreviation == "CET") return "MEZ";
    if (abbreviation == "CEST") return "MESZ";
    return abbreviation;
}

ZoneInForce InForce(const date::sys_info& info) {
    return {static_cast<double>(info.offset.count()) / 3600.0, NameOf(info.abbrev)};
}

// "dd.mm.yyyy" and "hh:mm" (with ":ss" when asked) of a local clock reading.
std::string DateOf(date::local_seconds local) {
    const date::year_month_day ymd{date::floor<date::days>(local)};
    char text[32];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(ymd.day()),
                  static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    return text;
}

std::string TimeOf(date::local_seconds local, bool withSeconds) {
    const long long s = (local - date::floor<date::days>(local)).count();
    char text[32];
    if (withSeconds)
        std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%02lld:%02lld", s / 3600, s / 60 % 60);
    return text;
}

// "um 02:00 MEZ auf 03:00 MESZ": the clock readings either side of a change.
std::string ChangeText(const date::local_info& info) {
    const date::sys_seconds change = info.first.end;
    const date::local_seconds before{change.time_since_epoch() + info.first.offset};
    const date::local_seconds after{change.time_since_epoch() + info.second.offset};
    return "um " + TimeOf(before, false) + " " + NameOf(info.first.abbrev) + " auf " +
           TimeOf(after, false) + " " + NameOf(info.second.abbrev);
}

}  // namespace

bool ZoneRuleKnown(const std::string& rule) { return ZoneOf(rule) != nullptr; }

ZoneInForce ZoneAtInstant(const std::string& rule, JD1900 instant) {
    const date::time_zone* zone = ZoneOf(rule);
    const double seconds = std::round((instant - kUnixEpochJD1900) * 86400.0);
    // The database covers every year a date field takes; beyond it (and for NaN) UTC.
    if (!zone || !(std::fabs(seconds) < 1.0e15)) return {0.0, "UT"};
    return InForce(zone->get_info(date::sys_seconds{Seconds{static_cast<long long>(seconds)}}));
}

std::vector<std::string> ZoneRuleNames() {
    std::vector<std::string> names;
    try {
        const date::tzdb& db = date::get_tzdb();
        for (const date::time_zone& zone : db.zones) names.emplace_back(zone.name());
    } catch (const std::exception&) {
        return {};
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

LocalTimeResolution InstantFromZoneCivil(const std::string& rule, int year, int month, int day,
                                         int hours, int minutes, int seconds) {
    LocalTimeResolution result;
    const date::time_zone* zone = ZoneOf(rule);
    const double clock = hours * 3600.0 + minutes * 60.0 + seconds;
    const double localSeconds =
        std::round((JulianDay1900(year, month, day) - kUnixEpochJD1900) * 86400.0 + clock);
    if (!zone || !(std::fabs(localSeconds) < 1.0e15)) {
        result.instant = InstantFromCivil(year, month, day, hours, minutes, seconds, 0.0);
        result.zone = {0.0, "UT"};
        return result;
    }
    const date::local_seconds local{Seconds{static_cast<long long>(localSeconds)}};
    const date::local_info info = zone->get_info(local);
    const auto when = [local] { return TimeOf(local, true) + " am " + DateOf(local); };
    // Unique: first is the zone. Otherwise first is the zone before the change, whose
    // instant is the earlier of a repeated hour.
    result.zone = InForce(info.first);
    result.instant =
        InstantFromCivil(year, month, day, hours, minutes, seconds, result.zone.offsetHours);
    if (info.result == date::local_info::nonexistent) {
        result.kind = LocalTimeKind::Skipped;
        result.message = "Die Uhrzeit " + when() + " gibt es in der Zeitzone " + rule +
                         " nicht: die Uhren werden " + ChangeText(info) + " vorgestellt.";
    } else if (info.result == date::local_info::ambiguous) {
        result.kind = LocalTimeKind::Repeated;
        result.message = "Die Uhrzeit " + when() + " gibt es in der Zeitzone " + rule +
                         " zweimal (die Uhren werden " + ChangeText(info) +
                         " zurückgestellt); genommen ist die erste, " + TimeOf(local, true) + " " +
                         result.zone.name + ".";
    }
    return result;
}
