#include "expenses/core/splitlinesmodel.h"

#include "common/core/regional.h"

namespace expenses {

void SplitLinesModel::setLines(const QList<SplitLine>& lines) {
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

int SplitLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size()) + 1;
}

int SplitLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SplitLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const SplitLine& line = m_lines[index.row()];
    if (role == Qt::DisplayRole)
        return index.column() == CategoryColumn ? line.category
                                                : pellar::formatCurrency(line.amount);
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SplitLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return section == CategoryColumn ? tr("Expense Category") : tr("Amount");
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(section == CategoryColumn ? Qt::AlignCenter
                                                             : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

} // namespace expenses
