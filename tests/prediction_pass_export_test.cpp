// The listed passes as an iCalendar file and a CSV table.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "core/observing_place.h"
#include "prediction/pass_export.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;

// 28.04.2026 02:00:43 UT.
const JD1900 kStart = JulianDay1900(2026, 4, 28) + (2.0 + 43.0 / 3600) / 24;

ObservingPlace PlaceNamed(const char* name, double lon, double lat) {
    ObservingPlace o;
    o.placeName = name;
    o.longitudeDeg = lon;
    o.latitudeDeg = lat;
    o.zoneName = " MESZ";
    o.zoneOffsetHours = 2.0;
    return o;
}

PassRecord Pass(JD1900 start, const char* name = "ISS (ZARYA)             -0.5") {
    PassRecord p;
    p.name = name;
    p.catalogNumber = 25544;
    p.magnitudeKnown = true;
    p.time = start + 110 * kSecond;
    PassEvents& e = p.events;
    e.found = true;
    e.start = {start, 23.6, 238.5, -1.8, 10.0, -13.0};
    e.highest = {p.time, 60.0, 165.3, -2.7, 300.0, -13.0};
    e.end = {start + 311 * kSecond, 10.0, 85.3, 2.4, 900.0, -13.0};
    e.startLimit = PassLimit::Shadow;
    return p;
}

// The physical lines of a text, each without its CR LF; fails on a bare LF.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "the text ends without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(at, end - at));
        EXPECT_EQ(lines.back().find('\n'), std::string::npos) << lines.back();
        at = end + 2;
    }
    return lines;
}

// The value of the (unfolded) content line `name`, of the first event.
std::string Property(const std::string& text, const std::string& name) {
    std::string unfolded;
    for (const std::string& line : CrLfLines(text))
        unfolded += line.empty() || line[0] != ' ' ? "\n" + line : line.substr(1);
    const std::size_t at = unfolded.find("\n" + name + ":");
    return at == std::string::npos
               ? std::string()
               : unfolded.substr(at + name.size() + 2,
                                 unfolded.find('\n', at + 1) - at - name.size() - 2);
}

TEST(PredictionPassExportTest, CalendarEventInUtcFoldedAndEscaped) {
    const ObservingPlace berlin = PlaceNamed("Berlin; Mitte, Nord\\Ost", 13.4, 52.5);
    PassRecord hidden = Pass(kStart + 1.0);
    hidden.events.found = false;
    const PassCalendar calendar =
        PassCalendarText({Pass(kStart), hidden}, berlin, JulianDay1900(2026, 4, 27));
    EXPECT_EQ(calendar.events, 1);
    EXPECT_EQ(calendar.leftOut, 1);
    const std::vector<std::string> lines = CrLfLines(calendar.text);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "BEGIN:VCALENDAR");
    EXPECT_EQ(lines[1], "VERSION:2.0");
    EXPECT_EQ(lines[2], "PRODID:-//Polaride//Durchgaenge//DE");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    bool folded = false;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 75u) << line;
        folded = folded || (!line.empty() && line[0] == ' ');
    }
    EXPECT_TRUE(folded);
    EXPECT_EQ(Property(calendar.text, "DTSTART"), "20260428T020043Z");
    EXPECT_EQ(Property(calendar.text, "DTEND"), "20260428T020554Z");
    EXPECT_EQ(Property(calendar.text, "DTSTAMP"), "20260427T000000Z");
    EXPECT_EQ(Property(calendar.text, "SUMMARY"), "ISS (ZARYA) \u22122\\,7 mag\\, 60\u00b0 SSO");
    EXPECT_EQ(Property(calendar.text, "LOCATION"), "Berlin\\; Mitte\\, Nord\\\\Ost");
    const std::string description = Property(calendar.text, "DESCRIPTION");
    EXPECT_EQ(description.rfind("Beginn: 28.04.2026 04:00:43 MESZ\\, 24\u00b0 WSW", 0), 0u)
        << description;
    EXPECT_NE(description.find("\\nEnde: 28.04.2026 04:05:54 MESZ"), std::string::npos);
}

TEST(PredictionPassExportTest, FoldingKeepsCharactersWhole) {
    const std::string line = "SUMMARY:" + std::string(66, 'x') + "\u00b0";
    const std::vector<std::string> lines = CrLfLines(FoldedCalendarLine(line));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 74u);  // the two octets of the degree sign would make 76
    EXPECT_EQ(lines[1], " \u00b0");
}

TEST(PredictionPassExportTest, UidStableForTheSamePassAndPlace) {
    const ObservingPlace berlin = PlaceNamed("Berlin", 13.4, 52.5);
    auto uid = [](const PassRecord& pass, const ObservingPlace& place) {
        return Property(PassCalendarText({pass}, place, kStart).text, "UID");
    };
    const std::string first = uid(Pass(kStart), berlin);
    EXPECT_EQ(first, uid(Pass(kStart), PlaceNamed("Berlin", 373.4, 52.5)));
    EXPECT_EQ(first, uid(Pass(kStart + 5 * kSecond), berlin));  // new elements, same minute
    EXPECT_NE(first, uid(Pass(kStart + 0.06), berlin));
    EXPECT_NE(first, uid(Pass(kStart), PlaceNamed("Potsdam", 13.06, 52.4)));
    EXPECT_NE(first.find("25544"), std::string::npos);
    EXPECT_EQ(first.substr(first.size() - 9), "@polaride");
}

TEST(PredictionPassExportTest, TableQuotesAndKeepsPassesWithoutVisiblePart) {
    PassRecord hidden = Pass(kStart + 1.0, "SL-16 R/B, \"Zenit\"");
    hidden.events.found = false;
    std::istringstream table(
        PassTableText({Pass(kStart), hidden}, PlaceNamed("Berlin", 13.4, 52.5)));
    std::string header, row, quoted;
    std::getline(table, header);
    std::getline(table, row);
    std::getline(table, quoted);
    EXPECT_EQ(header.rfind("satellite,catalog_number,", 0), 0u);
    EXPECT_EQ(row.rfind("ISS (ZARYA),25544,2026-04-28T04:02:33+02:00,2026-04-28T04:00:43+02:00,"
                        "23.6,238.5,WSW,",
                        0),
              0u)
        << row;
    EXPECT_NE(row.find(",-2.7,shadow,set,311.0\r"), std::string::npos) << row;
    EXPECT_EQ(quoted.rfind("\"SL-16 R/B, \"\"Zenit\"\"\",25544,", 0), 0u) << quoted;
    auto commas = [](const std::string& s) { return std::count(s.begin(), s.end(), ','); };
    EXPECT_EQ(commas(row), commas(header));
    EXPECT_EQ(commas(quoted), commas(header) + 1);  // the comma in the quoted name
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
}

}  // namespace
