// The invoice page: set-up, frame, business header, headings, customer block and item lines.
#include "invoicing/core/invoicepagelayout.h"

#include "common/core/regional.h"
#include "invoicing/core/invoicepageplace.h"

#include <QCoreApplication>
#include <algorithm>

namespace invoicing {

using namespace invoicepage;
using namespace invoicepageplace;

namespace {

// Where the item columns sit: quantities end at 1 in, prices at 6.8 in, line totals at
// 8 in; descriptions wrap in the 3.5 in between 1.5 in and the prices.
constexpr double kItemsLeft = 1080;
constexpr double kQuantityRight = 1440;
constexpr double kPriceRight = 9792;
constexpr double kLineTotalRight = 11520;
constexpr double kDescriptionLeft = 2160;
constexpr double kDescriptionWidth = 5040;
// The business header ends a tenth of an inch short of the title and the date lines at
// 5 in; a longer name or line is cut there.
constexpr double kBusinessWidth = 7200 - 1440 - 144;

} // namespace

pellar::PrintJobSetup invoiceJobSetup(const pellar::PrinterChoice& printer, bool color,
                                      const QString& documentName) {
    pellar::PrintJobSetup setup;
    setup.printer = printer;
    setup.documentName = documentName;
    setup.orientation = QPageLayout::Portrait;
    setup.color = color;
    return setup;
}

InvoicePageLayout::InvoicePageLayout(pellar::PrintSurface& surface, const InvoicePrintData& invoice)
    : m_surface(surface)
    , m_invoice(invoice) {}

void InvoicePageLayout::printInvoicePages() {
    setupInvoicePage();
    printPageFrame();
    printInvoiceHeading();
    if (m_invoice.remittance)
        printDetachNote();
    printAddressBlock(2.3f);
    printItemLines();
    printTotals();
}

void InvoicePageLayout::setupInvoicePage() {
    // Paper, orientation and the printer's own colour mode belong to the job
    // (invoiceJobSetup); this is the text state every invoice starts from.
    m_surface.setColorMode(m_invoice.color ? pellar::ColorMode::Color
                                           : pellar::ColorMode::Monochrome);
    m_surface.setFontName(QString::fromLatin1(kInvoiceFontName));
    m_surface.setTextColor(Qt::black);
    m_surface.setBold(false);
    m_surface.setUnderline(false);
}

void InvoicePageLayout::blueIfColor() {
    if (m_invoice.color)
        m_surface.setTextColor(kInvoiceBlue);
}

void InvoicePageLayout::printPageFrame() {
    pellar::PrintSurface& s = m_surface;
    // The page is Letter, 12240 twips wide, from the job's set-up. The form is ruled in
    // black on every page, whatever colour the text happens to be in when a page breaks.
    s.setDrawWidth(kRulingPenDots);
    s.box(kLeft, kHeaderTop, kRight, kHeaderBottom, Qt::black);
    s.line(kLeft, kHeadingTop, kRight, kHeadingTop, Qt::black);
    s.line(kLeft, kHeadingBottom, kRight, kHeadingBottom, Qt::black);
    s.line(kLeft, kFormBottom, kRight, kFormBottom, Qt::black);
    s.line(kLeft, kMemoTop, kRight, kMemoTop, Qt::black);
    s.line(kLeft, kBottomBandTop, kRight, kBottomBandTop, Qt::black);
    s.line(kLeft, kHeadingTop, kLeft, kFormBottom, Qt::black);
    s.line(kQuantityEdge, kHeadingTop, kQuantityEdge, kFormBottom, Qt::black);
    s.line(kRight, kHeadingTop, kRight, kFormBottom, Qt::black);
    s.line(kMemoDivider, kBottomBandTop, kMemoDivider, kMemoTop, Qt::black);
    s.line(kGrandTotalDivider, kBottomBandTop, kGrandTotalDivider, kFormBottom, Qt::black);

    // Title and business header in black too; the text colour in use is given back after.
    const QColor textColor = s.textColor();
    s.setTextColor(Qt::black);
    SetPrintFont(s, 28, true, false);
    // At 0.4 in the 28-point title clears the date line below it at 0.9 in.
    at(s, 7200, 576);
    s.print(QCoreApplication::translate("InvoicePage", "INVOICE"));
    SetPrintFont(s, 10, true, false);
    printBusinessHeader();
    s.setTextColor(textColor);
}

QString InvoicePageLayout::businessCityLine(const pellar::BusinessProfile& business) {
    QString line;
    if (!business.city.isEmpty())
        line = business.city + QStringLiteral(", ");
    if (!business.st.isEmpty())
        line += business.st + QStringLiteral(". ") + business.zip;
    return line;
}

void InvoicePageLayout::printBusinessHeader() {
    pellar::PrintSurface& s = m_surface;
    const pellar::BusinessProfile& business = m_invoice.business;
    // A long name would run into the title at 14 point.
    at(s, 1440, 720);
    SetPrintFont(s, business.name.size() > 15 ? 10 : 14, true, false);
    s.print(pellar::fittedToWidth(s, business.name, kBusinessWidth));
    SetPrintFont(s, 10, false, false);
    const QString cityLine = businessCityLine(business);
    // The telephone is not printed: the header leaves room for five lines under the name.
    const QStringList lines{business.address, business.poBox, cityLine, business.fax,
                            business.fein};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == 0 || !lines[i].isEmpty()) {
            atX(s, 1440);
            s.print(pellar::fittedToWidth(s, lines[i], kBusinessWidth));
        }
    }
}

