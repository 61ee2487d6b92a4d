#include "common/regional.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace pellar {

namespace {

RegionalSettings& currentStore() {
    static RegionalSettings settings = RegionalSettings::fromLocale(QLocale::system());
    return settings;
}

bool isBlank(QChar c) {
    return c.isSpace() || c == QChar(0x202F) || c == QChar(0x2007);
}

bool isMinus(QChar c) {
    return c == u'-' || c == QChar(0x2212);
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
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

// The readable part of a typed number after the symbol and the sign are gone: ASCII
// digits, group separators only between whole-number groups of the regional size, one
// regional decimal point. Returns "123.45" style text, or an empty string when it does
// not read.
std::string plainNumber(QStringView core, const RegionalSettings& r) {
    const bool blankGroups = isBlank(r.groupSeparator);
    const auto isGroup = [&](QChar c) {
        return r.groupSeparator != r.decimalPoint &&
               (c == r.groupSeparator || (blankGroups && isBlank(c)));
    };
    std::string plain;
    bool pointSeen = false;
    bool anyDigit = false;
    int groupDigits = 0; // digits since the last separator
    bool grouped = false;
    for (qsizetype i = 0; i < core.size(); ++i) {
        const QChar c = core[i];
        if (isAsciiDigit(c)) {
            plain += char(c.unicode());
            anyDigit = true;
            ++groupDigits;
        } else if (c == r.decimalPoint && !pointSeen) {
            if (grouped && groupDigits != r.groupSize)
                return {};
            pointSeen = true;
            plain += '.';
        } else if (isGroup(c) && !pointSeen) {
            // The first group holds 1..groupSize digits, every later one exactly groupSize:
            // "1,5" under a '.' decimal point is a typing slip, not fifteen.
            if (groupDigits == 0 ||
                (grouped ? groupDigits != r.groupSize : groupDigits > r.groupSize))
                return {};
            grouped = true;
            groupDigits = 0;
        } else {
            return {};
        }
    }
    if (!anyDigit || (grouped && !pointSeen && groupDigits != r.groupSize))
        return {};
    return plain;
}

struct TypedNumber {
    bool negative = false;
    std::string plain; // digits with '.', no sign
};

// Reads a typed amount: blanks, the symbol before or after, a leading or trailing minus
// (or plus), or parentheses round the whole. One sign at most.
std::optional<TypedNumber> readTypedNumber(QStringView text, const RegionalSettings& r) {
    text = text.trimmed();
    bool parentheses = false;
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        parentheses = true;
        text = text.mid(1, text.size() - 2);
    }
    const QString symbol = r.currencySymbol.trimmed();
    bool symbolSeen = false;
    int signs = parentheses ? 1 : 0;
    bool negative = parentheses;
    const auto takeSign = [&](QChar c) {
        if (isMinus(c) || c == u'+') {
            ++signs;
            negative = negative || isMinus(c);
            return true;
        }
        return false;
    };
    const auto takeSymbol = [&](QStringView& rest, bool front) {
        if (symbol.isEmpty() || symbolSeen)
            return false;
        const bool found = front ? rest.startsWith(symbol, Qt::CaseInsensitive)
                                 : rest.endsWith(symbol, Qt::CaseInsensitive);
        if (!found)
            return false;
        rest = front ? rest.mid(symbol.size()) : rest.left(rest.size() - symbol.size());
        symbolSeen = true;
        return true;
    };
    for (;;) {
        if (!text.isEmpty() && isBlank(text.front()))
            text = text.mid(1);
        else if (!text.isEmpty() && takeSign(text.front()))
            text = text.mid(1);
        else if (!takeSymbol(text, true))
            break;
    }
    for (;;) {
        if (!text.isEmpty() && isBlank(text.back()))
            text.chop(1);
        else if (!text.isEmpty() && takeSign(text.back()))
            text.chop(1);
        else if (!takeSymbol(text, false))
            break;
    }
    if (signs > 1)
        return std::nullopt;
    TypedNumber number{negative, plainNumber(text, r)};
    if (number.plain.empty())
        return std::nullopt;
    return number;
}

// Rounds a plain decimal ("1234.565", no sign) to two decimals, half away from zero, and
// returns the whole-number digits and the two decimals.
std::pair<std::string, std::string> roundedToCents(std::string plain) {
    const auto point = plain.find('.');
    std::string whole = point == std::string::npos ? plain : plain.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : plain.substr(point + 1);
    if (whole.empty())
        whole = "0";
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

// Reads a date in a numeric date form ("M/d/yyyy", "dd.MM.yyyy"): day and month take one or
// two digits whatever the form's padding, the year two or four (two meaning 1930..2029),
// literal text must match, and a blank in the form matches any run of blanks. Forms with
// month or weekday names are left to Qt's own reader.
std::optional<QDate> parseDateInForm(QStringView text, const QString& format) {
    int day = 0;
    int month = 0;
    int year = 0;
    bool quoted = false;
    qsizetype at = 0; // position in text
    const auto readNumber = [&](int maxDigits, int& value) {
        const qsizetype start = at;
        value = 0;
        while (at < text.size() && at - start < maxDigits && isAsciiDigit(text[at]))
            value = value * 10 + (text[at++].unicode() - u'0');
        return int(at - start);
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            ++i;
            continue;
        }
        if (!quoted && (c == u'd' || c == u'M' || c == u'y')) {
            qsizetype run = 0;
            while (i < format.size() && format[i] == c)
                ++i, ++run;
            if (c != u'y' && run > 2) {
                const QDate named = QDate::fromString(text.toString(), format);
                return named.isValid() ? std::optional<QDate>(named) : std::nullopt;
            }
            if (c == u'd' && readNumber(2, day) == 0)
                return std::nullopt;
            if (c == u'M' && readNumber(2, month) == 0)
                return std::nullopt;
            if (c == u'y') {
                const int digits = readNumber(4, year);
                if (digits == 2)
                    year += year < 30 ? 2000 : 1900;
                else if (digits != 4)
                    return std::nullopt;
            }
            continue;
        }
        if (isBlank(c)) {
            while (at < text.size() && isBlank(text[at]))
                ++at;
        } else if (at < text.size() && text[at] == c) {
            ++at;
        } else {
            return std::nullopt;
        }
        ++i;
    }
    if (at != text.size() || day == 0 || month == 0 || year == 0)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
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

// Reading stops at the first character that does not fit, blanks included: "3 4" is 3.
// A number too large for a double gives an infinity of its sign.
double leadingNumberValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::string digits;
    const auto takeDigits = [&] {
        qsizetype taken = 0;
        for (; i < text.size() && isAsciiDigit(text[i]); ++i, ++taken)
            digits += char(text[i].unicode());
        return taken;
    };
    qsizetype mantissaDigits = takeDigits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        digits += '.';
        mantissaDigits += takeDigits();
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        // An exponent counts only when digits follow it: "2e" is 2.
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+'))
            ++j;
        if (j < text.size() && isAsciiDigit(text[j])) {
            digits += 'e';
            if (text[i + 1] == u'-')
                digits += '-';
            i = j;
            takeDigits();
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; tell a huge number from a vanishing one.
        const auto e = digits.find('e');
        const bool tiny = e != std::string::npos && digits[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::optional<Currency> currencyValue(QStringView text, const RegionalSettings& r) {
    const auto number = readTypedNumber(text, r);
    if (!number)
        return std::nullopt;
    const auto magnitude = Currency::fromDecimalText(QString::fromLatin1(number->plain));
    if (!magnitude)
        return std::nullopt;
    return number->negative ? -*magnitude : *magnitude;
}

std::optional<double> floatValue(QStringView text, const RegionalSettings& r) {
    const auto number = readTypedNumber(text, r);
    if (!number)
        return std::nullopt;
    double value = 0;
    const std::string& plain = number->plain;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return number->negative ? -value : value;
}

bool isNumeric(QStringView text, const RegionalSettings& r) {
    return currencyValue(text, r).has_value();
}

QString formatCurrency(Currency value, const RegionalSettings& r) {
    const qint64 cents = value.cents();
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    const QString number = groupedDigits(magnitude / 100, r) + r.decimalPoint +
                           QString::number(magnitude % 100).rightJustified(2, u'0');
    const QString blank = r.symbolSeparated ? QStringLiteral(" ") : QString();
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

std::optional<QDate> parseShortDate(QStringView text, const RegionalSettings& r) {
    return parseDateInForm(text.trimmed(), r.shortDateFormat);
}

} // namespace pellar
