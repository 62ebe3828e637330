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

    // A click in the heading row at grid x: sorts by the column under it.
    void SortByHeadingAt(int x);
    void SortByColumn(int column);
    void Print();  // "Drucken"
    void Save();   // "Speichern"

    QTableWidget* grid() const { return grid_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    // Row r (0 = heading) as cells.
    OrbitClassRow Row(int r) const;
    std::vector<int> ColumnWidths() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<OrbitClassRow> DataRows() const;
    void SetDataRows(const std::vector<OrbitClassRow>& rows);

    QTableWidget* grid_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
