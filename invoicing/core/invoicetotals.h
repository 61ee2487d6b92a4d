#pragma once
// The money on an invoice: line extensions, the item sub-total, sales tax, labor, shipping,
// additional charges or credit, the early-payment discount and the grand total.
//
// Everything is exact currency (four decimals). The sub-total is the plain sum of the line
// extensions, so taking a line off removes exactly what posting it added. Every step either
// succeeds or leaves every amount as it was: an amount too large to hold is refused, never
// wrapped or clipped.

#include "common/core/currency.h"
#include "common/core/regional.h"
#include "invoicing/core/invoiceoptions.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace invoicing {

// How the invoice is taxed, as the options say at the moment of a step.
struct TaxRule {
    TaxMode mode = TaxMode::None;
    QString rate; // stored percent text, read by its leading number ("6.0", "7 %")

    static TaxRule from(const InvoiceOptions& options) {
        return {options.taxMode(), options.taxRate};
    }
};

// The number a typed quantity or percent starts with, in the regional form: "1,000" is a
// thousand, and "1,5" one and a half where the comma is the decimal point. What follows
// the number ("2 coils", "7 %") is not read; a text that starts with no number is 0.
// nullopt when the number it starts with cannot be read whole ("1,5" where the comma
// groups thousands, "1.2.3"), so nothing is ever billed on a number cut short.
std::optional<double>
leadingQuantity(QStringView text,
                const pellar::RegionalSettings& r = pellar::RegionalSettings::current());

// amount x percent / 100, rounded to four decimals with an exact half going to the even
// neighbour. The percent is a stored rate (storedrates.h), read by its leading quantity
// ("1.5" -> 1.5; "abc" -> 0) in every region, taken to four decimals. nullopt when it cannot be
// read whole or the result cannot be held.
std::optional<pellar::Currency> percentOf(pellar::Currency amount, QStringView percentText);

// price x quantity, rounded to four decimals (an exact half to even). The quantity is taken
// to four decimals. nullopt when the result cannot be held.
std::optional<pellar::Currency> lineExtension(pellar::Currency price, double quantity);

// hours x hourly rate, rounded to four decimals (an exact half to even).
std::optional<pellar::Currency> laborCharge(pellar::Currency hours, pellar::Currency rate);

class InvoiceTotals {
public:
    pellar::Currency subTotal() const { return m_subTotal; }
    pellar::Currency tax() const { return m_tax; }
    pellar::Currency labor() const { return m_labor; }
    pellar::Currency shipping() const { return m_shipping; }
    pellar::Currency charges() const { return m_charges; } // negative: a credit
    pellar::Currency discount() const { return m_discount; }
    pellar::Currency grandTotal() const { return m_grandTotal; }

    // A posted line: the sub-total grows by the extension, the tax is worked out afresh on the
    // whole sub-total (left alone when nothing is taxed), and the grand total is sub-total
    // plus tax. False, with nothing changed, when an amount would be out of range.
    bool addLine(pellar::Currency extension, TaxRule rule);
    // A deleted line: the same, taking the extension off.
    bool removeLine(pellar::Currency extension, TaxRule rule);

    // The early-payment offer: a percentage of the sub-total, shown but never subtracted.
    bool offerDiscount(QStringView percentText);

    // The labor charge as worked out or typed; it counts once it is accepted.
    void setLabor(pellar::Currency labor) { m_labor = labor; }
    // Accepting the labor: taxed only when material and labor are both taxed; the grand total
    // becomes tax + sub-total + labor.
    bool acceptLabor(TaxRule rule);

    // Each charge box zeroes its amount while it is being typed into, and on leaving it the
    // grand total is worked out from everything known up to that box: shipping counts
    // everything but the additional charges, the charges box counts everything.
    void clearShipping() { m_shipping = {}; }
    void clearCharges() { m_charges = {}; }
    bool enterShipping(pellar::Currency shipping);
    bool enterCharges(pellar::Currency charges);

private:
    std::optional<pellar::Currency> taxOnSubTotal(pellar::Currency subTotal, TaxRule rule) const;

    pellar::Currency m_subTotal;
    pellar::Currency m_tax;
    pellar::Currency m_labor;
    pellar::Currency m_shipping;
    pellar::Currency m_charges;
    pellar::Currency m_discount;
    pellar::Currency m_grandTotal;
};

} // namespace invoicing
