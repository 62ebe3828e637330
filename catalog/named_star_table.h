// The table of the named-star list: rows from "STERNNAM" (Nr, Name, mag, Lj, Bild),
// the column under a pointer, and the ascending gap sort by one column.
#pragma once

#include <array>
#include <string>
#include <vector>

using NamedStarRow = std::array<std::string, 5>;

inline constexpr int kNamedStarRows = 190;

// The rows of "STERNNAM" (at most 190): "Nr" columns 1-5, "Name" 6-25, "mag" a blank
// followed by columns 26-30 without leading blanks, "Lj" 31-35, "Bild" 36-38.
// Throws DataFileError when the file is missing.
std::vector<NamedStarRow> ReadNamedStarRows();

// The column under the pointer for column widths w0..w4: 0 if x < w0, 1 if w0 < x <
// w0 + w1, ...; a pointer exactly on a boundary (or right of the last column) is 0.
int NamedStarColumnAt(const std::vector<int>& widths, int x);

// Sorts rows ascending by a column (gap sort over all rows, also empty ones): "mag" (2)
// as decimal numbers, where an empty or unreadable cell counts as fainter than every
// star; every other column as text by character codes (Latin-1: upper case before
// lower case, umlauts after "z").
void SortNamedStarRows(std::vector<NamedStarRow>& rows, int column);
