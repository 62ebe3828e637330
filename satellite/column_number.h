// Numbers cut from fixed columns of a text line, read by the program's one number
// reading (core/number_text.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/column_text.h"
#include "core/number_text.h"

using numtext::ParseNumber;

// ParseNumber of characters first..last of a line.
std::optional<double> ColumnNumber(std::string_view line, int first, int last);
