#pragma once
// The deposit program's hold on the checkbook data: the record read last, whether it can be
// trusted, and the two writes of a confirmed deposit (the log first, then the balance).

#include "common/core/currency.h"
#include "common/core/datafiles.h"
#include "common/core/fileresult.h"
#include "deposits/core/checkbook.h"

#include <QDate>
#include <QString>

namespace deposits {

class DepositBank {
public:
    explicit DepositBank(const pellar::DataFolder& folder);

    // Reads the checkbook data file (DataFileExists first, which may restore it). Anything
    // but a Loaded record leaves the bank untrusted: nothing is written against it.
    CheckbookRead LoadBank();

    bool trusted() const { return m_trusted; }
    const CheckbookRecord& record() const { return m_record; }
    // The balance as the form read it (LoadBank), and as the file holds it now (nullopt when
    // the file cannot be read now).
    pellar::Currency balance() const { return m_balance; }
    std::optional<pellar::Currency> balanceNow() const;

    // Why a deposit of this amount could not be recorded now (untrusted data, a full log, a
    // balance that cannot take it); empty when it can. Asked before anything is printed.
    QString refusal(pellar::Currency deposit) const;

    // Appends one record to the transactions log. Refused, with nothing written, when the
    // checkbook data is not trusted or the log cannot take it.
    pellar::FileResult WriteTransaction(const QString& description, pellar::Currency amount,
                                        QDate date);
    // Adds the deposit to the balance in the file as it is at this moment (read again under
    // the folder lock) and replaces the checkbook data file. Refused, with nothing written,
    // when the data is not trusted, the file cannot be read now or the sum cannot be held.
    pellar::FileResult SaveBank(pellar::Currency deposit);

private:
    const pellar::DataFolder& m_folder;
    CheckbookRecord m_record;
    pellar::Currency m_balance;
    bool m_trusted = false;
    QString m_problem; // why the record is not to be trusted
};

} // namespace deposits
