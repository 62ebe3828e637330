#include "catalog/place_numbers.h"

#include <cmath>

namespace location {

namespace {

bool Within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

}  // namespace

void SetPlaceLatitude(double latitudeDeg, double& latitudeOut, double& sinOut, double& cosOut) {
    constexpr double kPiEightDecimals = 3.14159265;
    latitudeOut = latitudeDeg;
    sinOut = std::sin(latitudeDeg * kPiEightDecimals / 180.0);
    cosOut = std::cos(latitudeDeg * kPiEightDecimals / 180.0);
}

bool LongitudeWithinBounds(double longitudeDeg) {
    return Within(longitudeDeg, kMinLongitudeDeg, kMaxLongitudeDeg);
}
bool LatitudeWithinBounds(double latitudeDeg) {
    return Within(latitudeDeg, -kMaxAbsLatitudeDeg, kMaxAbsLatitudeDeg);
}
bool HeightWithinBounds(double heightM) { return Within(heightM, kMinHeightM, kMaxHeightM); }
bool ZoneOffsetWithinBounds(double zoneOffsetHours) {
    return Within(zoneOffsetHours, kMinZoneOffsetHours, kMaxZoneOffsetHours);
}
bool ChartMagnitudeWithinBounds(double magnitude) {
    return Within(magnitude, kMinChartMagnitude, kMaxChartMagnitude);
}

}  // namespace location
