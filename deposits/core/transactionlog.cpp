#include "deposits/core/transactionlog.h"

#include "common/core/backup.h"
#include "common/core/folderlock.h"

#include "common/core/datafiles.h"
#include "common/core/fixedrecordfile.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"

#include <QCoreApplication>

namespace deposits {

namespace {

const pellar::FixedRecordLayout& layout() {
    static const pellar::FixedRecordLayout fields{10, 35, 15};
    return fields;
}

} // namespace

QByteArray transactionRecord(QDate date, const QString& description, pellar::Currency amount) {
    return layout().pack({pellar::formatShortDate(date), description, amount.toPlainString()});
}

namespace {

pellar::FixedRecordFile transactionsFile(const pellar::DataFolder& folder) {
    return {folder, kTransactionsFile, kTransactionLength};
}

} // namespace

qint64 transactionCount(const pellar::DataFolder& folder) {
    return transactionsFile(folder).count();
}

QString transactionLogRefusal(const pellar::DataFolder& folder) {
    if (transactionCount(folder) < pellar::kMaxRecords)
        return {};
    return QCoreApplication::translate(
        "TransactionLog",
        "The transactions log Transactions.txt already holds 32,767 deposits, as many as it can "
        "take. To go on, move Transactions.txt and its copy in the Backup folder to another "
        "folder; a new log is then started.");
}

bool fitsTransactionLog(std::optional<pellar::Currency> amount) {
    // The range keeps every total of a deposit recordable; the length check keeps an amount
    // with more than two decimals from being cut in the field.
    return amount && *amount <= kLargestDeposit && amount->toPlainString().size() <= 15;
}

QString depositTooLargeText() {
    return QCoreApplication::translate(
               "TransactionLog",
               "A deposit can be at most %1: the transactions log cannot record a "
               "larger amount.")
        .arg(pellar::formatCurrency(kLargestDeposit));
}

pellar::FileResult appendTransaction(const pellar::DataFolder& folder, QDate date,
                                     const QString& description, pellar::Currency amount) {
    if (!fitsTransactionLog(amount))
        return pellar::FileResult::failure(depositTooLargeText());
    // The record count and the write under one lock, so the record goes after every record
    // on file at that moment, never at a place counted before another program appended.
    pellar::DataFileExists(folder, kTransactionsFile); // a restore is told before the lock
    return pellar::underFolderLock(folder, [&] {
        const qint64 count = transactionCount(folder);
        if (count >= pellar::kMaxRecords)
            return pellar::FileResult::failure(transactionLogRefusal(folder));
        return transactionsFile(folder).write(count + 1,
                                              transactionRecord(date, description, amount));
    });
}

} // namespace deposits
