#pragma once
// Printing an invoice: the draft gathered for the layout, and the conversation of the Print,
// Print Preview and Save as PDF buttons - the printer dialog or the file name, the job, "was
// it printed correctly?" and the offer to do it again. The one print flow of the program.

#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "invoicing/core/invoicedraft.h"
#include "invoicing/core/invoicepagelayout.h"

namespace invoicing {

class Billwright;

// The draft with the business profile, the customer typed on customer entry, today's date,
// the invoice options and the memo file (`PrintInvoice` gathers these). A memo file that is
// there but cannot be read is told to the person; the invoice then prints without it.
InvoicePrintData invoicePrintData(const InvoiceDraft& draft, Billwright& program);

// Where the invoice goes: a printer chosen in the printer dialog, or a PDF file the person
// names. A saved PDF counts as printed, as the paper does.
enum class InvoiceOutput { Printer, Pdf };

enum class PrintOutcome {
    Refused,      // nothing printed: the counter could not count this invoice
    Abandoned,    // a dialog cancelled, or the job failed: the invoice stays on the form
    NotConfirmed, // printed, but the person said it did not come out right
    Confirmed,    // printed and confirmed: the counter has moved on
};

// The whole of Print (or Save as PDF) for a draft: refused before anything is printed when
// the counter is at its largest; with no printer set up, the PDF is offered instead. The
// number is then taken from the counter file (the draft follows it when another copy has
// counted on), the invoice printed until confirmed, and an invoice not confirmed hands its
// number back, so only a confirmed print advances the counter file.
PrintOutcome printInvoice(InvoiceDraft& draft, Billwright& program, InvoiceOutput output);

// The invoice on the screen as it would print on the printer chosen last. Nothing is
// printed and the counter stays.
void previewInvoice(const InvoiceDraft& draft, Billwright& program);

} // namespace invoicing
