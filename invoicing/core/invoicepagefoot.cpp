// The invoice's foot: totals, discount terms, memo and grand total, and word wrapping.
#include "invoicing/core/invoicepagelayout.h"

#include "common/core/regional.h"
#include "invoicing/core/invoicepageplace.h"

#include <QCoreApplication>
#include <algorithm>

namespace invoicing {

using namespace invoicepage;
using namespace invoicepageplace;

namespace {

constexpr double kTotalsLabelLeft = 5040;
constexpr double kAmountRight = 11520;
constexpr double kTermsLeft = 1872;
constexpr double kFootTop = 13824; // 9.6 in: terms and grand total share this line
// The memo wraps at the rule that closes its band on the right.
constexpr double kMemoWidth = kMemoDivider - kMemoLeft;
// The grand total stays this far inside its box, and is never set below this size.
constexpr double kBoxInset = 72;
constexpr int kSmallestTotalPoints = 8;
// Wrapped lines keep this far clear of the column's right edge.
constexpr double kWrapMargin = 20;

// An optional charge gets its line when it shows as something other than zero: the amount
// as the form showed it, to the cent, is what the invoice is about.
bool showsAsPositive(pellar::Currency amount) {
    return amount.cents() > 0;
}

} // namespace

namespace {

// The longest start of `word` (at least one character) that fits in `room`: where a word
// too wide for its column is broken, so it never runs into the next column.
qsizetype fittingStart(const pellar::PrintSurface& surface, const QString& word, double room) {
    qsizetype fits = 1;
    while (fits < word.size() && surface.textWidth(word.left(fits + 1)) <= room)
        ++fits;
    return fits;
}

} // namespace

QStringList wrapText(const pellar::PrintSurface& surface, const QString& text, double width) {
    if (text.isEmpty())
        return {QString()};
    const double room = width - kWrapMargin;
    QStringList pieces;
    QString rest = text;
    while (!rest.isEmpty()) {
        // The longest run of whole words (each with its blank) that fits; the whole rest
        // when it fits.
        qsizetype fits = 0;
        for (;;) {
            const qsizetype blank = rest.indexOf(u' ', fits);
            const qsizetype end = blank < 0 ? rest.size() : blank + 1;
            if (surface.textWidth(rest.left(end)) > room)
                break;
            fits = end;
            if (blank < 0)
                break;
        }
        if (fits == 0) {
            // A first word too wide for the column: broken at the column's edge. Its blank,
            // when it fits only without it, is dropped with the blanks that follow.
            const qsizetype blank = rest.indexOf(u' ');
            const QString word = rest.left(blank < 0 ? rest.size() : blank);
            fits = fittingStart(surface, word, room);
        }
        pieces.append(rest.left(fits));
        while (fits < rest.size() && rest[fits] == u' ')
            ++fits;
        rest = rest.mid(fits);
    }
    return pieces;
}

void printWrapped(pellar::PrintSurface& surface, double x, double y, double width,
                  const QString& text) {
    surface.setCurrentY(y);
    for (const QString& piece : wrapText(surface, text, width)) {
        surface.setCurrentX(x);
        surface.print(piece);
    }
}

void InvoicePageLayout::keepTotalsLineOnPage() {
    pellar::PrintSurface& s = m_surface;
    if (s.currentY() + s.textHeight(QCoreApplication::translate("InvoicePage", "ITEM SUB-TOTAL")) >=
        kMemoTop)
        startContinuationPage();
}

void InvoicePageLayout::printTotalsLine(const QString& label, pellar::Currency amount) {
    pellar::PrintSurface& s = m_surface;
    keepTotalsLineOnPage();
    atX(s, kTotalsLabelLeft);
    s.print(label, true);
    printRightAligned(s, pellar::formatCurrency(amount), kAmountRight, false);
}

void InvoicePageLayout::printTotals() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    SetPrintFont(s, 10, true, false);
    keepTotalsLineOnPage();
    s.print(QString());
    printTotalsLine(QCoreApplication::translate("InvoicePage", "ITEM SUB-TOTAL"),
                    m_invoice.subTotal);
    if (showsAsPositive(m_invoice.labor))
        printTotalsLine(QCoreApplication::translate("InvoicePage", "LABOR"), m_invoice.labor);
    if (showsAsPositive(m_invoice.shipping))
        printTotalsLine(QCoreApplication::translate("InvoicePage", "SHIPPING CHARGE"),
                        m_invoice.shipping);
    if (const qint64 charges = m_invoice.charges.cents(); charges != 0)
        printTotalsLine(charges < 0
                            ? QCoreApplication::translate("InvoicePage", "CREDIT ISSUED")
                            : QCoreApplication::translate("InvoicePage", "ADDITIONAL CHARGES"),
                        m_invoice.charges);
    s.setBold(true);
    if (showsAsPositive(m_invoice.tax))
        printTotalsLine(QCoreApplication::translate("InvoicePage", "TAX"), m_invoice.tax);

