#include "catalog/named_star_table.h"

#include <optional>
#include <utility>

#include "catalog/named_stars.h"
#include "core/number_text.h"

namespace {

std::string LeadingBlanksRemoved(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return std::string(text);
}

// The "mag" cell as a number; nullopt for an empty or unreadable cell.
std::optional<double> MagnitudeOf(const std::string& cell) {
    double value = 0.0;
    if (!numtext::ParseReal(numtext::Trim(cell), value)) return std::nullopt;
    return value;
}

// True when row a sorts after row b.
bool Greater(const NamedStarRow& a, const NamedStarRow& b, int column) {
    if (column != 2) return a[column] > b[column];  // character codes (unsigned)
    const auto x = MagnitudeOf(a[2]);
    const auto y = MagnitudeOf(b[2]);
    if (!x) return y.has_value();  // an empty cell is fainter than every star
    if (!y) return false;
    return *x > *y;
}

}  // namespace

std::vector<NamedStarRow> ReadNamedStarRows() {
    std::vector<NamedStarRow> rows;
    ReadNamedStars([&rows](int, const NamedStarRecord& star) {
        rows.push_back({std::string(star.starNumber), std::string(star.name),
                        " " + LeadingBlanksRemoved(star.magnitude), std::string(star.distance),
                        std::string(star.constellation)});
    });
    return rows;
}

int NamedStarColumnAt(const std::vector<int>& widths, int x) {
    int left = 0;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        const int right = left + widths[c];
        if ((c == 0 || left < x) && x < right) return c;
        left = right;
    }
    return 0;
}

void SortNamedStarRows(std::vector<NamedStarRow>& rows, int column) {
    if (column < 0 || column > 4) return;
    const int n = static_cast<int>(rows.size());
    int gap = n;
    while (gap > 1) {
        gap /= 2;
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (int l = 0; l + gap < n; ++l) {
                if (Greater(rows[l], rows[l + gap], column)) {
                    std::swap(rows[l], rows[l + gap]);
                    swapped = true;
                }
            }
        }
    }
}
