#include "satellite/column_number.h"

std::optional<double> ColumnNumber(std::string_view line, int first, int last) {
    return ParseNumber(ColumnText(line, first, last));
}
