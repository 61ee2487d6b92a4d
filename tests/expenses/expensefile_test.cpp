// The expense file: record bytes, appending, the rewrite without a date range, and the
// review's reading of the records.
#include "common/core/regional.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expensefile.h"
#include "expenses/core/expensereview.h"
#include "tests/expenses/spendlogfixture.h"
#include "tests/support/faults.h"

#include <QDir>

using namespace expenses;
using expenses::testing::dated;
using expenses::testing::expenseFileOf;
using pellar::testing::ScratchDataFolder;

namespace {

QByteArray padded(const char* text, int width) {
    QByteArray bytes(text);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

QStringList datesIn(const QByteArray& file) {
    QStringList dates;
    for (const ExpenseRecord& r : expenses::testing::expensesIn(file))
        dates.append(r.date);
    return dates;
}

} // namespace

TEST(ExpenseRecordBytes, FieldsSitAtTheirOffsetsPaddedAndCut) {
    const ExpenseRecord check = FillExpenseRecord(
        QDate(2026, 12, 6), QStringLiteral("$1,234.56"), QStringLiteral("Office - Supplies"),
        QStringLiteral("Harbor Fuel"), PayByCheck, QStringLiteral("1042"));
    const QByteArray bytes = encodeExpense(check);
    EXPECT_EQ(bytes, padded("12/6/2026", 10) + padded("Harbor Fuel", 30) +
                         padded("Office - Supplies", 35) + padded("$1,234.56", 15) +
                         padded("Check ", 20) + padded("1042", 25) + padded("Open", 10));
    ASSERT_EQ(bytes.size(), kExpenseRecordLength);
    // The blank after "Check" is stored, and the reader's trimming takes it off again.
    EXPECT_EQ(decodeExpense(bytes).paymentMethod, "Check");

    // The reference belongs to checks and cards only.
    for (const auto& [payment, method, reference] :
         {std::tuple{PayByCash, "Cash", ""}, std::tuple{PayByEBill, "E-Bill Payment", ""},
          std::tuple{PayByCreditCard, "Credit Card", "Visa"}}) {
        const ExpenseRecord r = FillExpenseRecord({2026, 1, 2}, "$1.00", "T", "P", payment, "Visa");
        EXPECT_EQ(r.paymentMethod, method);
        EXPECT_EQ(r.reference, reference) << method;
    }

    // Longer values are cut at the field's width, in bytes of the 8-bit code page.
    ExpenseRecord longer = check;
    longer.paidTo = QString(40, u'P');
    longer.forWhat = QString(50, u'F');
    longer.reference = QString(30, u'R');
    longer.amount = QStringLiteral("Caf\u00e9 \u20ac12 \u4e00");
    const QByteArray cut = encodeExpense(longer);
    ASSERT_EQ(cut.size(), kExpenseRecordLength);
    EXPECT_EQ(cut.mid(10, 30), QByteArray(30, 'P'));
    EXPECT_EQ(cut.mid(40, 35), QByteArray(35, 'F'));
    EXPECT_EQ(cut.mid(110, 25), QByteArray(25, 'R'));
    EXPECT_EQ(cut.mid(75, 15), padded("Caf\xe9 \x80"
                                      "12 ?",
                                      15));
    EXPECT_EQ(decodeExpense(cut).amount, QStringLiteral("Caf\u00e9 \u20ac12 ?"));
    EXPECT_FALSE(fitsField(AmountField, QStringLiteral("($99,999,999.99)")));
    EXPECT_TRUE(fitsField(AmountField, QStringLiteral("$999,999,999.99")));
}

TEST(ExpenseFileAppend, WritesAfterTheLastRecordAndLeavesEarlierBytesAlone) {
    ScratchDataFolder folder;
    EXPECT_EQ(expenseRecordCount(folder), 0);
    ASSERT_TRUE(WriteExpenseRecord(folder, dated("1/5/2026", "First")));
    const QByteArray first = folder.bytes("NewExpenses.txt");
    ASSERT_EQ(first.size(), 145);
    ASSERT_TRUE(
        appendExpenseRecords(folder, {dated("1/6/2026", "Second"), dated("1/7/2026", "Third")}));
    const QByteArray three = folder.bytes("NewExpenses.txt");
    ASSERT_EQ(three.size(), 3 * 145);
    EXPECT_EQ(three.left(145), first);
    EXPECT_EQ(expenseRecordCount(folder), 3);
    EXPECT_EQ(readExpenseRecord(folder, 2)->paidTo, "Second");
    EXPECT_EQ(readExpenseRecord(folder, 3)->date, "1/7/2026");
    EXPECT_FALSE(readExpenseRecord(folder, 4));

    // A damaged last record (a file cut short) is padded out and kept, not overwritten.
    QByteArray damaged = three + encodeExpense(dated("1/8/2026", "Cut")).left(40);
    folder.put("NewExpenses.txt", damaged);
    EXPECT_EQ(expenseRecordCount(folder), 3); // 475 / 145 rounds down
    ASSERT_TRUE(WriteExpenseRecord(folder, dated("1/9/2026", "After")));
    const QByteArray repaired = folder.bytes("NewExpenses.txt");
    ASSERT_EQ(repaired.size(), 5 * 145);
    EXPECT_EQ(repaired.left(damaged.size()), damaged);
    EXPECT_EQ(repaired.mid(damaged.size(), 145 - 40), QByteArray(105, ' '));
    EXPECT_EQ(readExpenseRecord(folder, 4)->paidTo, "Cut");
    EXPECT_EQ(readExpenseRecord(folder, 5)->paidTo, "After");
}

TEST(ExpenseCleanup, RemovesTheRangeInclusiveAndKeepsTheRestInOrder) {
    ScratchDataFolder folder;
    // No file: nothing happens and nothing is created.
    CleanupOutcome none = removeExpensesBetween(folder, {2026, 1, 1}, {2026, 12, 31});
    EXPECT_FALSE(none.fileFound);
    EXPECT_TRUE(none.result);
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    ExpenseRecord voided = dated("3/10/2026", "Voided");
    voided.paymentMethod = QStringLiteral("Void Check");
    ExpenseRecord archived = dated("3/11/2026", "Archived");
    archived.status = QStringLiteral("Archived");
    const QByteArray original = expenseFileOf(
        {dated("12/31/1999"), dated("3/1/2026"), voided, dated("not a date", "Damaged"), archived,
         dated("3/31/2026"), dated("4/1/2026"), dated("3/15/2026")});
    folder.put("NewExpenses.txt", original);
    folder.put("Temp.txt", "left by an interrupted run");

    // A range that covers no record leaves the file as it was.
    CleanupOutcome outcome = removeExpensesBetween(folder, {2025, 1, 1}, {2025, 12, 31});
    EXPECT_EQ(outcome.removed, 0);
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), original);
    EXPECT_FALSE(folder.exists("Temp.txt"));

    // Both ends are included; void and archived records go too; an undatable one stays.
    outcome = removeExpensesBetween(folder, {2026, 3, 1}, {2026, 3, 31});
    EXPECT_TRUE(outcome.result) << outcome.result.error.toStdString();
    EXPECT_EQ(outcome.removed, 5);
    EXPECT_EQ(outcome.kept, 3);
    EXPECT_EQ(outcome.keptUnreadable, 1);
    const QByteArray after = folder.bytes("NewExpenses.txt");
    EXPECT_EQ(datesIn(after), (QStringList{"12/31/1999", "not a date", "4/1/2026"}));
    EXPECT_EQ(after.left(145), original.left(145)); // kept records byte for byte
    EXPECT_TRUE(cleanupReport(outcome).startsWith(
        "5 records were removed; 3 records are left. 1 record whose date could not be read was "
        "kept. The file as it was is kept in "));
    // That copy is the file before the cleanup; without it, nothing is removed.
    EXPECT_EQ(pellar::testing::fileBytes(outcome.copyPath), original);
    // Nothing else is left in the folder by the rewrite.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"NewExpenses.txt"});

    // One day exactly, then everything datable from 2000 on.
    folder.put("NewExpenses.txt",
               expenseFileOf({dated("5/4/2026", "Before"), dated("5/5/2026", "A"),
                              dated("5/5/2026", "B"), dated("5/6/2026", "After")}));
    outcome = removeExpensesBetween(folder, {2026, 5, 5}, {2026, 5, 5});
    EXPECT_EQ(outcome.removed, 2);
    EXPECT_EQ(datesIn(folder.bytes("NewExpenses.txt")), (QStringList{"5/4/2026", "5/6/2026"}));
    outcome = removeExpensesBetween(folder, {2000, 1, 1}, {2026, 12, 6});
    EXPECT_EQ(outcome.removed, 2);
    EXPECT_EQ(folder.bytes("NewExpenses.txt").size(), 0);

    folder.put("NewExpenses.txt", original);
    QDir(folder.file("Backup")).removeRecursively();
    folder.put("Backup", "a file where the backup folder belongs");
    outcome = removeExpensesBetween(folder, {2026, 3, 1}, {2026, 3, 31});
    EXPECT_FALSE(outcome.result);
    EXPECT_TRUE(outcome.result.error.contains("No records were removed"));
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), original);
}

