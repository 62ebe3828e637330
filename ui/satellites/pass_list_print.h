// Printing of the pass list: every page carries the place, the location line, the
// element file and the column heading, then up to 50 list lines. Positions are in
// 0.1 mm from the top left of the printable area.
#pragma once

#include <QStringList>

class QPrinter;

inline constexpr int kPassLinesPerPage = 50;

// Number of pages for a list of `lineCount` lines (one page for an empty list).
int PassListPageCount(int lineCount);

// Prints the four head lines and the list lines on `printer` (portrait).
void PrintPassList(QPrinter& printer, const QStringList& headLines, const QStringList& lines);
