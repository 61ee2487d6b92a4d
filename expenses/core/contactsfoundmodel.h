#pragma once
// The contacts form's result grid: the contacts a search found, or all of them, in file
// order, with the record number that leads back to each.

#include "expenses/core/contactsearch.h"

#include <QAbstractTableModel>
#include <QList>

namespace expenses {

class ContactsFoundModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NameColumn,
        TelephoneColumn,
        StreetColumn,
        CityColumn,
        StateColumn,
        PostalColumn,
        RecordColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row: a search shows only its own matches.
    void setFound(const QList<FoundContact>& found);
    // The record number shown in a row; 0 for a row that does not exist.
    qint64 recordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<FoundContact> m_rows;
};

} // namespace expenses
