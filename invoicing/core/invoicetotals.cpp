#include "invoicing/core/invoicetotals.h"

#include "common/core/regional.h"
#include "invoicing/core/storedrates.h"

#include <initializer_list>
#include <limits>

namespace invoicing {

using pellar::Currency;

namespace {

// 128-bit intermediates keep products of two amounts exact (a GCC/Clang extension).
__extension__ typedef __int128 Wide;

// a x b / divisor, rounded to the nearest unit with an exact half going to the even one.
std::optional<Currency> scaledProduct(qint64 a, qint64 b, qint64 divisor) {
    const Wide product = Wide(a) * Wide(b);
    const bool negative = product < 0;
    const Wide magnitude = negative ? -product : product;
    Wide quotient = magnitude / divisor;
    const Wide twiceRemainder = (magnitude % divisor) * 2;
    if (twiceRemainder > divisor || (twiceRemainder == divisor && (quotient & 1) != 0))
        ++quotient;
    const Wide result = negative ? -quotient : quotient;
    if (result > std::numeric_limits<qint64>::max() || result < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return Currency::fromUnits(qint64(result));
}

} // namespace

std::optional<double> leadingQuantity(QStringView text, const pellar::RegionalSettings& r) {
    const QStringView rest = text.trimmed();
    qsizetype end = rest.startsWith(u'-') ? 1 : 0;
    const qsizetype start = end;
    while (end < rest.size() && ((rest[end] >= u'0' && rest[end] <= u'9') ||
                                 rest[end] == r.decimalPoint || rest[end] == r.groupSeparator))
        ++end;
    if (end == start)
        return 0.0;
    // "1e3" is a thousand to a plain-text reader: refused rather than billed as 1.
    qsizetype exponent = end;
    if (exponent < rest.size() && (rest[exponent] == u'e' || rest[exponent] == u'E')) {
        ++exponent;
        if (exponent < rest.size() && (rest[exponent] == u'-' || rest[exponent] == u'+'))
            ++exponent;
        if (exponent < rest.size() && rest[exponent] >= u'0' && rest[exponent] <= u'9')
            return std::nullopt;
    }
    return pellar::floatValue(rest.left(end), r);
}

std::optional<Currency> percentOf(Currency amount, QStringView percentText) {
    const std::optional<double> read = leadingQuantity(percentText, storedRateForm());
    const std::optional<Currency> percent = read ? Currency::fromDouble(*read) : std::nullopt;
    if (!percent)
        return std::nullopt;
    // Two scales of ten-thousandths, and per cent.
    return scaledProduct(amount.units(), percent->units(), Currency::kScale * 100);
}

std::optional<Currency> lineExtension(Currency price, double quantity) {
    const std::optional<Currency> count = Currency::fromDouble(quantity);
    if (!count)
        return std::nullopt;
    return price * *count;
}

std::optional<Currency> laborCharge(Currency hours, Currency rate) {
    return hours * rate;
}

std::optional<Currency> InvoiceTotals::taxOnSubTotal(Currency subTotal, TaxRule rule) const {
    if (rule.mode == TaxMode::None)
        return m_tax;
    return percentOf(subTotal, rule.rate);
}

bool InvoiceTotals::addLine(Currency extension, TaxRule rule) {
    const std::optional<Currency> subTotal = Currency::sum({m_subTotal, extension});
    if (!subTotal)
        return false;
    const std::optional<Currency> tax = taxOnSubTotal(*subTotal, rule);
    if (!tax)
        return false;
    const std::optional<Currency> grandTotal = Currency::sum({*subTotal, *tax});
    if (!grandTotal)
        return false;
    m_subTotal = *subTotal;
    m_tax = *tax;
    m_grandTotal = *grandTotal;
    return true;
}

bool InvoiceTotals::removeLine(Currency extension, TaxRule rule) {
    const std::optional<Currency> negated = -extension;
    return negated && addLine(*negated, rule);
}

bool InvoiceTotals::offerDiscount(QStringView percentText) {
    const std::optional<Currency> discount = percentOf(m_subTotal, percentText);
    if (!discount)
        return false;
    m_discount = *discount;
    return true;
}

bool InvoiceTotals::acceptLabor(TaxRule rule) {
    std::optional<Currency> tax = m_tax;
    if (rule.mode == TaxMode::MaterialAndLabor) {
        const std::optional<Currency> laborTax = percentOf(m_labor, rule.rate);
        tax = laborTax ? Currency::sum({m_tax, *laborTax}) : std::nullopt;
    }
    if (!tax)
        return false;
    const std::optional<Currency> grandTotal = Currency::sum({*tax, m_subTotal, m_labor});
    if (!grandTotal)
        return false;
    m_tax = *tax;
    m_grandTotal = *grandTotal;
    return true;
}

bool InvoiceTotals::enterShipping(Currency shipping) {
    const std::optional<Currency> grandTotal =
        Currency::sum({m_tax, m_subTotal, m_labor, shipping});
    if (!grandTotal)
        return false;
    m_shipping = shipping;
    m_grandTotal = *grandTotal;
    return true;
}

bool InvoiceTotals::enterCharges(Currency charges) {
    const std::optional<Currency> grandTotal =
        Currency::sum({m_tax, m_subTotal, m_labor, charges, m_shipping});
    if (!grandTotal)
        return false;
    m_charges = charges;
    m_grandTotal = *grandTotal;
    return true;
}

} // namespace invoicing
