// The invoices window's work on a register of 10,000 invoices: reading the file and parsing
// it, then filtering by a customer's name part and by unpaid ones in a date range. Run by
// hand in a release build:
//   build/bench/invoiceregister_bench
#include "bench/invoicing/sampleregister.h"
#include "invoicing/core/invoiceregister.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray tenThousand() {
    QByteArray bytes;
    for (const invoicing::RegisterEntry& e : invoicing::bench::tenThousandInvoices())
        bytes += invoicing::registerLine(e);
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
