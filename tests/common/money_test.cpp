#include "common/core/currency.h"

#include <QList>
#include <gtest/gtest.h>
#include <limits>

using pellar::Currency;

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

qint64 unitsFromDouble(double value) {
    const auto c = Currency::fromDouble(value);
    return c ? c->units() : -1;
}

qint64 unitsFromText(const char16_t* text) {
    const auto c = Currency::fromDecimalText(text);
    return c ? c->units() : -1;
}

} // namespace

TEST(Currency, FromDoubleRoundsTheExactValueHalfToEvenAndRefusesWhatDoesNotFit) {
    // Exact halves of a ten-thousandth go to the even neighbour, either sign, any size.
    EXPECT_EQ(unitsFromDouble(0.03125), 312);
    EXPECT_EQ(unitsFromDouble(0.09375), 938);
    EXPECT_EQ(unitsFromDouble(-0.03125), -312);
    EXPECT_EQ(unitsFromDouble(1234567.03125), 12345670312);
    // Literals that look like halves are not: the double of 0.00005 lies just above the
    // half, that of 0.00015 just below it.
    EXPECT_EQ(unitsFromDouble(0.00005), 1);
    EXPECT_EQ(unitsFromDouble(0.00015), 1);
    EXPECT_EQ(unitsFromDouble(1.2345), 12345);
    // 6.5% of a single-precision 10.01 is a hair above 0.65065.
    EXPECT_EQ(unitsFromDouble(double(10.01f) * 6.5 / 100), 6507);
    EXPECT_EQ(unitsFromDouble(1e-300), 0);
    EXPECT_EQ(unitsFromDouble(-0.0), 0);

    EXPECT_EQ(unitsFromDouble(922337203685477.5), 9223372036854775000);
    EXPECT_EQ(unitsFromDouble(-922337203685477.5), -9223372036854775000);
    // The next doubles up are beyond the 64-bit range of ten-thousandths.
    EXPECT_FALSE(Currency::fromDouble(922337203685477.625));
    EXPECT_FALSE(Currency::fromDouble(-922337203685477.625));
    EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::infinity()));
}

TEST(Currency, FromDecimalTextIsExact) {
    EXPECT_EQ(unitsFromText(u"-12.3456"), -123456);
    EXPECT_EQ(unitsFromText(u" 7 "), 70000);
    EXPECT_EQ(unitsFromText(u".5"), 5000);
    EXPECT_EQ(unitsFromText(u"000000000000000000000001"), 10000);
    // Beyond four decimals: an exact half goes to even, anything past the half goes up.
    EXPECT_EQ(unitsFromText(u"0.00005"), 0);
    EXPECT_EQ(unitsFromText(u"0.00015"), 2);
    EXPECT_EQ(unitsFromText(u"0.000250000"), 2);
    EXPECT_EQ(unitsFromText(u"0.00025000001"), 3);
    EXPECT_EQ(unitsFromText(u"-0.00015"), -2);
    // The ends of the range.
    EXPECT_EQ(unitsFromText(u"922337203685477.5807"), kMax);
    EXPECT_EQ(unitsFromText(u"-922337203685477.5808"), kMin);
    EXPECT_FALSE(Currency::fromDecimalText(u"922337203685477.5808"));
    EXPECT_FALSE(Currency::fromDecimalText(u"922337203685477.58075"));
    // 2^128: a reader that let its wide accumulator wrap would see 0.
    EXPECT_FALSE(Currency::fromDecimalText(u"340282366920938463463374607431768211456"));
    for (const char16_t* bad :
         {u"", u"-", u".", u"+-1", u"1.2.3", u"1,000", u"1e3", u"$5", u"12 3", u"12abc", u"--1"})
        EXPECT_FALSE(Currency::fromDecimalText(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(Currency, ProductIsRoundedHalfToEvenWithoutIntermediateOverflow) {
    const auto c = [](const char16_t* text) {
        return *Currency::fromDecimalText(text);
    };
    const auto units = [](qint64 n) {
        return std::optional(Currency::fromUnits(n));
    };
    EXPECT_EQ(c(u"1.5") * c(u"2"), units(30000));
    EXPECT_EQ(c(u"0.0001") * c(u"0.5"), units(0)); // 0.00005
    EXPECT_EQ(c(u"0.0003") * c(u"0.5"), units(2)); // 0.00015
    EXPECT_EQ(c(u"0.0001") * c(u"1.5"), units(2)); // 0.00015
    EXPECT_EQ(c(u"-0.0003") * c(u"0.5"), units(-2));
    EXPECT_EQ(c(u"0.0001") * c(u"0.5001"), units(1));     // just past the half
    EXPECT_EQ(c(u"12.3456") * c(u"7.89"), units(974068)); // 97.406784
    // The raw product of the units is far beyond 64 bits; the result is not.
    EXPECT_EQ(c(u"500000000000") * c(u"1.5"), units(7500000000000000));
}

TEST(Currency, EveryOperationRefusesWhatCannotBeHeld) {
    const Currency max = Currency::fromUnits(kMax);
    const Currency min = Currency::fromUnits(kMin);
    const Currency unit = Currency::fromUnits(1);
    EXPECT_EQ(max + unit, std::nullopt);
    EXPECT_EQ(min - unit, std::nullopt);
    EXPECT_EQ(-min, std::nullopt);
    EXPECT_EQ(max * qint64(2), std::nullopt);
    EXPECT_EQ(max * *Currency::fromDecimalText(u"2"), std::nullopt);
    EXPECT_EQ(min * *Currency::fromDecimalText(u"-1"), std::nullopt);
    EXPECT_EQ(Currency::fromWhole(kMax / 10000 + 1), std::nullopt);
    // Right at the edges everything still holds.
    EXPECT_EQ(max - unit + unit, max);
    EXPECT_EQ(-max, Currency::fromUnits(-kMax));
    EXPECT_EQ(Currency::fromWhole(kMax / 10000), Currency::fromUnits(kMax / 10000 * 10000));

    // A failure early in a chain stays a failure, even when later steps would come back
    // into range: two $600 trillion checks never show as a negative total.
    const Currency check = Currency::fromUnits(6'000'000'000'000'000'000);
    EXPECT_EQ(check + check - check, std::nullopt);
    EXPECT_EQ(Currency::sum({check, check, *-check}), std::nullopt);
    EXPECT_EQ(Currency::sum({check, unit}), Currency::fromUnits(6'000'000'000'000'000'001));
    EXPECT_EQ(Currency::sum(QList<Currency>{}), Currency());
}

TEST(Currency, PlainStringIsTheShortestDecimal) {
    const auto plain = [](const char16_t* text) {
        return Currency::fromDecimalText(text)->toPlainString();
    };
    EXPECT_EQ(plain(u"1234.5000"), QStringLiteral("1234.5"));
    EXPECT_EQ(plain(u"0.0001"), QStringLiteral("0.0001"));
    EXPECT_EQ(plain(u"-0"), QStringLiteral("0"));
    EXPECT_EQ(Currency::fromUnits(kMax).toPlainString(), QStringLiteral("922337203685477.5807"));
    EXPECT_EQ(Currency::fromUnits(kMin).toPlainString(), QStringLiteral("-922337203685477.5808"));
    // What is written plainly reads back the same.
    for (const qint64 units : {kMin, kMin + 1, qint64(-10), qint64(7), qint64(123400), kMax})
        EXPECT_EQ(Currency::fromDecimalText(Currency::fromUnits(units).toPlainString())->units(),
                  units);
}
