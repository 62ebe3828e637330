#include "catalog/column_fields.h"

#include "catalog/data_file_error.h"
#include "core/number_text.h"

std::string_view ColumnsToEnd(std::string_view line, int firstColumn) {
    if (firstColumn < 1) firstColumn = 1;
    const auto start = static_cast<std::size_t>(firstColumn - 1);
    if (start >= line.size()) return {};
    return line.substr(start);
}

std::string_view TrimLeadingBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return text.substr(i);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
    return text.substr(0, n);
}

std::string_view TrimBlanks(std::string_view text) {
    return TrimTrailingBlanks(TrimLeadingBlanks(text));
}

bool ParseDecimal(std::string_view text, double& value) { return numtext::ParseReal(text, value); }

bool ParseWholeNumber(std::string_view text, int& value) {
    return numtext::ParseInteger(text, value);
}

double ColumnNumber(std::string_view line, int firstColumn, int lastColumn, const char* fileName) {
    const std::string_view field = ColumnText(line, firstColumn, lastColumn);
    double value = 0;
    if (!ParseDecimal(field, value)) throw DataFileError::BadFloat(fileName, field);
    return value;
}

int ColumnInteger(std::string_view line, int firstColumn, int lastColumn, const char* fileName) {
    const std::string_view field = ColumnText(line, firstColumn, lastColumn);
    int value = 0;
    if (!ParseWholeNumber(field, value)) throw DataFileError::BadInteger(fileName, field);
    return value;
}
