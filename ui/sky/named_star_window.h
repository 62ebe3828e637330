// The list of named stars "Polaride - Sterne mit Eigennamen" with a small map around
// the chosen star.
#pragma once

#include <QWidget>
#include <string>

#include "catalog/named_star_table.h"
#include "chart/canvas.h"

class QTableWidget;

class NamedStarWindow : public QWidget {
    Q_OBJECT

  public:
    explicit NamedStarWindow(QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // The chosen star: its number in "STERNKAT" and its name (at start 9, "Sirrah").
    int selectedStarNumber() const { return starNumber_; }
    const std::string& selectedStarName() const { return starName_; }
    // The map as last drawn.
    const QImage& mapImage() const { return map_.Image(); }

    // Selecting row r (1-based data row, table row r - 1): that star becomes the chosen
    // one; map redrawn.
    void SelectRow(int row);
    // A mouse button at x on the heading row: sorts by the column under it.
    void SortByHeadingAt(int x);
    void SortByColumn(int column);
    // Draws the map for the chosen star at the current map size.
    void DrawMap();
    // Row r (0 = the heading, r >= 1 table row r - 1) as cells.
    NamedStarRow Row(int r) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FillTable();
    QRect MapArea() const;
    // The table row (0-based) that lists star `starNumber`, -1 when none does.
    int TableRowOfStar(int starNumber) const;
    // Marks the chosen star's row (after filling or sorting) without choosing again.
    void HighlightSelectedStar();

    QTableWidget* table_ = nullptr;
    int tableWidth_ = 0;
    Canvas map_{1, 1};
    int starNumber_ = 9;
    std::string starName_ = "Sirrah";
};
