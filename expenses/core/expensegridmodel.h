#pragma once
// The review grid's rows: date paid, paid to, category and amount of every listed record.
// A model over plain rows, so a full file of records fills and scrolls without one widget
// item per cell; amounts are put in the currency form only for the rows on screen.

#include "expenses/core/expensereview.h"

#include <QAbstractTableModel>
#include <QList>

namespace expenses {

class ExpenseGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, PaidToColumn, CategoryColumn, AmountColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<ReviewRow> rows);
    const QList<ReviewRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text a cell shows.
    QString cellText(int row, int column) const;

private:
    QList<ReviewRow> m_rows;
};

} // namespace expenses
