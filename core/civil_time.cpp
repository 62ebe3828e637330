#include "core/civil_time.h"

#include <charconv>

namespace {

// Characters first..last (1-based, inclusive) of a text as a whole number.
bool Field(const std::string& text, size_t first, size_t last, int& value) {
    if (text.size() < last) return false;
    const char* begin = text.data() + first - 1;
    const char* end = text.data() + last;
    while (begin < end && *begin == ' ') ++begin;
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

CivilInstant InstantFromCivil(int year, int month, int day, int hours, int minutes, int seconds,
                              double zoneOffsetHours) {
    CivilInstant result;
    result.year = year;
    result.instant = JulianDay1900(year, month, day) +
                     (hours + minutes / 60.0 + seconds / 3600.0 - zoneOffsetHours) / 24.0;
    return result;
}

JD1900 InstantFromUnixSeconds(long long secondsSince1970) {
    return JulianDay1900(1970, 1, 1) + static_cast<double>(secondsSince1970) / 86400.0;
}

bool CivilFromDateTimeTexts(const std::string& dateText, const std::string& timeText,
                            CivilDateTime& civil) {
    CivilDateTime c;
    if (!Field(dateText, 7, 10, c.year) || !Field(dateText, 4, 5, c.month) ||
        !Field(dateText, 1, 2, c.day) || !Field(timeText, 1, 2, c.hour) ||
        !Field(timeText, 4, 5, c.minute) || !Field(timeText, 7, 8, c.second))
        return false;
    civil = c;
    return true;
}

bool InstantFromDateTimeTexts(const std::string& dateText, const std::string& timeText,
                              double zoneOffsetHours, CivilInstant& result) {
    CivilDateTime c;
    if (!CivilFromDateTimeTexts(dateText, timeText, c)) return false;
    result = InstantFromCivil(c.year, c.month, c.day, c.hour, c.minute, c.second, zoneOffsetHours);
    return true;
}
