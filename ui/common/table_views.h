// Pieces of the sortable tables in the list windows: a heading that stays above the
// rows while they scroll and sorts on a press, columns as wide as their content, and
// the smallest view in which a number of rows of a given width fits.
#pragma once

#include <QStringList>
#include <functional>
#include <vector>

class QAbstractScrollArea;
class QTableView;
class QTableWidget;

// Shows `captions` in the table's own column heading (fixed column widths, no row
// numbers); a mouse button pressed on it calls `pressedAt` with the x of the press in
// table contents (the columns' running widths count from 0), whatever the scrolling.
void SetSortingHeading(QTableWidget* table, const QStringList& captions,
                       std::function<void(int x)> pressedAt);
// The same for a view whose model gives the captions.
void SetSortingHeading(QTableView* table, std::function<void(int x)> pressedAt);

// The captions of the table's heading, in column order.
QStringList HeadingCaptions(const QTableWidget* table);

// Every column at least `minimumWidths[c]` wide (a value <= 0: the default width) and
// wide enough for its heading and the cells it holds.
void FitColumnsToContent(QTableView* table, const std::vector<int>& minimumWidths);

// The sum of the table's column widths.
int ColumnWidthSum(const QTableView* table);

// The view's minimum size: a viewport of `width` × `height` pixels besides its frame,
// its heading (when shown) and a vertical scroll bar.
void SetMinimumViewport(QAbstractScrollArea* view, int width, int height);
