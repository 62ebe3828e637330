// Named stars "STERNNAM": 1-5 star number (line in "STERNKAT"), 6-25 name,
// 26-30 magnitude (text), 31-35 distance (ly, text), 36-38 constellation.
#pragma once

#include <functional>
#include <string>
#include <string_view>

inline constexpr int kNamedStarCapacity = 190;
inline constexpr const char* kNamedStarFile = "STERNNAM";

// Text fields as they stand in their columns; views valid while the visitor runs.
struct NamedStarRecord {
    std::string_view line;
    std::string_view starNumber;     // columns 1-5
    std::string_view name;           // columns 6-25
    std::string_view magnitude;      // columns 26-30
    std::string_view distance;       // columns 31-35
    std::string_view constellation;  // columns 36-38
};

NamedStarRecord ParseNamedStarRecord(std::string_view line);

using NamedStarVisitor = std::function<void(int row, const NamedStarRecord& star)>;

// Visits the lines of "STERNNAM" to the end of the file, at most 190 (the list has
// no room for more; further lines are ignored). Throws DataFileError::FileNotFound.
void ReadNamedStars(const NamedStarVisitor& visit);
void ReadNamedStarsFrom(const std::string& fileName, const NamedStarVisitor& visit);
