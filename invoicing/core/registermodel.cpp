#include "invoicing/core/registermodel.h"

#include "common/core/regional.h"
#include "common/core/tints.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

namespace invoicing {

void RegisterModel::setRegister(QList<RegisterEntry> entries, QDate today) {
    beginResetModel();
    m_entries = std::move(entries);
    m_today = today;
    m_shown = filterRegister(m_entries, m_filter);
    endResetModel();
}

void RegisterModel::setFilter(const RegisterFilter& filter) {
    beginResetModel();
    m_filter = filter;
    m_shown = filterRegister(m_entries, m_filter);
    endResetModel();
}

std::optional<pellar::Currency> RegisterModel::shownTotal() const {
    std::optional<pellar::Currency> total = pellar::Currency();
    for (const qsizetype i : m_shown)
        total = total + m_entries[i].total;
    return total;
}

int RegisterModel::overdueCount() const {
    int n = 0;
    for (const qsizetype i : m_shown)
        n += m_entries[i].overdue(m_today) ? 1 : 0;
    return n;
}

int RegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const RegisterEntry& e = entryAt(index.row());
    const bool overdue = e.overdue(m_today);
    if (role == Qt::ForegroundRole)
        return overdue ? QVariant(QBrush(pellar::tintColor(
                             pellar::Tint::Warning,
                             QGuiApplication::palette().color(QPalette::Active, QPalette::Base))))
                       : QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == Total ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role == kSortRole) {
        switch (index.column()) {
        case Number:
            return e.number;
        case Date:
            return e.date;
        case Customer:
            return e.customer.toCaseFolded();
        case Total:
            return e.total.units();
        case Paid:
            return e.paid.isValid() ? e.paid : QDate(1, 1, 1);
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Number:
        return e.number;
    case Date:
        return pellar::formatShortDate(e.date);
    case Customer:
        return e.customer;
    case Total:
        return pellar::formatCurrency(e.total);
    case Paid:
        if (e.isPaid())
            return pellar::formatShortDate(e.paid);
        return overdue ? QCoreApplication::translate("RegisterModel", "overdue %1 days")
                             .arg(e.date.daysTo(m_today))
                       : QCoreApplication::translate("RegisterModel", "unpaid");
    }
    return {};
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[] = {
        QT_TRANSLATE_NOOP("RegisterModel", "Number"), QT_TRANSLATE_NOOP("RegisterModel", "Date"),
        QT_TRANSLATE_NOOP("RegisterModel", "Customer"), QT_TRANSLATE_NOOP("RegisterModel", "Total"),
        QT_TRANSLATE_NOOP("RegisterModel", "Paid")};
    return section >= 0 && section < ColumnCount
               ? QCoreApplication::translate("RegisterModel", captions[section])
               : QVariant();
}

} // namespace invoicing
