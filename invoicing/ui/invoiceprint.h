#pragma once
// Printing an invoice: the draft gathered for the layout, one print job, and the Print
// button's conversation - the printer dialog, the print, "was it printed correctly?" and the
// offer to print it again. The one print flow of the program.

#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "invoicing/core/invoicedraft.h"
#include "invoicing/core/invoicepagelayout.h"

#include <functional>

namespace invoicing {

class Billwright;

// The draft with the business profile, the customer typed on customer entry, today's date,
// the invoice options and the memo file (`PrintInvoice` gathers these). A memo file that is
// there but cannot be read is told to the person; the invoice then prints without it.
InvoicePrintData invoicePrintData(const InvoiceDraft& draft, Billwright& program);

// One print job of the invoice on the chosen printer. False when the job could not start
// or did not finish; nothing is said about it here.
bool printInvoiceJob(pellar::Desk& desk, const pellar::PrinterChoice& printer,
                     const InvoicePrintData& invoice);

// The Print button: the printer dialog, then `print` under the hourglass, then "Printing
// Confirmation"; after a No, "Print Retry" leads back to the printer dialog. True only when
// the person confirms a print. A cancelled dialog or a failed print ends it at once, with
// no question and nothing said.
bool printUntilConfirmed(pellar::ProgramContext& context,
                         const std::function<bool(const pellar::PrinterChoice&)>& print);

enum class PrintOutcome { Refused, NotConfirmed, Confirmed };

// The whole of Print for a draft: refused before anything is printed when the counter is at
// its largest (it could not count this invoice); otherwise printed until confirmed, and a
// confirmed print advances the counter file by one.
PrintOutcome printInvoice(const InvoiceDraft& draft, Billwright& program);

} // namespace invoicing
