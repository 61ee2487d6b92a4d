// What one change of the invoices window's Find text costs on a register of 10,000
// invoices: the model lets the matching rows through, the sorting proxy puts them in the
// order shown (newest first) and the table view takes the new rows. Typing "smith" is five
// such changes (and, with the window's short pause after a keystroke, usually one). Run by
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

void FindTextChange(benchmark::State& state) {
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
    // From everything shown to a few hundred rows and back, as typing and clearing do.
    const QString texts[] = {QStringLiteral("s"), QStringLiteral("smith"), QString()};
    int n = 0;
    for (auto _ : state) {
        invoicing::RegisterFilter filter;
        filter.text = texts[n++ % 3];
        model.setFilter(filter);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(sorted.rowCount());
    }
}
BENCHMARK(FindTextChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
