// Printing an invoice from the invoice form.
#include "invoicing/core/invoiceprint.h"

#include "common/core/printerchoice.h"
#include "common/core/printsurface.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoice.h"
#include "invoicing/ui/frminvoicegrid.h"
#include "invoicing/ui/frmshell.h"
#include "invoicing/core/invoicefiles.h"

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

    const MemoRead memo = readInvoiceMemo();
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
    QString error;
    std::unique_ptr<pellar::PrintSurface> surface = desk.openPrintSurface(setup, &error);
    if (!surface || !surface->error().isEmpty())
        return false; // a job dropped unended is abandoned
    MoneyPrint(*surface, invoice).PrintInvoicePages();
    return surface->endDoc();
}

bool printUntilConfirmed(pellar::Desk& desk,
                         const std::function<bool(const pellar::PrinterChoice&)>& print) {
    for (;;) {
        const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(desk);
        if (!printer)
            return false;
        bool printed = false;
        {
            // Only while the job runs: the questions that follow get the ordinary pointer.
            pellar::BusyCursor busy(desk);
            printed = print(*printer);
        }
        if (!printed)
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
