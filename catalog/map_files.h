// Readers of the Germany map's data files: "Grenzen" (border strokes in hundredths of
// a degree) and "Staedte" (towns with marker lines "-16", "-185", "-51").
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalog/map_point.h"

namespace location {

// A data file that is missing or has a line that does not convert.
class MapFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

using BorderStroke = std::vector<MapPoint>;

// Reads the border strokes from a file. Throws MapFileError.
std::vector<BorderStroke> ReadBorders(const std::string& path);

struct Town {
    std::string name;  // Latin-1 as in the file
    double longitudeDeg = 0.0;
    double latitudeDeg = 0.0;
};

// The marker name that ends the towns drawn at magnification 1, 5 or 25.
const char* TownMarkerForZoom(int zoom);

// Towns of "Staedte" up to and including the line named `lastName` (all lines when
// no such line exists). Throws MapFileError.
std::vector<Town> ReadTowns(const std::string& path, const std::string& lastName);

// Whether a name is one of the three marker lines.
bool IsTownMarker(const std::string& name);

// The first town of `towns` within 0.4/z degrees of longitude and 0.25/z of latitude,
// searching up to the line named "-51" (marker lines are not towns).
std::optional<Town> SnapToTown(const std::vector<Town>& towns, double longitudeDeg,
                               double latitudeDeg, int zoom);

}  // namespace location
