// Instants from civil dates and times in a zone.
#pragma once

#include <string>

#include "core/timescale.h"

struct CivilInstant {
    JD1900 instant = 0.0;  // UT
    int year = 0;
};

// JD1900 of a civil date and time in a zone: JulianDay1900(year, month, day) +
// (hours + minutes/60 + seconds/3600 - zoneOffsetHours)/24.
CivilInstant InstantFromCivil(int year, int month, int day, int hours, int minutes, int seconds,
                              double zoneOffsetHours);
// JD1900 of a computer clock's reading: seconds since 1970-01-01 0:00 UT.
JD1900 InstantFromUnixSeconds(long long secondsSince1970);
// The same from the texts "dd.mm.yyyy" and "hh:mm:ss": year = characters 7-10,
// month 4-5, day 1-2, hours 1-2, minutes 4-5, seconds 7-8. False when a field is
// not a number (the result is then untouched).
// The civil fields of those texts alone (the same fields); false when one is not a number.
bool CivilFromDateTimeTexts(const std::string& dateText, const std::string& timeText,
                            CivilDateTime& civil);
bool InstantFromDateTimeTexts(const std::string& dateText, const std::string& timeText,
                              double zoneOffsetHours, CivilInstant& result);
