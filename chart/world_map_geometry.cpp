#include "chart/world_map_geometry.h"

#include <cmath>

#include "core/frames.h"
#include "core/timescale.h"

namespace location {

namespace {

constexpr int kMapColumns = 621;  // columns for 360° of longitude
// Sine of the Sun's altitude at the edge of the band (0.833°).
constexpr double kEdgeSine = 0.01454;

}  // namespace

double WorldLongitudeOfColumn(double x) {
    double longitude = (x - 310.5) * 180.0 / 310.5;
    if (longitude < 0.0) longitude += 360.0;
    return longitude;
}

double WorldLatitudeOfRow(double y) { return 90.0 - y * 180.0 / 300.0; }

WorldPixel WorldPixelOfPlace(double longitudeDeg, double latitudeDeg) {
    const double lambda = longitudeDeg > 180.0 ? longitudeDeg - 360.0 : longitudeDeg;
    return {IntPart(lambda * 310.5 / 180.0 + 310.5), IntPart((90.0 - latitudeDeg) * 300.0 / 180.0)};
}

int MidnightColumn(double siderealHours, double longitudeDeg, double sunRightAscensionRad) {
    const double greenwichHours = siderealHours - longitudeDeg / 15.0;
    double antiSunHours = sunRightAscensionRad * 12.0 / kPi + 12.0;
    if (antiSunHours > 24.0) antiSunHours -= 24.0;
    const double o = HourAngle(greenwichHours, antiSunHours);
    return IntPart(kWorldImageWidth / 2.0 - o * 1.725 * 180.0 / kPi);
}

std::vector<ColumnRun> DaylightRuns(int row, int midnightColumn, double sunDeclinationRad) {
    const double latitudeRad = (150 - row) * 0.6 * kDegToRad;
    const double w = (std::sin(sunDeclinationRad) * std::sin(latitudeRad) - kEdgeSine) /
                     (std::cos(sunDeclinationRad) * std::cos(latitudeRad));
    int left = 0;
    int right = 0;
    if (std::fabs(w) <= 1.0) {
        const double c = std::acos(w) * kRadToDeg;
        const int n = IntPart(c * kMapColumns / 360.0 + 0.5);
        left = midnightColumn - n;
        if (left < 0) left += kMapColumns;
        right = midnightColumn + n;
        if (right > kMapColumns) right -= kMapColumns;
    } else if (w > 1.0) {
        left = kMapColumns;
        right = 1;
    }
    if (left < right) return {{1, left}, {right, kMapColumns}};
    if (right < left) return {{right, left}};
    return {};
}

}  // namespace location
