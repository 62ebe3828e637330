// The satellite magnitude table: standard magnitudes by catalogue number, read from
// the file "SATMAG" at start-up. The element-file load looks magnitudes up in it by
// catalogue number, whatever the order of the table and of the element file.
//
// "SATMAG" line format: columns 1-5 catalogue number, columns 24-28 standard
// magnitude; room for kMagnitudeTableCapacity lines, surplus lines are ignored.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

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

// The magnitudes of a table by catalogue number; of several entries of one number the
// first in file order counts.
class MagnitudeLookup {
  public:
    explicit MagnitudeLookup(const SatelliteMagnitudeTable& table);
    std::optional<double> Find(double catalogNumber) const;

  private:
    std::vector<MagnitudeTableEntry> byNumber_;  // sorted by number, file order kept
};

// Reads a magnitude file (by default "SATMAG" in the working directory) into
// MagnitudeTable(). Entries are appended from an empty table in file order.
// The file is read whole first, without seeking (a pipe serves as well), at most
// kMaxDataFileBytes. Returns false when the file cannot be opened or read, is larger
// than that, or a line's number columns do not convert; errorText then receives a
// German message for the error box, and the table keeps the lines read before the
// failure. Blank lines and lines past the capacity are ignored.
bool LoadMagnitudeTable(const std::string& path = "SATMAG", std::string* errorText = nullptr);

// Parses one "SATMAG" line; false when a column is not a number.
bool ParseMagnitudeLine(const std::string& line, MagnitudeTableEntry& entry);
