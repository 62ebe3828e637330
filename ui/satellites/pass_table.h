// The pass list as a table: one row per pass with the start, the highest point and the
// end of its visible part, its magnitude and what ends it, and on demand the columns
// of the classic list line (the listed instant with its "*", altitude, azimuth, range,
// direction of motion, Sun altitude). The rows are made when shown (pass_table_model.h);
// a click on a heading sorts by instants and numbers, not by their text; each row
// keeps the line of the list it came from.
#pragma once

#include <QString>
#include <vector>

#include "prediction/pass_lines.h"

class PassTableModel;
class QTableView;
struct PassListState;

enum PassColumn {
    kSatelliteColumn,
    kDateColumn,
    kStartTimeColumn,
    kStartAltitudeColumn,
    kStartDirectionColumn,
    kHighestTimeColumn,
    kHighestAltitudeColumn,
    kHighestDirectionColumn,
    kEndTimeColumn,
    kEndAltitudeColumn,
    kEndDirectionColumn,
    kMagnitudeColumn,
    kEndReasonColumn,
    kListedTimeColumn,  // the classic columns from here on
    kListedAltitudeColumn,
    kListedDirectionColumn,
    kRangeColumn,
    kMotionColumn,
    kSunColumn,
    kPassColumnCount,
};
inline constexpr int kFirstClassicColumn = kListedTimeColumn;

// The end of the visible part in a word: "Untergang", "Schatten", "Dämmerung" ("offen").
QString EndReasonWord(PassLimit limit);
// The start in words, for the tooltip of the start: "Aufgang über die Mindesthöhe", ...
QString StartReasonWords(PassLimit limit);

// Sets up the table over `model` (pass_table_model.h): headings with their tooltips,
// and the row handling: a click on a heading sorts by the column's values, ascending
// first, the same heading again turns the order round.
void SetUpPassTable(QTableView* table, PassTableModel* model);
// The rows of `list` in list order (nullptr: none), the columns as wide as their texts.
void FillPassTable(QTableView* table, const PassListState* list);
// The line of the list (and the index in PassList().passes) shown in a table row; -1
// for a row that is not there.
int ListRowOfTableRow(const QTableView* table, int tableRow);
// The value a cell sorts by (an instant, a number; NaN for a text cell).
double PassCellValue(const QTableView* table, int tableRow, int column);
// Shows or hides the classic columns.
void ShowClassicColumns(QTableView* table, bool shown);

// The legend below the table: every column, word and mark explained.
QString PassTableLegend();
