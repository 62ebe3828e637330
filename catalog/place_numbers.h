// The numbers of a place: the latitude with its sine and cosine, and the bounds of the
// values a place or the chart can work with (numbers themselves are read and written
// by core/number_text.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace location {

// sin and cos of a latitude in degrees, taken with π to eight decimals (3.14159265),
// as every place-changing window does.
void SetPlaceLatitude(double latitudeDeg, double& latitudeOut, double& sinOut, double& cosOut);

// The values a place or the chart can work with, as the parameter dialog accepts them:
// longitude -180..360 east, latitude -90..90, a zone offset of a real civil zone
// (UTC-12 to UTC+14), and height and the chart's limiting magnitude inside bounds
// beyond which the Sun and the star sizes lose their meaning.
inline constexpr double kMinLongitudeDeg = -180.0;
inline constexpr double kMaxLongitudeDeg = 360.0;
inline constexpr double kMaxAbsLatitudeDeg = 90.0;
inline constexpr double kMinHeightM = -1000.0;
inline constexpr double kMaxHeightM = 100000.0;
inline constexpr double kMinZoneOffsetHours = -12.0;
inline constexpr double kMaxZoneOffsetHours = 14.0;
// A settings file may hold any offset up to a day, as earlier versions accepted it;
// reading it keeps the user's other settings.
inline constexpr double kMaxAbsStoredZoneOffsetHours = 24.0;
inline constexpr double kMinChartMagnitude = -30.0;
inline constexpr double kMaxChartMagnitude = 99.0;

// The messages of values outside their bounds (caption "Ungültige Eingabe").
inline constexpr const char* kHeightError = "Fehler bei Höhe über NN";
inline constexpr const char* kZoneOffsetError =
    "Fehler bei Zeitzone - UTC (möglich sind -12 bis +14 Stunden)";
inline constexpr const char* kChartMagnitudeError = "Fehler bei Grenzgröße";

// Whether a value lies inside its bounds (false for NaN and infinities).
bool LongitudeWithinBounds(double longitudeDeg);
bool LatitudeWithinBounds(double latitudeDeg);
bool HeightWithinBounds(double heightM);
bool ZoneOffsetWithinBounds(double zoneOffsetHours);
bool ChartMagnitudeWithinBounds(double magnitude);

}  // namespace location
