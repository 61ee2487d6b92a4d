// The expense file "\NewExpenses.txt", record by record. The first byte picks a record;
// the rest is the file.
//
// Properties:
//  - The count is the file length / 145, rounded half to even, and the room left counts
//    a damaged trailing part as a record; the whole-file read gives the bytes as stored.
//  - Record k (1..count) reads as the record the file splits into there, blanks trimmed;
//    record 0 and count + 1 do not read, with a reason.
//  - A record read, written and read again is the same record (every field fits: it came
//    from a field of that width).
//  - Appending a record keeps every earlier byte, pads a damaged trailing part to a whole
//    record, and the new record reads back as what was appended.
#include "common/core/fixedrecords.h"
#include "expenses/core/expensefile.h"
#include "fuzz/fuzzsupport.h"

using namespace expenses;

namespace {

bool trimmedFields(const ExpenseRecord& r) {
    for (const QString* field :
         {&r.date, &r.paidTo, &r.forWhat, &r.amount, &r.paymentMethod, &r.reference, &r.status}) {
        if (blankTrimmed(*field) != *field)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    pellar::fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    if (size == 0)
        return 0;
    const quint8 choice = data[0];
    const QByteArray file(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    pellar::fuzz::putDataFile(kExpensesFile, file);

    const qint64 count = expenseRecordCount(folder);
    PELLAR_FUZZ_CHECK(count == pellar::recordCountForLength(file.size(), kExpenseRecordLength));
    const QList<QByteArray> records = pellar::splitRecords(file, kExpenseRecordLength);
    PELLAR_FUZZ_CHECK(expenseRoomLeft(folder) == pellar::kMaxRecords - records.size());
    const ExpenseFileBytes whole = readExpenseFile(folder);
    PELLAR_FUZZ_CHECK(whole.found && whole.problem.isEmpty() && whole.bytes == file);

    QString error;
    PELLAR_FUZZ_CHECK(!readExpenseRecord(folder, 0, &error) && !error.isEmpty());
    error.clear();
    PELLAR_FUZZ_CHECK(!readExpenseRecord(folder, count + 1, &error) && !error.isEmpty());

    ExpenseRecord appended{QStringLiteral("12/6/2026"),
                           QStringLiteral("Paid to"),
                           QStringLiteral("Office - Supplies"),
                           QStringLiteral("$1.00"),
                           paymentMethodText(PayByCash),
                           {},
                           kOpenStatus.toString()};
    if (count > 0) {
        const qint64 k = 1 + choice % count;
        const std::optional<ExpenseRecord> read = readExpenseRecord(folder, k);
        PELLAR_FUZZ_CHECK(read && *read == decodeExpense(records[k - 1]));
        PELLAR_FUZZ_CHECK(trimmedFields(*read));
        PELLAR_FUZZ_CHECK(decodeExpense(encodeExpense(*read)) == *read);
        appended = *read;
    }

    PELLAR_FUZZ_CHECK(appendExpenseRecords(folder, {appended}).ok);
    const QByteArray after = pellar::fuzz::dataFileBytes(kExpensesFile);
    const qsizetype boundary = records.size() * kExpenseRecordLength;
    PELLAR_FUZZ_CHECK(after.size() == boundary + kExpenseRecordLength);
    PELLAR_FUZZ_CHECK(after.first(file.size()) == file);
    PELLAR_FUZZ_CHECK(after.sliced(file.size(), boundary - file.size()) ==
                      QByteArray(boundary - file.size(), ' '));
    const std::optional<ExpenseRecord> back = readExpenseRecord(folder, records.size() + 1);
    PELLAR_FUZZ_CHECK(back && *back == appended);
    return 0;
}
