// The world map: an equirectangular bitmap 622 x 301 pixels, 621 columns for 360° of
// longitude (Greenwich at column 310.5) and 300 rows for 180° of latitude, and the
// daylight band drawn over it.
#pragma once

#include <vector>

namespace location {

inline constexpr int kWorldImageLeft = 9;
inline constexpr int kWorldImageTop = 5;
inline constexpr int kWorldImageWidth = 622;
inline constexpr int kWorldImageHeight = 301;

// East longitude 0..360 of an image column.
double WorldLongitudeOfColumn(double x);
// Latitude of an image row (row 0 is 90° north, row 150 the equator).
double WorldLatitudeOfRow(double y);

struct WorldPixel {
    int x = 0;
    int y = 0;
};
// Image pixel of a place (longitude in 0..360 or -180..180 east).
WorldPixel WorldPixelOfPlace(double longitudeDeg, double latitudeDeg);

// Column of the midnight meridian from the local sidereal time (hours), the observer's
// east longitude (degrees) and the Sun's right ascension (radians).
int MidnightColumn(double siderealHours, double longitudeDeg, double sunRightAscensionRad);

// One horizontal run of a daylight row, columns from..to (a line from (from, y) to (to, y)).
struct ColumnRun {
    int from = 0;
    int to = 0;
};
// The daylight runs of image row i = 0..299 (latitude (150 - i)·0.6°), drawn on pixel
// row i + 1, for the midnight column and the Sun's declination (radians).
std::vector<ColumnRun> DaylightRuns(int row, int midnightColumn, double sunDeclinationRad);

}  // namespace location
