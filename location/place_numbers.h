// Number texts of the place windows: read with "." whatever the locale, leading and
// trailing blanks ignored, and written in the short general form of the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace location {

// The decimal number in the text, or nothing when the text (blanks trimmed) is not a
// complete number. Accepts a sign, "." as decimal point and an exponent.
std::optional<double> ParseDecimal(std::string_view text);

// General decimal notation with up to 15 significant digits ("8.5", "-180", "1E-5").
std::string FormatGeneral15(double value);

// sin and cos of a latitude in degrees, taken with π to eight decimals (3.14159265),
// as every place-changing window does.
void SetPlaceLatitude(double latitudeDeg, double& latitudeOut, double& sinOut, double& cosOut);

}  // namespace location
