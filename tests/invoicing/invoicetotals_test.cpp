// The invoice's arithmetic: exact currency from the line to the grand total.
#include "invoicing/core/invoicetotals.h"

#include "common/core/regional.h"
#include "tests/support/money.h"

#include <gtest/gtest.h>
#include <limits>

using namespace invoicing;
using pellar::Currency;
using pellar::testing::money;

namespace {

const TaxRule kMaterial6{TaxMode::MaterialOnly, QStringLiteral("6.0")};
const TaxRule kNoTax{TaxMode::None, QStringLiteral("6.0")};

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

} // namespace
