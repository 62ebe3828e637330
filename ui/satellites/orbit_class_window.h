// The orbit-class lists "Geosynchrone Satelliten": the current selection as a
// ten-column table for one orbit class, sorted by clicking a heading, printed and
// saved as text.
#pragma once

#include <QDialog>
#include <vector>

#include "prediction/orbit_class_table.h"

class QPushButton;
class QTableWidget;

class OrbitClassWindow : public QDialog {
    Q_OBJECT

  public:
    explicit OrbitClassWindow(QWidget* parent = nullptr);

    // "Liste" beside "geosync" (0), "sunsync" (1) or "Molniya" (2) in the selection
    // window: set up the grid, fill it for the current selection and show maximised.
    Q_INVOKABLE void ShowOrbitClass(int orbitClass);
    // Fills the grid without showing the window.
    void FillOrbitClass(OrbitClass orbitClass);

    // A press on the heading at x (in grid contents): sorts by the column under it.
    void SortByHeadingAt(int x);
    void SortByColumn(int column);
    void Print();  // "Drucken"
    void Save();   // "Speichern"

    QTableWidget* grid() const { return grid_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    // Row r (0 = the heading, r >= 1 grid row r - 1) as cells.
    OrbitClassRow Row(int r) const;
    std::vector<int> ColumnWidths() const;

  private:
    // Columns as wide as their cells; the grid's smallest size shows them all.
    void FitColumns();
    std::vector<OrbitClassRow> DataRows() const;
    void SetDataRows(const std::vector<OrbitClassRow>& rows);

    QTableWidget* grid_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
