#include "expenses/core/categorytotalsmodel.h"

#include "common/core/regional.h"

#include <QFont>

namespace expenses {

void CategoryTotalsModel::setTotals(CategoryTotals totals) {
    beginResetModel();
    m_totals = std::move(totals);
    endResetModel();
}

int CategoryTotalsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || m_totals.months == 0 ? 0 : int(m_totals.categories.size()) + 1;
}

int CategoryTotalsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || m_totals.months == 0 ? 0 : m_totals.months + 1;
}

pellar::Currency CategoryTotalsModel::amount(int row, int column) const {
    const bool totalRow = row == m_totals.categories.size();
    const bool totalColumn = column == m_totals.months;
    if (totalRow)
        return totalColumn ? m_totals.total : m_totals.monthTotals.value(column);
    return totalColumn ? m_totals.rowTotals.value(row) : m_totals.cells.value(row).value(column);
}

QVariant CategoryTotalsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return pellar::formatCurrency(amount(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (index.row() == m_totals.categories.size() || index.column() == m_totals.months) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant CategoryTotalsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_totals.months ? m_totals.monthCaption(section) : tr("Total");
    return section < m_totals.categories.size() ? m_totals.categories[section] : tr("Total");
}

} // namespace expenses
