// Printing an invoice from the invoice form.
#include "invoicing/ui/invoiceprint.h"

#include "common/core/documentoutput.h"
#include "common/core/printerchoice.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "invoicing/core/customerbook.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/core/invoiceregister.h"
#include "invoicing/ui/billwright.h"

#include <QCoreApplication>
#include <QFile>
#include <functional>
#include <limits>

namespace invoicing {

namespace {

// One try at getting the invoice out.
enum class Attempt { Done, Cancelled, Failed };

pellar::PageLayout invoiceLayout(const InvoicePrintData& invoice) {
    return [invoice](pellar::PrintSurface& surface) {
        InvoicePageLayout(surface, invoice).printInvoicePages();
    };
}

// The printer dialog, then the job on the chosen printer.
Attempt printOnPaper(const InvoicePrintData& invoice, Billwright& program) {
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(program.context());
    if (!printer)
        return Attempt::Cancelled;
    pellar::PrintJobSetup setup =
        pellar::documentJob(program.data(), invoiceDocument(invoice.invoiceNumber), *printer);
    setup.color = invoice.color;
    const pellar::PrintOutcome printed =
        pellar::runPrintJob(program.desk(), setup, invoiceLayout(invoice));
    if (printed)
        return Attempt::Done;
    program.reportFileError(
        printed.error + u'\n' +
        QCoreApplication::translate("InvoicePrint", "The invoice is still on the form."));
    return Attempt::Failed;
}

// The save dialog, then the PDF written where the person said. A retry's dialog offers the
// file chosen the time before (`chosen`, empty the first time).
Attempt saveAsPdf(const InvoicePrintData& invoice, Billwright& program, QString& chosen) {
    pellar::PrintedDocumentKind kind = invoiceDocument(invoice.invoiceNumber);
    if (!chosen.isEmpty())
        kind.pdfFileName = chosen;
    const pellar::PdfOutcome saved =
        pellar::saveDocumentAsPdf(program.desk(), program.data(), kind, invoiceLayout(invoice));
    if (saved.cancelled)
        return Attempt::Cancelled;
    chosen = saved.fileName;
    if (saved.written)
        return Attempt::Done;
    program.reportFileError(
        saved.written.error + u'\n' +
        QCoreApplication::translate("InvoicePrint", "The invoice is still on the form."));
    return Attempt::Failed;
}

// "Printing Confirmation"; after a No, "Print Retry" leads back to the same way out.
PrintOutcome untilConfirmed(pellar::Desk& desk, const std::function<Attempt()>& attempt) {
    for (;;) {
        if (attempt() != Attempt::Done)
            return PrintOutcome::Abandoned;
        if (desk.message(
                QCoreApplication::translate("InvoicePrint", "Printing Confirmation"),
                {QCoreApplication::translate("InvoicePrint", "Was the Invoice Printed Correctly")},
                pellar::MessageButtons::YesNo) == pellar::MessageAnswer::Yes)
            return PrintOutcome::Confirmed;
        if (desk.message(QCoreApplication::translate("InvoicePrint", "Print Retry"),
                         {QCoreApplication::translate(
                             "InvoicePrint", "Would you like to Retry Printing this Invoice")},
                         pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes)
            return PrintOutcome::NotConfirmed;
    }
}

// A confirmed invoice is issued: its PDF copy kept, its record appended to the register and
// its customer put in the book. Without the copy and the record it is not issued at all, so
// an invoice can never be out on paper and missing from the register.
bool issue(const InvoicePrintData& invoice, Billwright& program) {
    RegisterEntry entry = registerEntryFor(invoice, program.options().taxMode());
    const QString year = QString::number(invoice.date.year());
    const QString base = copyBaseName(invoice.invoiceNumber, entry.customer);
    const pellar::DocumentCopy copy = pellar::keepDocumentCopy(
        program.desk(), program.data(), invoiceDocument(invoice.invoiceNumber),
        QString::fromUtf16(kCopiesFolder) + u'/' + year, base, invoiceLayout(invoice));
    QString failure;
    if (!copy.written) {
        failure = copy.written.error;
    } else {
        entry.pdfFile = copy.relativePath;
        if (const pellar::FileResult added = appendToRegister(program.data(), entry); !added) {
            failure = added.error;
            QFile::remove(copy.filePath);
        }
    }
    if (!failure.isEmpty()) {
        program.reportFileError(
            failure + u'\n' +
            QCoreApplication::translate("InvoicePrint",
                                        "Invoice %1 was not entered in the register, so it was "
                                        "not issued: its number stays free and the invoice is "
                                        "still on the form. Please set the printed copy aside.")
                .arg(invoice.invoiceNumber));
        return false;
    }
    // The book only spares typing next time; the invoice is issued without it.
    if (const pellar::FileResult saved = saveCustomer(program.data(), invoice.customer); !saved)
        program.reportFileError(
            saved.error + u'\n' +
            QCoreApplication::translate("InvoicePrint", "The customer was not saved in the book."));
    return true;
}

} // namespace

InvoicePrintData invoicePrintData(const InvoiceDraft& draft, Billwright& program) {
    InvoicePrintData d;
    d.business = program.profile();
    d.customer = program.customer();
    d.invoiceNumber = draft.number();
    d.reference = draft.reference();
    d.date = program.desk().today();
    d.lines = draft.lines();
    const InvoiceTotals& totals = draft.totals();
    d.subTotal = totals.subTotal();
    d.labor = draft.acceptedLabor();
    d.shipping = totals.shipping();
    d.charges = totals.charges();
    d.tax = totals.tax();
    d.grandTotal = totals.grandTotal();
    d.discount = totals.discount();

    const InvoiceOptions& options = program.options();
    d.discountDays = options.discountDays;
    d.remittance = options.remittance;
    d.color = options.printInColor();

    const MemoRead memo = readInvoiceMemo(program.data());
    if (!memo.problem.isEmpty())
        program.reportFileError(memo.problem);
    else
        d.memo = memo.lines;
    return d;
}

PrintOutcome printInvoice(InvoiceDraft& draft, Billwright& program, InvoiceOutput output) {
    // Asked before anything is printed, so no invoice goes out under a number that would
    // then be used again.
    if (draft.counter() == std::numeric_limits<qint32>::max()) {
        program.reportFileError(
            QCoreApplication::translate(
                "InvoicePrint", "Invoice number %1 is the largest the invoice counter can hold, so "
                                "it cannot count this invoice.\nNo invoice was printed.")
                .arg(draft.counter()));
        return PrintOutcome::Refused;
    }
    pellar::Desk& desk = program.desk();
    // Never a file the person did not name: without a printer the PDF is offered instead.
    if (output == InvoiceOutput::Printer && !desk.printerAvailable()) {
        if (!pellar::offerPdfWithoutPrinter(desk, QString::fromUtf16(kApplicationTitle),
                                            QCoreApplication::translate("InvoicePrint", "invoice")))
            return PrintOutcome::Abandoned;
        output = InvoiceOutput::Pdf;
    }
    // A register that cannot be read could not take the invoice's record either.
    if (const InvoiceRegister reg = readRegister(program.data()); !reg.problem.isEmpty()) {
        program.reportFileError(
            reg.problem + u'\n' +
            QCoreApplication::translate("InvoicePrint", "No invoice was printed."));
        return PrintOutcome::Refused;
    }
    // The number is taken from the counter file before anything is printed, so no other
    // copy can print it too; an invoice that is not confirmed hands it back.
    const InvoiceNumberTaken taken = takeInvoiceNumber(program.data(), draft.counter());
    if (!taken.saved) {
        program.reportFileError(
            taken.saved.error + u'\n' +
            QCoreApplication::translate("InvoicePrint", "No invoice was printed."));
        return PrintOutcome::Refused;
    }
    if (taken.counter != draft.counter()) {
        desk.message(
            QString::fromUtf16(kApplicationTitle),
            {QCoreApplication::translate("InvoicePrint",
                                         "Invoice number %1 has been issued by another copy of the "
                                         "program meanwhile.")
                 .arg(draft.counter()),
             QCoreApplication::translate("InvoicePrint", "This invoice is number %1.")
                 .arg(taken.counter)},
            pellar::MessageButtons::Ok);
        draft.renumber(taken.counter);
    }
    QString pdfChosen;
    InvoicePrintData printed;
    PrintOutcome outcome = untilConfirmed(desk, [&] {
        printed = invoicePrintData(draft, program);
        return output == InvoiceOutput::Pdf ? saveAsPdf(printed, program, pdfChosen)
                                            : printOnPaper(printed, program);
    });
    if (outcome == PrintOutcome::Confirmed && !issue(printed, program))
        outcome = PrintOutcome::Refused;
    if (outcome != PrintOutcome::Confirmed) {
        if (const pellar::FileResult given = giveBackInvoiceNumber(program.data(), taken.counter);
            !given)
            program.reportFileError(given.error);
    }
    return outcome;
}

void previewInvoice(const InvoiceDraft& draft, Billwright& program) {
    const InvoicePrintData invoice = invoicePrintData(draft, program);
    pellar::PrintJobSetup setup = pellar::documentJob(
        program.data(), invoiceDocument(invoice.invoiceNumber), program.context().printer);
    setup.color = invoice.color;
    program.desk().previewPrint(setup, invoiceLayout(invoice));
}

} // namespace invoicing
