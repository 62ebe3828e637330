#include "catalog/map_files.h"

#include <cmath>

#include "catalog/place_numbers.h"
#include "catalog/text_lines.h"
#include "core/number_text.h"
#include "core/text_file.h"

namespace location {

namespace {

constexpr const char* kLastTownMarker = "-51";

bool IsBlankLine(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

double NumberOrThrow(const std::string& text, const std::string& fileName) {
    const auto value = numtext::ParseNumber(text);
    if (!value) throw MapFileError(InFileMessage(numtext::BadRealMessage(text), fileName));
    return *value;
}

// The lines of a map file; a missing or unreadable file throws MapFileError.
std::vector<std::string> ReadMapLines(const std::string& path) {
    try {
        return ReadTextLines(path);
    } catch (const FileOpenError& error) {
        throw MapFileError(error.what());
    }
}

bool IsMarker(const std::string& name) { return name == "-16" || name == "-185" || name == "-51"; }

}  // namespace

std::vector<BorderStroke> ReadBorders(const std::string& path) {
    const std::vector<std::string> lines = ReadMapLines(path);
    std::vector<BorderStroke> strokes;
    BorderStroke stroke;
    for (const auto& line : lines) {
        if (IsBlankLine(line)) continue;
        const auto comma = line.find(',');
        if (comma == std::string::npos) {
            throw MapFileError(InFileMessage(numtext::BadRealMessage(line), path));
        }
        const double first = NumberOrThrow(line.substr(0, comma), path);
        const double second = NumberOrThrow(line.substr(comma + 1), path);
        if (first < 0.0) break;
        if (first == 0.0) {
            if (!stroke.empty()) strokes.push_back(std::move(stroke));
            stroke.clear();
            continue;
        }
        stroke.push_back({first / 100.0, second / 100.0});
    }
    if (!stroke.empty()) strokes.push_back(std::move(stroke));
    return strokes;
}

const char* TownMarkerForZoom(int zoom) {
    if (zoom >= 25) return "-51";
    if (zoom >= 5) return "-185";
    return "-16";
}

std::vector<Town> ReadTowns(const std::string& path, const std::string& lastName) {
    const std::vector<std::string> lines = ReadMapLines(path);
    std::vector<Town> towns;
    for (const auto& line : lines) {
        if (IsBlankLine(line)) continue;
        // The name may itself hold a comma: the two numbers are the last two fields.
        const auto second = line.rfind(',');
        const auto first = second == std::string::npos || second == 0 ? std::string::npos
                                                                      : line.rfind(',', second - 1);
        if (first == std::string::npos) {
            throw MapFileError(InFileMessage(numtext::BadRealMessage(line), path));
        }
        Town town;
        town.name = line.substr(0, first);
        town.longitudeDeg = NumberOrThrow(line.substr(first + 1, second - first - 1), path);
        town.latitudeDeg = NumberOrThrow(line.substr(second + 1), path);
        towns.push_back(town);
        if (town.name == lastName) break;
    }
    return towns;
}

std::optional<Town> SnapToTown(const std::vector<Town>& towns, double longitudeDeg,
                               double latitudeDeg, int zoom) {
    for (const auto& town : towns) {
        if (town.name == kLastTownMarker) break;
        if (IsMarker(town.name)) continue;
        if (std::fabs(longitudeDeg - town.longitudeDeg) < 0.4 / zoom &&
            std::fabs(latitudeDeg - town.latitudeDeg) < 0.25 / zoom) {
            return town;
        }
    }
    return std::nullopt;
}

bool IsTownMarker(const std::string& name) { return IsMarker(name); }

}  // namespace location
