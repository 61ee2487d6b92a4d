#pragma once
// The invoice register: one record for every invoice confirmed, appended as it is issued.
//
//   "20260001","2026-12-06","Maple Street Bakery",9.00,0.00,0.54,9.54,0.00,"",
//   "Invoices/2026/20260001 Maple Street Bakery.pdf",""<CR><LF>     (one line)
//
// Quoted-field records, 8-bit text, CR LF: the number as printed, the date (yyyy-MM-dd), the
// customer's name, the taxable sales, the sales not taxed, the tax, the total, the
// early-payment discount offered and its days (0.00 and "" when none), the kept PDF copy
// (from the data folder, '/' separators) and the day it was paid (empty until then). Dates
// and amounts are written the same in every region.
//
// The register only grows: a confirmed invoice is appended under the folder lock, and the
// one rewrite - marking an invoice paid or unpaid - reads the file again under the lock and
// keeps every line it could not read exactly as it was.

#include "common/core/currency.h"
#include "common/core/datafiles.h"
#include "common/core/fileresult.h"
#include "invoicing/core/invoiceoptions.h"
#include "invoicing/core/invoicepagelayout.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace invoicing {

inline constexpr const char16_t* kRegisterFile = u"/Invoices.txt";
// Where the kept copies go, under the data folder: Invoices/<year>/<number> <customer>.pdf
inline constexpr const char16_t* kCopiesFolder = u"Invoices";

struct RegisterEntry {
    QString number;
    QDate date;
    QString customer;
    pellar::Currency taxable;
    pellar::Currency nonTaxable;
    pellar::Currency tax;
    pellar::Currency total;
    pellar::Currency discount;
    QString discountDays;
    QString pdfFile; // relative to the data folder
    QDate paid;      // invalid while unpaid

    bool isPaid() const { return paid.isValid(); }
    // Unpaid and issued more than 30 days before `today`.
    bool overdue(QDate today) const { return !isPaid() && date.daysTo(today) > 30; }
    bool operator==(const RegisterEntry&) const = default;
};

struct InvoiceRegister {
    QList<RegisterEntry> entries; // in file order
    int damaged = 0;              // lines skipped: not a register record
    QString problem;              // plain words when the file could not be read at all
};

// The record of an invoice as printed, under the tax mode it was made with (no copy yet).
// What is not taxed is what is left of the total after the taxable sales and the tax, so
// the three always add up to the total.
RegisterEntry registerEntryFor(const InvoicePrintData& invoice, TaxMode mode);
// The kept copy's name without ".pdf": "<number> <customer>", each part made safe for a
// file name, so whatever was typed the copy lands in its year's folder.
QString copyBaseName(const QString& number, const QString& customer);

QByteArray registerLine(const RegisterEntry& entry);
InvoiceRegister parseRegister(const QByteArray& bytes);
// The register as it is in the data folder now; a missing file is an empty register.
InvoiceRegister readRegister(const pellar::DataFolder& folder);

// Appends one record under the folder lock, after the end of what is there; a write that
// fails part-way leaves the file exactly as it was.
pellar::FileResult appendToRegister(const pellar::DataFolder& folder, const RegisterEntry& entry);
// Sets (or, with an invalid date, clears) the paid day of the invoices with these numbers,
// dates and copies, in one rewrite: the file is read again under the lock and replaced
// whole; lines it cannot read stay. When one of them is no longer there, nothing changes.
pellar::FileResult setPaid(const pellar::DataFolder& folder, const QList<RegisterEntry>& entries,
                           QDate paid);
inline pellar::FileResult setPaid(const pellar::DataFolder& folder, const RegisterEntry& entry,
                                  QDate paid) {
    return setPaid(folder, QList<RegisterEntry>{entry}, paid);
}

// ---- Finding invoices ------------------------------------------------------------------

struct RegisterFilter {
    QString text;   // a part of the number or of the customer's name; empty: any
    QDate from, to; // issued within, both days counting; invalid: open-ended
    bool unpaidOnly = false;
    bool accepts(const RegisterEntry& entry) const;
};
// The positions in `entries` that the filter lets through, in order.
QList<qsizetype> filterRegister(const QList<RegisterEntry>& entries, const RegisterFilter& filter);

// ---- Sales tax for a period --------------------------------------------------------------

enum class PeriodKind { Month, Quarter, Year, Dates };
struct Period {
    QDate from, to;
};
// The month, quarter or year holding `day`; with Dates, from `day` to `to`.
Period periodOf(PeriodKind kind, QDate day, QDate to = {});

struct SalesTaxFigures {
    Period period;
    pellar::Currency taxable;
    pellar::Currency nonTaxable;
    pellar::Currency tax;
    pellar::Currency total;
    int invoices = 0;
    bool overflow = false; // a sum too large to hold: the figures are not to be used
};
SalesTaxFigures salesTaxFor(const QList<RegisterEntry>& entries, Period period);

// ---- Exports ------------------------------------------------------------------------------

// UTF-8 CSV with a header: the rows at `shown`, ISO dates, plain decimal amounts.
QByteArray registerCsv(const QList<RegisterEntry>& entries, const QList<qsizetype>& shown);
QByteArray salesTaxCsv(const SalesTaxFigures& figures);

} // namespace invoicing
