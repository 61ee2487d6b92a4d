#pragma once
// The sales-tax figures of a period on paper, for the person's return or their accountant:
// the business, the period, the four figures and the count of invoices.

#include "common/core/documentoutput.h"
#include "common/core/printsurface.h"
#include "common/core/profile.h"
#include "invoicing/core/invoiceregister.h"

namespace invoicing {

void printSalesTaxReport(pellar::PrintSurface& surface, const pellar::BusinessProfile& business,
                         const SalesTaxFigures& figures);
pellar::PrintedDocumentKind salesTaxDocument(const Period& period);

} // namespace invoicing
