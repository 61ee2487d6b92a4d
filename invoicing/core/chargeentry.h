#pragma once
// The charge boxes as the person moves through them: the labor total, shipping and the
// additional charges or credit. Entering a shipping or charges box empties it and takes its
// amount off until the box is left; leaving a box reads what was typed (nothing counts as
// 0) and either takes it, shows it as an amount and moves on, or refuses it: the alarm, the
// focus back in the box and the text kept for correcting. While a refused text stands the
// invoice cannot be printed.
//
// The form's event filter only reports focus moves here and shows what comes back.

#include "invoicing/core/invoicedraft.h"

#include <QString>
#include <optional>

namespace invoicing {

enum class ChargeBox { Labor, Shipping, Charges };

// What the form shows after a move. Nothing set: nothing to do.
struct ChargeReaction {
    enum class Tint { Keep, Editing, Resting };

    std::optional<QString> text; // the box's new text
    Tint tint = Tint::Keep;      // white while typed into, the charge tint again after
    bool totalsChanged = false;  // the grand total is to be shown again
    bool alarm = false;
    InvoiceField focus = InvoiceField::None;
};

class ChargeEntry {
public:
    explicit ChargeEntry(InvoiceDraft& draft)
        : m_draft(draft) {}

    // The focus came into a box.
    ChargeReaction entered(ChargeBox box);
    // The focus left a box, which held `text`. Only a box whose entry was seen counts: a
    // focus move made while another box was being left can report a box never reached.
    ChargeReaction left(ChargeBox box, const QString& text);
    // A text the invoice cannot take: the box keeps it and gets the focus back, and that
    // return is not a new entry.
    ChargeReaction refuse(ChargeBox box);
    // The form has shown a reaction; a box given its focus back is an ordinary box again.
    void settled() { m_refocusing.reset(); }
    // Enter took the labor: no refused text stands any more.
    void accepted() { m_refused.reset(); }

    // The box still holding a refused text, if any: printing waits for it.
    std::optional<ChargeBox> refusedBox() const { return m_refused; }
    // A fresh invoice: no box is being edited or holds a refused text.
    void reset();
    // The form is going: focus moves mean nothing from now on.
    void stop() { m_stopped = true; }

    static InvoiceField field(ChargeBox box);

private:
    InvoiceDraft& m_draft;
    std::optional<ChargeBox> m_edited;     // the box whose entry was seen
    std::optional<ChargeBox> m_refocusing; // a box getting its refused text back
    std::optional<ChargeBox> m_refused;    // a box still holding a refused text
    bool m_stopped = false;
};

} // namespace invoicing
