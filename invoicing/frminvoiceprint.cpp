// Printing from the invoice form: the Print button and the invoice layout it calls.
#include "invoicing/billwright.h"
#include "invoicing/frminvoice.h"
#include "invoicing/invoicefiles.h"

#include <QLineEdit>

namespace invoicing {

void frmInvoice::cmdPrintClick() {
    // A charge whose text was refused is still being corrected; its box has the focus.
    if (refusedTextPending()) {
        alarm(m_refusedBox);
        return;
    }
    PrintInvoice();
}

void frmInvoice::PrintInvoice() {
    // The invoice layout is not written yet: nothing is printed.
}

void frmInvoice::advanceInvoiceCounter() {
    ++m_invoiceNumber;
    if (const pellar::FileResult saved = SaveInvoiceCounter(m_invoiceNumber); !saved)
        m_program.reportFileError(saved.error);
}

} // namespace invoicing
