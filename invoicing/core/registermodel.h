#pragma once
// The register as the invoices window shows it: the rows the filter lets through, with
// number, date, customer, total and paid. Sorting goes by the values, not the captions.

#include "invoicing/core/invoiceregister.h"

#include <QAbstractTableModel>

namespace invoicing {

class RegisterModel : public QAbstractTableModel {
public:
    enum Column { Number, Date, Customer, Total, Paid, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setRegister(QList<RegisterEntry> entries, QDate today);
    void setFilter(const RegisterFilter& filter);
    const QList<RegisterEntry>& entries() const { return m_entries; }
    const QList<qsizetype>& shown() const { return m_shown; }
    const RegisterEntry& entryAt(int row) const { return m_entries[m_shown[row]]; }

    // What is shown: how many, their total (nullopt when too large to add up), how many of
    // them are overdue.
    int shownCount() const { return int(m_shown.size()); }
    std::optional<pellar::Currency> shownTotal() const;
    int overdueCount() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<RegisterEntry> m_entries;
    QList<qsizetype> m_shown;
    RegisterFilter m_filter;
    QDate m_today;
};

} // namespace invoicing
