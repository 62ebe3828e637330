// The pass list as a text file ("Speichern" of the pass list window, and the text
// output of "polaride-cli passes"): four header lines and the display lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/observing_place.h"

// Shortest decimal text of a number (up to 15 significant digits, "." as point).
std::string ShortestDecimal(double value);

// "Laenge: 13.4 E  Breite: 52.5 N  Zeitzone: UTC +2h" (the values with their sign).
std::string PassListLocationLine(double longitudeDeg, double latitudeDeg, double zoneOffsetHours);
// The same with the zone as text (PassListZoneText).
std::string PassListLocationLine(double longitudeDeg, double latitudeDeg,
                                 const std::string& zoneText);
// "UTC +2h" for a fixed zone; for a zone by rule the offsets in force at the listed
// instants, each once in their order, and the rule ("UTC +2h/+1h Europe/Berlin"; the
// offset at shownInstant when the list is empty).
std::string PassListZoneText(const ObservingPlace& observer, const std::vector<JD1900>& instants,
                             JD1900 shownInstant);

// What a search covered: the nights (the local noons of the days on whose evenings the
// first and the last night began) or, for a search of a number of minutes, its window
// (start and end, UT). None: no search (a list filled otherwise).
struct PassSearchSpan {
    enum class Kind { None, Nights, Window };
    Kind kind = Kind::None;
    JD1900 first = 0.0, last = 0.0;
};
// The span as the end of the file's first line, dates with the year in the zone of the
// observer at each instant: ", Nacht vom 27.04.2026", ", Nächte vom 27.04.2026 bis
// 28.04.2026" (the evening dates, as the note on nights without darkness), ", vom
// 27.04.2026 21:00 bis 27.04.2026 22:30"; empty for None.
std::string PassSearchSpanText(const PassSearchSpan& span, const ObservingPlace& observer);

// The lines of the file (UTF-8, no line ends): "Sichtbarkeitsbedingungen für " + place +
// span text (PassSearchSpanText), the location line, "berechnet mit Elementen aus " +
// element file, the column heading and every list line.
std::vector<std::string> PassListFileLines(const std::string& placeName,
                                           const std::string& spanText, double longitudeDeg,
                                           double latitudeDeg, const std::string& zoneText,
                                           const std::string& elementFilePath,
                                           const std::vector<std::string>& listLines);

// UTF-8 to Latin-1; characters outside Latin-1 become "?", stray bytes are kept.
std::string Utf8ToLatin1(std::string_view text);
// Whether Latin-1 holds every character of the text (no "?" stands in for one).
bool Latin1Holds(std::string_view text);

// The file contents: the lines in Latin-1, each ended by CR LF.
std::string PassListFileText(const std::vector<std::string>& lines);
