#include "ui/satellites/orbit_class_table_model.h"

#include <utility>

namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

int OrbitClassTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OrbitClassTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant OrbitClassTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (row >= rows_.size() || column >= headings_.size()) return {};
    return Latin1(rows_[row][column]);
}

QVariant OrbitClassTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || static_cast<std::size_t>(section) >= headings_.size()) return {};
    return Latin1(headings_[static_cast<std::size_t>(section)]);
}

void OrbitClassTableModel::SetRows(const OrbitClassRow& headings, std::vector<OrbitClassRow> rows) {
    beginResetModel();
    headings_ = headings;
    rows_ = std::move(rows);
    endResetModel();
}

std::optional<std::string> OrbitClassTableModel::SortByColumn(OrbitClass orbitClass, int column) {
    emit layoutAboutToBeChanged();
    const auto bad = SortOrbitClassRows(rows_, orbitClass, column);
    emit layoutChanged();
    return bad;
}
