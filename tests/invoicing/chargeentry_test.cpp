// The charge boxes' state machine: entering, leaving and refusing, without a widget.
#include "invoicing/core/chargeentry.h"
#include "tests/support/money.h"

#include <gtest/gtest.h>

using namespace invoicing;
using pellar::Currency;
using pellar::testing::money;
using Tint = ChargeReaction::Tint;

namespace {

const TaxRule kNoTax{TaxMode::None, QStringLiteral("0.0")};

// An invoice of $200 at the charges, with the add-ons given.
struct Charges {
    explicit Charges(const AddOns& addOns) {
        draft.start(20260001, addOns);
        draft.beginLines();
        draft.post("Garden hose", "2", "100", kNoTax);
        draft.completeLines();
        draft.continueFromAddOns({});
    }
    InvoiceDraft draft;
    ChargeEntry entry{draft};
};

} // namespace

// Formatting, tinting and the focus after each box go through the invoice form's tests.
TEST(ChargeEntry, ReEnteringShippingTakesItOutAndLeavesTheChargesOut) {
    Charges c({kClear, kTicked, kTicked, kClear});
    c.entry.entered(ChargeBox::Shipping);
    c.entry.left(ChargeBox::Shipping, "12.5");
    c.entry.entered(ChargeBox::Charges);
    c.entry.left(ChargeBox::Charges, "-25");
    EXPECT_EQ(c.draft.totals().grandTotal(), money("187.5"));

    c.entry.entered(ChargeBox::Shipping);
    EXPECT_TRUE(c.draft.totals().shipping().isZero());
    EXPECT_EQ(c.entry.left(ChargeBox::Shipping, "").text, "$0.00");
    EXPECT_EQ(c.draft.totals().grandTotal(), money("200"));

    // A leave for a box whose entry was not seen means nothing.
    EXPECT_FALSE(c.entry.left(ChargeBox::Charges, "99").text.has_value());
}

TEST(ChargeEntry, ARefusedTextStaysWithTheFocusUntilCorrected) {
    Charges c({kClear, kClear, kTicked, kClear});
    c.entry.entered(ChargeBox::Charges);
    ChargeReaction r = c.entry.left(ChargeBox::Charges, "about 5");
    EXPECT_TRUE(r.alarm);
    EXPECT_EQ(c.entry.refusedBox(), ChargeBox::Charges);

    // The focus coming back is no new entry: nothing is cleared.
    r = c.entry.entered(ChargeBox::Charges);
    EXPECT_FALSE(r.text.has_value());
    c.entry.settled();

    r = c.entry.left(ChargeBox::Charges, "5");
    EXPECT_EQ(r.text, "$5.00");
    EXPECT_EQ(c.entry.refusedBox(), std::nullopt);

    // An amount too large to add to the invoice is refused like a word.
    c.entry.entered(ChargeBox::Charges);
    r = c.entry.left(ChargeBox::Charges, "922337203685477");
    EXPECT_TRUE(r.alarm);
    EXPECT_EQ(c.entry.refusedBox(), ChargeBox::Charges);
    c.entry.settled();
    // Entering it afresh after the person left it another way drops the refusal.
    c.entry.entered(ChargeBox::Charges);
    EXPECT_EQ(c.entry.refusedBox(), std::nullopt);
}

TEST(ChargeEntry, AnUnchosenBoxIsZeroedAndPassedOver) {
    Charges c({kClear, kClear, kClear, kGreyed});
    const ChargeReaction r = c.entry.entered(ChargeBox::Shipping);
    EXPECT_EQ(r.text, "$0.00");
    EXPECT_EQ(r.focus, InvoiceField::Print);
    EXPECT_EQ(c.draft.totals().grandTotal(), money("200"));
}

TEST(ChargeEntry, TheLaborBoxFormatsItsChargeAndRefusesAWord) {
    Charges c({kTicked, kClear, kClear, kClear});
    EXPECT_FALSE(c.entry.entered(ChargeBox::Labor).text.has_value()); // not emptied
    ChargeReaction r = c.entry.left(ChargeBox::Labor, "");
    EXPECT_EQ(r.text, "$0.00");
    EXPECT_EQ(r.focus, InvoiceField::EnterLabor);

    c.entry.entered(ChargeBox::Labor);
    r = c.entry.left(ChargeBox::Labor, "lots");
    EXPECT_TRUE(r.alarm);
    EXPECT_EQ(r.focus, InvoiceField::LaborTotal);
    c.entry.accepted();
    EXPECT_EQ(c.entry.refusedBox(), std::nullopt);

    // Once the form is going, focus moves change nothing.
    c.entry.stop();
    EXPECT_FALSE(c.entry.entered(ChargeBox::Shipping).text.has_value());
}
