#include "satellite/magnitude_table.h"

#include <algorithm>
#include <sstream>

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

MagnitudeLookup::MagnitudeLookup(const SatelliteMagnitudeTable& table)
    : byNumber_(table.entries.begin(),
                table.entries.begin() + std::clamp(table.count, 0, kMagnitudeTableCapacity)) {
    std::stable_sort(byNumber_.begin(), byNumber_.end(),
                     [](const MagnitudeTableEntry& a, const MagnitudeTableEntry& b) {
                         return a.catalogNumber < b.catalogNumber;
                     });
}

std::optional<double> MagnitudeLookup::Find(double catalogNumber) const {
    const auto it = std::lower_bound(byNumber_.begin(), byNumber_.end(), catalogNumber,
                                     [](const MagnitudeTableEntry& entry, double number) {
                                         return entry.catalogNumber < number;
                                     });
    if (it == byNumber_.end() || it->catalogNumber != catalogNumber) return std::nullopt;
    return it->magnitude;
}

bool LoadMagnitudeTable(const std::string& path, std::string* errorText) {
    SatelliteMagnitudeTable& table = MagnitudeTable();
    table.count = 0;
    std::string contents;
    bool tooLarge = false;
    switch (ReadFileContents(path, contents, kMaxDataFileBytes, &tooLarge)) {
        case FileReadStatus::Ok:
            break;
        case FileReadStatus::Missing:
            if (errorText) *errorText = MissingFileMessage(path);
            return false;
        case FileReadStatus::Unreadable:
            if (errorText)
                *errorText = tooLarge ? TooLargeFileMessage(path) : UnreadableFileMessage(path);
            return false;
    }
    std::istringstream in(std::move(contents));
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
    return true;
}
