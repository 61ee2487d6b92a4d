#include "invoicing/core/chargeentry.h"

#include "common/core/regional.h"

namespace invoicing {

using pellar::Currency;

InvoiceField ChargeEntry::field(ChargeBox box) {
    switch (box) {
    case ChargeBox::Labor:
        return InvoiceField::LaborTotal;
    case ChargeBox::Shipping:
        return InvoiceField::Shipping;
    case ChargeBox::Charges:
        break;
    }
    return InvoiceField::Charges;
}

void ChargeEntry::reset() {
    m_edited.reset();
    m_refocusing.reset();
    m_refused.reset();
}

ChargeReaction ChargeEntry::entered(ChargeBox box) {
    if (m_stopped)
        return {};
    m_edited = box;
    if (box == ChargeBox::Labor || m_refocusing == box)
        return {};
    // The amount counts again only once the box is left.
    const bool shipping = box == ChargeBox::Shipping;
    if (shipping)
        m_draft.clearShipping();
    else
        m_draft.clearCharges();
    if (m_refused == box)
        m_refused.reset();
    const AddOns& addOns = m_draft.addOns();
    // A box whose add-on was not chosen is zeroed and passed over at once.
    if ((shipping ? addOns.shipping : addOns.misc) == kClear)
        return left(box, QString());
    ChargeReaction reaction;
    reaction.text = QString();
    reaction.tint = ChargeReaction::Tint::Editing;
    return reaction;
}

ChargeReaction ChargeEntry::left(ChargeBox box, const QString& text) {
    if (m_stopped || m_edited != box)
        return {};
    m_edited.reset();
    const QString typed = text.isEmpty() ? QStringLiteral("0") : text;
    const std::optional<Currency> amount = pellar::currencyValue(typed);
    bool taken = amount.has_value();
    if (taken && box == ChargeBox::Shipping)
        taken = m_draft.enterShipping(*amount);
    else if (taken && box == ChargeBox::Charges)
        taken = m_draft.enterCharges(*amount);
    if (!taken) {
        ChargeReaction reaction = refuse(box);
        if (text.isEmpty())
            reaction.text = typed;
        return reaction;
    }
    m_refused.reset();
    ChargeReaction reaction;
    reaction.text = pellar::formatCurrency(*amount);
    if (box == ChargeBox::Labor) {
        m_draft.setLabor(*amount);
        reaction.focus = InvoiceField::EnterLabor;
        return reaction;
    }
    reaction.totalsChanged = true;
    reaction.tint = ChargeReaction::Tint::Resting;
    reaction.focus = box == ChargeBox::Shipping ? m_draft.afterShipping() : InvoiceField::Print;
    return reaction;
}

ChargeReaction ChargeEntry::refuse(ChargeBox box) {
    m_refused = box;
    m_refocusing = box;
    m_edited = box;
    ChargeReaction reaction;
    reaction.alarm = true;
    reaction.focus = field(box);
    return reaction;
}

} // namespace invoicing
