// The transactions log "/Transactions.txt": the program only counts its records and
// appends one. The first ten bytes pick the date and the amount; the rest is the log.
//
// Properties:
//  - The count is the log length / 60, rounded half to even, and the log takes another
//    record while it holds fewer than 32,767.
//  - An amount the log cannot hold whole (past the largest deposit, or longer than its
//    field), or a full log, is refused and the log stays as it was.
//  - Otherwise the new record goes at record count + 1: the bytes before it are kept, a gap before
//    it is filled with blanks (never NULs), and the count grows by one.
//  - Its date reads back as the date, and its amount, whenever its shortest decimal fits
//    the 15-byte field, as the amount exactly.
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "deposits/core/transactionlog.h"
#include "fuzz/fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace deposits;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    pellar::fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    FuzzedDataProvider input(data, size);
    const QDate date = QDate(1990, 1, 1).addDays(input.ConsumeIntegral<quint16>());
    const pellar::Currency amount = pellar::Currency::fromUnits(input.ConsumeIntegral<qint64>());
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const QByteArray log(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));
    pellar::fuzz::putDataFile(kTransactionsFile, log);

    const qint64 count = transactionCount(folder);
    PELLAR_FUZZ_CHECK(count == pellar::recordCountForLength(log.size(), kTransactionLength));
    PELLAR_FUZZ_CHECK(transactionLogRefusal(folder).isEmpty() == (count < pellar::kMaxRecords));
    const bool fits = amount <= kLargestDeposit && amount.toPlainString().size() <= 15;
    const bool appended = appendTransaction(folder, date, QStringLiteral("Deposit"), amount).ok;
    PELLAR_FUZZ_CHECK(appended == (fits && count < pellar::kMaxRecords));
    const QByteArray after = pellar::fuzz::dataFileBytes(kTransactionsFile);
    if (!appended) {
        PELLAR_FUZZ_CHECK(after == log);
        return 0;
    }

    const qsizetype at = count * kTransactionLength;
    PELLAR_FUZZ_CHECK(after.size() == at + kTransactionLength);
    PELLAR_FUZZ_CHECK(after.first(std::min(at, log.size())) == log.first(std::min(at, log.size())));
    if (log.size() < at)
        PELLAR_FUZZ_CHECK(after.sliced(log.size(), at - log.size()) ==
                          QByteArray(at - log.size(), ' '));
    const QByteArray record = after.sliced(at, kTransactionLength);
    PELLAR_FUZZ_CHECK(record == transactionRecord(date, QStringLiteral("Deposit"), amount));
    PELLAR_FUZZ_CHECK(transactionCount(folder) == count + 1);

    const pellar::FixedRecordLayout layout{10, 35, 15};
    PELLAR_FUZZ_CHECK(pellar::parseShortDate(layout.field(record, 0).trimmed()) == date);
    PELLAR_FUZZ_CHECK(pellar::Currency::fromDecimalText(layout.field(record, 2)) == amount);
    return 0;
}
