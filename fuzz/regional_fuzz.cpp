// Amounts, numbers and dates as the person types them and the files hold them, under the
// regional settings of the United States, Germany, France or Switzerland (the first byte
// picks); the rest is the text, as UTF-8.
//
// Properties:
//  - An amount that reads is exact: its shortest decimal reads back as itself. Shown in
//    the currency form or the fixed form it reads back as itself rounded to cents (half
//    away from zero), and that value shows the same. Blanks around it change nothing.
//  - A decimal that reads, shown in the fixed form, reads back to a value that shows the
//    same; an amount that reads also reads as a decimal of about the same value.
//  - A date that reads is valid and, shown in the short date form, reads back as itself.
//  - The number a text starts with does not change when a character that cannot continue
//    a number follows, and a finite one, written with 17 digits, reads back as itself.
#include "common/core/regional.h"
#include "fuzz/fuzzsupport.h"

#include <cmath>

using namespace pellar;

namespace {

const RegionalSettings& pickSettings(quint8 choice) {
    static const RegionalSettings settings[] = {
        RegionalSettings::unitedStates(),
        RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany)),
        RegionalSettings::fromLocale(QLocale(QLocale::French, QLocale::France)),
        RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Switzerland)),
    };
    return settings[choice % std::size(settings)];
}

Currency centsOnly(Currency amount) {
    return Currency::fromUnits(amount.cents() * 100);
}

void amountRoundTrip(const QString& text, const RegionalSettings& r) {
    const std::optional<Currency> amount = currencyValue(text, r);
    PELLAR_FUZZ_CHECK(isNumeric(text, r) == amount.has_value());
    if (!amount)
        return;
    PELLAR_FUZZ_CHECK(currencyValue(u' ' + text + u' ', r) == amount);
    PELLAR_FUZZ_CHECK(Currency::fromDecimalText(amount->toPlainString()) == amount);
    const Currency shown = centsOnly(*amount);
    PELLAR_FUZZ_CHECK(currencyValue(formatCurrency(*amount, r), r) == shown);
    PELLAR_FUZZ_CHECK(currencyValue(formatFixed(*amount, r), r) == shown);
    PELLAR_FUZZ_CHECK(formatCurrency(shown, r) == formatCurrency(*amount, r));

    const std::optional<double> decimal = floatValue(text, r);
    PELLAR_FUZZ_CHECK(decimal.has_value());
    PELLAR_FUZZ_CHECK(std::fabs(*decimal - amount->toDouble()) <=
                      1e-4 + std::fabs(*decimal) * 1e-15);
}

void decimalRoundTrip(const QString& text, const RegionalSettings& r) {
    const std::optional<double> decimal = floatValue(text, r);
    if (!decimal)
        return;
    PELLAR_FUZZ_CHECK(std::isfinite(*decimal));
    const QString shown = formatFixed(*decimal, r);
    const std::optional<double> back = floatValue(shown, r);
    PELLAR_FUZZ_CHECK(back.has_value());
    PELLAR_FUZZ_CHECK(formatFixed(*back, r) == shown);
}

void dateRoundTrip(const QString& text, const RegionalSettings& r) {
    const std::optional<QDate> date = parseShortDate(text, r);
    if (!date)
        return;
    PELLAR_FUZZ_CHECK(date->isValid());
    PELLAR_FUZZ_CHECK(parseShortDate(formatShortDate(*date, r), r) == date);
}

void leadingNumber(const QString& text) {
    const double value = leadingNumberValue(text);
    PELLAR_FUZZ_CHECK(!std::isnan(value));
    PELLAR_FUZZ_CHECK(leadingNumberValue(text + u'x') == value);
    if (std::isfinite(value))
        PELLAR_FUZZ_CHECK(leadingNumberValue(QString::number(value, 'g', 17)) == value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const RegionalSettings& r = pickSettings(data[0]);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    amountRoundTrip(text, r);
    decimalRoundTrip(text, r);
    dateRoundTrip(text, r);
    leadingNumber(text);
    return 0;
}
