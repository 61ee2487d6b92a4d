// Printing from the invoice form: the Print button and the invoice layout it calls.
#include "invoicing/core/invoicefiles.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoice.h"
#include "invoicing/ui/invoiceprint.h"

#include <QLineEdit>
#include <limits>

namespace invoicing {

void frmInvoice::cmdPrintClick() {
    // A charge whose text was refused is still being corrected; its box has the focus.
    if (refusedTextPending()) {
        alarm(m_refusedBox);
        return;
    }
    // The counter cannot count past its largest number; asked before anything is printed,
    // so no invoice goes out under a number that would then be used again.
    if (m_invoiceNumber == std::numeric_limits<qint32>::max()) {
        m_program.reportFileError(
            QStringLiteral("Invoice number %1 is the largest the invoice counter can hold, so "
                           "it cannot count this invoice.\nNo invoice was printed.")
                .arg(m_invoiceNumber));
        return;
    }
    // A cancelled dialog or a failed print leaves the invoice and the counter as they are.
    const bool confirmed =
        printUntilConfirmed(m_program.context(), [this](const pellar::PrinterChoice& printer) {
            return PrintInvoice(printer);
        });
    if (confirmed) {
        resetInvoice();
        advanceInvoiceCounter();
    }
    setInvoiceButtons(false);
    leaveToMenu();
}

bool frmInvoice::PrintInvoice(const pellar::PrinterChoice& printer) {
    return printInvoiceJob(m_program.desk(), printer, invoicePrintData(*this, m_program));
}

void frmInvoice::advanceInvoiceCounter() {
    ++m_invoiceNumber;
    if (const pellar::FileResult saved = SaveInvoiceCounter(m_program.data(), m_invoiceNumber);
        !saved)
        m_program.reportFileError(saved.error);
}

} // namespace invoicing
