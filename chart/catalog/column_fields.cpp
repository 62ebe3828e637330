#include "chart/catalog/column_fields.h"

#include <charconv>
#include <system_error>

#include "chart/catalog/data_file_error.h"

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

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Splits an optional leading sign off; returns false for a bare sign.
bool SplitSign(std::string_view& text, bool& negative) {
    negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return !text.empty();
}

}  // namespace

bool ParseDecimal(std::string_view text, double& value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!SplitSign(text, negative)) return false;
    // from_chars would take "inf", "nan" and hexadecimal forms: allow only digits,
    // a point and an exponent.
    if (!IsDigit(text.front()) && text.front() != '.') return false;
    if (text.front() == '.' && (text.size() < 2 || !IsDigit(text[1]))) return false;
    double parsed = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end) return false;
    value = negative ? -parsed : parsed;
    return true;
}

bool ParseWholeNumber(std::string_view text, int& value) {
    text = TrimBlanks(text);
    if (text.empty()) return false;
    const char* first = text.data();
    if (*first == '+') {
        ++first;
        if (first == text.data() + text.size() || *first == '-') return false;
    }
    int parsed = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(first, end, parsed);
    if (result.ec != std::errc() || result.ptr != end) return false;
    value = parsed;
    return true;
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
