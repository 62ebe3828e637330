// The text of the pass list: the search line written while the search runs, the
// display line of the finished list, the pass key kept beside each display line, the
// compass words and the column headings.
//
// Texts are UTF-8; every width and position below counts characters (the degree sign
// is one character), so the columns line up in a fixed-width font.
#pragma once

#include <string>
#include <string_view>

#include "core/timescale.h"
#include "prediction/pass_events.h"

// One predicted pass; every value belongs to the reported instant.
struct PassRecord {
    JD1900 time = 0.0;
    double altitudeDeg = 0.0;     // satellite altitude
    bool shadowBoundary = false;  // the instant is a shadow entry or exit ("* ")
    double azimuthDeg = 0.0;      // chart azimuth, from south through west
    double rangeKm = 0.0;
    double directionDeg = 0.0;  // direction of motion, 0..360
    double magnitude = 0.0;
    bool magnitudeKnown = false;  // standard magnitude known: " ", else ":"
    double sunAltitudeDeg = 0.0;
    int satelliteNumber = 0;     // position in the selection, from 0
    std::string name;            // name line of the satellite (first 16 characters used)
    double catalogNumber = 0.0;  // columns 3-7 of line 1 (not part of the line text)
    PassEvents events;           // the visible part around the instant (not in the lines)
};

// Status-bar headings: during the search and of the finished list.
inline constexpr std::string_view kSearchHeading =
    "  JD1900          sath   sataz  Entf   Pos   mag  Sonne  anr   Name";
inline constexpr std::string_view kDisplayHeading =
    "  Name           Datum   Uhrzeit    sath   sataz  Entf   Pos   mag  Sonne";

// The 16-point compass word (N, NNO, NO, ... NNW, N; "O" is east) of a chart azimuth
// in degrees (counted from south), three characters, blank-padded on the right.
std::string CompassWord(double chartAzimuthDeg);

// Fixed-point text of x with the given decimals, "." as decimal point.
std::string FixedText(double x, int decimals);

// Right-aligns text to width characters with blanks on its left; never cuts.
std::string PadLeft(std::string_view text, int width);
// Pads text with blanks on its right to width characters; never cuts.
std::string PadRight(std::string_view text, int width);
// Characters [first, first + count) of a UTF-8 text (0-based, counted in characters;
// shorter texts give what is there).
std::string CharSlice(std::string_view text, std::size_t first, std::size_t count);
// Number of characters of a UTF-8 text (a stray byte counts as one character).
std::size_t CharCount(std::string_view text);

// The time field of a search line: exactly 15 characters, nine decimals while the
// integer part has five digits (years 1900 to 2173), fewer decimals for a wider one
// (right-aligned with blanks when narrower, e.g. before 1900).
std::string TimeField(JD1900 time);

// The search line: time (15, see TimeField), altitude with "°" (8), shadow flag (2),
// compass word (3), range (8), direction (6), magnitude with its mark (7), Sun
// altitude (6), satellite number (5), a blank and the name padded to 16.
std::string SearchLine(const PassRecord& pass);

// The display line of a pass with the date and time texts of its instant: a blank,
// 15 characters of the padded name, a blank, the first six characters of the date
// text, two blanks, the time text and the 40 characters of the search line from the
// satellite altitude through the Sun altitude.
std::string DisplayLine(const PassRecord& pass, std::string_view dateText,
                        std::string_view timeText);
