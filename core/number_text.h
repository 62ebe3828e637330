// Numbers typed into fields, read from data files and given as command options: one
// reading for all of them, with "." as decimal point whatever the locale, and the
// messages that name a text that is not a number.
//
// Functions for every part of the program:
//   numtext::ParseNumber(text)          -> std::optional<double>
//   numtext::ParseReal(text, value)     -> bool (value untouched when false)
//   numtext::ParseInteger(text, value)  -> bool (value untouched when false)
//   numtext::BadRealMessage(text)       -> "'x' ist kein gültiger Gleitkommawert"
//   numtext::BadIntegerMessage(text)    -> "'x' ist kein gültiger Integerwert"
//   numtext::FormatNumber(value)        -> "13.405", "-5", "1E20", "1E-5"
//   numtext::Excerpt(text)              -> the text, or its first 40 characters and "…"
//   numtext::CountOf(n, "Satellit", "Satelliten") -> "1 Satellit", "2 Satelliten"
//
// What a decimal number is:
//  - blanks (spaces and tabs) before and after it are ignored, and so is a line end
//    (CR, LF) after it; nothing else may stand around it;
//  - at most one sign, "+" or "-", directly before the digits: "+-1", "--1", "- 1"
//    are not numbers;
//  - digits with "." as decimal point, with digits on at least one side of the point
//    ("5.", ".5", "-.5"); no "," and no digit grouping;
//  - an optional exponent: "e" or "E", an optional sign and digits ("1E20", "2.5e-3");
//  - no hexadecimal forms, no "nan", "inf" or "infinity", and no value beyond the
//    range of a double ("1e999");
//  - an empty or all-blank text is not a number.
// A whole number follows the same rules for blanks and sign, has digits only and
// fits an int.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// The text without blanks and line ends (space, tab, CR, LF) at either end.
std::string_view Trim(std::string_view text);

// The decimal number of the text, by the rules above; nullopt when it is not one.
std::optional<double> ParseNumber(std::string_view text);
// The same; false (value untouched) when the text is not a decimal number.
bool ParseReal(std::string_view text, double& value);
// Whole number by the rules above; false (value untouched) otherwise.
bool ParseInteger(std::string_view text, int& value);

// What a message quotes of a text that may be of any length (a line of a damaged
// file can hold megabytes): the text itself up to maxChars characters, else its first
// maxChars characters followed by "…". UTF-8 sequences are not cut.
inline constexpr std::size_t kExcerptChars = 40;
std::string Excerpt(std::string_view text, std::size_t maxChars = kExcerptChars);

// The conversion messages for a text that is not a number (an Excerpt of it).
std::string BadRealMessage(std::string_view text);
std::string BadIntegerMessage(std::string_view text);

// The shortest general decimal form with up to 15 significant digits, "." as decimal
// point and an exponent written "E20" / "E-5"; zero (also -0) is "0". The settings
// file and the number fields write numbers this way, and ParseNumber reads them back.
std::string FormatNumber(double value);

// A count with its noun in the singular for exactly one, else in the plural:
// "1 Satellit", "0 Satelliten", "2 Satelliten".
std::string CountOf(long long count, std::string_view singular, std::string_view plural);

}  // namespace numtext
