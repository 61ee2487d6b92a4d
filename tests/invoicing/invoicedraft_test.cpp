// One invoice without a form: its arithmetic, exact from the line to the grand total, its
// steps taken on the draft, and the charge boxes' state machine.
#include "invoicing/core/chargeentry.h"
#include "invoicing/core/invoicedraft.h"
#include "invoicing/core/invoicetotals.h"

#include "common/core/regional.h"
#include "tests/support/money.h"

#include <gtest/gtest.h>
#include <limits>

using namespace invoicing;
using pellar::Currency;
using pellar::testing::money;

namespace {

const TaxRule kNoTax{TaxMode::None, QStringLiteral("0.0")};
const TaxRule kMaterial6{TaxMode::MaterialOnly, QStringLiteral("6.0")};
const StepResult kNextLine{false, InvoiceField::Item};

StepResult refusal(InvoiceField field) {
    return {true, field, false};
}

InvoiceDraft inLines(const AddOns& addOns = {}) {
    InvoiceDraft draft;
    draft.start(20260041, addOns);
    draft.beginLines();
    return draft;
}

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

TEST(InvoiceArithmetic, PercentagesRoundHalfToEvenOnExactAmounts) {
    EXPECT_EQ(percentOf(money("30"), u"6.0"), money("1.8"));
    EXPECT_EQ(percentOf(money("200"), u"1.5"), money("3"));
    // 0.65065 and 0.65195 are exact halves: the even neighbour wins.
    EXPECT_EQ(percentOf(money("10.01"), u"6.5"), money("0.6506"));
    EXPECT_EQ(percentOf(money("10.03"), u"6.5"), money("0.652"));
    // The rate is the text's leading number.
    EXPECT_EQ(percentOf(money("100"), u"7 % state"), money("7"));
    EXPECT_EQ(percentOf(money("100"), u"none"), Currency());
    EXPECT_EQ(percentOf(money("-100"), u"6.25"), money("-6.25"));
    EXPECT_EQ(percentOf(money("100"), u"1e300"), std::nullopt);
    EXPECT_EQ(percentOf(money("100"), u"6,5"), std::nullopt); // not cut to 6
}

TEST(InvoiceArithmetic, QuantitiesAndRatesAreReadWholeInTheRegionalForm) {
    EXPECT_EQ(leadingQuantity(u"1,000"), 1000.0);
    EXPECT_EQ(leadingQuantity(u" 2.5 coils"), 2.5);
    EXPECT_EQ(leadingQuantity(u"-3"), -3.0);
    EXPECT_EQ(leadingQuantity(u"some"), 0.0);
    EXPECT_EQ(leadingQuantity(u""), 0.0);
    for (const char16_t* unreadable : {u"1,5", u"1.2.3", u"1,00", u"1e3", u"2E-1 boxes"})
        EXPECT_EQ(leadingQuantity(unreadable), std::nullopt)
            << QString::fromUtf16(unreadable).toStdString();

    const pellar::ScopedRegionalSettings german(
        pellar::RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_EQ(leadingQuantity(u"1,5"), 1.5);
    EXPECT_EQ(leadingQuantity(u"1.000 Stück"), 1000.0);
    EXPECT_EQ(leadingQuantity(u"1.5"), std::nullopt);
    EXPECT_EQ(percentOf(money("100"), u"6.5"), money("6.5")); // stored rates keep the dot
    EXPECT_EQ(percentOf(money("900000000000000"), u"5000"), std::nullopt);
}

TEST(InvoiceArithmetic, ExtensionsAndLaborAreExactProducts) {
    EXPECT_EQ(lineExtension(money("10"), 3), money("30"));
    EXPECT_EQ(lineExtension(money("0.333"), 3), money("0.999"));
    EXPECT_EQ(lineExtension(money("300000.01"), 1), money("300000.01"));
    EXPECT_EQ(lineExtension(money("0.333"), 12.5), money("4.1625"));
    EXPECT_EQ(lineExtension(money("19.99"), -2), money("-39.98"));
    EXPECT_EQ(lineExtension(money("12.5"), 0), Currency());
    EXPECT_EQ(lineExtension(money("100000000000"), 1e9), std::nullopt);
    EXPECT_EQ(lineExtension(money("1"), std::numeric_limits<double>::infinity()), std::nullopt);

    EXPECT_EQ(laborCharge(money("2.5"), money("45")), money("112.5"));
    EXPECT_EQ(laborCharge(money("1.3333"), money("37.5")), money("49.9988"));
    EXPECT_EQ(laborCharge(money("900000000"), money("900000000")), std::nullopt);
}

TEST(InvoiceArithmetic, EachChargeBoxCountsWhatIsKnownUpToIt) {
    InvoiceTotals totals;
    ASSERT_TRUE(totals.addLine(money("200"), kMaterial6));
    totals.setLabor(money("50"));
    ASSERT_TRUE(totals.acceptLabor(kMaterial6));
    ASSERT_TRUE(totals.enterShipping(money("12.5")));
    EXPECT_EQ(totals.grandTotal(), money("274.5"));
    ASSERT_TRUE(totals.enterCharges(money("-25")));
    EXPECT_EQ(totals.grandTotal(), money("249.5"));
}

TEST(InvoiceArithmetic, AmountsTooLargeToHoldAreRefusedWithNothingChanged) {
    InvoiceTotals totals;
    const Currency huge = Currency::fromUnits(std::numeric_limits<qint64>::max() - 5);
    ASSERT_TRUE(totals.addLine(money("10"), kMaterial6));
    const InvoiceTotals before = totals;
    EXPECT_FALSE(totals.addLine(huge, kNoTax));
    // The sub-total and the tax would fit, their sum would not.
    EXPECT_FALSE(totals.addLine(money("900000000000000"), kMaterial6));
    EXPECT_FALSE(totals.enterShipping(huge));
    EXPECT_FALSE(totals.enterCharges(huge));
    EXPECT_FALSE(totals.offerDiscount(u"1e300"));
    EXPECT_EQ(totals.subTotal(), before.subTotal());
    EXPECT_EQ(totals.tax(), before.tax());
    EXPECT_EQ(totals.grandTotal(), before.grandTotal());
    EXPECT_EQ(totals.shipping(), Currency());
    EXPECT_EQ(totals.discount(), Currency());
}

// An empty item and a price in words are refused at the form (its tests).
TEST(InvoiceDraft, PostingChecksItsInputsInOrderAndKeepsTheQuantityAsTyped) {
    InvoiceDraft draft = inLines();
    EXPECT_EQ(draft.post("Rope", "", "", kNoTax), refusal(InvoiceField::Price));
    EXPECT_EQ(draft.post("Rope", "", "2", kNoTax), refusal(InvoiceField::Quantity));
    EXPECT_EQ(draft.post("Rope", "1e300", "1000000", kNoTax), refusal(InvoiceField::Quantity));
    EXPECT_TRUE(draft.lines().isEmpty());
    EXPECT_FALSE(draft.completeOffered());

    // A quantity without a leading number is a line of nothing; "2 coils" is 2.
    EXPECT_EQ(draft.post("Rope", "some", "2", kNoTax), kNextLine);
    EXPECT_EQ(draft.post("Rope", "2 coils", "$1,000.50", kNoTax), kNextLine);
    EXPECT_EQ(draft.lines()[0], (InvoiceLine{"some", "Rope", money("2"), Currency()}));
    EXPECT_EQ(draft.lines()[1], (InvoiceLine{"2 coils", "Rope", money("1000.5"), money("2001")}));
    EXPECT_TRUE(draft.completeOffered());

    // A quantity is read whole: 1,000 is a thousand, and 1,5 is refused rather than billed as 1.
    EXPECT_EQ(draft.post("Washer", "1,000", "0.05", kNoTax), kNextLine);
    EXPECT_EQ(draft.lines()[2].extension, money("50"));
    const StepResult cut = draft.post("Washer", "1,5", "0.05", kNoTax);
    EXPECT_EQ(cut, refusal(InvoiceField::Quantity));
    EXPECT_EQ(cut.why, QStringLiteral("The quantity \"1,5\" cannot be read as a number."));
    // A tax rate set up as 6,5 is never taken as 6.
    const TaxRule unreadable{TaxMode::MaterialAndLabor, QStringLiteral("6,5")};
    EXPECT_EQ(draft.post("Washer", "1", "1", unreadable), refusal(InvoiceField::None));
    EXPECT_EQ(draft.lines().size(), 3);

    while (draft.lines().size() < InvoiceDraft::kMaxLines)
        ASSERT_EQ(draft.post("Item", "1", "1", kNoTax), kNextLine);
    EXPECT_EQ(draft.post("One too many", "1", "1", kNoTax), refusal(InvoiceField::None));
    EXPECT_EQ(draft.lines().size(), 50);
    EXPECT_EQ(draft.totals().subTotal(), money("2098"));
}

TEST(InvoiceDraft, DeletingALineTakesOffExactlyWhatItAdded) {
    const TaxRule tax10{TaxMode::MaterialAndLabor, QStringLiteral("10")};
    InvoiceDraft draft = inLines();
    const char* items[] = {"Alpha", "Bravo", "Charlie", "Delta", "Echo"};
    for (int i = 0; i < 5; ++i)
        draft.post(items[i], QString::number(i + 1), "1.11", tax10);
    EXPECT_EQ(draft.totals().subTotal(), money("16.65"));
    EXPECT_EQ(draft.totals().grandTotal(), money("18.315"));

    EXPECT_FALSE(draft.canDelete(0));
    EXPECT_FALSE(draft.canDelete(6));
    EXPECT_EQ(draft.deleteLine(3, tax10), kNextLine);
    EXPECT_EQ(draft.lines().size(), 4);
    EXPECT_EQ(draft.lines()[2].item, "Delta");
    EXPECT_EQ(draft.totals().subTotal(), money("13.32"));
    EXPECT_EQ(draft.totals().tax(), money("1.332"));

    // Thousands and fractions of a cent come off whole.
    InvoiceDraft exact = inLines();
    const TaxRule material{TaxMode::MaterialOnly, QStringLiteral("6.5")};
    exact.post("Site survey", "1", "300000.01", material);
    exact.post("Washer", "3", "0.333", material);
    EXPECT_EQ(exact.totals().tax(), money("19500.0656")); // on the whole sub-total
    exact.deleteLine(1, material);
    EXPECT_EQ(exact.totals().subTotal(), money("0.999"));
    EXPECT_EQ(exact.totals().tax(), money("0.0649"));
    exact.deleteLine(1, material);
    EXPECT_TRUE(exact.totals().subTotal().isZero() && exact.totals().grandTotal().isZero());

    // Lines are deleted only while they are entered.
    exact.post("Shelf", "1", "10.01", material);
    EXPECT_EQ(exact.totals().tax(), money("0.6506"));
    exact.completeLines();
    EXPECT_FALSE(exact.canDelete(1));
}

// Ticked add-ons opening the charges, the discount offered and the focus going on from
// shipping are walked on the invoice form.
TEST(InvoiceDraft, GreyedOrNoAddOnsGoToPrintAndAnImpossibleDiscountIsRefused) {
    InvoiceOptions options;
    options.discountPercent = QStringLiteral("1.5");
    // A greyed discount offers nothing; a mark still opens the charges. No add-on: Print.
    InvoiceDraft greyed = inLines({kClear, kClear, kClear, kGreyed});
    greyed.post("Hinge", "1", "50", kNoTax);
    EXPECT_EQ(greyed.continueFromAddOns(options), (StepResult{false, InvoiceField::Print}));
    EXPECT_TRUE(greyed.totals().discount().isZero());
    EXPECT_TRUE(greyed.chargesOpen());
    InvoiceDraft none = inLines();
    EXPECT_EQ(none.continueFromAddOns(options), (StepResult{false, InvoiceField::Print}));
    EXPECT_FALSE(none.chargesOpen());

    // A percentage no invoice can hold: the alarm, no offer, and the walk goes on.
    InvoiceDraft draft = inLines({kClear, kTicked, kTicked, kTicked});
    draft.post("Garden hose", "2", "100", kNoTax);
    draft.completeLines();
    draft.continueFromAddOns(options);
    options.discountPercent = QStringLiteral("1e300");
    EXPECT_EQ(draft.continueFromAddOns(options), (StepResult{true, InvoiceField::Shipping}));
    EXPECT_EQ(draft.totals().discount(), money("3")); // the one offered before stands
}

TEST(InvoiceDraft, LaborIsWorkedOutThenAcceptedAndTaxedOnlyWithMaterialAndLabor) {
    // Per tax mode: the grand total before the labor is entered, then the tax and the total.
    const struct {
        TaxMode mode;
        const char *before, *tax, *grand;
    } cases[] = {{TaxMode::MaterialAndLabor, "31.8", "7.8", "137.8"},
                 {TaxMode::MaterialOnly, "31.8", "1.8", "131.8"},
                 {TaxMode::None, "30", "0", "130"}};
    for (const auto& c : cases) {
        const TaxRule rule{c.mode, QStringLiteral("6.0")};
        InvoiceOptions options;
        options.setLaborMode(LaborMode::Calculated);
        options.hourlyRate = QStringLiteral("45");
        InvoiceDraft draft = inLines({kGreyed, kClear, kClear, kClear});
        draft.post("Widget", "3", "10", rule);
        EXPECT_EQ(draft.continueFromAddOns(options), (StepResult{false, InvoiceField::Hours}));
        EXPECT_TRUE(draft.laborOpen());
        EXPECT_EQ(draft.offeredRate(), "$45.00");

        EXPECT_EQ(draft.enterLabor("", rule), refusal(InvoiceField::LaborRedo));
        EXPECT_EQ(draft.calculateLabor("two", "$45.00"), refusal(InvoiceField::Hours));
        EXPECT_EQ(draft.calculateLabor("2.5", "n/a"), refusal(InvoiceField::Rate));
        EXPECT_EQ(draft.calculateLabor("2.5", "$45.00"),
                  (StepResult{false, InvoiceField::EnterLabor}));
        EXPECT_EQ(draft.totals().labor(), money("112.5"));
        EXPECT_TRUE(draft.acceptedLabor().isZero()); // counts once Enter takes it
        EXPECT_EQ(draft.totals().grandTotal(), money(c.before));

        EXPECT_EQ(draft.enterLabor("lots", rule),
                  (StepResult{true, InvoiceField::LaborTotal, true}));
        // The box was typed into without being left: what it shows is the charge.
        EXPECT_EQ(draft.enterLabor("$100.00", rule), (StepResult{false, InvoiceField::Print}));
        EXPECT_FALSE(draft.laborOpen());
        EXPECT_EQ(draft.acceptedLabor(), money("100"));
        EXPECT_EQ(draft.totals().tax(), money(c.tax));
        EXPECT_EQ(draft.totals().grandTotal(), money(c.grand));
    }
}

// The lines, totals and number after a redo are checked on the invoice form.
TEST(InvoiceDraft, RedoKeepsReferenceAddOnsAndTheCountersNumber) {
    InvoiceDraft draft = inLines({kClear, kTicked, kClear, kTicked});
    draft.setReference("PO-7781");
    draft.setNumber("A-17");
    draft.post("Alpha", "2", "5", kNoTax);
    draft.completeLines();
    draft.continueFromAddOns({});
    draft.redo();
    EXPECT_EQ(draft.stage(), InvoiceDraft::Stage::Ready);
    EXPECT_FALSE(draft.printable() || draft.chargesOpen() || draft.completeOffered());
    EXPECT_TRUE(draft.totals().discount().isZero());
    EXPECT_EQ(draft.reference(), "PO-7781");
    EXPECT_EQ(draft.counter(), 20260041);
    EXPECT_EQ(draft.addOns(), (AddOns{kClear, kTicked, kClear, kTicked}));
    EXPECT_EQ(draft.afterShipping(), InvoiceField::CreateInvoice);

    EXPECT_EQ(CustomerAddress({"N", "S", "Apt 2", "C", "ST", "Z"}).block(),
              "N\r\nS\r\nApt 2\r\nC,ST\r\nZ");
}

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
