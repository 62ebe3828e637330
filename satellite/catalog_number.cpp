#include "satellite/catalog_number.h"

#include <charconv>
#include <cstdio>

#include "core/column_text.h"
#include "satellite/column_number.h"

namespace {
constexpr std::string_view kAlpha5Letters = "ABCDEFGHJKLMNPQRSTUVWXYZ";  // 10 .. 33
}  // namespace

std::optional<std::string> CatalogNumberField(long number) {
    if (number < 0 || number > kMaxCatalogNumber) return std::nullopt;
    char buffer[32];
    if (number <= 99999) {
        std::snprintf(buffer, sizeof buffer, "%05ld", number);
    } else {
        std::snprintf(buffer, sizeof buffer, "%c%04ld", kAlpha5Letters[number / 10000 - 10],
                      number % 10000);
    }
    return std::string(buffer);
}

std::optional<long> CatalogNumberOfField(std::string_view field) {
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    long leading = 0;
    if (field.front() >= 'A' && field.front() <= 'Z') {
        const std::size_t letter = kAlpha5Letters.find(field.front());
        if (letter == std::string_view::npos || field.size() != 5) return std::nullopt;
        leading = static_cast<long>(letter + 10) * 10000;
        field.remove_prefix(1);
    }
    long value = 0;
    const auto r = std::from_chars(field.data(), field.data() + field.size(), value);
    if (r.ec != std::errc() || r.ptr != field.data() + field.size() || value < 0)
        return std::nullopt;
    return leading + value;
}

std::optional<double> CatalogNumberOfLine(std::string_view line) {
    const std::string_view field = ColumnText(line, 3, 7);
    const std::size_t first = field.find_first_not_of(' ');
    if (first != std::string_view::npos && field[first] >= 'A' && field[first] <= 'Z') {
        const std::optional<long> number = CatalogNumberOfField(field);
        if (!number) return std::nullopt;
        return static_cast<double>(*number);
    }
    return ColumnNumber(line, 3, 7);
}