    printDiscountTerms();
    printInvoiceMemo();
    printGrandTotal();
}

void InvoicePageLayout::printDiscountTerms() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    atY(s, kFootTop);
    // An offer that shows as zero is no offer.
    if (m_invoice.discount.cents() != 0) {
        atX(s, kTermsLeft);
        s.print(
            QCoreApplication::translate("InvoicePage", "Deduct a Discount of %1 if Paid in %2 days")
                .arg(pellar::formatCurrency(m_invoice.discount), m_invoice.discountDays));
    }
    atX(s, kTermsLeft);
    s.print(QCoreApplication::translate("InvoicePage", "Thank you for your Business"));
}

QStringList InvoicePageLayout::memoPieces(pellar::PrintSurface& surface, const QStringList& memo) {
    // The memo prints in the totals' type: 10 point bold.
    SetPrintFont(surface, 10, true, false);
    QStringList pieces;
    for (const QString& memoLine : memo)
        pieces += wrapText(surface, memoLine, kMemoWidth);
    return pieces;
}

MemoFit fitInvoiceMemo(pellar::PrintSurface& surface, const QStringList& memo) {
    MemoFit fit;
    fit.lines = int(InvoicePageLayout::memoPieces(surface, memo).size());
    const double lineHeight = surface.textHeight();
    for (double y = kMemoFirstTop; y + lineHeight < kBottomBandTop; y += lineHeight)
        ++fit.room;
    fit.fitting = std::min(fit.lines, fit.room);
    return fit;
}

void InvoicePageLayout::printInvoiceMemo() {
    pellar::PrintSurface& s = m_surface;
    if (m_invoice.memo.isEmpty())
        return;
    s.setTextColor(Qt::black);
    // The memo has its band between two rules; what does not fit above the lower one is
    // left off rather than printed over the terms and the grand total. The setup form tells
    // the person so when the memo is saved.
    const QStringList pieces = memoPieces(s, m_invoice.memo);
    const int fitting = fitInvoiceMemo(s, m_invoice.memo).fitting;
    at(s, kMemoLeft, kMemoFirstTop);
    for (qsizetype i = 0; i < fitting; ++i) {
        atX(s, kMemoLeft);
        s.print(pieces[i]);
    }
}

void InvoicePageLayout::printGrandTotal() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    SetPrintFont(s, 12, true, false);
    atY(s, kFootTop);
    // The total keeps its right edge in line with the amounts above; one too wide for its
    // box at 12 point (a large sum in a wide face) is set smaller rather than across the rule.
    const QString total = pellar::formatCurrency(m_invoice.grandTotal);
    for (int size = 11; size >= kSmallestTotalPoints &&
                        rightAlignedX(s, total, kAmountRight) < kGrandTotalDivider + kBoxInset;
         --size)
        SetPrintFont(s, size, true, false);
    printRightAligned(s, total, kAmountRight, false);
    SetPrintFont(s, 9, true, false);
}

} // namespace invoicing
