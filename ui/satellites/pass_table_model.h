// The rows of the pass list table, made from the compact list when they are shown: a
// row's cells come from the whole record of its pass (its visible part found again
// from the orbit), kept for the rows shown last. A click on a heading sorts the rows
// by the values of the column (instants and numbers, not their text); each row keeps
// the position of its pass in the list.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <deque>
#include <unordered_map>
#include <vector>

#include "prediction/pass_list.h"
#include "ui/satellites/pass_table.h"

class PassTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // What a cell sorts by (an instant, a number; NaN for a text cell).
    static constexpr int kValueRole = Qt::UserRole + 1;

    explicit PassTableModel(QObject* parent = nullptr);

    // The rows of `list` in list order (nullptr: none). The list stays where it is
    // while the model shows it.
    void SetList(const PassListState* list);
    // The position in the list of the pass in `row` (-1: no such row).
    int ListRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  private:
    struct Cell {
        QString text;
        double value = 0.0;
        QString tip;
    };
    using RowCells = std::array<Cell, kPassColumnCount>;

    const RowCells& CellsOf(int listRow) const;
    Cell CellOf(const PassRecord& pass, int column) const;
    static bool Less(const Cell& a, const Cell& b);

    const PassListState* list_ = nullptr;
    std::vector<int> order_;  // list row of each table row
    // The rows made last, by list row; the oldest made go first.
    mutable std::unordered_map<int, RowCells> cache_;
    mutable std::deque<int> made_;
};
