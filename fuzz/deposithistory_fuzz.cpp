// The transactions log read back for the deposit history, from any bytes. The first four
// bytes pick the range; the rest is the log.
//
// Properties:
//  - Every record the log's count holds is read, none twice; the shown rows are the readable
//    ones in the range, by date, then every unreadable one, counted.
//  - The range total is the sum of the shown readable amounts, and the month totals add up
//    to it, whenever the sums can be held.
//  - The CSV has one line per shown row after its header.
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "deposits/core/deposithistory.h"
#include "deposits/core/transactionlog.h"
#include "fuzz/fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace deposits;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QDate from = QDate(1990, 1, 1).addDays(input.ConsumeIntegral<quint16>() % 20000);
    const QDate to = from.addDays(input.ConsumeIntegral<quint16>() % 20000);
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const QByteArray bytes(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));

    const QList<LoggedDeposit> log = decodeDepositLog(bytes);
    PELLAR_FUZZ_CHECK(log.size() == pellar::recordCountForLength(bytes.size(), kTransactionLength));
    const DepositHistory history = depositsBetween(log, from, to);

    int readableInRange = 0, unreadable = 0;
    for (const LoggedDeposit& deposit : log) {
        if (!deposit.readable())
            ++unreadable;
        else if (*deposit.date >= from && *deposit.date <= to)
            ++readableInRange;
    }
    PELLAR_FUZZ_CHECK(history.unreadable == unreadable);
    PELLAR_FUZZ_CHECK(history.rows.size() == readableInRange + unreadable);

    std::optional<pellar::Currency> sum = pellar::Currency();
    for (int i = 0; i < history.rows.size(); ++i) {
        const LoggedDeposit& row = history.rows[i];
        if (i < readableInRange) {
            PELLAR_FUZZ_CHECK(row.readable() && *row.date >= from && *row.date <= to);
            if (i > 0)
                PELLAR_FUZZ_CHECK(*history.rows[i - 1].date <= *row.date);
            sum = sum ? *sum + *row.amount : std::nullopt;
        } else {
            PELLAR_FUZZ_CHECK(!row.readable());
        }
    }
    PELLAR_FUZZ_CHECK(sum == history.total);
    std::optional<pellar::Currency> months = pellar::Currency();
    bool monthsHeld = true;
    for (const MonthTotal& month : history.months) {
        monthsHeld = monthsHeld && month.total;
        if (month.total && months)
            months = *months + *month.total;
    }
    if (sum && monthsHeld)
        PELLAR_FUZZ_CHECK(months == sum);

    const QByteArray csv = depositHistoryCsv(history);
    PELLAR_FUZZ_CHECK(csv.count("\r\n") >= history.rows.size() + 1);
    return 0;
}
