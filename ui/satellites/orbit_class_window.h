// The orbit-class lists "Geosynchrone Satelliten": the current selection as a
// ten-column table for one orbit class, sorted by clicking a heading, printed and
// saved as text. A large selection's rows are computed on a worker thread while the
// window stays responsive.
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <vector>

#include "prediction/orbit_class_table.h"

class OrbitClassTableModel;
class QPushButton;
class QTableView;

class OrbitClassWindow : public QDialog {
    Q_OBJECT

  public:
    explicit OrbitClassWindow(QWidget* parent = nullptr);

    // "Liste" beside "geosync" (0), "sunsync" (1) or "Molniya" (2) in the selection
    // window: set up the grid, fill it for the current selection and show maximised.
    Q_INVOKABLE void ShowOrbitClass(int orbitClass);
    // Fills the grid without showing the window: at once for a small selection, else
    // the headings at once and the rows when the worker has computed them.
    void FillOrbitClass(OrbitClass orbitClass);
    // True while the rows of the last fill are being computed.
    bool Computing() const { return computing_; }

    // A press on the heading at x (in grid contents): sorts by the column under it.
    void SortByHeadingAt(int x);
    void SortByColumn(int column);
    void Print();  // "Drucken"
    void Save();   // "Speichern"

    QTableView* grid() const { return grid_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    // Row r (0 = the heading, r >= 1 grid row r - 1) as cells.
    OrbitClassRow Row(int r) const;
    std::vector<int> ColumnWidths() const;

  signals:
    // The rows of a fill are in the grid.
    void RowsShown();

  private:
    void ShowRows(OrbitClassFill fill);
    // Columns as wide as their cells; the grid's smallest size shows them all.
    void FitColumns();

    OrbitClassTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QFutureWatcher<OrbitClassFill> worker_;
    bool computing_ = false;
};
