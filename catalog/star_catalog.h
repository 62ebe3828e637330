// The star catalogue "STERNKAT": 15639 fixed-column star records, the star number
// being the line number counted from 1.
//
//  1-7 right ascension (hours)   8-14 declination (degrees)   15-19 magnitude
//  20-22 constellation           23-32 designation            33-37 distance (ly, text)
//  38-57 catalogue field         58-97 description
#pragma once

#include <functional>
#include <string>
#include <string_view>

inline constexpr int kStarCount = 15639;
inline constexpr const char* kStarCatalogFile = "STERNKAT";

// What columns 38-57 of a star line hold, decided in this order:
//  Tycho      "T" in column 38 and column 39 a digit below 10 (as an integer) or a blank
//  Hipparcos  "H  " in columns 38-40, the number in columns 41-50
//  Text       any other non-blank column 38: a proper name or other text
//  None       column 38 blank or missing (a line shorter than 38 characters)
enum class CatalogueKind { None, Tycho, Hipparcos, Text };

// One star line, parsed. The text fields are views into the line as they stand
// (untrimmed unless said otherwise); they are valid only while the visitor runs.
struct StarRecord {
    std::string_view line;           // the whole raw line
    double rightAscensionHours = 0;  // columns 1-7
    double declinationDeg = 0;       // columns 8-14
    double magnitude = 0;            // columns 15-19
    std::string_view constellation;  // columns 20-22
    std::string_view designation;    // columns 23-32
    std::string_view distance;       // columns 33-37, light years as text
    CatalogueKind catalogueKind = CatalogueKind::None;
    std::string_view catalogue;  // columns 38-57
    // Hipparcos: columns 41-50, Tycho: columns 39-50, both with leading blanks
    // removed; empty for Text and None.
    std::string_view catalogueNumber;
    std::string_view description;  // columns 58-97
};

CatalogueKind ClassifyCatalogueField(std::string_view line);

// Parses one line; a numeric field that does not convert throws
// DataFileError::BadFloat naming `fileName`.
StarRecord ParseStarRecord(std::string_view line, const char* fileName = kStarCatalogFile);

using StarVisitor = std::function<void(int starNumber, const StarRecord& star)>;

// Reads "STERNKAT" from the working directory and calls `visit` for stars 1..15639 in
// order. Throws DataFileError: FileNotFound; BadFloat at the first bad field (the
// stars before it have been visited); EndOfFile for the first missing line of a short
// file. Lines after the 15639th are ignored. The records are parsed once and kept while
// the file stays unchanged (KeptRecords, catalog/data_file.h).
void ReadStarRecords(const StarVisitor& visit);
// The same over a file of another name (tests, benchmarks).
void ReadStarRecordsFrom(const std::string& fileName, const StarVisitor& visit);

// The raw text of line n of "STERNKAT" (information box).
std::string ReadStarLine(int starNumber);
