#pragma once
// The contacts form's vendor list: name, account number, telephone and record number of
// every contact, sorted by name. A model over plain rows, so ten thousand contacts reload
// in a few milliseconds after every save.

#include "expenses/core/contacts.h"

#include <QAbstractTableModel>
#include <QList>

namespace expenses {

class VendorListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, AccountColumn, TelephoneColumn, RecordColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row (record 1 first) and sorts them on the name, ascending, ignoring
    // case; equal names keep their file order.
    void setContacts(const QList<Contact>& contacts);
    // The record number shown in a row; 0 for a row that does not exist.
    qint64 recordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        QString name;
        QString account;
        QString telephone;
        qint64 record = 0;
    };
    QList<Row> m_rows;
};

} // namespace expenses
