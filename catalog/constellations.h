// Constellation figures "SLINIEN" and constellation labels "SNAMEN".
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kLabelCount = 89;
inline constexpr const char* kConstellationLinesFile = "SLINIEN";
inline constexpr const char* kConstellationLabelsFile = "SNAMEN";

// The figure list: the first line of "SLINIEN" as five-character integer fields
// from column 1, up to (not including) the first 0. A negative value -n starts a new
// stroke at star n (move), a positive value n continues the stroke to star n (draw).
struct ConstellationLineList {
    std::vector<int> entries;
};

// Parses a figure line. A field that is not a whole number throws
// DataFileError::BadInteger; so does a line that ends before its closing 0 (the
// missing field is empty).
ConstellationLineList ParseConstellationLines(std::string_view line,
                                              const char* fileName = kConstellationLinesFile);
// Reads "SLINIEN" (first line only, any length). Throws DataFileError (FileNotFound,
// EndOfFile for an empty file, BadInteger).
ConstellationLineList ReadConstellationLines();
ConstellationLineList ReadConstellationLinesFrom(const std::string& fileName);

// One line of "SNAMEN": 1-4 right ascension (hours), 5-9 declination (degrees),
// 10-12 abbreviation, 13-end long text ("|" marks a line break). Views are valid only
// while the visitor runs.
struct ConstellationLabelRecord {
    std::string_view line;
    double rightAscensionHours = 0;
    double declinationDeg = 0;
    std::string_view abbreviation;  // columns 10-12
    std::string_view longText;      // column 13 to the end
    std::string_view labelText;     // column 10 to the end (what the plot table keeps)
};

ConstellationLabelRecord ParseConstellationLabel(std::string_view line,
                                                 const char* fileName = kConstellationLabelsFile);

// The display lines of a long text: split at every "|".
std::vector<std::string_view> SplitLabelText(std::string_view longText);

using LabelVisitor = std::function<void(int labelNumber, const ConstellationLabelRecord& label)>;

// Visits the first 89 lines of "SNAMEN". Throws DataFileError (FileNotFound,
// BadFloat, EndOfFile for a file of fewer than 89 lines, after visiting those there).
void ReadConstellationLabels(const LabelVisitor& visit);
void ReadConstellationLabelsFrom(const std::string& fileName, const LabelVisitor& visit);

// The raw text of line n of "SNAMEN".
std::string ReadLabelLine(int labelNumber);
