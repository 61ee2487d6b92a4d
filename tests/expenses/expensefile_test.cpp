// The expense file: record bytes, appending, the rewrite of a date range and the review's
// reading of the records; the export for the accountant (CSV and journal) and the category
// totals, read back as a spreadsheet or an accounting tool would. Its writes failing for real
// (a file that may not grow past a limit) and its rewrite killed at random moments: the file
// is always whole, old or new. Two copies of the program on one data folder, as two real
// processes: a posting during a cleanup, and long runs of appends against cleanups and of
// contact edits against additions and deletions. Nothing either copy wrote may be lost,
// blanked or put in another's place.
#include "common/core/datafiles.h"
#include "common/core/regional.h"
#include "common/ui/printersurface.h"
#include "expenses/core/categorytotals.h"
#include "expenses/core/contactcursor.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expenseexport.h"
#include "expenses/core/expensereview.h"
#include "tests/expenses/spendlogfixture.h"
#include "tests/support/faults.h"
#include "tests/support/keeppdf.h"
#include "tests/support/recordingsurface.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

using namespace expenses;
using namespace expenses::testing;
using pellar::Currency;
using pellar::testing::ChildOutcome;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

namespace {

// records dated 1/1/2020 onwards, a day apart
QByteArray expenseFile(int records) {
    QByteArray bytes;
    bytes.reserve(records * kExpenseRecordLength);
    const QDate first(2020, 1, 1);
    for (int i = 0; i < records; ++i)
        bytes += encodeExpense(dated(first.addDays(i % 2000).toString(u"M/d/yyyy"),
                                     QStringLiteral("Harbor Fuel %1").arg(i)));
    return bytes;
}

// Runs `work` in a forked child that ends with _exit: 0 when it returned true. With a gate,
// the child starts its work only once the gate file exists, so two children run together.
pid_t startChild(const std::function<bool()>& work, const QString& gate = {}) {
    const pid_t child = ::fork();
    if (child == 0) {
        while (!gate.isEmpty() && !QFileInfo::exists(gate))
            QThread::usleep(200);
        ::_exit(work() ? 0 : 1);
    }
    return child;
}

// Lets children waiting at the gate go.
void open(const QString& gate) {
    QFile(gate).open(QIODevice::WriteOnly);
}

// True when the child ended by itself with exit code 0.
bool succeeded(pid_t child) {
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Waits up to `ms` for the child to end; true (and reaped, its success in *ok) when it did.
bool endedWithin(pid_t child, int ms, bool* ok) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            *ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            return true;
        }
        QThread::msleep(2);
    }
    return false;
}

int stressRounds() {
    const int wanted = qEnvironmentVariableIntValue("PELLAR_STRESS_ROUNDS"); // 0 when unset
    return wanted > 0 ? wanted : 30;
}

// The record number of the first contact whose name starts so; 0 when there is none.
qint64 recordNamed(const ContactCursor& cursor, const QString& start) {
    const QList<Contact>& contacts = cursor.contacts();
    for (qsizetype i = 0; i < contacts.size(); ++i)
        if (contacts[i].name.startsWith(start))
            return i + 1;
    return 0;
}

