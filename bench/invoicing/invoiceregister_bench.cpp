// The invoices window's work on a register of 10,000 invoices: reading the file and parsing
// it, then filtering by a customer's name part and by unpaid ones in a date range. Run by
// hand in a release build:
//   build/bench/invoiceregister_bench
#include "invoicing/core/invoiceregister.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray tenThousand() {
    QByteArray bytes;
    const char* names[] = {"Maple Street Bakery", "Smith & Sons", "Oak Mill", "Barre Granite Co."};
    for (int i = 0; i < 10000; ++i) {
        invoicing::RegisterEntry e;
        e.number = QString::number(20200001 + i);
        e.date = QDate(2020, 1, 1).addDays(i / 5);
        e.customer = QString::fromLatin1(names[i % 4]) + QString::number(i % 300);
        e.taxable = pellar::Currency::fromUnits(1234500 + i);
        e.nonTaxable = pellar::Currency::fromUnits(40000);
        e.tax = pellar::Currency::fromUnits(77156);
        e.total = *(e.taxable + e.nonTaxable + e.tax);
        e.pdfFile =
            QStringLiteral("Invoices/%1/%2 %3.pdf").arg(e.date.year()).arg(e.number, e.customer);
        if (i % 3)
            e.paid = e.date.addDays(20);
        bytes += invoicing::registerLine(e);
    }
    return bytes;
}

void ReadAndFilter(benchmark::State& state) {
    const QByteArray bytes = tenThousand();
    for (auto _ : state) {
        const invoicing::InvoiceRegister reg = invoicing::parseRegister(bytes);
        const auto byName =
            invoicing::filterRegister(reg.entries, {QStringLiteral("smith"), {}, {}, false});
        const auto unpaid = invoicing::filterRegister(
            reg.entries, {{}, QDate(2022, 1, 1), QDate(2024, 12, 31), true});
        benchmark::DoNotOptimize(byName.size() + unpaid.size());
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(ReadAndFilter)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
