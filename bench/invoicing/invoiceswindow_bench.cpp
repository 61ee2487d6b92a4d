// What one change of the invoices window's Find text costs on a register of 10,000
// invoices: the model lets the matching rows through, the sorting proxy puts them in the
// order shown (newest first) and the table view takes the new rows and paints. Typing "smith"
// is five such changes (and, with the window's short pause after a keystroke, usually one). Run by
// hand in a release build:
//   build/bench/invoiceswindow_bench
#include "bench/invoicing/sampleregister.h"
#include "invoicing/core/registermodel.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

// Each run sets the same text again, which costs as much as a new one: the model always lets
// the rows through afresh and the proxy sorts them afresh.
void FindTextChange(benchmark::State& state, const char* text) {
    invoicing::RegisterModel model;
    model.setRegister(invoicing::bench::tenThousandInvoices(), QDate(2026, 12, 6));
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
