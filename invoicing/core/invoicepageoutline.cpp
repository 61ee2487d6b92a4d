// The invoice as a document of its own kind, and its outline for the alignment test page.
#include "common/core/printalignment.h"
#include "invoicing/core/invoicepagelayout.h"

#include <QCoreApplication>

namespace invoicing {

using namespace invoicepage;

pellar::PrintedDocumentKind invoiceDocument(const QString& number) {
    pellar::PrintedDocumentKind kind;
    kind.document = pellar::PrintedDocument::Invoice;
    kind.origin = pellar::PageOrigin::PaperEdge;
    kind.jobName = QCoreApplication::translate("InvoiceDocument", "Invoice %1").arg(number);
    // The file name is the same in every language. A number typed as "2026/7" must not name
    // a folder in it.
    QString fileName = QStringLiteral("Invoice ") + number;
    for (const QChar bad : QStringLiteral("/\\:*?\"<>|"))
        fileName.replace(bad, u'-');
    kind.pdfFileName = fileName + QStringLiteral(".pdf");
    return kind;
}

void printInvoiceFieldOutlines(pellar::PrintSurface& s) {
    // The frame's header box and rules, as every invoice page draws them.
    s.setDrawWidth(kRulingPenDots);
    s.box(kLeft, kHeaderTop, kRight, kHeaderBottom, Qt::black);
    for (const double y : {kHeadingTop, kHeadingBottom, kMemoTop, kBottomBandTop, kFormBottom})
        s.line(kLeft, y, kRight, y, Qt::black);
    for (const double x : {kLeft, kQuantityEdge, kRight})
        s.line(x, kHeadingTop, x, kFormBottom, Qt::black);
    s.line(kMemoDivider, kMemoTop, kMemoDivider, kBottomBandTop, Qt::black);
    s.line(kGrandTotalDivider, kBottomBandTop, kGrandTotalDivider, kFormBottom, Qt::black);

    // Each field where it prints, in inches: the header box's fields first, then the table's
    // columns, the memo and the foot.
    SetPrintFont(s, 8, false, false);
    struct Field {
        const char* name; // the outline's caption, translated when it prints
        double left, top, width, height;
    };
    static constexpr Field kFields[] = {
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Business"), 1.0, 0.5, 3.4, 1.25},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Title"), 5.0, 0.5, 3.0, 0.35},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Date, number, page"), 5.0, 0.9, 3.0, 0.75},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Customer"), 1.0, 2.3, 3.4, 0.8},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Qty"), 0.3, 4.5, 0.7, 3.9},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Description"), 1.5, 4.5, 3.5, 3.9},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Price"), 5.55, 4.5, 1.25, 3.9},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Total"), 6.85, 4.5, 1.15, 3.9},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Memo"), 2.0, 8.75, 3.5, 0.7},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Terms"), 1.3, 9.6, 5.6, 0.35},
        {QT_TRANSLATE_NOOP("InvoiceOutline", "Grand total"), 7.05, 9.55, 1.15, 0.4},
    };
    for (const Field& field : kFields)
        pellar::printFieldOutline(s, QCoreApplication::translate("InvoiceOutline", field.name),
                                  field.left, field.top, field.width, field.height);
}

} // namespace invoicing
