// Dates and times typed into fields and given as command options: one reading for all
// of them. Used by the pass dialog, the chart's and the zoom window's date and time
// entries, the ground tracks and polaride-cli:
//   datetext::ParseDate(text) -> std::optional<datetext::Date>
//   datetext::ParseTime(text) -> std::optional<datetext::Time>
//
// A date is "d.m.y": day and month of one or two digits, a year of one to four digits.
// A year written with one or two digits is 19xx from 50 on, else 20xx ("1.5.26" is
// 2026, "1.1.99" 1999); with three or four digits it is taken as written ("1.1.0099"
// is the year 99). The day must exist in its month of the Gregorian calendar ("31.02."
// and "29.2.2027" are refused), the year must be 1 or later.
// A time is "h:m" or "h:m:s", each part of one or two digits, hour 0..23, minute and
// second 0..59; the seconds of "h:m" are 0.
// Spaces are allowed before and after the whole text, nowhere else; no signs, no
// other separators.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace datetext {

struct Date {
    int day = 0, month = 0, year = 0;
};
struct Time {
    int hour = 0, minute = 0, second = 0;
};

std::optional<Date> ParseDate(std::string_view text);
std::optional<Time> ParseTime(std::string_view text);

// The message for a text that is not a date: "'x' ist kein gültiges Datum".
std::string BadDateMessage(std::string_view text);

// Days of a month (1..12) in a year of the Gregorian calendar.
int DaysInMonth(int year, int month);

}  // namespace datetext
