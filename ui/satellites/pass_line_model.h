// The lines of the pass list window's line page, made when they are shown: first the
// display line of every pass of a pass list (PassListState::Line), then the lines
// given as text (status lines, lines filled in by hand). A list of hundreds of
// thousands of passes holds no text of its own here.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

#include "prediction/pass_list.h"

class PassLineModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit PassLineModel(QObject* parent = nullptr);

    // The lines of `list` (nullptr: none) before the given lines. The list stays where
    // it is while the model shows it; the rows are those of its passes now.
    void ShowPassList(const PassListState* list);
    void Append(const QStringList& lines);
    // No pass list and no given line.
    void Clear();

    // The text of `row` as the view shows it (empty: no such row).
    QString Line(int row) const;
    QStringList Lines() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const PassListState* list_ = nullptr;
    int passRows_ = 0;
    QStringList given_;
};
