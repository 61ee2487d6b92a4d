#pragma once
// Listing the posted expenses of a period: the records dated in it, in file order, without
// void checks and archived records, and their sum.

#include "common/core/currency.h"
#include "common/core/datafiles.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace expenses {

struct ExpenseReview;

struct ReviewRow {
    QString date;   // as stored, trimmed
    QString paidTo; // trimmed
    QString category;
    // The amount read from the record; without one, storedAmount is what the record holds.
    std::optional<pellar::Currency> amount;
    QString storedAmount;
};

// The listed records of a review, in file order. They keep the file's bytes and read a
// row's fields from its record when asked, so a review of a full file makes no string for
// each field it lists: the grid shows a few dozen of them at a time. Copies share the bytes.
class ReviewRows {
public:
    qsizetype size() const { return m_listed.size(); }
    bool isEmpty() const { return m_listed.isEmpty(); }

    ReviewRow operator[](qsizetype row) const;
    // One field of a row, trimmed, without making the whole row.
    QString date(qsizetype row) const;
    QString paidTo(qsizetype row) const;
    QString category(qsizetype row) const;
    QString storedAmount(qsizetype row) const; // empty when the amount was read
    std::optional<pellar::Currency> amount(qsizetype row) const { return m_listed[row].amount; }

    class const_iterator {
    public:
        const_iterator(const ReviewRows* rows, qsizetype row)
            : m_rows(rows)
            , m_row(row) {}
        ReviewRow operator*() const { return (*m_rows)[m_row]; }
        const_iterator& operator++() {
            ++m_row;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        const ReviewRows* m_rows;
        qsizetype m_row;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    friend ExpenseReview reviewExpenseRecords(const QByteArray& file, QDate start, QDate end);

    struct Listed {
        qsizetype record; // from 0
        std::optional<pellar::Currency> amount;
    };
    QString field(qsizetype row, int field) const;

    QByteArray m_file;
    QList<Listed> m_listed;
};

struct ExpenseReview {
    bool fileFound = false;
    QString problem; // plain words when the file exists but could not be read
    ReviewRows rows;
    pellar::Currency total; // of the rows whose amount could be read
    // Records whose date cannot be read: never listed (and never removed by a cleanup).
    int unreadableDates = 0;
    // Listed records whose amount cannot be read: left out of the total.
    int unreadableAmounts = 0;
};

// The records dated from start to end, both included, of the file's bytes, which the rows
// share.
ExpenseReview reviewExpenseRecords(const QByteArray& file, QDate start, QDate end);
// The same, read from the expense file. Without the file, fileFound is false and nothing
// else is set.
ExpenseReview reviewExpenses(const pellar::DataFolder& folder, QDate start, QDate end);

// The line the review shows under its total when some records could not be read; empty
// when all could.
QString unreadableNotice(const ExpenseReview& review);

} // namespace expenses