// RFC 4180, strictly: CR LF after every record, a quote only around a whole field (doubled
// inside it), every record as many fields as the header. nullopt for anything else.
std::optional<QList<QStringList>> readCsvStrictly(const QString& text) {
    static const QRegularExpression field(R"re((?:"((?:[^"]|"")*)"|([^",\r\n]*))(,|\r\n))re");
    QList<QStringList> records;
    QStringList fields;
    for (qsizetype at = 0; at < text.size();) {
        const QRegularExpressionMatch m =
            field.match(text, at, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            return std::nullopt;
        fields.append(m.hasCaptured(1)
                          ? m.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\""))
                          : m.captured(2));
        at = m.capturedEnd();
        if (m.captured(3) == u"\r\n") {
            if (!records.isEmpty() && fields.size() != records.front().size())
                return std::nullopt;
            records.append(std::exchange(fields, {}));
        }
    }
    if (!fields.isEmpty()) // a last record without its line end
        return std::nullopt;
    return records;
}

qint64 unitsOf(const QString& plain) {
    const std::optional<Currency> value = Currency::fromDecimalText(plain);
    EXPECT_TRUE(value.has_value()) << plain.toStdString();
    return value ? value->units() : 0;
}

ExpenseRecord record(const char* date, const QString& payee, const QString& category,
                     const char* amount, const char* method = "Cash", const char* reference = "",
                     const char* status = "Open") {
    return {date, payee, category, amount, method, reference, status};
}

// A year of the things an accountant's file must carry through: quotes, commas, an accent,
// a text that looks like a formula, a reference with a leading zero, a split of three lines,
// and what the review leaves out.
QByteArray awkwardYear() {
    return expenseFileOf(
        {record("12/31/2025", "Old Year", "Travel", "$5.00"),
         record("1/5/2026", QStringLiteral("He said \"Hi\", Inc."), "Office - Supplies", "$125.50",
                "Check ", "1047"),
         record("1/31/2026", QStringLiteral("Café Zoë"), "=SUM(A1)", "$10.00"),
         record("2/29/2026", "Not a date", "Travel", "$1.00"), // 2026 is no leap year
         record("3/1/2026", "Harbor Fuel", "Vehicle - Fuel", "$33.33", "Credit Card", "00123"),
         record("3/1/2026", "Harbor Fuel", "Travel", "$33.33", "Credit Card", "00123"),
         record("3/1/2026", "Harbor Fuel", "Office - Supplies", "$33.34", "Credit Card", "00123"),
         record("4/2/2026", "Voided", "Travel", "$99.00", "Void Check", "1050"),
         record("4/3/2026", "Archived", "Travel", "$99.00", "Cash", "", "Archived"),
         record("5/6/2026", "Bank", "Finance Charge", "4.97", "Credit Card", "First Harbor"),
         record("12/31/2026", "Year End", "Travel", "-$2.50", "E-Bill Payment"),
         record("1/1/2027", "New Year", "Travel", "$7.00")});
}

const DateRange k2026{QDate(2026, 1, 1), QDate(2026, 12, 31)};

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

    const ExpenseRecord voided = record("3/10/2026", "Voided", "Travel", "$10.00", "Void Check");
    const ExpenseRecord archived =
        record("3/11/2026", "Archived", "Travel", "$10.00", "Cash", "", "Archived");
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
    EXPECT_EQ(fieldIn(after, &ExpenseRecord::date),
              (QStringList{"12/31/1999", "not a date", "4/1/2026"}));
    EXPECT_EQ(after.left(145), original.left(145)); // kept records byte for byte
    EXPECT_TRUE(cleanupReport(outcome).startsWith(
        "5 records were removed; 3 records are left. 1 record whose date could not be read was "
        "kept. The file as it was is kept in "));
    // That copy is the file before the cleanup; without it, nothing is removed.
    EXPECT_EQ(pellar::testing::fileBytes(outcome.copyPath), original);
    // Nothing else is left in the folder by the rewrite.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"NewExpenses.txt"});

    // Everything datable from 2000 on: nothing is left.
    folder.put("NewExpenses.txt", expenseFileOf({dated("5/4/2026"), dated("5/6/2026")}));
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
    const QByteArray file = expenseFileOf(
        {dated("12/6/2026", "Today", "$1,234.56"), dated("12/7/2026", "Tomorrow", "$99.00"),
         record("12/6/2026", "Voided", "Travel", "$5.00", "Void Check  "),
         record("12/6/2026", "Archived", "Travel", "$6.00", "Cash", "", "Archived"),
         dated("12/1/2026", "First", "($4.56)"), dated("11/30/2026", "Before", "$7.00"),
         dated("12/2/2026", "Odd amount", "twelve"), dated("13/45/2026", "Bad date", "$8.00")});
    const ExpenseReview review = reviewExpenseRecords(file, QDate(2026, 12, 1), QDate(2026, 12, 6));
    ASSERT_EQ(review.rows.size(), 3);
    EXPECT_EQ(review.rows[0].paidTo, "Today");
    EXPECT_EQ(review.rows[1].paidTo, "First");
    EXPECT_EQ(review.rows[2].paidTo, "Odd amount");
    EXPECT_FALSE(review.rows[2].amount);
    EXPECT_EQ(review.rows[2].storedAmount, "twelve");
    EXPECT_EQ(review.total, Currency::fromUnits(12300000));
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
    EXPECT_EQ(sum.total, Currency::fromUnits(100'000'999'900));
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
    EXPECT_EQ(review.total, Currency::fromUnits(qint64(3000 * 3001 / 2) * 10000));
    const ReviewRow row = review.rows[1999];
    EXPECT_EQ(row.date, QDate(2020, 1, 1).addDays(2000).toString(u"M/d/yyyy"));
    EXPECT_EQ(row.paidTo, "2000");
    EXPECT_EQ(row.amount, Currency::fromUnits(2000 * 10000));
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

TEST(ExpenseFaults, AppendCleanupAndDeletionLeaveTheFilesAsTheyWere) {
    ScratchDataFolder folder;
    const QByteArray old = expenseFile(20);
    folder.put("NewExpenses.txt", old);

    // A split of three lines with room for one and a half: none of them is written.
    const ExpenseRecord line = decodeExpense(old.left(kExpenseRecordLength));
    const auto split = [&] {
        return bool(appendExpenseRecords(folder, {line, line, line}));
    };
    EXPECT_EQ(runUnderFileSizeLimit(old.size() + 220, split), ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), old);

    // The cleanup's rewrite with too little room: every record is still there.
    const auto cleanup = [&] {
        return bool(removeExpensesBetween(folder, {2020, 1, 1}, {2020, 1, 5}).result);
    };
    EXPECT_EQ(runUnderFileSizeLimit(1000, cleanup), ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), old);

    // Deleting a contact rewrites the contacts file through a scratch file.
    const QByteArray contacts = encodeContact(SpendlogTest::contact("Acme")).repeated(6);
    folder.put("VendorDat.txt", contacts);
    EXPECT_EQ(runUnderFileSizeLimit(500, [&] { return bool(deleteContact(folder, 2)); }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("VendorDat.txt"), contacts);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"NewExpenses.txt", "VendorDat.txt"}));
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

TEST(SharedExpenseFile, AnExpensePostedWhileACleanupRunsSurvivesIt) {
    ScratchDataFolder folder;
    QTemporaryDir handshake;
    const QString pause = handshake.filePath("cleanup");
    const QByteArray original = expenseFileOf(
        {dated("3/1/2001", "Old one"), dated("4/1/2026", "Recent"), dated("5/1/2001", "Old two")});
    folder.put("NewExpenses.txt", original);

    // The cleanup stops after its read, before its rewrite.
    const pid_t cleanup = startChild([&] {
        qputenv("PELLAR_PAUSE_AT", "cleanup");
        qputenv("PELLAR_PAUSE_FILE", pause.toLocal8Bit());
        return bool(removeExpensesBetween(folder, {2001, 1, 1}, {2001, 12, 31}).result);
    });
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(pause + ".reached") && waited.elapsed() < 10000)
        QThread::msleep(2);
    ASSERT_TRUE(QFileInfo::exists(pause + ".reached"));

    // The other copy posts an expense dated inside the range. It may finish now or wait
    // for the cleanup; either way the cleanup goes on only after it had its chance.
    const pid_t posting = startChild(
        [&] { return bool(WriteExpenseRecord(folder, dated("6/15/2001", "Posted meanwhile"))); });
    bool posted = false;
    const bool postedFirst = endedWithin(posting, 400, &posted);
    open(pause + ".go");
    EXPECT_TRUE(succeeded(cleanup));
    if (!postedFirst)
        posted = succeeded(posting);
    EXPECT_TRUE(posted);

    EXPECT_EQ(fieldIn(folder.bytes("NewExpenses.txt"), &ExpenseRecord::paidTo),
              (QStringList{"Recent", "Posted meanwhile"}));
    // The file as the cleanup found it is kept in the day's backup folder.
    const QDir day(folder.file("Backup/" + QDate::currentDate().toString("yyyy-MM-dd")));
    const QStringList copies = day.entryList({"NewExpenses before cleanup *.txt"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(folder.bytes("Backup/" + day.dirName() + "/" + copies[0]), original);
}

TEST(SharedExpenseFile, AppendsAgainstCleanupsLoseNoRecordAndLeaveNoneBlank) {
    ScratchDataFolder folder;
    QTemporaryDir handshake;
    const QString gate = handshake.filePath("go");
    const int rounds = stressRounds();
    // Years of kept records, so each cleanup takes a while to read and rewrite.
    QList<ExpenseRecord> years(1000, dated("7/7/2020", QStringLiteral("Kept")));
    folder.put("NewExpenses.txt", expenseFileOf(years));

    // Each round posts a split of two lines: an old one the cleanups may take and a recent
    // one they must never touch.
    const pid_t poster = startChild(
        [&] {
            for (int i = 0; i < rounds; ++i) {
                if (!appendExpenseRecords(folder,
                                          {dated("2/2/2001", QStringLiteral("Old %1").arg(i)),
                                           dated("2/2/2026", QStringLiteral("New %1").arg(i))}))
                    return false;
                QThread::usleep(500);
            }
            return true;
        },
        gate);
    const pid_t cleaner = startChild(
        [&] {
            for (int i = 0; i < rounds; ++i) {
                if (!removeExpensesBetween(folder, {2001, 1, 1}, {2001, 12, 31}).result)
                    return false;
                // A breath between cleanups: the lock is not handed out in turn, and a copy
                // that takes it back at once could keep the other waiting past its patience.
                QThread::usleep(500);
            }
            return true;
        },
        gate);
    open(gate);
    EXPECT_TRUE(succeeded(poster));
    EXPECT_TRUE(succeeded(cleaner));

    const QByteArray file = folder.bytes("NewExpenses.txt");
    EXPECT_EQ(file.size() % kExpenseRecordLength, 0);
    QStringList recent;
    int kept = 0;
    for (const ExpenseRecord& r : expensesIn(file)) {
        ASSERT_EQ(r.status, "Open") << "a blank or partial record";
        if (r.date == "2/2/2026")
            recent << r.paidTo;
        else if (r.paidTo == "Kept")
            ++kept;
        else
            EXPECT_EQ(r.date, "2/2/2001");
    }
    EXPECT_EQ(kept, years.size());
    QStringList posted;
    for (int i = 0; i < rounds; ++i)
        posted << QStringLiteral("New %1").arg(i);
    EXPECT_EQ(recent, posted);
}

TEST(SharedContactsFile, EditsAgainstAdditionsAndDeletionsNeverLandOnAnotherContact) {
    ScratchDataFolder folder;
    const int rounds = stressRounds();
    // One copy's contacts come first, so each of its deletions moves the other's records.
    QStringList adders;
    for (int i = 0; i < 8; ++i)
        adders << QStringLiteral("A-seed-%1").arg(i);
    const QStringList editors{"B-0", "B-1", "B-2", "B-3"};
    for (const QString& name : adders + editors)
        ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, named(name)));

    QTemporaryDir handshake;
    const QString gate = handshake.filePath("go");
    // Adds a contact and deletes its own first one in turn.
    const pid_t adder = startChild(
        [&] {
            ContactCursor cursor(folder);
            for (int i = 0; i < rounds; ++i) {
                ContactSave done;
                do {
                    cursor.reload();
                    if (i % 2 == 0) {
                        cursor.startNew();
                        Contact added = named(QStringLiteral("A-new-%1").arg(i));
                        done = cursor.save(added);
                    } else {
                        cursor.select(recordNamed(cursor, "A-"));
                        done = cursor.deleteCurrent();
                    }
                } while (done.status == ContactSave::ChangedElsewhere);
                if (!done)
                    return false;
            }
            return true;
        },
        gate);
    // Edits its own contacts by record number, as the contacts form does.
    const pid_t editor = startChild(
        [&] {
            ContactCursor cursor(folder);
            for (int i = 0; i < rounds; ++i) {
                ContactSave done;
                do {
                    cursor.reload();
                    cursor.select(recordNamed(cursor, editors[i % editors.size()]));
                    Contact edited = *cursor.currentContact();
                    edited.keyContact = QStringLiteral("edit %1").arg(i);
                    done = cursor.save(edited);
                } while (done.status == ContactSave::ChangedElsewhere);
                if (!done)
                    return false;
            }
            return true;
        },
        gate);
    open(gate);
    EXPECT_TRUE(succeeded(adder));
    EXPECT_TRUE(succeeded(editor));

    QStringList expectedAdders = adders;
    for (int i = 0; i < rounds; ++i) {
        if (i % 2 == 0)
            expectedAdders << QStringLiteral("A-new-%1").arg(i);
        else
            expectedAdders.removeFirst();
    }
    // Each of the editor's contacts once, in its order, with the last edit made to it.
    QStringList lastEdits = editors;
    for (int i = 0; i < rounds; ++i)
        lastEdits[i % editors.size()] =
            editors[i % editors.size()] + QStringLiteral(": edit %1").arg(i);
    EXPECT_EQ(folder.bytes("VendorDat.txt").size() % kContactRecordLength, 0);
    QStringList onFileAdders, onFileEditors;
    for (const Contact& c : readContacts(folder).contacts) {
        if (c.name.startsWith(u"A-"))
            onFileAdders << c.name;
        else
            onFileEditors << c.name + QStringLiteral(": ") + c.keyContact;
    }
    EXPECT_EQ(onFileAdders, expectedAdders);
    EXPECT_EQ(onFileEditors, lastEdits);
}

TEST(ExpenseExport, TheCsvReadsBackStrictlyWithTheReviewsRecordsAndTotalAndFiltersNarrowIt) {
    const QByteArray file = awkwardYear();
    const ExpenseExport expenses = collectExport(file, {k2026, {}, {}});
    const QByteArray csv = exportCsv(expenses);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const std::optional<QList<QStringList>> table = readCsvStrictly(QString::fromUtf8(csv.mid(3)));
    ASSERT_TRUE(table.has_value()) << csv.toStdString();
    EXPECT_EQ(table->front(), QStringList({"Record", "Date", "Payee", "Category", "Amount",
                                           "Payment Method", "Reference"}));

    // The rows are the review's, one per line of a split, and add up to its total.
    const ExpenseReview review = reviewExpenseRecords(file, k2026.start, k2026.end);
    ASSERT_EQ(table->size() - 1, review.rows.size());
    qint64 sum = 0;
    for (qsizetype i = 1; i < table->size(); ++i)
        sum += unitsOf((*table)[i][4]);
    EXPECT_EQ(sum, review.total.units());
    EXPECT_EQ(sum, 2379700); // $237.97

    EXPECT_EQ((*table)[1], QStringList({"2", "2026-01-05", "He said \"Hi\", Inc.",
                                        "Office - Supplies", "125.50", "Check", "1047"}));
    EXPECT_EQ((*table)[2][2], QStringLiteral("Café Zoë"));
    EXPECT_EQ((*table)[2][3], QStringLiteral("'=SUM(A1)")); // inert in a spreadsheet
    for (int line = 3; line <= 5; ++line)
        EXPECT_EQ((*table)[line][6], "00123") << line;
    EXPECT_EQ((*table)[6][4], "4.97");
    EXPECT_EQ((*table)[7][4], "-2.50");

    EXPECT_EQ(exportSummary(expenses),
              "7 payments exported; 1 record with an unreadable date left out; 2 void or "
              "archived records left out.");

    // Categories and forms of payment narrow the rows.
    ExportFilter filter{k2026, {QStringLiteral("Travel")}, {}};
    QStringList payees;
    for (const ExportRow& row : collectExport(file, filter).rows)
        payees << row.payee;
    EXPECT_EQ(payees, QStringList({"Harbor Fuel", "Year End"}));

    filter = {k2026, {}, {PayByCreditCard}};
    EXPECT_EQ(collectExport(file, filter).rows.size(), 4);
    filter.categories = {QStringLiteral("Finance Charge")};
    EXPECT_EQ(collectExport(file, filter).rows.size(), 1);
}

TEST(ExpenseExport, EveryJournalTransactionBalancesAndCarriesTheCsvsAmounts) {
    const ExpenseExport expenses = collectExport(awkwardYear(), {k2026, {}, {}});
    const QStringList lines = QString::fromUtf8(exportJournal(expenses)).split(u'\n');

    QList<std::pair<QString, qint64>> expensePostings; // date and amount
    QList<qint64> transactionSums;
    QString date;
    int transactions = 0;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        if (!line.startsWith(u' ')) {
            date = line.left(10);
            ASSERT_TRUE(QDate::fromString(date, Qt::ISODate).isValid()) << line.toStdString();
            ++transactions;
            transactionSums.append(0);
            continue;
        }
        // An account, two blanks, an amount: nothing else on a posting line.
        const qsizetype gap = line.lastIndexOf(QStringLiteral("  "));
        ASSERT_GT(gap, 4) << line.toStdString();
        const QString account = line.mid(4, gap - 4);
        EXPECT_FALSE(account.contains(QStringLiteral("  ")) || account.contains(u';'));
        const qint64 units = unitsOf(line.mid(gap + 2));
        transactionSums.back() += units;
        if (account.startsWith(QStringLiteral("Expenses:")))
            expensePostings.append({date, units});
    }
    EXPECT_EQ(transactions, 5); // the split of three lines is one payment
    for (const qint64 sum : transactionSums)
        EXPECT_EQ(sum, 0);
    ASSERT_EQ(expensePostings.size(), expenses.rows.size());
    for (qsizetype i = 0; i < expenses.rows.size(); ++i)
        EXPECT_EQ(expensePostings[i], std::pair(expenses.rows[i].date.toString(Qt::ISODate),
                                                expenses.rows[i].amount.units()));
    EXPECT_TRUE(lines.contains(QStringLiteral("    Expenses:'=SUM(A1)  10.00")) ||
                lines.contains(QStringLiteral("    Expenses:=SUM(A1)  10.00")));
    EXPECT_TRUE(lines.contains(QStringLiteral("2026-03-01 (00123) Harbor Fuel")));
    EXPECT_TRUE(lines.contains(QStringLiteral("    Liabilities:Credit Card  -100.00")));
}

TEST(ExpenseExport, AWriteStoppedShortLeavesNoPartOfTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Expenses.csv"));
    const QByteArray bytes(64 * 1024, 'x');
    const auto write = [&] {
        return writeExportFile(path, bytes).ok;
    };
    EXPECT_EQ(runUnderFileSizeLimit(4096, write), ChildOutcome::ReportedFailure);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    // An older export of that name stays whole; the message names the file.
    ASSERT_TRUE(writeExportFile(path, "older"));
    EXPECT_EQ(runUnderFileSizeLimit(4096, write), ChildOutcome::ReportedFailure);
    EXPECT_EQ(pellar::testing::fileBytes(path), "older");
    const pellar::FileResult refused =
        writeExportFile(dir.filePath(QStringLiteral("missing/Expenses.csv")), bytes);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("missing/Expenses.csv")));
}

