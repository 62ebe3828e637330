#include "location/place_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace location {

namespace {

bool Within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

}  // namespace

std::string FormatGeneral15(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // Exponent as "E-5" rather than "e-05".
    const auto e = text.find('e');
    if (e != std::string::npos) {
        std::string exponent = text.substr(e + 1);
        std::string sign;
        if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) {
            if (exponent[0] == '-') sign = "-";
            exponent.erase(0, 1);
        }
        while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
        text = text.substr(0, e) + "E" + sign + exponent;
    }
    if (text == "-0") text = "0";
    return text;
}

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
    return Within(zoneOffsetHours, -kMaxAbsZoneOffsetHours, kMaxAbsZoneOffsetHours);
}
bool ChartMagnitudeWithinBounds(double magnitude) {
    return Within(magnitude, kMinChartMagnitude, kMaxChartMagnitude);
}

}  // namespace location
