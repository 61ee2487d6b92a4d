#include "deposits/core/depositbank.h"

#include "deposits/core/transactionlog.h"

namespace deposits {

namespace {

QString notRead() {
    return QStringLiteral("The checkbook data file CheckbookInfo.txt has not been read.");
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

pellar::FileResult DepositBank::SaveBank(pellar::Currency deposit) {
    if (!m_trusted)
        return pellar::FileResult::failure(m_problem);
    QString problem;
    const std::optional<CheckbookRecord> updated = withDepositAdded(m_record, deposit, &problem);
    if (!updated)
        return pellar::FileResult::failure(problem);
    if (pellar::FileResult written = writeCheckbook(m_folder, *updated); !written)
        return written;
    m_record = *updated;
    return pellar::FileResult::success();
}

} // namespace deposits
