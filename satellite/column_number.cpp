#include "satellite/column_number.h"

#include <charconv>
#include <cmath>

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    }
    // from_chars rejects "inf"/"nan" only with chars_format::fixed|scientific, which
    // is what general is; still refuse letters other than an exponent.
    if (text.front() != '.' && (text.front() < '0' || text.front() > '9')) return std::nullopt;
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> ColumnNumber(std::string_view line, int first, int last) {
    return ParseNumber(ColumnText(line, first, last));
}
