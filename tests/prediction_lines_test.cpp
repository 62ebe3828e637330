// Text of the pass list: compass words, search and display lines, pass keys, the saved
// file.
#include <gtest/gtest.h>

#include <string>

#include "core/observing_place.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_list_file.h"
#include "support/observer_records.h"

namespace {

PassRecord SamplePass() {
    PassRecord p;
    p.time = 46139.912345678;
    p.altitudeDeg = 45.26;
    p.shadowBoundary = false;
    p.azimuthDeg = 0.0;  // south
    p.rangeKm = 612.4;
    p.directionDeg = 271.6;
    p.magnitude = -1.23;
    p.magnitudeKnown = true;
    p.sunAltitudeDeg = -12.34;
    p.satelliteNumber = 7;
    p.name = "ISS (ZARYA)";
    return p;
}

TEST(PassLines, CompassWordsAtTheirBoundaries) {
    struct Case {
        double northAzimuth;  // from north through east
        const char* word;
    };
    const Case cases[] = {
        {0, "N  "},     {11.24, "N  "}, {11.26, "NNO"}, {22.5, "NNO"},   {45, "NO "},
        {67.5, "ONO"},  {90, "O  "},    {112.5, "OSO"}, {135, "SO "},    {157.5, "SSO"},
        {180, "S  "},   {202.5, "SSW"}, {225, "SW "},   {247.5, "WSW"},  {270, "W  "},
        {292.5, "WNW"}, {315, "NW "},   {337.5, "NNW"}, {348.74, "NNW"}, {348.76, "N  "},
        {359.9, "N  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompassWord(c.northAzimuth - 180.0), c.word) << c.northAzimuth;
}

TEST(PassLines, SearchLineFieldsAtTheirColumns) {
    const std::string line = SearchLine(SamplePass());
    // Positions counted from 1, as in the column table.
    struct Field {
        std::size_t first, last;
        const char* text;
    };
    const Field fields[] = {
        {1, 15, "46139.912345678"},
        {16, 23, "   45.3°"},
        {24, 25, "  "},
        {26, 28, "S  "},
        {29, 36, "     612"},
        {37, 42, "   272"},
        {43, 49, "  -1.2 "},
        {50, 55, " -12.3"},
        {56, 60, "    7"},
        {61, 77, " ISS (ZARYA)     "},
    };
    EXPECT_EQ(CharCount(line), 77u);
    for (const Field& f : fields)
        EXPECT_EQ(CharSlice(line, f.first - 1, f.last - f.first + 1), f.text) << f.first;
}

// The time field keeps its 15 characters in every century: a wider integer part
// gives up decimals, a narrower one is padded on the left.
TEST(PassLines, TimeFieldWidthInEveryCentury) {
    struct Case {
        double time;
        const char* text;
    };
    const Case cases[] = {
        {46139.912345678, "46139.912345678"}, {-5.5, "   -5.500000000"},
        {-693500.2, "-693500.2000000"},       {100000.25, "100000.25000000"},
        {2958000.125, "2958000.1250000"},     {0.5, "    0.500000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(TimeField(c.time), c.text) << c.time;
}

TEST(PassLines, ShadowFlagAndUnknownMagnitudeMarks) {
    PassRecord p = SamplePass();
    p.shadowBoundary = true;
    p.magnitudeKnown = false;
    p.name = "A NAME LONGER THAN SIXTEEN";
    const std::string line = SearchLine(p);
    EXPECT_EQ(CharSlice(line, 23, 2), "* ");
    EXPECT_EQ(CharSlice(line, 42, 7), "  -1.2:");
    EXPECT_EQ(CharSlice(line, 60, 17), " A NAME LONGER TH");
}

TEST(PassLines, DisplayLineHoldsTheColumnsOfTheSearchLine) {
    const std::string search = SearchLine(SamplePass());
    const std::string display = DisplayLine(SamplePass(), "28.04.2026", "23:53:47");
    EXPECT_EQ(CharSlice(display, 0, 16), " ISS (ZARYA)    ");
    EXPECT_EQ(CharSlice(display, 16, 1), " ");
    EXPECT_EQ(CharSlice(display, 17, 6), "28.04.");
    EXPECT_EQ(CharSlice(display, 23, 2), "  ");
    EXPECT_EQ(CharSlice(display, 25, 8), "23:53:47");
    EXPECT_EQ(CharSlice(display, 33, 40), CharSlice(search, 15, 40));
    EXPECT_EQ(CharCount(display), 73u);
    EXPECT_EQ(CharSlice(search, 0, 15), "46139.912345678");
}

TEST(PassLines, OverwideValuesKeepTheName) {
    PassRecord p = SamplePass();
    p.rangeKm = 123456789.0;  // wider than its 8 columns
    p.satelliteNumber = 19999;
    EXPECT_GT(CharCount(SearchLine(p)), 77u);
    const std::string display = DisplayLine(p, "01.01.2026", "00:00:00");
    EXPECT_EQ(CharSlice(display, 0, 16), " ISS (ZARYA)    ");
    EXPECT_NE(display.find("123456789"), std::string::npos);
}

TEST(PassLines, HeadingsLineUpWithTheColumns) {
    // "sath" ends over the altitude digits (before the degree sign), "Sonne" over the
    // Sun altitude.
    const std::string search(kSearchHeading);
    EXPECT_EQ(search.find("sath") + 4, 22u);
    EXPECT_EQ(search.find("Sonne") + 5, 55u);
    const std::string display(kDisplayHeading);
    EXPECT_EQ(display.find("sath") + 4, 40u);
    EXPECT_EQ(display.find("Sonne") + 5, 73u);
}

TEST(PassListFile, LocationLineSignsAndHemispheres) {
    struct Case {
        double lon, lat, zone;
        const char* line;
    };
    const Case cases[] = {
        {13.4, 52.5, 2, "Laenge: 13.4 E  Breite: 52.5 N  Zeitzone: UTC +2h"},
        {-74.25, 40.75, -5, "Laenge: -74.25 W  Breite: 40.75 N  Zeitzone: UTC -5h"},
        {151.2, -33.9, 10.5, "Laenge: 151.2 E  Breite: -33.9 S  Zeitzone: UTC +10.5h"},
        {0, 0, 0, "Laenge: 0 E  Breite: 0 N  Zeitzone: UTC 0h"},
    };
    for (const Case& c : cases) EXPECT_EQ(PassListLocationLine(c.lon, c.lat, c.zone), c.line);
}

// The first line names the nights searched, year included, in the zone of each date.
TEST(PassListFile, SpanTextGivesTheDatesWithTheYear) {
    ResetObserverRecords();
    Place().zoneOffsetHours = 2;
    const JD1900 noon = JulianDay1900(2026, 4, 27) + 10.0 / 24.0;  // 12:00 local
    using Kind = PassSearchSpan::Kind;
    struct Case {
        PassSearchSpan span;
        const char* text;
    };
    const Case cases[] = {
        {{Kind::None, noon, noon}, ""},
        {{Kind::Nights, noon, noon}, ", Nacht vom 27.04.2026"},
        {{Kind::Nights, noon, noon + 2}, ", Nächte vom 27.04.2026 bis 29.04.2026"},
        {{Kind::Window, noon + 0.375, noon + 0.5}, ", vom 27.04.2026 21:00 bis 28.04.2026 00:00"},
    };
    for (const Case& c : cases) EXPECT_EQ(PassSearchSpanText(c.span, Place()), c.text);
    const std::vector<std::string> lines =
        PassListFileLines("Berlin", cases[2].text, 13.4, 52.5, "UTC +2h", "v.tle", {});
    EXPECT_EQ(lines[0],
              "Sichtbarkeitsbedingungen für Berlin, Nächte vom 27.04.2026 bis 29.04.2026");
    ResetObserverRecords();
}

TEST(PassListFile, HeaderLinesThenListLatin1CrLf) {
    const std::vector<std::string> lines = PassListFileLines(
        "München", "", 11.6, 48.1, "UTC +1h", "C:\\bahn\\visual.tle", {"zeile 1", "zeile 2"});
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Sichtbarkeitsbedingungen für München");
    EXPECT_EQ(lines[2], "berechnet mit Elementen aus C:\\bahn\\visual.tle");
    EXPECT_EQ(lines[3], std::string(kDisplayHeading));
    const std::string text = PassListFileText(lines);
    EXPECT_EQ(text.substr(0, 38), "Sichtbarkeitsbedingungen f\xfcr M\xfcnchen\r\n");
    EXPECT_EQ(text.substr(text.size() - 18), "zeile 1\r\nzeile 2\r\n");
    EXPECT_EQ(Utf8ToLatin1("45.3°"), "45.3\xb0");
    EXPECT_EQ(Utf8ToLatin1("\xe2\x82\xac"), "?");  // the euro sign is not Latin-1
}

}  // namespace
