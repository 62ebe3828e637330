// The place list "Polaride - Ortsliste": the places of "ORTE" in a four-column grid;
// a press on the header row sorts by that column, a double click takes a place over.
#pragma once

#include <QWidget>
#include <vector>

#include "catalog/place_list.h"

class QTableWidget;

class PlaceListWindow : public QWidget {
    Q_OBJECT

  public:
    explicit PlaceListWindow(QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }
    // The places in grid order (row r of the grid is rows()[r]; the column captions are
    // the grid's heading).
    const std::vector<location::PlaceRow>& rows() const { return rows_; }

    // Reads "ORTE" into the grid; false (with the error shown) when it cannot be read.
    bool LoadPlaces();
    // A press on the heading at x (in grid contents): sorts by the column there.
    void SortAt(int x);
    // A double click on grid row `row` (0 is the first place).
    void ChooseRow(int row);

  private:
    void FillGrid();

    QTableWidget* grid_ = nullptr;
    std::vector<location::PlaceRow> rows_;
};
