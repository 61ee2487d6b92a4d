// Regional settings from a locale, and amounts and dates formatted under them.
#include "common/core/regional.h"
#include "common/core/regionalchars.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace pellar {

using regional_detail::isBlank;

namespace {

RegionalSettings& currentStore() {
    static RegionalSettings settings = RegionalSettings::fromLocale(QLocale::system());
    return settings;
}

// Amounts and dates are stored as text in 8-bit (Windows-1252) data files, so a regional
// character that code page cannot hold would come back as '?' and the value would no longer
// read. Such characters are replaced when the settings are taken from a locale.
bool fitsWindows1252(QChar c) {
    static constexpr char16_t kUpperHalf[] = {
        0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
        0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    return std::find(std::begin(kUpperHalf), std::end(kUpperHalf), u) != std::end(kUpperHalf);
}

bool fitsWindows1252(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return fitsWindows1252(c); });
}

// Some locales group digits with a narrow or ordinary no-break space. Amounts end up in
// 8-bit data files, where only the ordinary no-break space survives, so every blank-like
// separator becomes that one.
QChar normalisedGroupSeparator(QChar c) {
    return isBlank(c) ? QChar(0x00A0) : c;
}

// A short date form whose year has fewer than four digits gets a four-digit year; quoted
// literal text is left alone.
QString widenYear(const QString& format) {
    QString widened;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            widened += c;
            ++i;
        } else if (!quoted && c == u'y') {
            while (i < format.size() && format[i] == u'y')
                ++i;
            widened += QStringLiteral("yyyy");
        } else {
            widened += c;
            ++i;
        }
    }
    return widened;
}

// Whole-number digits with a separator between groups.
QString groupedDigits(quint64 whole, const RegionalSettings& r) {
    const QString digits = QString::number(whole);
    if (r.groupSize <= 0)
        return digits;
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % r.groupSize == 0)
            out += r.groupSeparator;
        out += digits[i];
    }
    return out;
}

// Rounds a plain decimal ("1234.565", no sign) to two decimals, half away from zero, and
// returns the whole-number digits and the two decimals.
std::pair<std::string, std::string> roundedToCents(std::string plain) {
    const auto point = plain.find('.');
    std::string whole = point == std::string::npos ? plain : plain.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : plain.substr(point + 1);
    if (whole.empty())
        whole.push_back('0'); // not `= "0"`: g++ 12 warns falsely (-Wrestrict) on that
    fraction.resize(std::max<size_t>(fraction.size(), 3), '0');
    const bool up = fraction[2] >= '5';
    fraction.resize(2);
    std::string digits = whole + fraction;
    if (up) {
        auto i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    whole = digits.substr(0, digits.size() - 2);
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    return {whole, digits.substr(digits.size() - 2)};
}

} // namespace

RegionalSettings RegionalSettings::unitedStates() {
    return RegionalSettings{};
}

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return unitedStates();
    RegionalSettings r;
    r.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    r.decimalPoint = decimal.isEmpty() ? QChar(u'.') : decimal.front();
    r.groupSeparator = normalisedGroupSeparator(group.isEmpty() ? QChar(u',') : group.front());
    if (!fitsWindows1252(r.decimalPoint) || !fitsWindows1252(r.groupSeparator)) {
        r.decimalPoint = u'.';
        r.groupSeparator = u',';
    }

    // Where the symbol stands, and whether a blank parts it from the number, is read off
    // the locale's own currency text.
    const QString positive = locale.toCurrencyString(1234.5);
    const qsizetype symbolAt = r.currencySymbol.isEmpty() ? -1 : positive.indexOf(r.currencySymbol);
    if (symbolAt >= 0) {
        qsizetype firstDigit = 0;
        while (firstDigit < positive.size() && !positive[firstDigit].isDigit())
            ++firstDigit;
        r.symbolBefore = symbolAt < firstDigit;
        const qsizetype between =
            r.symbolBefore ? symbolAt + r.currencySymbol.size() : symbolAt - 1;
        r.symbolSeparated = between >= 0 && between < positive.size() && isBlank(positive[between]);
    }
    r.negative = locale.toCurrencyString(-1234.5).contains(u'(') ? Negative::Parentheses
                                                                 : Negative::LeadingMinus;
    if (!fitsWindows1252(r.currencySymbol)) {
        r.currencySymbol = locale.currencySymbol(QLocale::CurrencyIsoCode);
        r.symbolSeparated = true; // "INR 1,234.56", not "INR1,234.56"
    }
    if (!fitsWindows1252(r.currencySymbol))
        r.currencySymbol.clear();
    QString dateFormat = widenYear(locale.dateFormat(QLocale::ShortFormat));
    dateFormat.removeIf([](QChar c) { return !fitsWindows1252(c); }); // bidi marks and the like
    r.shortDateFormat = dateFormat;
    return r;
}

const RegionalSettings& RegionalSettings::current() {
    return currentStore();
}

void RegionalSettings::setCurrent(const RegionalSettings& settings) {
    currentStore() = settings;
}

QString formatCurrency(Currency value, const RegionalSettings& r) {
    const qint64 cents = value.cents();
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    const QString number = groupedDigits(magnitude / 100, r) + r.decimalPoint +
                           QString::number(magnitude % 100).rightJustified(2, u'0');
    const QString blank =
        r.symbolSeparated && !r.currencySymbol.isEmpty() ? QStringLiteral(" ") : QString();
    const QString shown =
        r.symbolBefore ? r.currencySymbol + blank + number : number + blank + r.currencySymbol;
    if (cents >= 0)
        return shown;
    if (r.negative == RegionalSettings::Negative::Parentheses)
        return u'(' + shown + u')';
    return u'-' + shown;
}

QString formatFixed(Currency value, const RegionalSettings& r) {
    const qint64 cents = value.cents();
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    QString text = QString::number(magnitude / 100) + r.decimalPoint +
                   QString::number(magnitude % 100).rightJustified(2, u'0');
    if (cents < 0)
        text.prepend(u'-');
    return text;
}

// Rounds the shortest decimal that reads back as this double, not its binary expansion:
// 2.675 typed by the user is shown 2.68, as the user expects, although the nearest double
// lies a hair below 2.675. Infinities and NaN give an empty text.
QString formatFixed(double value, const RegionalSettings& r) {
    if (!std::isfinite(value))
        return {};
    std::array<char, 400> buffer{}; // fixed notation of any double fits in about 330 chars
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            std::fabs(value), std::chars_format::fixed);
    if (error != std::errc())
        return {};
    const auto [whole, fraction] = roundedToCents(std::string(buffer.data(), end));
    QString text = QString::fromLatin1(whole) + r.decimalPoint + QString::fromLatin1(fraction);
    if (value < 0 && (whole != "0" || fraction != "00"))
        text.prepend(u'-');
    return text;
}

QString formatShortDate(QDate date, const RegionalSettings& r) {
    if (!date.isValid())
        return {};
    return date.toString(r.shortDateFormat);
}

} // namespace pellar
