#include "expenses/core/expensegridmodel.h"

#include "common/core/regional.h"

namespace expenses {

void ExpenseGridModel::setRows(ReviewRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ExpenseGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ExpenseGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ExpenseGridModel::cellText(int row, int column) const {
    if (row < 0 || row >= m_rows.size())
        return {};
    switch (column) {
    case DateColumn:
        return m_rows.date(row);
    case PaidToColumn:
        return m_rows.paidTo(row);
    case CategoryColumn:
        return m_rows.category(row);
    case AmountColumn: {
        const std::optional<pellar::Currency> amount = m_rows.amount(row);
        return amount ? pellar::formatCurrency(*amount) : m_rows.storedAmount(row);
    }
    default:
        return {};
    }
}

QVariant ExpenseGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == AmountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == DateColumn)
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant ExpenseGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case DateColumn:
            return tr("Date Paid");
        case PaidToColumn:
            return tr("Paid to");
        case CategoryColumn:
            return tr("Category");
        case AmountColumn:
            return tr("Amount");
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        if (section == AmountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (section == DateColumn)
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

} // namespace expenses
