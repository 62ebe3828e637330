// The rows of an orbit-class list as a Qt table model: the headings as the column
// captions, each row's ten cells as Latin-1 text, sorted in place by a column.
#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <string>
#include <vector>

#include "prediction/orbit_class_table.h"

class OrbitClassTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // New headings and rows (a reset of the model).
    void SetRows(const OrbitClassRow& headings, std::vector<OrbitClassRow> rows);
    const OrbitClassRow& headings() const { return headings_; }
    const std::vector<OrbitClassRow>& rows() const { return rows_; }
    // SortOrbitClassRows over the rows for the class of the headings; the text of a
    // cell that is not a number where one was needed, else nullopt.
    std::optional<std::string> SortByColumn(OrbitClass orbitClass, int column);

  private:
    OrbitClassRow headings_;
    std::vector<OrbitClassRow> rows_;
};
