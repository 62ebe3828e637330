#include "prediction/transit_list_text.h"

#include <cmath>

#include "core/timescale.h"
#include "prediction/pass_lines.h"

namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::string TransitLocalTimeText(JD1900 instant, double zoneOffsetHours) {
    // Whole tenths of the days since a midnight first (JD1900 days begin at noon), so
    // that 59.96 s does not show as "60,0".
    const double tenths = std::round((instant + zoneOffsetHours / 24.0 + 0.5) * 864000.0);
    const double day = std::floor(tenths / 864000.0);
    const int inDay = static_cast<int>(tenths - day * 864000.0);
    const CivilDateTime date = CivilFromJD1900(day - 0.5 + 1.0 / 24.0, 0.0);
    const int seconds = inDay / 10;
    return TwoDigits(date.day) + "." + TwoDigits(date.month) + "." + std::to_string(date.year) +
           " " + TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
           TwoDigits(seconds % 60) + "," + std::to_string(inDay % 10);
}

std::string TransitBodyName(TransitBody body) {
    return body == TransitBody::Sun ? "Sonne" : "Mond";
}

std::string GermanNumber(double value, int decimals) {
    std::string text = FixedText(value, decimals);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

// The columns after the time: each heading word stands over the end of its field.
namespace {
struct Column {
    const char* heading;
    int width;
};
constexpr Column kBodyColumn{"Körper", 6};
constexpr Column kRightAligned[] = {{"Abstand", 9}, {"Transit", 8}, {"Dauer", 8},   {"Höhe", 7},
                                    {"Azimut", 8},  {"Entf.", 8},   {"Winkelg.", 9}};
enum { kSeparation, kTransit, kDuration, kAltitude, kAzimuth, kRange, kSpeed };
constexpr int kTimeWidth = 22;  // "dd.mm.jjjj hh:mm:ss,s "

std::string Field(int column, const std::string& text) {
    return PadLeft(text, kRightAligned[column].width);
}
}  // namespace

std::string TransitListHeading() {
    std::string heading = PadRight("Datum      Uhrzeit", kTimeWidth);
    heading += PadRight(kBodyColumn.heading, kBodyColumn.width);
    for (const Column& c : kRightAligned) heading += PadLeft(c.heading, c.width);
    return heading + "  Satellit";
}

std::string CentreLineWithStripText(const TransitApproach& a) {
    std::string text = CentreLineText(a.centreLine);
    if (a.centreLine.found)
        text += ", Streifen ±" + GermanNumber(a.centreLine.nearest.stripHalfWidthKm, 1) + " km";
    return text;
}

std::string TransitListLine(const TransitApproach& a, double zoneOffsetHours) {
    std::string line = TransitLocalTimeText(a.instant, zoneOffsetHours) + " ";
    line += PadRight(TransitBodyName(a.body), kBodyColumn.width);
    line += Field(kSeparation, GermanNumber(a.separationDeg, 3) + "°");
    line += Field(kTransit, a.isTransit ? "ja" : "nein");
    line += Field(kDuration, a.isTransit ? GermanNumber(a.durationS, 2) + " s" : "-");
    line += Field(kAltitude, GermanNumber(a.bodyAltitudeDeg, 1) + "°");
    line += Field(kAzimuth, GermanNumber(a.bodyAzimuthDeg, 1) + "°");
    line += Field(kRange, GermanNumber(a.rangeKm, 0) + " km");
    line += Field(kSpeed, GermanNumber(a.angularSpeedDegS, 2) + "°/s");
    line += "  " + std::to_string(a.catalogNumber) + " " + a.name;
    line += "  " + CentreLineWithStripText(a);
    if (a.sizeArcsec && a.sizeWidthArcsec)
        line += ", Größe " + GermanNumber(*a.sizeArcsec, 0) + "″×" +
                GermanNumber(*a.sizeWidthArcsec, 0) + "″";
    return line;
}
