#pragma once
// The transactions log read back: every record as it stands, in date order within a range,
// with the month totals a bank statement is checked against. Records whose date or amount
// cannot be read are kept, listed after the others and counted, never dropped or rewritten.
// Beside it, where the kept PDF copy of each deposit slip lies.

#include "common/core/currency.h"
#include "common/core/datafiles.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace deposits {

struct LoggedDeposit {
    int record = 0;            // its number in the log, from 1
    QString dateText;          // as stored, blanks trimmed
    std::optional<QDate> date; // nullopt: the stored date is not a date in the short form
    QString description;
    QString amountText;
    std::optional<pellar::Currency> amount; // nullopt: the stored amount is not a number
    bool readable() const { return date && amount; }
};

// Every record of the log's bytes, in file order; a short last record counts as the log's
// own count says.
QList<LoggedDeposit> decodeDepositLog(QByteArrayView bytes);
// The log in the data folder (DataFileExists first, which may restore it); empty without
// one. nullopt, with plain words in *error, when it cannot be read.
std::optional<QList<LoggedDeposit>> readDepositLog(const pellar::DataFolder& folder,
                                                   QString* error = nullptr);

struct MonthTotal {
    int year = 0;
    int month = 0;
    int deposits = 0;
    std::optional<pellar::Currency> total; // nullopt: too large to be held
};

struct DepositHistory {
    QList<LoggedDeposit> rows; // the readable ones in the range by date (then record), then
                               // every unreadable one in file order
    int unreadable = 0;        // how many of the rows are
    std::optional<pellar::Currency> total; // of the readable rows; nullopt when too large
    QList<MonthTotal> months;              // of the readable rows, oldest first
};

// The records dated from `from` to `to` (both included), with their totals, and every
// record that cannot be placed by date.
DepositHistory depositsBetween(const QList<LoggedDeposit>& log, QDate from, QDate to);

// The shown rows as UTF-8 CSV: a header, ISO dates, plain decimal amounts, a record that
// cannot be read carried as stored and marked in a fourth column.
QByteArray depositHistoryCsv(const DepositHistory& history);

// Where the PDF copy of a confirmed deposit slip goes: the folder under the data folder
// ("Deposits/2026") and the name without ".pdf" ("2026-12-06 1234.50").
QString depositCopyFolder(QDate date);
QString depositCopyBaseName(QDate date, pellar::Currency amount);

// The full path of the copy that belongs to log[index]: the copies of deposits of one day
// and one amount are named in turn " (2)", " (3)", ..., so the n-th such record has the n-th
// name. Empty when that file is not there (a deposit from before copies were kept, or a
// copy that could not be written) or the record cannot be read.
QString depositCopyPath(const pellar::DataFolder& folder, const QList<LoggedDeposit>& log,
                        int index);

} // namespace deposits
