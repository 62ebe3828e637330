// The printed table of the selection ("Liste drucken"): 50 satellites a page, two
// heading lines, one fixed-column row per satellite. Positions are in 0.1 mm from the
// top left corner of the page, y upwards (negative down the page).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "satellite/satellite_table.h"

inline constexpr int kSatellitesPerPage = 50;

inline constexpr const char* kSelectionHeading1 =
    "  Bez            Name            incl    e     Periode  Perig.  Apog.   mag";
inline constexpr const char* kSelectionHeading2 =
    "                                (Grad)          (Min)    (km)    (km)";

// Pages for a number of satellites: 50·n satellites give n pages; none give none.
int SelectionPageCount(int satellites);

// One row: a blank, the catalogue number (line 1 columns 3-7), three blanks, the
// right-list line padded to 18, inclination %10.1f, eccentricity %8.4f, period 1440/n
// %9.1f, perigee %7.0f and apogee %8.0f (km), the standard magnitude %6.1f or nothing
// when it is not known. nullopt when line 2 does not convert (badText receives the text).
std::optional<std::string> SelectionPrintRow(const ElementSet& set, const std::string& listLine,
                                             double standardMagnitude, bool magnitudeKnown,
                                             std::string* badText = nullptr);

struct PrintedText {
    int x = 0;
    int y = 0;  // 0.1 mm, negative down the page
    std::string text;
};
using PrintedPage = std::vector<PrintedText>;

// Every page of the current selection (Satellites(), Selection()): the headings at
// (10, -100) and (10, -150), row i of the page (1..50) at (10, -195 - 45·i).
// nullopt when a row does not convert (badText receives the text).
std::optional<std::vector<PrintedPage>> SelectionPrintPages(std::string* badText = nullptr);
