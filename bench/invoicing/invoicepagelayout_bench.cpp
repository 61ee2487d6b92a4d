// Laying out a full invoice of 50 item lines (two pages, memo, remittance section, colour)
// on the recording surface: the layout's own cost, without a printer. Run by hand:
//   build/bench/invoicepagelayout_bench
#include "common/core/regional.h"
#include "invoicing/core/invoicepagelayout.h"
#include "tests/support/recordingsurface.h"

#include <benchmark/benchmark.h>

namespace {

invoicing::InvoicePrintData fiftyLineInvoice() {
    invoicing::InvoicePrintData d;
    d.business = {QStringLiteral("Acme Plumbing"),
                  QStringLiteral("1234 Industrial Parkway"),
                  QStringLiteral("Suite 200"),
                  QStringLiteral("Springfield"),
                  QStringLiteral("IL"),
                  QStringLiteral("62701"),
                  QStringLiteral("217-555-0100"),
                  QStringLiteral("billing@acme.example"),
                  QStringLiteral("12-3456789")};
    d.customer = {QStringLiteral("Jane Q. Customer"),
                  QStringLiteral("4821 West Elmwood Avenue"),
                  QStringLiteral("Apartment 12B"),
                  QStringLiteral("Riverton"),
                  QStringLiteral("WY"),
                  QStringLiteral("82501")};
    d.invoiceNumber = QStringLiteral("20260042");
    d.reference = QStringLiteral("PO-7781-A");
    d.date = QDate(2026, 12, 6);
    const QStringList descriptions{
        QStringLiteral("Copper elbow 3/4 in"),
        QStringLiteral("Ball valve, full port, lead free brass 1 in with stainless steel "
                       "handle and threaded ends"),
        QStringLiteral("PEX tubing 1/2 in x 100 ft coil"), QStringLiteral("Teflon tape")};
    const auto money = [](const char* text) {
        return *pellar::Currency::fromDecimalText(QString::fromLatin1(text));
    };
    for (int i = 1; i <= 50; ++i)
        d.lines.append({QString::number(i % 7 + 1), descriptions[i % descriptions.size()],
                        money("14.95"), money("104.65")});
    d.subTotal = money("5232.50");
    d.labor = money("1250");
    d.shipping = money("85");
    d.charges = money("-100");
    d.tax = money("392.43");
    d.grandTotal = money("6859.93");
    d.discount = money("104.65");
    d.discountDays = QStringLiteral("10");
    d.remittance = true;
    d.color = true;
    d.memo = {QStringLiteral("Please make all checks payable to Acme Plumbing and write the "
                             "invoice number on your check."),
              QString(), QStringLiteral("All work is guaranteed for one year.")};
    return d;
}

void BM_LayOutFiftyLineInvoice(benchmark::State& state) {
    pellar::RegionalSettings::setCurrent(pellar::RegionalSettings::unitedStates());
    const invoicing::InvoicePrintData invoice = fiftyLineInvoice();
    int pages = 0;
    for (auto _ : state) {
        pellar::RecordingSurface surface;
        invoicing::InvoicePageLayout(surface, invoice).printInvoicePages();
        pages = surface.page();
        benchmark::DoNotOptimize(surface.log()->ops.size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_LayOutFiftyLineInvoice)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
