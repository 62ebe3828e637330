// The listed passes for other programs: an iCalendar file (RFC 5545) with one event per
// pass from the start to the end of its visible part, and a CSV table (RFC 4180) with
// the start, highest point and end of every pass. Both texts are UTF-8.
#pragma once

#include <string>
#include <vector>

#include "core/observing_place.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_list.h"

struct PassCalendar {
    std::string text;
    int events = 0;   // passes written as an event
    int leftOut = 0;  // passes without a visible part, not in the calendar
};

// The calendar of the passes seen from the observer's place (placeName, longitudeDeg,
// latitudeDeg), local times in the description in the observer's zone at each
// instant; `stamp` (UT) is the DTSTAMP of every event, the moment the file is made.
// Lines end with CR LF and are folded at 75 octets. The UID of an event is the same
// for the same pass (catalogue number and start to the minute) at the same place.
PassCalendar PassCalendarText(const std::vector<PassRecord>& passes, const ObservingPlace& observer,
                              JD1900 stamp);
PassCalendar PassCalendarText(const PassListState& list, const ObservingPlace& observer,
                              JD1900 stamp);

// "1 Durchgang ohne sichtbaren Teil steht nicht im Kalender." (empty for none).
std::string LeftOutOfCalendarText(int leftOut);

// The table of the passes: a header line and one row per pass (CR LF), times in
// ISO 8601 with the offset of the observer's zone at each instant, numbers with ".".
// A pass without a visible part keeps its row with the event fields empty.
std::string PassTableText(const std::vector<PassRecord>& passes, const ObservingPlace& observer);
std::string PassTableText(const PassListState& list, const ObservingPlace& observer);

// The RFC 5545 TEXT value of a text: backslash, semicolon, comma and newline escaped.
std::string CalendarTextValue(std::string_view text);
// A content line folded at 75 octets (never inside a UTF-8 character), each line
// ending with CR LF.
std::string FoldedCalendarLine(std::string_view line);
// A CSV field: quoted when it holds a comma, a double quote, CR or LF (quotes doubled).
std::string CsvField(std::string_view text);
