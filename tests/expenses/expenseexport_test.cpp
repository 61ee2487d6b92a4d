// The export for the accountant (CSV and journal) and the category totals, read back as a
// spreadsheet or an accounting tool would.
#include "common/ui/printersurface.h"
#include "expenses/core/categorytotals.h"
#include "expenses/core/expenseexport.h"
#include "expenses/core/expensereview.h"
#include "tests/expenses/spendlogfixture.h"
#include "tests/support/faults.h"
#include "tests/support/keeppdf.h"
#include "tests/support/recordingsurface.h"

#include "common/core/regional.h"

#include <QTemporaryDir>
#include <optional>

using namespace expenses;
using expenses::testing::expenseFileOf;
using pellar::Currency;

namespace {

// RFC 4180, strictly: CR LF after every record, a quote only around a whole field (doubled
// inside it), every record as many fields as the header. nullopt for anything else.
std::optional<QList<QStringList>> readCsvStrictly(const QString& text) {
    QList<QStringList> records;
    QStringList fields;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == u'"') {
            for (++i;; ++i) {
                if (i >= n)
                    return std::nullopt;
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < n && text[i] != u',' && text[i] != u'\r') {
                if (text[i] == u'"' || text[i] == u'\n')
                    return std::nullopt;
                field += text[i++];
            }
        }
        fields.append(std::exchange(field, {}));
        if (i < n && text[i] == u',') {
            ++i;
            continue;
        }
        if (i + 1 >= n || text[i] != u'\r' || text[i + 1] != u'\n')
            return std::nullopt;
        i += 2;
        if (!records.isEmpty() && fields.size() != records.front().size())
            return std::nullopt;
        records.append(std::exchange(fields, {}));
    }
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
    return expenseFileOf({
        record("12/31/2025", "Old Year", "Travel", "$5.00"),
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
        record("1/1/2027", "New Year", "Travel", "$7.00"),
    });
}

const DateRange k2026{QDate(2026, 1, 1), QDate(2026, 12, 31)};

} // namespace

TEST(ExpenseExport, TheCsvReadsBackStrictlyWithTheReviewsRecordsAndTotal) {
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
}

TEST(ExpenseExport, CategoriesAndFormsOfPaymentNarrowTheRows) {
    const QByteArray file = awkwardYear();
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
    EXPECT_EQ(pellar::testing::runUnderFileSizeLimit(4096, write),
              pellar::testing::ChildOutcome::ReportedFailure);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    // An older export of that name stays whole; the message names the file.
    ASSERT_TRUE(writeExportFile(path, "older"));
    EXPECT_EQ(pellar::testing::runUnderFileSizeLimit(4096, write),
              pellar::testing::ChildOutcome::ReportedFailure);
    EXPECT_EQ(pellar::testing::fileBytes(path), "older");
    const pellar::FileResult refused =
        writeExportFile(dir.filePath(QStringLiteral("missing/Expenses.csv")), bytes);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("missing/Expenses.csv")));
}

TEST(CategoryTotals, EveryCellIsTheSumOfItsRecordsAtTheMonthsEdges) {
    const QByteArray file = expenseFileOf({
        record("1/31/2028", "A", "Travel", "$10.00"), record("2/1/2028", "B", "Travel", "$0.01"),
        record("2/29/2028", "C", "Travel", "$5.00"),
        record("2/29/2028", "D", "Office - Supplies", "$1.25"),
        record("3/1/2028", "E", "Gifts", "$2.00"), // not on the list: a row after the list's
        record("12/31/2028", "F", "Travel", "-$0.26"),
        record("1/1/2029", "G", "Travel", "$100.00"), // after the period
    });
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
