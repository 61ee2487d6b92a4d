#pragma once
// The transactions log: one 60-byte fixed record per confirmed deposit, appended and never
// read back by this program. Fields: date (10), description (35), amount (15).

#include "common/core/currency.h"
#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace deposits {

inline constexpr const char16_t* kTransactionsFile = u"/Transactions.txt";
inline constexpr int kTransactionLength = 60;

// The record for one transaction: the date in the short date form, the description, and
// the amount as its exact shortest decimal ("1234.5"), each cut or blank-padded.
QByteArray transactionRecord(QDate date, const QString& description, pellar::Currency amount);

// Records already in the log (DataFileExists first, which may restore it).
qint64 transactionCount(const pellar::DataFolder& folder);

// Plain words saying why the log cannot take another record (it is full); empty when it can.
QString transactionLogRefusal(const pellar::DataFolder& folder);

// The largest amount the log's 15-byte amount field holds to the cent: 999999999999.99. A
// check, the currency and every total of a deposit are kept within it.
inline constexpr pellar::Currency kLargestDeposit =
    pellar::Currency::fromUnits(9'999'999'999'999'900);

// Whether an amount of a deposit can be logged whole: at most kLargestDeposit, its shortest
// decimal within the field. nullopt (a sum too large to be held at all) cannot.
bool fitsTransactionLog(std::optional<pellar::Currency> amount);
// Plain words for an amount that is not.
QString depositTooLargeText();

// Appends the record as record count + 1. Refused, with nothing written, when the log is full.
pellar::FileResult appendTransaction(const pellar::DataFolder& folder, QDate date,
                                     const QString& description, pellar::Currency amount);

} // namespace deposits
