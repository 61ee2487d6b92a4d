#pragma once
// The expenses of a period handed on for the accountant: the records the review would list,
// optionally only some categories and forms of payment, as a spreadsheet file (UTF-8 CSV with
// a header) or as a plain-text accounting journal. Nothing here writes a data file.

#include "common/core/currency.h"
#include "common/core/fileresult.h"
#include "expenses/core/expensefile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

namespace expenses {

struct ExportFilter {
    DateRange period;
    QSet<QString> categories; // empty: every category
    QSet<int> paymentOptions; // PaymentOption values; empty: every form of payment
};

struct ExportRow {
    qint64 record = 0; // its number in the expense file, from 1
    QDate date;
    QString payee;
    QString category;
    pellar::Currency amount;
    QString paymentMethod; // trimmed: "Check", "Cash", "Credit Card", "E-Bill Payment"
    QString reference;
};

struct ExpenseExport {
    bool fileFound = false;
    QString problem; // plain words when the file exists but could not be read
    QList<ExportRow> rows;
    pellar::Currency total;
    // Left out as the review leaves them out, and told after the export.
    int unreadableDates = 0;
    int voidOrArchived = 0;    // of the period
    int unreadableAmounts = 0; // of the period
};

// The records of the file's bytes that pass the filter, in file order.
ExpenseExport collectExport(QByteArrayView file, const ExportFilter& filter);
// The same, read from the expense file.
ExpenseExport collectExport(const pellar::DataFolder& folder, const ExportFilter& filter);

// The CSV: a byte-order mark, the header "Record,Date,Payee,Category,Amount,Payment Method,
// Reference", one line per row ended by CR LF (RFC 4180). Dates yyyy-MM-dd; amounts plain
// decimals with a dot, at least two decimals. Every text field is quoted, so a spreadsheet
// that reads quoted fields as text keeps a leading zero; a text that a spreadsheet would take
// for a formula (starting with = + - @, a tab or a carriage return) gets a leading apostrophe.
QByteArray exportCsv(const ExpenseExport& expenses);

// The journal: one transaction per payment (the lines of a split, which are posted together,
// make one), each expense line posted to "Expenses:<category>" and balanced by one posting to
// the account of the form of payment. UTF-8, LF line ends.
QByteArray exportJournal(const ExpenseExport& expenses);
// The account a form of payment's postings balance against.
QString paymentAccount(const QString& paymentMethod);

// "1,204 payments exported; 3 records with unreadable dates left out."
QString exportSummary(const ExpenseExport& expenses);
// What was left out, as the summary says it ("3 records with unreadable dates left out; …");
// empty when nothing was.
QString leftOutText(int unreadableDates, int unreadableAmounts, int voidOrArchived);

// Writes the file the person chose, whole or not at all: a failed write leaves no partial
// file under that name (an older file of that name stays as it was).
pellar::FileResult writeExportFile(const QString& path, const QByteArray& bytes);

} // namespace expenses
