#pragma once
// The split summary's rows: the lines of the entry so far, category and amount, and below
// them the empty row the next line goes into.

#include "expenses/core/expenseentry.h"

#include <QAbstractTableModel>
#include <QList>

namespace expenses {

class SplitLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CategoryColumn, AmountColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setLines(const QList<SplitLine>& lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<SplitLine> m_lines;
};

} // namespace expenses
