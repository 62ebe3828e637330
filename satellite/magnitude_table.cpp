#include "satellite/magnitude_table.h"

#include <fstream>

#include "core/text_file.h"
#include "satellite/column_number.h"
#include "satellite/text_lines.h"

namespace {
SatelliteMagnitudeTable gMagnitudeTable;
}

SatelliteMagnitudeTable& MagnitudeTable() { return gMagnitudeTable; }

void ResetMagnitudeTable() { gMagnitudeTable = SatelliteMagnitudeTable{}; }

bool ParseMagnitudeLine(const std::string& line, MagnitudeTableEntry& entry) {
    const auto number = ColumnNumber(line, 1, 5);
    const auto magnitude = ColumnNumber(line, 24, 28);
    if (!number || !magnitude) return false;
    entry.catalogNumber = *number;
    entry.magnitude = *magnitude;
    return true;
}

bool LoadMagnitudeTable(const std::string& path, std::string* errorText) {
    SatelliteMagnitudeTable& table = MagnitudeTable();
    table.count = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errorText) *errorText = FailedFileMessage(path);
        return false;
    }
    std::string line;
    int lineNumber = 0;
    while (ReadTextLine(in, line)) {
        ++lineNumber;
        if (table.count >= kMagnitudeTableCapacity) break;  // surplus lines are ignored
        if (line.find_first_not_of(" \t") == std::string::npos) continue;  // blank line
        MagnitudeTableEntry entry;
        if (!ParseMagnitudeLine(line, entry)) {
            if (errorText)
                *errorText = "Ungültiger Zahlenwert in " + path + ", Zeile " +
                             std::to_string(lineNumber) + ".";
            return false;
        }
        table.entries[static_cast<std::size_t>(table.count++)] = entry;
    }
    if (in.bad()) {  // a folder in the file's place, an input/output error
        if (errorText) *errorText = UnreadableFileMessage(path);
        return false;
    }
    return true;
}
