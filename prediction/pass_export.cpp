#include "prediction/pass_export.h"

#include <cmath>
#include <cstdio>

#include "core/json_text.h"

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr std::size_t kFoldOctets = 75;

long long CatalogNumber(const PassRecord& pass) { return std::llround(pass.catalogNumber); }

// The name field of the name line (its first 24 characters, Latin-1 or UTF-8) as UTF-8
// without the blanks that pad it; the catalogue number for a set without a name.
std::string SatelliteName(const PassRecord& pass) {
    std::string name = jsontext::ReadableUtf8(CharSlice(pass.name, 0, 24));
    while (!name.empty() && (name.back() == ' ' || name.back() == '\r')) name.pop_back();
    return name.empty() ? std::to_string(CatalogNumber(pass)) : name;
}

// "20260428T020043Z"
std::string UtcStampText(JD1900 instant) {
    const CivilDateTime c = CivilFromJD1900(instant, 0.0);
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", c.year, c.month, c.day, c.hour,
                  c.minute, c.second);
    return text;
}

// "2026-04-28T04:00:43+02:00", in the offset of the zone at that instant (to the minute).
std::string LocalIsoText(JD1900 instant, const ObservingPlace& observer) {
    const long offsetMinutes = std::lround(observer.zoneOffsetAt(instant) * 60.0);
    const CivilDateTime c = CivilFromJD1900(instant, offsetMinutes / 60.0);
    const long size = std::labs(offsetMinutes);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", c.year, c.month,
                  c.day, c.hour, c.minute, c.second, offsetMinutes < 0 ? '-' : '+', size / 60,
                  size % 60);
    return text;
}

// "28.04.2026 04:00:43 MESZ"
std::string LocalText(JD1900 instant, const ObservingPlace& observer) {
    const DateTimeTexts texts = DateTimeTextsOf(instant, observer.zoneOffsetAt(instant));
    return texts.date + " " + texts.time + observer.zoneNameAt(instant);
}

// A number as German text reads it: decimal comma and a true minus sign ("−2,7").
std::string GermanNumber(double x, int decimals) {
    std::string text = FixedText(x, decimals);
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
    for (char& c : text)
        if (c == '.') c = ',';
    if (!text.empty() && text[0] == '-') text.replace(0, 1, "\u2212");
    return text;
}

// "60° SSO"
std::string AltitudeAndDirection(const PassEvent& event) {
    return std::to_string(std::lround(event.altitudeDeg)) + "\u00b0 " + EventCompassWord(event);
}

// The magnitude the pass is known by: at its brightest moment when that was searched,
// else at its highest point.
double PassMagnitude(const PassEvents& events) {
    return events.brightestFound ? events.brightest.magnitude : events.highest.magnitude;
}

std::string MagnitudeText(double magnitude, bool known) {
    return std::string(known ? "" : "ca. ") + GermanNumber(magnitude, 1) + " mag";
}

std::string StartReasonWords(PassLimit limit) {
    switch (limit) {
        case PassLimit::Altitude:
            return "Aufgang";
        case PassLimit::Shadow:
            return "Austritt aus dem Erdschatten";
        case PassLimit::Twilight:
            return "Dämmerung";
        case PassLimit::Open:
            break;
    }
    return {};
}

std::string EndReasonWords(PassLimit limit) {
    switch (limit) {
        case PassLimit::Altitude:
            return "Untergang";
        case PassLimit::Shadow:
            return "Eintritt in den Erdschatten";
        default:
            return StartReasonWords(limit);
    }
}

// "Beginn: 28.04.2026 04:00:43 MESZ, 10° WSW, 1,2 mag (Aufgang)"
std::string EventLine(const char* label, const PassEvent& event, const PassRecord& pass,
                      const ObservingPlace& observer, const std::string& reason) {
    return std::string(label) + ": " + LocalText(event.time, observer) + ", " +
           AltitudeAndDirection(event) + ", " +
           MagnitudeText(event.magnitude, pass.magnitudeKnown) +
           (reason.empty() ? "" : " (" + reason + ")");
}

std::string DurationText(double seconds) {
    const long whole = std::lround(seconds);
    return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s";
}

