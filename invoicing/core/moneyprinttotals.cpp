// The invoice's foot: totals, discount terms, memo and grand total, and word wrapping.
#include "invoicing/core/moneyprint.h"

#include "common/core/regional.h"
#include "invoicing/core/moneyprintplace.h"

#include <optional>

namespace invoicing {

using namespace invoicepage;
using namespace moneyprintplace;

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

std::optional<pellar::Currency> amountOf(const QString& shown) {
    return pellar::currencyValue(shown);
}

// Whether an optional charge gets its line: a positive amount does, and so does a text the
// form shows that cannot be read as an amount, rather than leave it off unseen.
bool chargeShown(const QString& shown) {
    const std::optional<pellar::Currency> amount = amountOf(shown);
    return amount ? *amount > pellar::Currency() : !shown.trimmed().isEmpty();
}

} // namespace

QString printedAmount(const QString& shown) {
    const std::optional<pellar::Currency> amount = amountOf(shown);
    return amount ? pellar::formatCurrency(*amount) : shown;
}

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
            // A first word too wide for the column: it gets a line of its own.
            const qsizetype blank = rest.indexOf(u' ');
            fits = blank < 0 ? rest.size() : blank + 1;
        }
        pieces.append(rest.left(fits));
        while (fits < rest.size() && rest[fits] == u' ')
            ++fits;
        rest = rest.mid(fits);
    }
    return pieces;
}

void PrintWrapped(pellar::PrintSurface& surface, double x, double y, double width,
                  const QString& text) {
    surface.setCurrentY(y);
    for (const QString& piece : wrapText(surface, text, width)) {
        surface.setCurrentX(x);
        surface.print(piece);
    }
}

void MoneyPrint::keepTotalsLineOnPage() {
    pellar::PrintSurface& s = m_surface;
    if (s.currentY() + s.textHeight(QStringLiteral("ITEM SUB-TOTAL")) >= kMemoTop)
        StartContinuationPage();
}

void MoneyPrint::printTotalsLine(const QString& label, const QString& amountText) {
    pellar::PrintSurface& s = m_surface;
    keepTotalsLineOnPage();
    atX(s, kTotalsLabelLeft);
    s.print(label, true);
    printRightAligned(s, printedAmount(amountText), kAmountRight, false);
}

void MoneyPrint::PrintTotals() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    SetPrintFont(s, 10, true, false);
    keepTotalsLineOnPage();
    s.print(QString());
    printTotalsLine(QStringLiteral("ITEM SUB-TOTAL"), m_invoice.subTotal);
    if (chargeShown(m_invoice.labor))
        printTotalsLine(QStringLiteral("LABOR"), m_invoice.labor);
    if (chargeShown(m_invoice.shipping))
        printTotalsLine(QStringLiteral("SHIPPING CHARGE"), m_invoice.shipping);
    const std::optional<pellar::Currency> misc = amountOf(m_invoice.misc);
    if (misc ? !misc->isZero() : !m_invoice.misc.trimmed().isEmpty()) {
        const bool credit = misc && misc->isNegative();
        printTotalsLine(credit ? QStringLiteral("CREDIT ISSUED")
                               : QStringLiteral("ADDITIONAL CHARGES"),
                        m_invoice.misc);
    }
    s.setBold(true);
    if (chargeShown(m_invoice.tax))
        printTotalsLine(QStringLiteral("TAX"), m_invoice.tax);

    PrintDiscountTerms();
    PrintInvoiceMemo();
    PrintGrandTotal();
}

void MoneyPrint::PrintDiscountTerms() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    atY(s, kFootTop);
    // No offer shows as the currency form of zero; an empty box is no offer either.
    const QString& discount = m_invoice.discount;
    const std::optional<pellar::Currency> amount = amountOf(discount);
    const bool offered = !discount.trimmed().isEmpty() && discount != QStringLiteral("$0.00") &&
                         discount != pellar::formatCurrency(pellar::Currency()) &&
                         !(amount && amount->isZero());
    if (offered) {
        atX(s, kTermsLeft);
        s.print(QStringLiteral("Deduct a Discount of ") + discount +
                QStringLiteral(" if Paid in ") + m_invoice.discountDays + QStringLiteral(" days"));
    }
    atX(s, kTermsLeft);
    s.print(QStringLiteral("Thank you for your Business"));
}

void MoneyPrint::PrintInvoiceMemo() {
    pellar::PrintSurface& s = m_surface;
    if (m_invoice.memo.isEmpty())
        return;
    s.setTextColor(Qt::black);
    at(s, kMemoLeft, kMemoFirstTop);
    // The memo has its band between two rules; what does not fit above the lower one is
    // left off rather than printed over the terms and the grand total.
    for (const QString& memoLine : m_invoice.memo) {
        for (const QString& piece : wrapText(s, memoLine, kMemoWidth)) {
            if (s.currentY() + s.textHeight(piece) >= kBottomBandTop)
                return;
            atX(s, kMemoLeft);
            s.print(piece);
        }
    }
}

void MoneyPrint::PrintGrandTotal() {
    pellar::PrintSurface& s = m_surface;
    blueIfColor();
    SetPrintFont(s, 12, true, false);
    atY(s, kFootTop);
    // The total keeps its right edge in line with the amounts above; one too wide for its
    // box at 12 point (a large sum in a wide face) is set smaller rather than across the rule.
    const QString total = printedAmount(m_invoice.grandTotal);
    for (int size = 11; size >= kSmallestTotalPoints &&
                        rightAlignedX(s, total, kAmountRight) < kGrandTotalDivider + kBoxInset;
         --size)
        SetPrintFont(s, size, true, false);
    printRightAligned(s, total, kAmountRight, false);
    SetPrintFont(s, 9, true, false);
}

} // namespace invoicing
