#include "core/column_text.h"

#include <cstddef>

std::string_view ColumnText(std::string_view line, int firstColumn, int lastColumn) {
    if (firstColumn < 1) firstColumn = 1;
    if (lastColumn < firstColumn) return {};
    const auto start = static_cast<std::size_t>(firstColumn - 1);
    if (start >= line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(lastColumn - firstColumn + 1));
}
