#include "deposits/core/depositbank.h"

#include "deposits/core/transactionlog.h"

#include "common/core/backup.h"
#include "common/core/folderlock.h"

#include <QCoreApplication>

namespace deposits {

namespace {

QString notRead() {
    return QCoreApplication::translate(
        "DepositBank", "The checkbook data file CheckbookInfo.txt has not been read.");
}

} // namespace

DepositBank::DepositBank(const pellar::DataFolder& folder)
    : m_folder(folder)
    , m_problem(notRead()) {}

CheckbookRead DepositBank::LoadBank() {
    CheckbookRead read = readCheckbook(m_folder);
    m_trusted = read.status == CheckbookRead::Status::Loaded;
    if (m_trusted) {
        m_record = read.record;
        m_balance = read.balance;
        m_problem.clear();
    } else {
        m_problem = read.status == CheckbookRead::Status::Missing ? notRead() : read.problem;
    }
    return read;
}

QString DepositBank::refusal(pellar::Currency deposit) const {
    if (!m_trusted)
        return m_problem;
    if (QString full = transactionLogRefusal(m_folder); !full.isEmpty())
        return full;
    QString why;
    withDepositAdded(m_record, deposit, &why);
    return why;
}

pellar::FileResult DepositBank::WriteTransaction(const QString& description,
                                                 pellar::Currency amount, QDate date) {
    if (!m_trusted)
        return pellar::FileResult::failure(m_problem);
    return appendTransaction(m_folder, date, description, amount);
}

std::optional<pellar::Currency> DepositBank::balanceNow() const {
    const CheckbookRead now = readCheckbook(m_folder);
    if (now.status != CheckbookRead::Status::Loaded)
        return std::nullopt;
    return now.balance;
}

pellar::FileResult DepositBank::SaveBank(pellar::Currency deposit) {
    if (!m_trusted)
        return pellar::FileResult::failure(m_problem);
    // A restore from the backup folder is told before the lock is taken, never under it.
    pellar::DataFileExists(m_folder, kCheckbookFile);
    return pellar::underFolderLock(m_folder, [&] {
        // The check-writing program may have written a check since the form read the file:
        // the deposit goes onto the balance as it is now, with the other fields as they are now.
        const CheckbookRead now = readCheckbook(m_folder);
        if (now.status == CheckbookRead::Status::Damaged)
            return pellar::FileResult::failure(now.problem);
        if (now.status == CheckbookRead::Status::Missing)
            return pellar::FileResult::failure(QCoreApplication::translate(
                "DepositBank", "The checkbook data file CheckbookInfo.txt is no longer in the "
                               "data folder."));
        pellar::pausePoint("savebank");
        QString problem;
        const std::optional<CheckbookRecord> updated =
            withDepositAdded(now.record, deposit, &problem);
        if (!updated)
            return pellar::FileResult::failure(problem);
        if (pellar::FileResult written = writeCheckbook(m_folder, *updated); !written)
            return written;
        m_record = *updated;
        if (const std::optional<pellar::Currency> sum = now.balance + deposit)
            m_balance = *sum;
        return pellar::FileResult::success();
    });
}

} // namespace deposits