std::string Description(const PassRecord& pass, const ObservingPlace& observer) {
    const PassEvents& e = pass.events;
    std::string text = EventLine("Beginn", e.start, pass, observer, StartReasonWords(e.startLimit));
    text += "\n" + EventLine("Höchster Punkt", e.highest, pass, observer, {});
    if (e.brightestFound)
        text += "\n" + EventLine("Hellster Moment", e.brightest, pass, observer, {});
    text += "\n" + EventLine("Ende", e.end, pass, observer, EndReasonWords(e.endLimit));
    text += "\nDauer: " + DurationText(e.DurationSeconds());
    return text;
}

// "52.50N-13.40E": the place to a hundredth of a degree, east longitude in (-180, 180].
std::string PlaceKey(const ObservingPlace& observer) {
    double lon = std::fmod(observer.longitudeDeg, 360.0);
    if (lon > 180.0) lon -= 360.0;
    if (lon <= -180.0) lon += 360.0;
    const double lat = observer.latitudeDeg;
    return FixedText(std::fabs(lat), 2) + (lat < 0.0 ? "S" : "N") + "-" +
           FixedText(std::fabs(lon), 2) + (lon < 0.0 ? "W" : "E");
}

// Catalogue number, start to the minute and place: "25544-20260428T0201Z-52.50N-13.40E@polaride".
std::string EventUid(const PassRecord& pass, const ObservingPlace& observer) {
    const JD1900 minute = std::round(pass.events.start.time * 1440.0) / 1440.0;
    const std::string stamp = UtcStampText(minute);
    return std::to_string(CatalogNumber(pass)) + "-" + stamp.substr(0, 13) + "Z-" +
           PlaceKey(observer) + "@polaride";
}

void AddLine(std::string& out, std::string_view name, std::string_view value) {
    std::string line(name);
    line += ':';
    line += value;
    out += FoldedCalendarLine(line);
}

void AddEvent(std::string& out, const PassRecord& pass, const ObservingPlace& observer,
              JD1900 stamp) {
    const PassEvents& e = pass.events;
    const std::string summary = SatelliteName(pass) + " " +
                                MagnitudeText(PassMagnitude(e), pass.magnitudeKnown) + ", " +
                                AltitudeAndDirection(e.highest);
    AddLine(out, "BEGIN", "VEVENT");
    AddLine(out, "UID", EventUid(pass, observer));
    AddLine(out, "DTSTAMP", UtcStampText(stamp));
    AddLine(out, "DTSTART", UtcStampText(e.start.time));
    AddLine(out, "DTEND", UtcStampText(e.end.time));
    AddLine(out, "SUMMARY", CalendarTextValue(summary));
    AddLine(out, "DESCRIPTION", CalendarTextValue(Description(pass, observer)));
    AddLine(out, "LOCATION", CalendarTextValue(jsontext::ReadableUtf8(observer.placeName)));
    AddLine(out, "GEO",
            FixedText(observer.latitudeDeg, 4) + ";" +
                FixedText(observer.longitudeDeg > 180.0 ? observer.longitudeDeg - 360.0
                                                        : observer.longitudeDeg,
                          4));
    AddLine(out, "TRANSP", "TRANSPARENT");
    AddLine(out, "END", "VEVENT");
}

// Number fields of the table: "." as decimal point, empty without a visible part.
std::string Number(double x, int decimals) { return FixedText(x, decimals); }

void AddEventFields(std::vector<std::string>& row, const PassEvent& event,
                    const ObservingPlace& observer) {
    row.push_back(LocalIsoText(event.time, observer));
    row.push_back(Number(event.altitudeDeg, 1));
    row.push_back(Number(event.azimuthDeg, 1));
    row.push_back(EventCompassWord(event));
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        row += CsvField(fields[i]);
    }
    return row + kCrLf;
}

}  // namespace

std::string CalendarTextValue(std::string_view text) {
    std::string value;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            value += '\\';
            value += c;
        } else if (c == '\n') {
            value += "\\n";
        } else if (c != '\r') {
            value += c;
        }
    }
    return value;
}

