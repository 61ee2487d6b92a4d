#include "expenses/core/vendorlistmodel.h"

#include <algorithm>

namespace expenses {

void VendorListModel::setContacts(const QList<Contact>& contacts) {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(contacts.size());
    for (qsizetype i = 0; i < contacts.size(); ++i)
        m_rows.append({contacts[i].name, contacts[i].account, contacts[i].telephone, i + 1});
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    endResetModel();
}

qint64 VendorListModel::recordAt(int row) const {
    return row >= 0 && row < m_rows.size() ? m_rows[row].record : 0;
}

int VendorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int VendorListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant VendorListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn:
            return row.name;
        case AccountColumn:
            return row.account;
        case TelephoneColumn:
            return row.telephone;
        case RecordColumn:
            return QString::number(row.record);
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == RecordColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant VendorListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Vendor / Supplier Name");
    case AccountColumn:
        return tr("Your Account Number");
    case TelephoneColumn:
        return tr("Telephone Number");
    case RecordColumn:
        return tr("Rec");
    default:
        return {};
    }
}

} // namespace expenses
