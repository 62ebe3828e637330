#include "ui/satellites/pass_line_model.h"

#include "core/json_text.h"

PassLineModel::PassLineModel(QObject* parent) : QAbstractListModel(parent) {}

void PassLineModel::ShowPassList(const PassListState* list) {
    beginResetModel();
    list_ = list;
    passRows_ = list ? static_cast<int>(list->size()) : 0;
    endResetModel();
}

void PassLineModel::Append(const QStringList& lines) {
    if (lines.isEmpty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(lines.size()) - 1);
    given_ << lines;
    endInsertRows();
}

void PassLineModel::Clear() {
    beginResetModel();
    list_ = nullptr;
    passRows_ = 0;
    given_.clear();
    endResetModel();
}

QString PassLineModel::Line(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    if (row >= passRows_) return given_[row - passRows_];
    const auto i = static_cast<std::size_t>(row);
    // The names of the element file are Latin-1 bytes among the UTF-8 text of a line.
    return i < list_->size() ? QString::fromStdString(jsontext::ReadableUtf8(list_->Line(i)))
                             : QString();
}

QStringList PassLineModel::Lines() const {
    QStringList lines;
    lines.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) lines << Line(row);
    return lines;
}

int PassLineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : passRows_ + static_cast<int>(given_.size());
}

QVariant PassLineModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Line(index.row());
}
