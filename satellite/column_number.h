// Numbers cut from fixed columns of a text line, read with "." whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/column_text.h"

// The whole text as a decimal number: blanks around it are allowed, anything else
// that is not part of the number makes it "not a number" (nullopt). An empty or
// all-blank text is not a number. A leading "+" and a leading "." are accepted.
std::optional<double> ParseNumber(std::string_view text);

// ParseNumber of characters first..last of a line.
std::optional<double> ColumnNumber(std::string_view line, int first, int last);

