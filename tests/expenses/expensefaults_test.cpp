// The expense file's writes failing for real (a file that may not grow past a limit) and
// its rewrite killed at random moments: the file is always whole, old or new.
#include "common/core/datafiles.h"
#include "expenses/core/contacts.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expensefile.h"
#include "tests/expenses/spendlogfixture.h"
#include "tests/support/faults.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace expenses;
using pellar::testing::ChildOutcome;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

namespace {

// records dated 1/1/2020 onwards, a day apart
QByteArray expenseFile(int records) {
    QByteArray bytes;
    bytes.reserve(records * kExpenseRecordLength);
    const QDate first(2020, 1, 1);
    for (int i = 0; i < records; ++i) {
        bytes +=
            encodeExpense(expenses::testing::dated(first.addDays(i % 2000).toString(u"M/d/yyyy"),
                                                   QStringLiteral("Harbor Fuel %1").arg(i)));
    }
    return bytes;
}

QStringList filesIn(const ScratchDataFolder& folder) {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(ExpenseFaults, AppendCleanupAndDeletionLeaveTheFilesAsTheyWere) {
    ScratchDataFolder folder;
    const QByteArray old = expenseFile(20);
    folder.put("NewExpenses.txt", old);

    // A split of three lines with room for one and a half: none of them is written.
    const ExpenseRecord line = decodeExpense(old.left(kExpenseRecordLength));
    EXPECT_EQ(
        runUnderFileSizeLimit(old.size() + 220,
                              [&] {
                                  return bool(appendExpenseRecords(folder, {line, line, line}));
                              }),
        ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), old);

    // The cleanup's rewrite with too little room: every record is still there.
    EXPECT_EQ(
        runUnderFileSizeLimit(
            1000,
            [&] {
                return bool(
                    removeExpensesBetween(folder, QDate(2020, 1, 1), QDate(2020, 1, 5)).result);
            }),
        ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), old);

    // Deleting a contact rewrites the contacts file through a scratch file.
    const QByteArray contacts =
        encodeContact(expenses::testing::SpendlogTest::contact("Acme")).repeated(6);
    folder.put("VendorDat.txt", contacts);
    EXPECT_EQ(runUnderFileSizeLimit(500, [&] { return bool(deleteContact(folder, 2)); }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("VendorDat.txt"), contacts);
    EXPECT_EQ(filesIn(folder), (QStringList{"NewExpenses.txt", "VendorDat.txt"}));
}

TEST(ExpenseFaults, CleanupKilledAtAnyMomentLeavesAWholeFile) {
    ScratchDataFolder folder;
    const QByteArray full = expenseFile(12000); // 1.7 MB
    folder.put("NewExpenses.txt", full);
    CleanupOutcome expected;
    const QByteArray cleaned =
        keptExpenseRecords(full, QDate(2020, 1, 1), QDate(2021, 12, 31), &expected);
    ASSERT_GT(expected.removed, 0);

    int sawOld = 0;
    int sawNew = 0;
    pellar::testing::killDuringRewrites(
        folder.file("NewExpenses.txt"),
        [&](int round) {
            if (round % 2 == 0)
                removeExpensesBetween(folder, QDate(2020, 1, 1), QDate(2021, 12, 31));
            else
                pellar::writeDataFile(folder, kExpensesFile, full);
        },
        [&](const QByteArray& after) {
            ASSERT_TRUE(after == full || after == cleaned)
                << "a file of " << after.size() << " bytes";
            (after == full ? sawOld : sawNew)++;
            // The next start reads it whole.
            EXPECT_EQ(expenseRecordCount(folder), after.size() / kExpenseRecordLength);
            EXPECT_EQ(readExpenseFile(folder).bytes, after);
        },
        pellar::testing::killCount(), 60000);
    std::printf("[ kills    ] %d: %d old, %d new\n", sawOld + sawNew, sawOld, sawNew);
}
