// The review and the cleanup, which walk the whole expense file. The first four bytes pick
// the date range (it may be empty or reversed); the rest is the file.
//
// Properties:
//  - Every record is counted once: listed, skipped as void, archived or out of range, or
//    counted as having an unreadable date; the cleanup keeps or removes each record.
//  - The listed rows are in the range, the total is the sum of the amounts that read, and
//    each listed amount left out of the total is counted.
//  - A listed amount shown in the currency form reads back as itself rounded to cents.
//  - The cleanup keeps whole records, byte for byte and in order (a short last one padded
//    with blanks), never removes a record whose date does not read, and removes at least
//    every listed one; cleaning the result again removes nothing and changes nothing.
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expensefile.h"
#include "expenses/core/expensereview.h"
#include "fuzz/fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace expenses;

namespace {

pellar::Currency centsOnly(pellar::Currency amount) {
    return pellar::Currency::fromUnits(amount.cents() * 100);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QDate start = QDate(2020, 1, 1).addDays(input.ConsumeIntegral<quint16>() % 4096);
    const QDate end = start.addDays(qint64(input.ConsumeIntegral<quint16>() % 1024) - 64);
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const QByteArray file(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));
    const QList<QByteArray> records = pellar::splitRecords(file, kExpenseRecordLength);

    const ExpenseReview review = reviewExpenseRecords(file, start, end);
    PELLAR_FUZZ_CHECK(review.fileFound && review.problem.isEmpty());
    PELLAR_FUZZ_CHECK(review.rows.size() + review.unreadableDates <= records.size());
    pellar::Currency total;
    int unreadableAmounts = 0;
    for (const ReviewRow& row : review.rows) {
        const std::optional<QDate> date = pellar::parseShortDate(row.date);
        PELLAR_FUZZ_CHECK(date && *date >= start && *date <= end);
        if (!row.amount) {
            ++unreadableAmounts;
            continue;
        }
        PELLAR_FUZZ_CHECK(row.storedAmount.isEmpty());
        // Every amount the review kept was added to its total without leaving the range.
        const std::optional<pellar::Currency> sum = total + *row.amount;
        PELLAR_FUZZ_CHECK(sum.has_value());
        total = *sum;
        PELLAR_FUZZ_CHECK(pellar::currencyValue(pellar::formatCurrency(*row.amount)) ==
                          centsOnly(*row.amount));
    }
    PELLAR_FUZZ_CHECK(total == review.total && unreadableAmounts == review.unreadableAmounts);

    CleanupOutcome outcome;
    const QByteArray kept = keptExpenseRecords(file, start, end, &outcome);
    PELLAR_FUZZ_CHECK(outcome.removed + outcome.kept == records.size());
    PELLAR_FUZZ_CHECK(outcome.keptUnreadable == review.unreadableDates);
    PELLAR_FUZZ_CHECK(outcome.removed >= review.rows.size());
    PELLAR_FUZZ_CHECK(kept.size() == outcome.kept * kExpenseRecordLength);
    // The kept records are the file's own records, in order.
    qsizetype at = 0;
    for (const QByteArray& record : records) {
        if (at < kept.size() && kept.sliced(at, kExpenseRecordLength) == record)
            at += kExpenseRecordLength;
    }
    PELLAR_FUZZ_CHECK(at == kept.size());

    CleanupOutcome again;
    PELLAR_FUZZ_CHECK(keptExpenseRecords(kept, start, end, &again) == kept);
    PELLAR_FUZZ_CHECK(again.removed == 0 && again.keptUnreadable == outcome.keptUnreadable);
    return 0;
}
