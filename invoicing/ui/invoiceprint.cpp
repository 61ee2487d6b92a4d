// Printing an invoice from the invoice form.
#include "invoicing/ui/invoiceprint.h"

#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoice.h"
#include "invoicing/ui/frminvoicegrid.h"
#include "invoicing/ui/frmshell.h"

#include <QLineEdit>

namespace invoicing {

InvoicePrintData invoicePrintData(const frmInvoice& form, Billwright& program) {
    InvoicePrintData d;
    d.business = program.profile();
    d.customer = program.shell() ? program.shell()->customerFields() : QStringList();
    d.invoiceNumber = form.txtInvoiceNo->text();
    d.reference = form.txtPO->text();
    d.date = program.desk().today();
    for (int row = 1; row <= form.lineCount(); ++row) {
        const InvoiceGrid& grid = *form.fgInvoice;
        d.rows.append({grid.text(row, 1), grid.text(row, 2), grid.text(row, 3), grid.text(row, 4)});
    }
    d.subTotal = form.txtTotal->text();
    d.labor = form.txtLabor->text();
    d.shipping = form.txtShip->text();
    d.misc = form.txtMisc->text();
    d.tax = form.txtTax->text();
    d.grandTotal = form.txtGrandTotal->text();
    d.discount = form.txtDiscount->text();

    const InvoiceOptions options = program.options();
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
                                   MoneyPrint(surface, invoice).PrintInvoicePages();
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

} // namespace invoicing
