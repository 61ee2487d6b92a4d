#include "common/core/regional.h"
#include "tests/support/money.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace pellar;
using pellar::testing::money;

namespace {

const RegionalSettings us = RegionalSettings::unitedStates();

QString plainValue(const char16_t* typed, const RegionalSettings& r = us) {
    const auto value = currencyValue(typed, r);
    return value ? value->toPlainString() : QStringLiteral("refused");
}

QString isoDate(const char16_t* typed, const RegionalSettings& r = us) {
    const auto date = parseShortDate(typed, r);
    return date ? date->toString(Qt::ISODate) : QStringLiteral("refused");
}

} // namespace

TEST(RegionalSettings, UnitedStatesFromTheCAndEnglishLocales) {
    // Servers run the bare C locale; it stands for United States settings.
    EXPECT_EQ(RegionalSettings::fromLocale(QLocale::c()), us);
    EXPECT_EQ(RegionalSettings::fromLocale(QLocale(QStringLiteral("POSIX"))), us);
    // The real en_US locale gives the same, its two-digit short-date year widened.
    EXPECT_EQ(RegionalSettings::fromLocale(QLocale(QStringLiteral("en_US"))), us);
}

TEST(RegionalSettings, GermanLocaleIsFollowed) {
    const auto de = RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(de.shortDateFormat, QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(de.negative, RegionalSettings::Negative::LeadingMinus);
    EXPECT_EQ(formatCurrency(money(u"1234.56"), de), QStringLiteral("1.234,56 €"));
    EXPECT_EQ(formatCurrency(money(u"-1234.56"), de), QStringLiteral("-1.234,56 €"));
    EXPECT_EQ(formatFixed(money(u"1234.5"), de), QStringLiteral("1234,50"));
    EXPECT_EQ(formatFixed(12.5, de), QStringLiteral("12,50"));
    EXPECT_EQ(plainValue(u"1.234,56 €", de), QStringLiteral("1234.56"));
    EXPECT_EQ(plainValue(u"12,5", de), QStringLiteral("12.5"));
    EXPECT_EQ(floatValue(u"1.234,5", de), 1234.5);
    // A '.' here groups thousands; "12.50" is a slip, not 1250.
    EXPECT_EQ(plainValue(u"12.50", de), QStringLiteral("refused"));
    EXPECT_EQ(plainValue(u"$5", de), QStringLiteral("refused"));
    EXPECT_EQ(formatShortDate(QDate(2026, 12, 6), de), QStringLiteral("06.12.2026"));
    EXPECT_EQ(isoDate(u"6.12.26", de), QStringLiteral("2026-12-06"));
    EXPECT_EQ(isoDate(u"12/6/2026", de), QStringLiteral("refused"));
}

TEST(RegionalSettings, LocaleCharactersFitTheEightBitDataFiles) {
    // A blank-like group separator becomes the no-break space the code page holds, and a
    // typed ordinary blank is read as that separator.
    const auto fr = RegionalSettings::fromLocale(QLocale(QStringLiteral("fr_FR")));
    EXPECT_EQ(fr.groupSeparator, QChar(0x00A0));
    EXPECT_EQ(formatCurrency(money(u"-1234.56"), fr), QString::fromUtf8("(1\u00A0234,56 €)"));
    EXPECT_EQ(plainValue(u"1 234,56", fr), QStringLiteral("1234.56"));
    EXPECT_EQ(plainValue(u"1\u202F234,56\u00A0€", fr), QStringLiteral("1234.56"));
    // A symbol the code page lacks gives way to the currency's code.
    const auto in = RegionalSettings::fromLocale(QLocale(QStringLiteral("en_IN")));
    EXPECT_EQ(formatCurrency(money(u"1234.56"), in), QStringLiteral("INR 1,234.56"));
    EXPECT_EQ(in.shortDateFormat, QStringLiteral("dd/MM/yyyy"));
    // Bidi marks in a date form are dropped, foreign separators replaced.
    const auto sa = RegionalSettings::fromLocale(QLocale(QStringLiteral("ar_SA")));
    EXPECT_EQ(sa.shortDateFormat, QStringLiteral("d/M/yyyy"));
    EXPECT_EQ(sa.decimalPoint, u'.');
}

TEST(RegionalSettings, CurrentSettingsAreTheDefault) {
    EXPECT_EQ(RegionalSettings::current(), us); // the test program pins them
    {
        const ScopedRegionalSettings german(
            RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE"))));
        EXPECT_EQ(formatCurrency(money(u"2")), QStringLiteral("2,00 €"));
        EXPECT_EQ(currencyValue(u"2,5")->toPlainString(), QStringLiteral("2.5"));
    }
    EXPECT_EQ(formatCurrency(money(u"2")), QStringLiteral("$2.00"));
}

TEST(Conversions, LeadingNumberValueReadsLikeAPlainTextReader) {
    // Reading stops at the first character that cannot continue the number, a blank too.
    const std::pair<const char16_t*, double> leading[] = {
        {u"12abc", 12.0}, {u"1,234", 1},    {u"-.5", -0.5}, {u"  \t6.0", 6}, {u"2 widgets", 2},
        {u" 3 4", 3},     {u"1.5e2x", 150}, {u"2e", 2},     {u"1.2.3", 1.2}, {u"", 0},
        {u"abc", 0},      {u"-", 0},        {u".", 0},      {u"$5", 0},      {u"e5", 0},
        {u"-x1", 0},      {u"1e-999", 0},
    };
    for (const auto& [typed, value] : leading)
        EXPECT_EQ(leadingNumberValue(typed), value) << QString::fromUtf16(typed).toStdString();
    // Not the regional decimal point: always '.'.
    {
        const ScopedRegionalSettings german(
            RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE"))));
        EXPECT_EQ(leadingNumberValue(u"6,5"), 6);
        EXPECT_EQ(leadingNumberValue(u"6.5"), 6.5);
    }
    EXPECT_EQ(leadingNumberValue(u"1e999"), std::numeric_limits<double>::infinity());
}

TEST(Conversions, CurrencyValueAcceptsWhatTheUserMayTypeAndRefusesWhatIsNotANumber) {
    EXPECT_EQ(plainValue(u"12.50"), QStringLiteral("12.5"));
    EXPECT_EQ(plainValue(u"$1,234.56"), QStringLiteral("1234.56"));
    EXPECT_EQ(plainValue(u"  $ 1,234,567.891 "), QStringLiteral("1234567.891"));
    EXPECT_EQ(plainValue(u"($1,234.56)"), QStringLiteral("-1234.56"));
    EXPECT_EQ(plainValue(u"-$5"), QStringLiteral("-5"));
    EXPECT_EQ(plainValue(u"5-"), QStringLiteral("-5"));
    EXPECT_EQ(plainValue(u"-25"), QStringLiteral("-25"));
    EXPECT_EQ(plainValue(u".5"), QStringLiteral("0.5"));
    EXPECT_EQ(plainValue(u"12.34565"), QStringLiteral("12.3456")); // four decimals, half to even
    EXPECT_EQ(plainValue(u"12.34575"), QStringLiteral("12.3458"));
    // What the currency format shows reads back.
    for (const char16_t* plain : {u"0", u"-0.01", u"1234567.89", u"-922337203685477.58"}) {
        const QString shown = formatCurrency(money(plain), us);
        EXPECT_EQ(currencyValue(shown, us), money(plain)) << shown.toStdString();
    }

    for (const char16_t* bad :
         {u"",       u"abc",    u"1.2.3", u"12abc", u"$",      u"()",       u"--5",
          u"(-5)",   u"-5-",    u"$$5",   u"1,23",  u"1,2345", u"1,23,456", u",123",
          u"1,234,", u"12.5,0", u"1 234", u"1e3",   u"€5",     u"(5",       u"922337203685478"}) {
        EXPECT_FALSE(currencyValue(bad, us)) << QString::fromUtf16(bad).toStdString();
        EXPECT_FALSE(isNumeric(bad, us)) << QString::fromUtf16(bad).toStdString();
    }
    EXPECT_TRUE(isNumeric(u"$0.00", us));
}

TEST(Conversions, FloatValueFollowsTheSameRules) {
    EXPECT_EQ(floatValue(u"$1,234.5", us), 1234.5);
    EXPECT_EQ(floatValue(u"(2.25)", us), -2.25);
    EXPECT_EQ(floatValue(u"7.5-", us), -7.5);
    // Beyond the currency range a floating value still reads.
    EXPECT_EQ(floatValue(u"100,000,000,000,000,000,000", us), 1e20);
    // A fraction below the smallest double is zero, as its amount is; it used to be refused.
    const QString tiny = QStringLiteral("0.") + QString(400, u'0') + u'1';
    EXPECT_EQ(floatValue(tiny, us), 0.0);
    EXPECT_EQ(currencyValue(tiny, us), Currency());
    EXPECT_FALSE(floatValue(u'1' + QString(400, u'0'), us));
    EXPECT_FALSE(floatValue(u"", us));
    EXPECT_FALSE(floatValue(u"1.2.3", us));
    EXPECT_FALSE(floatValue(u"12abc", us));
}

TEST(Conversions, CurrencyFormatRoundsHalfAwayFromZero) {
    // What rounds to zero shows no sign: never "($0.00)".
    const std::pair<const char*, const char*> formats[] = {
        {"1234.56", "$1,234.56"}, {"-1234.56", "($1,234.56)"}, {"0", "$0.00"},
        {"0.005", "$0.01"},       {"0.0049", "$0.00"},         {"-0.005", "($0.01)"},
        {"-0.0049", "$0.00"},     {"999.995", "$1,000.00"},    {"300000.01", "$300,000.01"},
    };
    for (const auto& [plain, shown] : formats)
        EXPECT_EQ(formatCurrency(money(plain), us), QLatin1String(shown)) << plain;
    EXPECT_EQ(formatCurrency(Currency::fromUnits(std::numeric_limits<qint64>::max()), us),
              QStringLiteral("$922,337,203,685,477.58"));
    EXPECT_EQ(formatCurrency(Currency::fromUnits(std::numeric_limits<qint64>::min()), us),
              QStringLiteral("($922,337,203,685,477.58)"));
    // A symbol after the number, set apart, with a leading minus.
    RegionalSettings after = us;
    after.currencySymbol = QStringLiteral("kr");
    after.symbolBefore = false;
    after.symbolSeparated = true;
    after.negative = RegionalSettings::Negative::LeadingMinus;
    EXPECT_EQ(formatCurrency(money(u"-1234.5"), after), QStringLiteral("-1,234.50 kr"));
    EXPECT_EQ(plainValue(u"-1,234.50 kr", after), QStringLiteral("-1234.5"));
    EXPECT_EQ(plainValue(u"1,234.50KR", after), QStringLiteral("1234.5"));
    after.currencySymbol.clear();
    EXPECT_EQ(formatCurrency(money(u"1234.5"), after), QStringLiteral("1,234.50"));
    EXPECT_EQ(plainValue(u"1,234.50", after), QStringLiteral("1234.5"));
}

TEST(Conversions, FixedFormatHasTwoDecimalsAndNoGroups) {
    EXPECT_EQ(formatFixed(money(u"1234.5"), us), QStringLiteral("1234.50"));
    EXPECT_EQ(formatFixed(money(u"-0.25"), us), QStringLiteral("-0.25"));
    EXPECT_EQ(formatFixed(money(u"-0.005"), us), QStringLiteral("-0.01"));
    EXPECT_EQ(formatFixed(money(u"-0.0049"), us), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixed(12.5, us), QStringLiteral("12.50"));
    // A double is rounded as the decimal it reads as: 2.675 and 1.005 go up.
    EXPECT_EQ(formatFixed(2.675, us), QStringLiteral("2.68"));
    EXPECT_EQ(formatFixed(1.005, us), QStringLiteral("1.01"));
    EXPECT_EQ(formatFixed(-0.005, us), QStringLiteral("-0.01"));
    EXPECT_EQ(formatFixed(-0.004, us), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixed(9.999, us), QStringLiteral("10.00"));
    EXPECT_EQ(formatFixed(1e20, us), QStringLiteral("100000000000000000000.00"));
    EXPECT_EQ(formatFixed(std::nan(""), us), QString());
}

TEST(Conversions, ShortDatesHaveFourDigitYears) {
    EXPECT_EQ(formatShortDate(QDate(2026, 12, 6), us), QStringLiteral("12/6/2026"));
    EXPECT_EQ(formatShortDate(QDate(), us), QString());
    const std::pair<const char16_t*, const char*> dates[] = {
        {u"12/6/2026", "2026-12-06"}, {u" 02/03/2026 ", "2026-02-03"}, {u"2/29/2028", "2028-02-29"},
        {u"2/3/29", "2029-02-03"},    {u"2/3/30", "1930-02-03"},
    };
    for (const auto& [typed, iso] : dates)
        EXPECT_EQ(isoDate(typed), QLatin1String(iso)) << QString::fromUtf16(typed).toStdString();
    for (const char16_t* bad :
         {u"", u"2/30/2026", u"2/29/2027", u"13/1/2026", u"0/1/2026", u"12/6", u"12/6/202",
          u"12/6/20266", u"12-6-2026", u"12/6/2026 10:00", u"x12/6/2026"})
        EXPECT_EQ(isoDate(bad), QStringLiteral("refused")) << QString::fromUtf16(bad).toStdString();
    // A blank in the date form matches any run of blanks, or none.
    RegionalSettings spaced = us;
    spaced.shortDateFormat = QStringLiteral("d. M. yyyy");
    EXPECT_EQ(formatShortDate(QDate(2026, 12, 6), spaced), QStringLiteral("6. 12. 2026"));
    EXPECT_EQ(isoDate(u"6.\u00A012.  2026", spaced), QStringLiteral("2026-12-06"));
    EXPECT_EQ(isoDate(u"6.12.2026", spaced), QStringLiteral("2026-12-06"));
    // Every day of a leap year reads back as written.
    for (QDate d(2028, 1, 1); d.year() == 2028; d = d.addDays(1))
        ASSERT_EQ(parseShortDate(formatShortDate(d, us), us), d);
}