std::string FoldedCalendarLine(std::string_view line) {
    std::string out;
    std::size_t octets = 0;  // of the present physical line
    for (std::size_t i = 0; i < line.size();) {
        // The whole UTF-8 character at i (a stray byte counts alone).
        std::size_t length = 1;
        while (i + length < line.size() &&
               (static_cast<unsigned char>(line[i + length]) & 0xC0) == 0x80 &&
               (static_cast<unsigned char>(line[i]) & 0xC0) == 0xC0)
            ++length;
        if (octets + length > kFoldOctets) {
            out += kCrLf;
            out += ' ';
            octets = 1;
        }
        out.append(line.substr(i, length));
        octets += length;
        i += length;
    }
    return out + kCrLf;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + "\"";
}

namespace {

// The calendar of `count` passes, pass i being recordAt(i).
template <class RecordAt>
PassCalendar CalendarOf(std::size_t count, RecordAt recordAt, const ObservingPlace& observer,
                        JD1900 stamp) {
    PassCalendar calendar;
    std::string& out = calendar.text;
    AddLine(out, "BEGIN", "VCALENDAR");
    AddLine(out, "VERSION", "2.0");
    AddLine(out, "PRODID", "-//Polaride//Durchgaenge//DE");
    AddLine(out, "CALSCALE", "GREGORIAN");
    for (std::size_t i = 0; i < count; ++i) {
        const PassRecord pass = recordAt(i);
        if (!pass.events.found) {
            ++calendar.leftOut;
            continue;
        }
        AddEvent(out, pass, observer, stamp);
        ++calendar.events;
    }
    AddLine(out, "END", "VCALENDAR");
    return calendar;
}

// The table of `count` passes, pass i being recordAt(i).
template <class RecordAt>
std::string TableOf(std::size_t count, RecordAt recordAt, const ObservingPlace& observer) {
    std::string out =
        CsvRow({"satellite", "catalog_number", "listed_local", "start_local", "start_alt_deg",
                "start_az_deg", "start_dir", "highest_local", "highest_alt_deg", "highest_az_deg",
                "highest_dir", "end_local", "end_alt_deg", "end_az_deg", "end_dir", "magnitude",
                "start_reason", "end_reason", "duration_s"});
    for (std::size_t i = 0; i < count; ++i) {
        const PassRecord pass = recordAt(i);
        const PassEvents& e = pass.events;
        std::vector<std::string> row = {SatelliteName(pass), std::to_string(CatalogNumber(pass)),
                                        LocalIsoText(pass.time, observer)};
        if (e.found) {
            for (const PassEvent* event : {&e.start, &e.highest, &e.end})
                AddEventFields(row, *event, observer);
            row.push_back(Number(PassMagnitude(e), 1));
            row.push_back(std::string(StartReasonText(e.startLimit)));
            row.push_back(std::string(EndReasonText(e.endLimit)));
            row.push_back(Number(e.DurationSeconds(), 1));
        } else {
            row.resize(19);
        }
        out += CsvRow(row);
    }
    return out;
}

}  // namespace

PassCalendar PassCalendarText(const std::vector<PassRecord>& passes, const ObservingPlace& observer,
                              JD1900 stamp) {
    return CalendarOf(
        passes.size(), [&](std::size_t i) -> const PassRecord& { return passes[i]; }, observer,
        stamp);
}

PassCalendar PassCalendarText(const PassListState& list, const ObservingPlace& observer,
                              JD1900 stamp) {
    return CalendarOf(
        list.size(), [&](std::size_t i) { return list.Record(i); }, observer, stamp);
}

std::string LeftOutOfCalendarText(int leftOut) {
    if (leftOut <= 0) return {};
    if (leftOut == 1) return "1 Durchgang ohne sichtbaren Teil steht nicht im Kalender.";
    return std::to_string(leftOut) + " Durchgänge ohne sichtbaren Teil stehen nicht im Kalender.";
}

std::string PassTableText(const std::vector<PassRecord>& passes, const ObservingPlace& observer) {
    return TableOf(
        passes.size(), [&](std::size_t i) -> const PassRecord& { return passes[i]; }, observer);
}

std::string PassTableText(const PassListState& list, const ObservingPlace& observer) {
    return TableOf(
        list.size(), [&](std::size_t i) { return list.Record(i); }, observer);
}