TEST(CategoryTotals, EveryCellIsTheSumOfItsRecordsAtTheMonthsEdges) {
    const QByteArray file = expenseFileOf(
        {record("1/31/2028", "A", "Travel", "$10.00"), record("2/1/2028", "B", "Travel", "$0.01"),
         record("2/29/2028", "C", "Travel", "$5.00"),
         record("2/29/2028", "D", "Office - Supplies", "$1.25"),
         record("3/1/2028", "E", "Gifts", "$2.00"), // not on the list: a row after the list's
         record("12/31/2028", "F", "Travel", "-$0.26"),
         record("1/1/2029", "G", "Travel", "$100.00")}); // after the period
    const CategoryTotals totals =
        totalCategories(file, {QDate(2028, 1, 1), QDate(2028, 12, 31)},
                        {QStringLiteral("Office - Supplies"), QStringLiteral("Travel"),
                         QStringLiteral("Utilities")});
    ASSERT_TRUE(totals.problem.isEmpty());
    EXPECT_EQ(totals.months, 12);
    EXPECT_EQ(totals.categories,
              QStringList({"Office - Supplies", "Travel", "Utilities", "Gifts"}));
    const auto units = [](const QList<Currency>& row) {
        QList<qint64> all;
        for (const Currency c : row)
            all << c.units();
        return all;
    };
    EXPECT_EQ(units(totals.cells[1]),
              (QList<qint64>{100000, 50100, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2600}));
    EXPECT_EQ(units(totals.cells[2]), QList<qint64>(12, 0)); // an empty category
    EXPECT_EQ(units(totals.rowTotals), (QList<qint64>{12500, 147500, 0, 20000}));
    EXPECT_EQ(units(totals.monthTotals),
              (QList<qint64>{100000, 62600, 20000, 0, 0, 0, 0, 0, 0, 0, 0, -2600}));
    EXPECT_EQ(totals.total.units(), 180000);
    EXPECT_EQ(totals.monthCaption(1), "Feb 2028");

    // Thirteen months, or an end before the start, are refused in words.
    EXPECT_FALSE(totalsPeriodProblem({QDate(2028, 1, 1), QDate(2029, 1, 1)}).isEmpty() ||
                 totalsPeriodProblem({QDate(2028, 2, 1), QDate(2028, 1, 31)}).isEmpty());
    EXPECT_TRUE(totalsPeriodProblem({QDate(2028, 2, 15), QDate(2029, 1, 31)}).isEmpty());
}

