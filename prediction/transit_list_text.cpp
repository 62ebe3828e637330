#include "prediction/transit_list_text.h"

#include <cmath>

#include "core/timescale.h"
#include "prediction/pass_lines.h"

namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// "dd.mm.jjjj hh:mm:ss,s" of an instant shifted into a zone.
std::string LocalTimeText(JD1900 instant, double zoneOffsetHours) {
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

}  // namespace

std::string TransitBodyName(TransitBody body) {
    return body == TransitBody::Sun ? "Sonne" : "Mond";
}

std::string GermanNumber(double value, int decimals) {
    std::string text = FixedText(value, decimals);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string TransitListHeading() {
    return "Datum      Uhrzeit     Körper Abstand Transit  Dauer  Höhe  Azimut  Entf.  Winkelg."
           "  Satellit";
}

std::string TransitListLine(const TransitApproach& a, double zoneOffsetHours) {
    std::string line = LocalTimeText(a.instant, zoneOffsetHours) + " ";
    line += PadRight(TransitBodyName(a.body), 6);
    line += PadLeft(GermanNumber(a.separationDeg, 3) + "°", 9);
    line += a.isTransit ? "  ja   " : "  nein ";
    line += PadLeft(a.isTransit ? GermanNumber(a.durationS, 2) + " s" : "-", 8);
    line += PadLeft(GermanNumber(a.bodyAltitudeDeg, 1) + "°", 7);
    line += PadLeft(GermanNumber(a.bodyAzimuthDeg, 1) + "°", 8);
    line += PadLeft(GermanNumber(a.rangeKm, 0) + " km", 8);
    line += PadLeft(GermanNumber(a.angularSpeedDegS, 2) + "°/s", 9);
    line += "  " + std::to_string(a.catalogNumber) + " " + a.name;
    line += "  " + CentreLineText(a.centreLine);
    if (a.centreLine.found)
        line += ", Streifen ±" + GermanNumber(a.centreLine.nearest.stripHalfWidthKm, 1) + " km";
    if (a.sizeArcsec && a.sizeWidthArcsec)
        line += ", Größe " + GermanNumber(*a.sizeArcsec, 0) + "″×" +
                GermanNumber(*a.sizeWidthArcsec, 0) + "″";
    return line;
}
