// Number conversion for the core's data files: "." whatever the locale, blanks (and a
// trailing CR) around the number ignored, anything else is "not a number".
#pragma once

#include <string_view>

namespace numtext {

std::string_view Trim(std::string_view text);
// Decimal with optional sign, fraction and exponent; false (value untouched) otherwise.
bool ParseReal(std::string_view text, double& value);
// Optionally signed whole number that fits an int.
bool ParseInteger(std::string_view text, int& value);

}  // namespace numtext