TEST(CategoryTotals, ThePrintedReportNeverPrintsTextOverText) {
    // Forty categories of the longest name a record holds, a large amount in every month: the
    // months go into tables of their own, each runs onto a second page, the charts follow.
    QList<ExpenseRecord> records;
    QStringList list;
    for (int c = 0; c < 40; ++c) {
        list << QStringLiteral("Category %1 with a long name").arg(c, 2).leftJustified(35, u'x');
        for (int m = 1; m <= 12; ++m)
            records << record(QStringLiteral("%1/15/2026").arg(m).toLatin1(), "Payee", list.back(),
                              "$123,456,789.01");
    }
    const CategoryTotals totals = totalCategories(expenseFileOf(records), k2026, list);
    ASSERT_TRUE(totals.problem.isEmpty()) << totals.problem.toStdString();
    const auto log = std::make_shared<pellar::PrintLog>();
    pellar::RecordingSurface surface(log, true);
    PrintCategoryTotals(surface, totals);
    EXPECT_TRUE(log->overlaps().isEmpty()) << log->overlaps().join(u'\n').toStdString();
    EXPECT_GE(log->pageCount(), 3);
    for (const pellar::PrintOp& op : log->texts())
        EXPECT_LE(op.x + op.text.size() * op.fontSize * 10, surface.pageWidth())
            << op.text.toStdString();
    EXPECT_NE(log->findText(pellar::formatCurrency(totals.total)), nullptr);
    EXPECT_NE(log->findText(QStringLiteral("Totals by Month")), nullptr);

    // And on paper, as a PDF from the printer surface (kept with PELLAR_KEEP_PDF to look at).
    QTemporaryDir dir;
    pellar::PrintJobSetup setup =
        pellar::documentJob(pellar::DataFolder(dir.path()), categoryTotalsKind(k2026), {});
    setup.printer.outputFile = dir.filePath(QStringLiteral("Category Totals.pdf"));
    pellar::PrinterSurface paper(setup);
    ASSERT_TRUE(paper.error().isEmpty()) << paper.error().toStdString();
    PrintCategoryTotals(paper, totals);
    EXPECT_TRUE(paper.endDoc()) << paper.error().toStdString();
    pellar::testing::keepPrintedFileIfAsked(setup.printer.outputFile);
}
