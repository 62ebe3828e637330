// Deep-sky objects "NEBEL": 1-7 right ascension (hours), 8-14 declination (degrees),
// 15-17 not read, 18-19 size value s (drawn with angular radius s x 0.25 degrees),
// 20-44 name, 45-52 distance (ly, text), 53-72 kind.
#pragma once

#include <functional>
#include <string>
#include <string_view>

inline constexpr int kNebulaCount = 50;
inline constexpr const char* kNebulaFile = "NEBEL";

struct NebulaRecord {
    std::string_view line;
    double rightAscensionHours = 0;
    double declinationDeg = 0;
    double size = 0;            // columns 18-19
    std::string_view name;      // columns 20-44
    std::string_view distance;  // columns 45-52
    std::string_view kind;      // columns 53-72
};

NebulaRecord ParseNebulaRecord(std::string_view line, const char* fileName = kNebulaFile);

using NebulaVisitor = std::function<void(int nebulaNumber, const NebulaRecord& nebula)>;

// Visits the first 50 lines of "NEBEL". Throws DataFileError (FileNotFound,
// BadFloat, EndOfFile for a file of fewer than 50 lines).
void ReadNebulae(const NebulaVisitor& visit);
void ReadNebulaeFrom(const std::string& fileName, const NebulaVisitor& visit);

// The raw text of line n of "NEBEL".
std::string ReadNebulaLine(int nebulaNumber);
