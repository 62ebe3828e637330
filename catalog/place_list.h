// The place list of "ORTE": fixed columns (1-9 longitude, 10-17 latitude, 18-22
// height, 23-end name), shown as four text cells per place and sorted by a
// diminishing-gap exchange sort.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace location {

using PlaceRow = std::array<std::string, 4>;  // " Länge", " Breite", "Höhe(m)", " Name"

inline constexpr int kPlaceColumnWidths[4] = {100, 90, 60, 250};

// The cells of one line of "ORTE" (Latin-1 bytes, without line end).
PlaceRow PlaceRowOfLine(const std::string& line);

// All lines of "ORTE" (CR LF or LF). Throws std::runtime_error when it cannot be read.
std::vector<PlaceRow> ReadPlaceFile(const std::string& path);

// Column sorted by a press at x in the header, from the column widths.
int SortColumnAt(int x, const std::array<int, 4>& widths);

// A numeric cell that did not convert; the rows exchanged before it stay exchanged.
class PlaceNumberError : public std::runtime_error {
  public:
    explicit PlaceNumberError(const std::string& text);
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// Sorts the rows by a column: 3 by character codes, 0..2 by numeric value.
// Throws PlaceNumberError.
void SortPlaceRows(std::vector<PlaceRow>& rows, int column);

// A place whose numbers lie outside what the parameter dialog accepts; what() is the
// dialog's message ("Fehler bei geografischer Länge", ...).
class PlaceRangeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ChosenPlace {
    std::string name;
    double longitudeDeg = 0.0;
    double latitudeDeg = 0.0;
    double heightM = 0.0;
};
// The place of a row. Throws PlaceNumberError, or PlaceRangeError for a longitude
// outside -180..360, a latitude outside -90..90 or a height outside the bounds of
// place_numbers.h.
ChosenPlace PlaceOfRow(const PlaceRow& row);

}  // namespace location
