#pragma once
// The review grid's rows: date paid, paid to, category and amount of every listed record.
// A model over the review's rows, so a full file of records fills and scrolls without one
// widget item, or one string, per cell: a cell's text is made when the grid shows it.

#include "expenses/core/expensereview.h"

#include <QAbstractTableModel>

namespace expenses {

class ExpenseGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, PaidToColumn, CategoryColumn, AmountColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(ReviewRows rows);
    const ReviewRows& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text a cell shows.
    QString cellText(int row, int column) const;

private:
    ReviewRows m_rows;
};

} // namespace expenses
