// The satellite magnitude table: standard magnitudes by catalogue number, read from
// the file "SATMAG" at start-up. The element-file load looks magnitudes up in it
// (forward only: both the table and element files are in ascending catalogue order).
//
// "SATMAG" line format: columns 1-5 catalogue number, columns 24-28 standard
// magnitude; room for kMagnitudeTableCapacity lines, surplus lines are ignored.
#pragma once

#include <array>
#include <string>

inline constexpr int kMagnitudeTableCapacity = 1500;

struct MagnitudeTableEntry {
    double catalogNumber = 0.0;
    double magnitude = 0.0;
};

struct SatelliteMagnitudeTable {
    std::array<MagnitudeTableEntry, kMagnitudeTableCapacity> entries{};
    int count = 0;  // entries in use, in file order
};

// The one magnitude table of the process.
SatelliteMagnitudeTable& MagnitudeTable();
// Back to an empty table (tests).
void ResetMagnitudeTable();

// Reads a magnitude file (by default "SATMAG" in the working directory) into
// MagnitudeTable(). Entries are appended from an empty table in file order.
// Returns false when the file cannot be opened or read or a line's number columns do
// not convert; errorText then receives a German message for the error box, and the
// table keeps the lines read before the failure. Blank lines and lines past the
// capacity are ignored.
bool LoadMagnitudeTable(const std::string& path = "SATMAG", std::string* errorText = nullptr);

// Parses one "SATMAG" line; false when a column is not a number.
bool ParseMagnitudeLine(const std::string& line, MagnitudeTableEntry& entry);
