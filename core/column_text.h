// Fixed-column text fields, shared by every reader of the program's column files
// (element sets, star catalogue, places). Columns are counted from 1 and inclusive;
// a line shorter than the field gives fewer characters (possibly none). The result
// is a view into the line.
#pragma once

#include <string_view>

std::string_view ColumnText(std::string_view line, int firstColumn, int lastColumn);
