// The catalogue (NORAD) number in columns 3-7 of the element lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The largest number the element lines can carry (Z9999 in the Alpha-5 form).
inline constexpr long kMaxCatalogNumber = 339999;

// The catalogue number field of the element lines (5 characters): zero-padded digits
// up to 99999, from 100000 to 339999 the Alpha-5 form (a letter for the ten-thousands,
// A = 10 ... Z = 33 without I and O, then four digits). nullopt beyond that.
std::optional<std::string> CatalogNumberField(long number);
// The number of such a field ("25544", " 5544", "A0001"); nullopt when it is neither.
std::optional<long> CatalogNumberOfField(std::string_view field);

// The catalogue number of an element line 1 or 2 (columns 3-7): an Alpha-5 field
// decoded, any other read as the number column it always was.
std::optional<double> CatalogNumberOfLine(std::string_view line);