void InvoicePageLayout::printInvoiceHeading() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    SetPrintFont(s, 10, true, false);
    at(s, 7200, 1296);
    s.print(QCoreApplication::translate("InvoicePage", "Date %1")
                .arg(pellar::formatShortDate(m_invoice.date)));
    atX(s, 7200);
    s.print(
        QCoreApplication::translate("InvoicePage", "INVOICE NO: %1").arg(m_invoice.invoiceNumber));
    atX(s, 7200);
    s.print(QCoreApplication::translate("InvoicePage", "Reference: %1").arg(m_invoice.reference));
    atX(s, 7200);
    // The number keeps the blank a printed number has in front of it.
    s.print(QCoreApplication::translate("InvoicePage", "Page  %1").arg(s.page()));
    printColumnHeadings();
    s.setTextColor(Qt::black);
}

void InvoicePageLayout::printColumnHeadings() {
    pellar::PrintSurface& s = m_surface;
    at(s, 864, 5832);
    s.print(QCoreApplication::translate("InvoicePage", "QTY"), true);
    atX(s, 3960);
    s.print(QCoreApplication::translate("InvoicePage", "DESCRIPTION"), true);
    atX(s, 8784);
    s.print(QCoreApplication::translate("InvoicePage", "PRICE"), true);
    atX(s, 10800);
    s.print(QCoreApplication::translate("InvoicePage", "TOTAL"));
}

void InvoicePageLayout::printDetachNote() {
    pellar::PrintSurface& s = m_surface;
    SetPrintFont(s, 6, true, false);
    at(s, 4320, 5184);
    s.print(QCoreApplication::translate("InvoicePage", "Detach Here and Return Top Section"));
    SetPrintFont(s, 10, false, false);
}

void InvoicePageLayout::printAddressBlock(float yInches) {
    pellar::PrintSurface& s = m_surface;
    // The font is whatever the steps before left: regular after the detach note.
    const CustomerAddress& customer = m_invoice.customer;
    SetPrintPosition(s, 1.0f, yInches);
    s.print(customer.name);
    atX(s, 1440);
    s.print(customer.street);
    if (!customer.poBox.isEmpty()) {
        atX(s, 1440);
        s.print(customer.poBox);
    }
    atX(s, 1440);
    s.print(customer.city + QStringLiteral(", ") + customer.state + QStringLiteral(" ") +
            customer.zip);
    s.setTextColor(Qt::black);
}

void InvoicePageLayout::printItemLines() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    s.print(QString());
    at(s, kItemsLeft, kFirstItemTop);
    for (const InvoiceLine& line : m_invoice.lines)
        printItemRow(line);
    // The totals start above the memo band.
    if (s.currentY() >= kMemoTop)
        startContinuationPage();
    s.setTextColor(Qt::black);
}

void InvoicePageLayout::printItemRow(const InvoiceLine& line) {
    pellar::PrintSurface& s = m_surface;
    const QStringList pieces = wrapText(s, line.item, kDescriptionWidth);
    const double pieceHeight = s.textHeight(line.item);
    const double rowHeight = double(pieces.size()) * pieceHeight;
    // A row is kept on one page when it fits on one; a description longer than a whole
    // page is carried over piece by piece instead.
    double needed = s.textHeight(line.quantity);
    if (kContinuedItemTop + rowHeight < kMemoTop)
        needed = std::max(needed, rowHeight);
    if (s.currentY() + needed >= kMemoTop)
        startContinuationPage();

    printRightAligned(s, line.quantity, kQuantityRight, true);
    printRightAligned(s, pellar::formatCurrency(line.price), kPriceRight, true);
    printRightAligned(s, pellar::formatCurrency(line.extension), kLineTotalRight, true);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0 && s.currentY() + pieceHeight >= kMemoTop)
            startContinuationPage();
        atX(s, kDescriptionLeft);
        s.print(pieces[i]);
    }
    if (s.currentY() + pieceHeight >= kMemoTop)
        startContinuationPage();
}

void InvoicePageLayout::startContinuationPage() {
    pellar::PrintSurface& s = m_surface;
    // A failed page shows in the job's end; the layout runs on so its breaks stay put.
    s.newPage();
    printPageFrame();
    // The heading prints the column headings; printing them before it as well would put
    // the regular type the frame leaves under the heading's bold and smudge them.
    printInvoiceHeading();
    printAddressBlock(2.3f);
    at(s, kItemsLeft, kContinuedItemTop);
}

} // namespace invoicing
