// Printing an invoice from the invoice form.
#include "invoicing/ui/invoiceprint.h"

#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/ui/billwright.h"

#include <limits>

namespace invoicing {

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

bool printInvoiceJob(pellar::Desk& desk, const pellar::PrinterChoice& printer,
                     const InvoicePrintData& invoice) {
    const pellar::PrintJobSetup setup =
        invoiceJobSetup(printer, invoice.color, QStringLiteral("Invoice ") + invoice.invoiceNumber);
    return pellar::runPrintJob(desk, setup,
                               [&invoice](pellar::PrintSurface& surface) {
                                   InvoicePageLayout(surface, invoice).printInvoicePages();
                               })
        .printed;
}

bool printUntilConfirmed(pellar::ProgramContext& context,
                         const std::function<bool(const pellar::PrinterChoice&)>& print) {
    pellar::Desk& desk = context.desk;
    for (;;) {
        const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(context);
        if (!printer)
            return false;
        // The busy pointer is the job's own: the questions that follow get the ordinary one.
        if (!print(*printer))
            return false;
        if (desk.message(QStringLiteral("Printing Confirmation"),
                         {QStringLiteral("Was the Invoice Printed Correctly")},
                         pellar::MessageButtons::YesNo) == pellar::MessageAnswer::Yes)
            return true;
        if (desk.message(QStringLiteral("Print Retry"),
                         {QStringLiteral("Would you like to Retry Printing this Invoice")},
                         pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes)
            return false;
    }
}

PrintOutcome printInvoice(const InvoiceDraft& draft, Billwright& program) {
    // Asked before anything is printed, so no invoice goes out under a number that would
    // then be used again.
    if (draft.counter() == std::numeric_limits<qint32>::max()) {
        program.reportFileError(
            QStringLiteral("Invoice number %1 is the largest the invoice counter can hold, so "
                           "it cannot count this invoice.\nNo invoice was printed.")
                .arg(draft.counter()));
        return PrintOutcome::Refused;
    }
    // A cancelled dialog or a failed print leaves the counter as it is.
    const bool confirmed =
        printUntilConfirmed(program.context(), [&](const pellar::PrinterChoice& printer) {
            return printInvoiceJob(program.desk(), printer, invoicePrintData(draft, program));
        });
    if (!confirmed)
        return PrintOutcome::NotConfirmed;
    if (const pellar::FileResult saved = saveInvoiceCounter(program.data(), draft.counter() + 1);
        !saved)
        program.reportFileError(saved.error);
    return PrintOutcome::Confirmed;
}

} // namespace invoicing
