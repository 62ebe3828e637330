// The orbit-class tables of the selection: geosynchronous (where each satellite stands
// and how fast it drifts), sun-synchronous (when the observer passes through each
// orbital plane) and Molniya-type (node, mean motion, eccentricity, perigee drift),
// as rows of ten text cells, with their sort, printed rows and page split.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/timescale.h"
#include "prediction/selection_rules.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"

struct ObservingPlace;

using OrbitClassRow = std::array<std::string, 10>;

// Heading cells of a class (row 0 of the grid).
OrbitClassRow OrbitClassHeadings(OrbitClass orbitClass);
// The class recognised from heading cells (column 6 " Lambda", column 6 " S->N  ",
// column 5 " AktKnt"); nullopt for anything else.
std::optional<OrbitClass> OrbitClassOfHeadings(const OrbitClassRow& headings);

// Title of the printout and saved file: "Geosynchrone Satelliten " ...
std::string OrbitClassTitle(OrbitClass orbitClass);
// The printed heading line under the title.
std::string OrbitClassHeadingLine(OrbitClass orbitClass);

// Prefix of a value so that the columns line up.
std::string GeosyncLongitudePrefix(double v, const std::string& previous);
std::string MolniyaDriftPrefix(double v, const std::string& previous);
// Integer part of v/step + 0.5, times step (step 0.01, 0.001, 0.0001).
double RoundedTo(double v, double step);
// Fixed-point text with `decimals` decimals, "." whatever the locale.
std::string FixedDecimals(double v, int decimals);

struct OrbitClassFill {
    std::vector<OrbitClassRow> rows;  // one per selected satellite, in selection order
    bool driftBeyondLimit = false;    // some |drift| > limit: caption " Satelliten"
};

// Everything the rows are computed from, copied at the start: the computation then
// reads no process-wide record and may run on any thread.
struct OrbitClassSatellite {
    ElementSet set;
    SatelliteOrbit orbit;
};
struct OrbitClassInput {
    OrbitClass orbitClass = OrbitClass::Geosync;
    JD1900 instant = 0.0;
    double driftLimitDegDay = 0.0;
    // The observer: place, and the zone of the local times (a rule of the time-zone
    // database, else the fixed offset).
    double longitudeDeg = 0.0;
    double latitudeDeg = 0.0;
    double heightM = 0.0;
    std::string zoneRule;
    double zoneOffsetHours = 0.0;
    std::vector<OrbitClassSatellite> satellites;  // in selection order
};

// The input for the current selection (Satellites()) seen from the observer's place,
// for a class at instant T with the drift limit d (degrees per day).
OrbitClassInput OrbitClassInputOfSelection(OrbitClass orbitClass, JD1900 T, double driftLimitDegDay,
                                           const ObservingPlace& observer);
// The rows of the input's satellites, one per satellite in its order.
OrbitClassFill BuildOrbitClassRows(const OrbitClassInput& input);
// The rows of the current selection: BuildOrbitClassRows(OrbitClassInputOfSelection(...)).
OrbitClassFill BuildOrbitClassRows(OrbitClass orbitClass, JD1900 T, double driftLimitDegDay,
                                   const ObservingPlace& observer);

// True when column `column` of the class is compared as a number.
bool OrbitClassColumnNumeric(OrbitClass orbitClass, int column);
// Sorts rows (the heading excluded) ascending by a column with the gap sort. A numeric
// column with a cell that is not a number stops the sort there (the swaps made so far
// stay) and returns that cell's text.
std::optional<std::string> SortOrbitClassRows(std::vector<OrbitClassRow>& rows,
                                              OrbitClass orbitClass, int column);
// Column under the pointer from the column widths (a pointer exactly on a border is
// column 0); -1 right of the last column.
int ColumnAtX(const std::vector<int>& widths, int x);

// A printed (and saved) row: column 0 padded with blanks and cut to 16 characters, a
// blank, then columns 1 to 9 each followed by two blanks.
std::string OrbitClassPrintedRow(const OrbitClassRow& row);
// Pages of a grid of gridRows rows, 35 grid rows a page, the heading row counting as
// the first row of the first page (it is not printed): the first and last grid row
// of each page. Grid row g of a page starting at f is printed as row j = g - f + 1.
struct GridRowRange {
    int first = 0;
    int last = 0;
};
std::vector<GridRowRange> OrbitClassPages(int gridRows, int rowsPerPage = 35);
// The saved text (Latin-1 bytes, CR LF): title twice, the heading line, every row.
std::string OrbitClassFileText(OrbitClass orbitClass, const std::vector<OrbitClassRow>& rows);
