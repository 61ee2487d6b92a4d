// What one change of the invoices window's Find text costs on a register of 10,000
// invoices: the model lets the matching rows through, the sorting proxy puts them in the
// order shown (newest first) and the table view takes the new rows and paints. Typing "smith"
// is five such changes (and, with the window's short pause after a keystroke, usually one). Run by
// hand in a release build:
//   build/bench/invoiceswindow_bench
#include "invoicing/core/registermodel.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

QList<invoicing::RegisterEntry> tenThousand() {
    QList<invoicing::RegisterEntry> entries;
    const char* names[] = {"Maple Street Bakery", "Smith & Sons", "Oak Mill", "Barre Granite Co."};
    for (int i = 0; i < 10000; ++i) {
        invoicing::RegisterEntry e;
        e.number = QString::number(20200001 + i);
        e.date = QDate(2020, 1, 1).addDays(i / 5);
        e.customer = QString::fromLatin1(names[i % 4]) + QString::number(i % 300);
        e.total = pellar::Currency::fromUnits(1234500 + i);
        e.pdfFile = QStringLiteral("Invoices/%1/%2.pdf").arg(e.date.year()).arg(e.number);
        if (i % 3)
            e.paid = e.date.addDays(20);
        entries << e;
    }
    return entries;
}

// Each run sets the same text again, which costs as much as a new one: the model always lets
// the rows through afresh and the proxy sorts them afresh.
void FindTextChange(benchmark::State& state, const char* text) {
    invoicing::RegisterModel model;
    model.setRegister(tenThousand(), QDate(2026, 12, 6));
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(invoicing::RegisterModel::kSortRole);
    QTableView view;
    view.setModel(&sorted);
    view.setSortingEnabled(true);
    view.sortByColumn(invoicing::RegisterModel::Date, Qt::DescendingOrder);
    view.resize(860, 400);
    view.show();
    invoicing::RegisterFilter filter;
    filter.text = QString::fromLatin1(text);
    for (auto _ : state) {
        model.setFilter(filter);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(sorted.rowCount());
    }
    state.counters["rows"] = double(sorted.rowCount());
}
// All 10,000 (an emptied box), a quarter of them ("smith"), none.
BENCHMARK_CAPTURE(FindTextChange, all, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindTextChange, smith, "smith")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindTextChange, none, "zzz")->Unit(benchmark::kMillisecond);

} // namespace
