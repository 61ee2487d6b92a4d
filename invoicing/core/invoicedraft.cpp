#include "invoicing/core/invoicedraft.h"

#include "common/core/regional.h"
#include "invoicing/core/storedrates.h"

#include <QCoreApplication>

namespace invoicing {

using pellar::Currency;

namespace {

StepResult refused(InvoiceField field, const QString& why) {
    return {true, field, false, why};
}

QString tooMuch() {
    return QCoreApplication::translate("InvoiceDraft",
                                       "That comes to more than an invoice can hold.");
}

StepResult moveTo(InvoiceField field) {
    return {false, field, false};
}

} // namespace

void InvoiceDraft::clearInvoice() {
    m_lines.clear();
    m_totals = InvoiceTotals();
    m_acceptedLabor = Currency();
    m_posted = false;
    m_laborOpen = false;
    m_chargesOpen = false;
    m_stage = Stage::Ready;
}

void InvoiceDraft::start(qint32 counter, const AddOns& preselected) {
    clearInvoice();
    m_counter = counter;
    m_number = QString::number(counter);
    m_addOns = preselected;
}

void InvoiceDraft::renumber(qint32 counter) {
    if (m_number == QString::number(m_counter))
        m_number = QString::number(counter);
    m_counter = counter;
}

void InvoiceDraft::redo() {
    clearInvoice();
    // The number stays with the invoice: a fresh start still prints under the counter.
    m_number = QString::number(m_counter);
}

StepResult InvoiceDraft::post(const QString& item, const QString& quantity, const QString& price,
                              const TaxRule& rule) {
    if (item.isEmpty())
        return refused(InvoiceField::Item,
                       QCoreApplication::translate("InvoiceDraft", "Type or pick the item first."));
    if (price.isEmpty())
        return refused(InvoiceField::Price,
                       QCoreApplication::translate("InvoiceDraft", "Type the price first."));
    if (quantity.isEmpty())
        return refused(InvoiceField::Quantity,
                       QCoreApplication::translate("InvoiceDraft", "Type the quantity first."));
    // The invoice holds 50 lines; a further one would have nowhere to go.
    if (m_lines.size() >= kMaxLines)
        return refused(InvoiceField::None,
                       QCoreApplication::translate("InvoiceDraft", "An invoice holds 50 lines."));
    const std::optional<Currency> unitPrice = pellar::currencyValue(price);
    if (!unitPrice)
        return refused(
            InvoiceField::Price,
            QCoreApplication::translate("InvoiceDraft", "The price \"%1\" is not an amount.")
                .arg(price));
    const std::optional<double> count = leadingQuantity(quantity);
    if (!count)
        return refused(InvoiceField::Quantity,
                       QCoreApplication::translate(
                           "InvoiceDraft", "The quantity \"%1\" cannot be read as a number.")
                           .arg(quantity));
    if (rule.mode != TaxMode::None && !leadingQuantity(rule.rate, storedRateForm()))
        return refused(InvoiceField::None,
                       QCoreApplication::translate(
                           "InvoiceDraft", "The tax rate \"%1\" cannot be read as a number; "
                                           "correct it in Setup.")
                           .arg(rule.rate));
    const std::optional<Currency> extension = lineExtension(*unitPrice, *count);
    if (!extension || !m_totals.addLine(*extension, rule))
        return refused(InvoiceField::Quantity, tooMuch());
    m_lines.append({quantity, item, *unitPrice, *extension});
    m_posted = true;
    return moveTo(InvoiceField::Item);
}

bool InvoiceDraft::canDelete(int line) const {
    return m_stage == Stage::Lines && line >= 1 && line <= m_lines.size();
}

StepResult InvoiceDraft::deleteLine(int line, const TaxRule& rule) {
    if (!canDelete(line))
        return moveTo(InvoiceField::None);
    // Exactly what the line added comes off again.
    if (!m_totals.removeLine(m_lines.at(line - 1).extension, rule))
        return refused(InvoiceField::Item, tooMuch());
    m_lines.removeAt(line - 1);
    return moveTo(InvoiceField::Item);
}

void InvoiceDraft::completeLines() {
    m_stage = Stage::AddOns;
    m_chargesOpen = false;
}

StepResult InvoiceDraft::continueFromAddOns(const InvoiceOptions& options) {
    StepResult result;
    // Only a plain tick offers the discount; a greyed box does not. A percentage no invoice
    // can hold makes no offer.
    if (m_addOns.discount == kTicked && !m_totals.offerDiscount(options.discountPercent)) {
        result.alarm = true;
        result.why =
            QCoreApplication::translate(
                "InvoiceDraft", "A discount of %1 percent cannot be offered on this invoice.")
                .arg(options.discountPercent);
    }
    if (m_addOns.any())
        m_chargesOpen = true;
    m_stage = Stage::Charges;
    if (m_addOns.labor == kClear) {
        result.focus = afterLabor();
        return result;
    }
    m_laborOpen = true;
    if (options.laborMode() == LaborMode::Calculated) {
        const std::optional<Currency> rate =
            pellar::currencyValue(options.hourlyRate, storedRateForm());
        // An unreadable rate is offered as it stands; Calculate refuses it there.
        m_offeredRate = rate ? pellar::formatCurrency(*rate) : options.hourlyRate;
        result.focus = InvoiceField::Hours;
    } else {
        result.focus = InvoiceField::LaborTotal;
    }
    return result;
}

StepResult InvoiceDraft::calculateLabor(const QString& hours, const QString& rate) {
    if (hours.isEmpty())
        return refused(InvoiceField::Hours,
                       QCoreApplication::translate("InvoiceDraft", "Type the hours first."));
    const std::optional<Currency> hourCount = pellar::currencyValue(hours);
    if (!hourCount)
        return refused(InvoiceField::Hours,
                       QCoreApplication::translate("InvoiceDraft",
                                                   "The hours \"%1\" cannot be read as a number.")
                           .arg(hours));
    const std::optional<Currency> hourlyRate = pellar::currencyValue(rate);
    if (!hourlyRate)
        return refused(InvoiceField::Rate, QCoreApplication::translate(
                                               "InvoiceDraft", "The rate \"%1\" is not an amount.")
                                               .arg(rate));
    const std::optional<Currency> labor = laborCharge(*hourCount, *hourlyRate);
    if (!labor)
        return refused(InvoiceField::Hours, tooMuch());
    m_totals.setLabor(*labor);
    return moveTo(InvoiceField::EnterLabor);
}

StepResult InvoiceDraft::enterLabor(const QString& shown, const TaxRule& rule) {
    if (shown.isEmpty())
        return refused(InvoiceField::LaborRedo,
                       QCoreApplication::translate("InvoiceDraft",
                                                   "Calculate or type the labor charge first."));
    const std::optional<Currency> amount = pellar::currencyValue(shown);
    if (!amount)
        return {
            true, InvoiceField::LaborTotal, true,
            QCoreApplication::translate("InvoiceDraft", "The labor charge \"%1\" is not an amount.")
                .arg(shown)};
    // The box may have been typed into without being left.
    if (pellar::formatCurrency(m_totals.labor()) != shown)
        m_totals.setLabor(*amount);
    if (!m_totals.acceptLabor(rule))
        return {true, InvoiceField::LaborTotal, true, tooMuch()};
    m_acceptedLabor = *amount;
    m_laborOpen = false;
    return moveTo(afterLabor());
}

InvoiceField InvoiceDraft::afterLabor() const {
    if (m_addOns.shipping == kClear)
        return afterShipping();
    return m_chargesOpen ? InvoiceField::Shipping : InvoiceField::None;
}

InvoiceField InvoiceDraft::afterShipping() const {
    if (m_addOns.misc == kClear)
        return printable() ? InvoiceField::Print : InvoiceField::CreateInvoice;
    return m_chargesOpen ? InvoiceField::Charges : InvoiceField::None;
}

} // namespace invoicing
