// Fixed-column text fields, shared by every reader of the program's column files
// (element sets, star catalogue, places). Columns are counted from 1 and inclusive;
// a line shorter than the field gives fewer characters (possibly none). The result
// is a view into the line.
#pragma once

#include <cstddef>
#include <string_view>

// Inline: the element check cuts some seventy fields of every set.
inline std::string_view ColumnText(std::string_view line, int firstColumn, int lastColumn) {
    if (firstColumn < 1) firstColumn = 1;
    if (lastColumn < firstColumn) return {};
    const auto start = static_cast<std::size_t>(firstColumn - 1);
    if (start >= line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(lastColumn - firstColumn + 1));
}
