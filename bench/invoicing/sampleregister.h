#pragma once
// The register the invoicing benchmarks work on: 10,000 invoices over five years, four
// customer names in 300 variants, two in three paid.

#include "invoicing/core/invoiceregister.h"

#include <QList>

namespace invoicing::bench {

inline QList<RegisterEntry> tenThousandInvoices() {
    QList<RegisterEntry> entries;
    const char* names[] = {"Maple Street Bakery", "Smith & Sons", "Oak Mill", "Barre Granite Co."};
    for (int i = 0; i < 10000; ++i) {
        RegisterEntry e;
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
        entries << e;
    }
    return entries;
}

} // namespace invoicing::bench
