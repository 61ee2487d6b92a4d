#pragma once
// One invoice while it is made: its number and reference, the item lines, the money, the
// add-ons chosen and how far the person has got. The invoice form's handlers call these
// steps and its panels show the result; nothing here is read back from a widget.
//
// The person works one step at a time: Ready (Create Invoice) -> Lines -> Add-ons ->
// Charges (with the labor panel beside them while labor is worked out) -> Print. A step
// that cannot be taken changes nothing and names the input to fix; the form answers with
// the alarm and the focus there.

#include "invoicing/core/invoiceoptions.h"
#include "invoicing/core/invoicetotals.h"
#include "invoicing/core/invoicevalues.h"

#include <QList>
#include <QString>

namespace invoicing {

// The inputs and buttons a step may send the focus to.
enum class InvoiceField {
    None,
    CreateInvoice,
    Item,
    Quantity,
    Price,
    AddOnsContinue,
    Hours,
    Rate,
    LaborTotal,
    EnterLabor,
    LaborRedo,
    Shipping,
    Charges,
    Print,
};

struct StepResult {
    bool alarm = false;                      // an input could not be taken
    InvoiceField focus = InvoiceField::None; // where the focus goes next
    bool textRefused = false; // the focus box keeps a refused text until it is corrected
    QString why = {};         // with the alarm: what was refused, in the person's words

    // Two steps are the same when they go to the same place; the words are the form's.
    bool operator==(const StepResult& other) const {
        return alarm == other.alarm && focus == other.focus && textRefused == other.textRefused;
    }
};

// The add-ons of one invoice: preselected from the options, then ticked on the form.
struct AddOns {
    CheckValue labor = kClear;
    CheckValue shipping = kClear;
    CheckValue misc = kClear;
    CheckValue discount = kClear;

    static AddOns from(const InvoiceOptions& options) {
        return {options.laborAddOn, options.shippingAddOn, options.miscAddOn,
                options.discountAddOn};
    }
    bool any() const { return labor || shipping || misc || discount; }
    bool operator==(const AddOns&) const = default;
};

class InvoiceDraft {
public:
    static constexpr int kMaxLines = 50;
    enum class Stage { Ready, Lines, AddOns, Charges };

    // A fresh invoice under the counter's number, with the add-ons the options preselect.
    // The reference is the person's and stays.
    void start(qint32 counter, const AddOns& preselected);
    // ReDo: the lines, the money and the steps go; the reference and the add-ons stay, and
    // the number shown is the counter's again.
    void redo();

    Stage stage() const { return m_stage; }
    // The counter: the number of the invoice being made. Editing the number changes what is
    // printed, never this.
    qint32 counter() const { return m_counter; }
    const QString& number() const { return m_number; }
    void setNumber(const QString& number) { m_number = number; }
    // The counter moved on to `counter` (another copy counted the old one); a number shown
    // as the counter's follows it, one the person typed stays.
    void renumber(qint32 counter);
    const QString& reference() const { return m_reference; }
    void setReference(const QString& reference) { m_reference = reference; }

    // ---- Lines ----------------------------------------------------------------------------
    void beginLines() { m_stage = Stage::Lines; }
    // Posts a line from the typed item, quantity and price, checked in that order of
    // importance: item, price, quantity, room on the invoice, a readable price, quantity and
    // tax rate, an amount the invoice can hold. A quantity without a leading number counts
    // as 0; one whose number cannot be read whole is refused.
    StepResult post(const QString& item, const QString& quantity, const QString& price,
                    const TaxRule& rule);
    const QList<InvoiceLine>& lines() const { return m_lines; }
    // A posted line (1 to 50) while line entry is open: the right-click menu offers it.
    bool canDelete(int line) const;
    // Takes the line off with exactly what it added; the lines below move up.
    StepResult deleteLine(int line, const TaxRule& rule);
    // Items Complete is offered once a line has been posted on this start.
    bool completeOffered() const { return m_stage == Stage::Lines && m_posted; }
    void completeLines();

    // ---- Add-ons and labor ------------------------------------------------------------------
    const AddOns& addOns() const { return m_addOns; }
    void setAddOns(const AddOns& addOns) { m_addOns = addOns; }
    // Continue (and the labor panel's Redo): offers the discount when it is ticked, opens the
    // charges when any add-on is, and the labor panel when labor is.
    StepResult continueFromAddOns(const InvoiceOptions& options);
    bool laborOpen() const { return m_laborOpen; }
    bool chargesOpen() const { return m_chargesOpen; }
    bool printable() const { return m_stage != Stage::Ready; }
    // The hourly rate the labor panel offers in the calculated mode: the options' rate as an
    // amount, or as it stands when it is not one.
    const QString& offeredRate() const { return m_offeredRate; }

    // Calculate: hours times the rate, both as typed.
    StepResult calculateLabor(const QString& hours, const QString& rate);
    // Enter: the labor box's text accepted. When the box shows something other than the
    // charge worked out, the box wins: it is what the invoice prints.
    StepResult enterLabor(const QString& shown, const TaxRule& rule);
    // The labor on the invoice: zero until Enter accepts it.
    pellar::Currency acceptedLabor() const { return m_acceptedLabor; }

    // ---- Charges ------------------------------------------------------------------------------
    // The labor charge as a left labor box gives it; it counts once Enter accepts it.
    void setLabor(pellar::Currency labor) { m_totals.setLabor(labor); }
    void clearShipping() { m_totals.clearShipping(); }
    void clearCharges() { m_totals.clearCharges(); }
    bool enterShipping(pellar::Currency amount) { return m_totals.enterShipping(amount); }
    bool enterCharges(pellar::Currency amount) { return m_totals.enterCharges(amount); }
    // Where the focus goes after labor (the shipping box, or on as below) and after the
    // shipping box (the charges box when ticked, else Print).
    InvoiceField afterLabor() const;
    InvoiceField afterShipping() const;

    const InvoiceTotals& totals() const { return m_totals; }

private:
    void clearInvoice();

    Stage m_stage = Stage::Ready;
    qint32 m_counter = 0;
    QString m_number;
    QString m_reference;
    QList<InvoiceLine> m_lines;
    InvoiceTotals m_totals;
    pellar::Currency m_acceptedLabor;
    AddOns m_addOns;
    QString m_offeredRate;
    bool m_posted = false;
    bool m_laborOpen = false;
    bool m_chargesOpen = false;
};

} // namespace invoicing