TEST(ExpenseReviewRecords, PeriodMarkersAndExactTotal) {
    ExpenseRecord voided = dated("12/6/2026", "Voided", "$5.00");
    voided.paymentMethod = QStringLiteral("Void Check  ");
    ExpenseRecord archived = dated("12/6/2026", "Archived", "$6.00");
    archived.status = QStringLiteral("Archived");
    QList<ExpenseRecord> records{dated("12/6/2026", "Today", "$1,234.56"),
                                 dated("12/7/2026", "Tomorrow", "$99.00"),
                                 voided,
                                 archived,
                                 dated("12/1/2026", "First", "($4.56)"),
                                 dated("11/30/2026", "Before", "$7.00"),
                                 dated("12/2/2026", "Odd amount", "twelve"),
                                 dated("13/45/2026", "Bad date", "$8.00")};
    const ExpenseReview review =
        reviewExpenseRecords(expenseFileOf(records), QDate(2026, 12, 1), QDate(2026, 12, 6));
    ASSERT_EQ(review.rows.size(), 3);
    EXPECT_EQ(review.rows[0].paidTo, "Today");
    EXPECT_EQ(review.rows[1].paidTo, "First");
    EXPECT_EQ(review.rows[2].paidTo, "Odd amount");
    EXPECT_FALSE(review.rows[2].amount);
    EXPECT_EQ(review.rows[2].storedAmount, "twelve");
    EXPECT_EQ(review.total, pellar::Currency::fromUnits(12300000));
    EXPECT_EQ(review.unreadableDates, 1);
    EXPECT_EQ(review.unreadableAmounts, 1);
    EXPECT_EQ(unreadableNotice(review),
              "1 record has a date that could not be read; it is not listed. 1 listed record has "
              "an amount that could not be read; it is left out of the total.");

    // Ten thousand cents add up to exactly one hundred dollars, and large sums stay exact.
    QList<ExpenseRecord> cents(10000, dated("6/1/2026", "Cent", "$0.01"));
    cents.append(dated("6/1/2026", "Large", "$9,999,999.99"));
    const ExpenseReview sum =
        reviewExpenseRecords(expenseFileOf(cents), {2026, 6, 1}, {2026, 6, 1});
    EXPECT_EQ(sum.total, pellar::Currency::fromUnits(100'000'999'900));
    EXPECT_TRUE(unreadableNotice(sum).isEmpty());
}

// More distinct dates and amounts than the review keeps read at a time, and a last record
// cut short before its amount: every row is read from its own record.
TEST(ExpenseReviewRecords, ThousandsOfDistinctTextsAndALastRecordCutShort) {
    QList<ExpenseRecord> records;
    for (int n = 1; n <= 3000; ++n)
        records.append(dated(QDate(2020, 1, 1).addDays(n).toString(u"M/d/yyyy"), QString::number(n),
                             QStringLiteral("$%1.00").arg(n)));
    const QByteArray file =
        expenseFileOf(records) + encodeExpense(dated("6/1/2026", "Cut")).left(60);
    const ExpenseReview review = reviewExpenseRecords(file, QDate(2020, 1, 1), QDate(2030, 1, 1));
    ASSERT_EQ(review.rows.size(), 3001);
    EXPECT_EQ(review.total, pellar::Currency::fromUnits(qint64(3000 * 3001 / 2) * 10000));
    const ReviewRow row = review.rows[1999];
    EXPECT_EQ(row.date, QDate(2020, 1, 1).addDays(2000).toString(u"M/d/yyyy"));
    EXPECT_EQ(row.paidTo, "2000");
    EXPECT_EQ(row.amount, pellar::Currency::fromUnits(2000 * 10000));
    const ReviewRow cut = review.rows[3000];
    EXPECT_EQ(cut.paidTo, "Cut");
    EXPECT_FALSE(cut.amount);
    EXPECT_TRUE(cut.storedAmount.isEmpty());
    EXPECT_EQ(review.unreadableAmounts, 1);
}

TEST(ExpenseRecordDates, ADateWrittenUnderAnotherRegionIsReadWhenItsSeparatorSettlesIt) {
    const QDate december7(2026, 12, 7);
    const auto under = [](const char* locale) {
        return pellar::RegionalSettings::fromLocale(QLocale(QString::fromLatin1(locale)));
    };
    for (const char* locale : {"en_US", "de_DE"}) {
        const pellar::ScopedRegionalSettings region(under(locale));
        for (const char* stored : {"12/7/2026", "07.12.2026", "7.12.2026"})
            EXPECT_EQ(readRecordDate(QString::fromLatin1(stored)), december7)
                << locale << " " << stored;
        EXPECT_FALSE(readRecordDate(u"13/7/2026")) << locale;
        EXPECT_FALSE(readRecordDate(u"7-12-2026")) << locale;
    }
    // Where the form itself is day first with "/", "12/7/2026" is that form's and stays so.
    const pellar::ScopedRegionalSettings british(under("en_GB"));
    EXPECT_EQ(readRecordDate(u"12/7/2026"), QDate(2026, 7, 12));
    EXPECT_EQ(readRecordDate(u"07.12.2026"), december7);

    // The review counts such a record as read, not unreadable.
    const pellar::ScopedRegionalSettings us(under("en_US"));
    const QByteArray file =
        encodeExpense({"07.12.2026", "Harbor Fuel", "Travel", "$5.00", "Cash", "", "Open"});
    const ExpenseReview review = reviewExpenseRecords(file, QDate(2026, 1, 1), december7);
    EXPECT_EQ(review.unreadableDates, 0);
    EXPECT_EQ(review.rows.size(), 1);
}
