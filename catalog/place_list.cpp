#include "catalog/place_list.h"

#include "catalog/place_entry.h"
#include "catalog/place_numbers.h"
#include "catalog/text_lines.h"
#include "core/number_text.h"

namespace location {

namespace {

// Characters first..last (1-based, inclusive) of a line; shorter lines give less.
std::string Columns(const std::string& line, std::size_t first, std::size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, last - first + 1);
}

double CellNumber(const std::string& cell) {
    const auto value = numtext::ParseNumber(cell);
    if (!value) throw PlaceNumberError(cell);
    return *value;
}

// Whether rows a and b (a before b) are out of order for the column.
bool OutOfOrder(const PlaceRow& a, const PlaceRow& b, int column) {
    if (column == 3) {
        const auto& x = a[3];
        const auto& y = b[3];
        // Character codes as unsigned 8-bit values.
        for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
            const auto cx = static_cast<unsigned char>(x[i]);
            const auto cy = static_cast<unsigned char>(y[i]);
            if (cx != cy) return cx > cy;
        }
        return x.size() > y.size();
    }
    return CellNumber(a[column]) > CellNumber(b[column]);
}

}  // namespace

PlaceNumberError::PlaceNumberError(const std::string& text)
    : std::runtime_error(numtext::BadRealMessage(text)), text_(text) {}

PlaceRow PlaceRowOfLine(const std::string& line) {
    return {" " + Columns(line, 1, 9), " " + Columns(line, 10, 17), Columns(line, 18, 22),
            line.size() >= 23 ? line.substr(22) : std::string()};
}

std::vector<PlaceRow> ReadPlaceFile(const std::string& path) {
    std::vector<PlaceRow> rows;
    for (const auto& line : ReadTextLines(path)) rows.push_back(PlaceRowOfLine(line));
    return rows;
}

int SortColumnAt(int x, const std::array<int, 4>& widths) {
    int left = 0;
    for (int k = 0; k < 4; ++k) {
        const int right = left + widths[k];
        if (x > left && x < right) return k;
        if (k == 0 && x < right) return 0;
        left = right;
    }
    return 0;
}

void SortPlaceRows(std::vector<PlaceRow>& rows, int column) {
    const std::size_t n = rows.size();
    std::size_t gap = n;
    while (gap > 1) {
        gap /= 2;
        bool exchanged = true;
        while (exchanged) {
            exchanged = false;
            for (std::size_t h = 0; h + gap < n; ++h) {
                if (OutOfOrder(rows[h], rows[h + gap], column)) {
                    std::swap(rows[h], rows[h + gap]);
                    exchanged = true;
                }
            }
        }
    }
}

ChosenPlace PlaceOfRow(const PlaceRow& row) {
    ChosenPlace place;
    place.name = row[3];
    place.longitudeDeg = CellNumber(row[0]);
    place.latitudeDeg = CellNumber(row[1]);
    place.heightM = CellNumber(row[2]);
    if (!LongitudeWithinBounds(place.longitudeDeg)) throw PlaceRangeError(kLongitudeError);
    if (!LatitudeWithinBounds(place.latitudeDeg)) throw PlaceRangeError(kLatitudeError);
    if (!HeightWithinBounds(place.heightM)) throw PlaceRangeError(kHeightError);
    return place;
}

}  // namespace location
