// The columns of the transit list: every heading word ends where its field ends, counted
// in characters, whatever "°" and "ö" take in bytes.
#include <gtest/gtest.h>

#include "prediction/pass_lines.h"
#include "prediction/transit_list_text.h"

namespace {

// Characters up to the end of the first occurrence of `word` from byte `fromByte` on.
std::size_t EndOf(const std::string& text, const std::string& word, std::size_t fromByte = 0) {
    const std::size_t at = text.find(word, fromByte);
    EXPECT_NE(at, std::string::npos) << word << " in " << text;
    return CharCount(std::string_view(text).substr(0, at + word.size()));
}

TEST(TransitListTextTest, HeadingWordsEndWithTheirFields) {
    TransitApproach a;
    a.name = "ISS (ZARYA)";
    a.catalogNumber = 25544;
    a.body = TransitBody::Moon;
    a.separationDeg = 0.123;
    a.isTransit = true;
    a.durationS = 0.5;
    a.bodyAltitudeDeg = 34.5;
    a.bodyAzimuthDeg = 123.4;
    a.rangeKm = 789.0;
    a.angularSpeedDegS = 0.85;
    const std::string heading = TransitListHeading();
    const std::string line = TransitListLine(a, 0.0);
    const std::size_t fieldsFrom = line.find("Mond");
    const std::pair<const char*, const char*> columns[] = {
        {"Abstand", "0,123°"}, {"Transit", "ja"},   {"Dauer", "0,50 s"},    {"Höhe", "34,5°"},
        {"Azimut", "123,4°"},  {"Entf.", "789 km"}, {"Winkelg.", "0,85°/s"}};
    for (const auto& [word, field] : columns)
        EXPECT_EQ(EndOf(heading, word), EndOf(line, field, fieldsFrom)) << word;
    EXPECT_EQ(heading.find("Körper"), fieldsFrom);  // no wide character before either
}

}  // namespace
