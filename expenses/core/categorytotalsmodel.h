#pragma once
// The category totals as a table on the screen: a row per category and one for the totals,
// a column per month and one for the row totals.

#include "expenses/core/categorytotals.h"

#include <QAbstractTableModel>

namespace expenses {

class CategoryTotalsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTotals(CategoryTotals totals);
    const CategoryTotals& totals() const { return m_totals; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The amount a cell shows; the last row and the last column are the totals.
    pellar::Currency amount(int row, int column) const;

private:
    CategoryTotals m_totals;
};

} // namespace expenses
