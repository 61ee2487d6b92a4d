#include "expenses/core/contactsfoundmodel.h"

namespace expenses {

void ContactsFoundModel::setFound(const QList<FoundContact>& found) {
    beginResetModel();
    m_rows = found;
    endResetModel();
}

qint64 ContactsFoundModel::recordAt(int row) const {
    return row >= 0 && row < m_rows.size() ? m_rows[row].record : 0;
}

int ContactsFoundModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ContactsFoundModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ContactsFoundModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const FoundContact& row = m_rows[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn:
            return row.contact.name;
        case TelephoneColumn:
            return row.contact.telephone;
        case StreetColumn:
            return row.contact.address1;
        case CityColumn:
            return row.contact.city;
        case StateColumn:
            return row.contact.state;
        case PostalColumn:
            return row.contact.postal;
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

QVariant ContactsFoundModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole) {
        // Only the telephone heading stands centred over its column.
        return section == TelephoneColumn ? int(Qt::AlignCenter)
                                          : int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Contact Name");
    case TelephoneColumn:
        return tr("Telephone");
    case StreetColumn:
        return tr("Street Address");
    case CityColumn:
        return tr("City");
    case StateColumn:
        return tr("State");
    case PostalColumn:
        return tr("Zip Code");
    case RecordColumn:
        return tr("Rec# in File");
    default:
        return {};
    }
}

} // namespace expenses
