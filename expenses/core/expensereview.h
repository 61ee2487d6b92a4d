#pragma once
// Listing the posted expenses of a period: the records dated in it, in file order, without
// void checks and archived records, and their sum.

#include "common/core/currency.h"
#include "common/core/datafiles.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace expenses {

struct ReviewRow {
    QString date;   // as stored, trimmed
    QString paidTo; // trimmed
    QString category;
    // The amount read from the record; without one, storedAmount is what the record holds.
    std::optional<pellar::Currency> amount;
    QString storedAmount;
};

struct ExpenseReview {
    bool fileFound = false;
    QString problem; // plain words when the file exists but could not be read
    QList<ReviewRow> rows;
    pellar::Currency total; // of the rows whose amount could be read
    // Records whose date cannot be read: never listed (and never removed by a cleanup).
    int unreadableDates = 0;
    // Listed records whose amount cannot be read: left out of the total.
    int unreadableAmounts = 0;
};

// The records dated from start to end, both included, of the file's bytes.
ExpenseReview reviewExpenseRecords(QByteArrayView file, QDate start, QDate end);
// The same, read from the expense file. Without the file, fileFound is false and nothing
// else is set.
ExpenseReview reviewExpenses(const pellar::DataFolder& folder, QDate start, QDate end);

// The line the review shows under its total when some records could not be read; empty
// when all could.
QString unreadableNotice(const ExpenseReview& review);

} // namespace expenses
