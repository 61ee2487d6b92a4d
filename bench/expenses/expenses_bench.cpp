// The expense file at its largest (32,767 records): a review refresh, from the read of the
// file to the grid drawn on screen, and a cleanup that rewrites the file. Run by hand:
//   build/bench/expenses_bench
#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/fixedrecords.h"
#include "common/core/printsurface.h"
#include "common/core/regional.h"
#include "common/ui/programshell.h"
#include "expenses/core/categorytotals.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expenseexport.h"
#include "expenses/core/expensefile.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/core/expensereview.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmstartup.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/quietdesk.h"

namespace {

const QDate kToday(2026, 12, 6);

using pellar::bench::QuietDesk;

// A full file: one record a day or so back from today, over 27 years, with a void check or
// an archived record now and then; with `oneYear`, every record in the year of today.
QByteArray fullFile(bool oneYear = false) {
    const QStringList categories{"Travel", "Office - Supplies", "Vehicle - Fuel",
                                 "Utilities - Electric", "Advertising"};
    const QStringList methods{"Check ", "Cash", "Credit Card", "E-Bill Payment"};
    QByteArray bytes;
    bytes.reserve(qsizetype(pellar::kMaxRecords) * expenses::kExpenseRecordLength);
    for (int i = 0; i < pellar::kMaxRecords; ++i) {
        const QDate date = oneYear ? QDate(kToday.year(), 1, 1).addDays(i % 340)
                                   : kToday.addDays(-(pellar::kMaxRecords - 1 - i) * 3 / 10);
        expenses::ExpenseRecord r;
        r.date = pellar::formatShortDate(date);
        r.paidTo = QStringLiteral("Payee %1 Supply").arg(i % 911);
        r.forWhat = categories[i % categories.size()];
        r.amount = pellar::formatCurrency(pellar::Currency::fromUnits(qint64(i % 50000) * 137));
        r.paymentMethod = i % 97 == 0 ? QStringLiteral("Void Check") : methods[i % 4];
        r.reference = i % 4 == 0 ? QString::number(1000 + i) : QString();
        r.status = i % 89 == 0 ? QStringLiteral("Archived") : QStringLiteral("Open");
        bytes += expenses::encodeExpense(r);
    }
    return bytes;
}

void putFile(const pellar::DataFolder& data, const QByteArray& bytes) {
    QFile file(data.filePath(expenses::kExpensesFile));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("The expense file could not be written.");
}

void writeSmallFiles(const pellar::DataFolder& data) {
    QFile categories(data.filePath(u"/ExpenseCodes.txt"));
    QFile contacts(data.filePath(u"/VendorDat.txt"));
    if (!categories.open(QIODevice::WriteOnly) || !contacts.open(QIODevice::WriteOnly))
        qFatal("The setup files could not be written.");
    categories.write("\"Travel\"\r\n");
    contacts.write(QByteArray(235, ' ').replace(20, 11, "Harbor Fuel"));
}

// The review frame's "Eternity": the whole file read, every record tested, the grid's
// model filled and the grid drawn.
void ReviewRefreshFullFile(benchmark::State& state) {
    QTemporaryDir dir;
    const pellar::DataFolder folder(dir.path());
    writeSmallFiles(folder);
    putFile(folder, fullFile());

    QuietDesk desk(kToday);
    pellar::ProgramContext context(desk, folder);
    pellar::ProgramShell shell(context, expenses::spendlogProfile());
    shell.setEndAction([] {});
    auto* forms = new expenses::SpendlogForms(shell);
    forms->start();
    forms->startup().findChild<QPushButton*>(QStringLiteral("cmdGoto"))->click();
    expenses::frmExpenses& form = forms->expenses();
    form.findChild<QAction*>(QStringLiteral("mnuExpenses"))->trigger();
    QCoreApplication::processEvents();

    // "cmdExpensesGrid_1": every record on file.
    QPushButton* eternity = form.findChild<QPushButton*>(QStringLiteral("cmdExpensesGrid_1"));
    for (auto _ : state) {
        eternity->click();
        form.repaint();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = double(form.gridModel().rowCount());
    if (desk.messages != 0)
        state.SkipWithError("a message box was shown");
}
BENCHMARK(ReviewRefreshFullFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same without the form: reading and testing the records alone.
void ReviewRecordsFullFile(benchmark::State& state) {
    const QByteArray bytes = fullFile();
    for (auto _ : state) {
        const expenses::ExpenseReview review =
            expenses::reviewExpenseRecords(bytes, QDate(1988, 1, 1), kToday);
        benchmark::DoNotOptimize(review.total);
    }
}
BENCHMARK(ReviewRecordsFullFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A cleanup of one year out of 27: read, test, and the rewrite that replaces the file.
void CleanupRewriteFullFile(benchmark::State& state) {
    QTemporaryDir dir;
    const pellar::DataFolder folder(dir.path());
    const QByteArray bytes = fullFile();
    qint64 removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        putFile(folder, bytes);
        state.ResumeTiming();
        const expenses::CleanupOutcome outcome =
            expenses::removeExpensesBetween(folder, QDate(2010, 1, 1), QDate(2010, 12, 31));
        if (!outcome.result)
            state.SkipWithError("the rewrite failed");
        removed = outcome.removed;
    }
    state.counters["removed"] = double(removed);
}
BENCHMARK(CleanupRewriteFullFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The export for the accountant of every record of the full file, as CSV and as a journal.
void ExportFullFile(benchmark::State& state) {
    const QByteArray bytes = fullFile();
    const expenses::ExportFilter all{{QDate(1900, 1, 1), kToday}, {}, {}};
    qsizetype size = 0;
    for (auto _ : state) {
        const expenses::ExpenseExport rows = expenses::collectExport(bytes, all);
        size = state.range(0) == 0 ? expenses::exportCsv(rows).size()
                                   : expenses::exportJournal(rows).size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["bytes"] = double(size);
}
BENCHMARK(ExportFullFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The category totals of a year that holds the whole full file.
void CategoryTotalsFullYear(benchmark::State& state) {
    const QByteArray bytes = fullFile(true);
    const expenses::DateRange year{QDate(kToday.year(), 1, 1), QDate(kToday.year(), 12, 31)};
    for (auto _ : state) {
        const expenses::CategoryTotals totals = expenses::totalCategories(bytes, year, {});
        if (!totals.problem.isEmpty())
            state.SkipWithError("the totals failed");
        benchmark::DoNotOptimize(totals.total);
    }
}
BENCHMARK(CategoryTotalsFullYear)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
