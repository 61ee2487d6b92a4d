#pragma once
// Regional settings and the text <-> number/date conversions the programs use.

#include "common/core/currency.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace pellar {

struct RegionalSettings {
    QString currencySymbol = QStringLiteral("$");
    bool symbolBefore = true;     // "$1.00" rather than "1.00 $"
    bool symbolSeparated = false; // a blank between symbol and number
    QChar decimalPoint = u'.';
    QChar groupSeparator = u',';
    int groupSize = 3;
    // How a negative amount is shown: "($1.00)" or "-$1.00" and so on.
    enum class Negative { Parentheses, LeadingMinus } negative = Negative::Parentheses;
    // QDate format text; the year is always four digits ("M/d/yyyy").
    QString shortDateFormat = QStringLiteral("M/d/yyyy");

    static RegionalSettings unitedStates();
    // The settings of a locale. The bare C/POSIX locale means United States settings.
    // Amounts and dates end up in 8-bit (Windows-1252) files, so a symbol that code page
    // cannot hold gives way to the currency's code ("INR"), foreign separators to '.' and
    // ',', and marks in the date form are dropped.
    static RegionalSettings fromLocale(const QLocale& locale);

    // The program-wide settings: built from the system locale on first use.
    static const RegionalSettings& current();
    // The program's settings, read from the system at start. They stay process-wide: every
    // format and reading falls back on them. What sets them other than the start (a test,
    // one conversion under another locale) does it through a ScopedRegionalSettings.
    static void setCurrent(const RegionalSettings& settings);

    friend bool operator==(const RegionalSettings&, const RegionalSettings&) = default;
};

// Other settings for as long as this object lives; the ones before come back however the
// scope ends.
class ScopedRegionalSettings {
public:
    explicit ScopedRegionalSettings(const RegionalSettings& settings)
        : m_saved(RegionalSettings::current()) {
        RegionalSettings::setCurrent(settings);
    }
    ~ScopedRegionalSettings() { RegionalSettings::setCurrent(m_saved); }
    ScopedRegionalSettings(const ScopedRegionalSettings&) = delete;
    ScopedRegionalSettings& operator=(const ScopedRegionalSettings&) = delete;

private:
    RegionalSettings m_saved;
};

// The number a text starts with, as a plain-text reader sees it: leading blanks skipped,
// an optional sign, digits, '.' as the decimal point always, an optional exponent; reading
// stops at the first character that does not fit. "12abc" is 12, "abc" is 0, "" is 0.
double leadingNumberValue(QStringView text);

// A currency value as the user may type it: blanks around, the regional symbol, group
// separators, the regional decimal point, a leading or trailing minus or parentheses.
// Group separators must stand between whole groups ("1,234" but not "1,23"), so a decimal
// point typed in another country's way is refused rather than misread. Rounded to four
// decimals, half to even. nullopt when the text is not such a number (or is empty).
std::optional<Currency> currencyValue(QStringView text,
                                      const RegionalSettings& r = RegionalSettings::current());

// A floating value under the same rules as currencyValue (symbol and groups allowed).
std::optional<double> floatValue(QStringView text,
                                 const RegionalSettings& r = RegionalSettings::current());

// Whether currencyValue would accept the text.
bool isNumeric(QStringView text, const RegionalSettings& r = RegionalSettings::current());

// Symbol, group separators, two decimals rounded half away from zero, the regional
// negative form: "$1,234.56", "($1,234.56)".
QString formatCurrency(Currency value, const RegionalSettings& r = RegionalSettings::current());

// Two decimals rounded half away from zero, no group separators, the regional decimal
// point, a leading minus: "1234.50", "-0.25".
QString formatFixed(Currency value, const RegionalSettings& r = RegionalSettings::current());
QString formatFixed(double value, const RegionalSettings& r = RegionalSettings::current());

// The short date form with a four-digit year ("12/6/2026").
QString formatShortDate(QDate date, const RegionalSettings& r = RegionalSettings::current());
// Reads a date in the short date form; a two-digit year is taken as 1930..2029.
// nullopt when the text is not a valid date.
std::optional<QDate> parseShortDate(QStringView text,
                                    const RegionalSettings& r = RegionalSettings::current());

} // namespace pellar
