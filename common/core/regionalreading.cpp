// Reading numbers and dates as the user types them.
#include "common/core/regional.h"
#include "common/core/regionalchars.h"

#include <QVarLengthArray>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>

namespace pellar {

using regional_detail::isBlank;

namespace {

bool isMinus(QChar c) {
    return c == u'-' || c == QChar(0x2212);
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The digits of a typed number, kept on the stack: a review reads one from every record.
using PlainNumber = QVarLengthArray<char16_t, 40>;

// The readable part of a typed number after the symbol and the sign are gone: ASCII
// digits, group separators only between whole-number groups of the regional size, one
// regional decimal point. Puts "123.45" style text in plain; false when it does not read.
bool plainNumber(QStringView core, const RegionalSettings& r, PlainNumber& plain) {
    const bool blankGroups = isBlank(r.groupSeparator);
    const auto isGroup = [&](QChar c) {
        return r.groupSeparator != r.decimalPoint &&
               (c == r.groupSeparator || (blankGroups && isBlank(c)));
    };
    plain.clear();
    bool pointSeen = false;
    bool anyDigit = false;
    int groupDigits = 0; // digits since the last separator
    bool grouped = false;
    for (qsizetype i = 0; i < core.size(); ++i) {
        const QChar c = core[i];
        if (isAsciiDigit(c)) {
            plain.append(c.unicode());
            anyDigit = true;
            ++groupDigits;
        } else if (c == r.decimalPoint && !pointSeen) {
            if (grouped && groupDigits != r.groupSize)
                return false;
            pointSeen = true;
            plain.append(u'.');
        } else if (isGroup(c) && !pointSeen) {
            // The first group holds 1..groupSize digits, every later one exactly groupSize:
            // "1,5" under a '.' decimal point is a typing slip, not fifteen.
            if (groupDigits == 0 ||
                (grouped ? groupDigits != r.groupSize : groupDigits > r.groupSize))
                return false;
            grouped = true;
            groupDigits = 0;
        } else {
            return false;
        }
    }
    return anyDigit && !(grouped && !pointSeen && groupDigits != r.groupSize);
}

struct TypedNumber {
    bool negative = false;
    PlainNumber plain; // digits with '.', no sign
};

// Reads a typed amount: blanks, the symbol before or after, a leading or trailing minus
// (or plus), or parentheses round the whole. One sign at most. False when it does not read.
bool readTypedNumber(QStringView text, const RegionalSettings& r, TypedNumber& number) {
    text = text.trimmed();
    bool parentheses = false;
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        parentheses = true;
        text = text.mid(1, text.size() - 2);
    }
    const QStringView symbol = QStringView(r.currencySymbol).trimmed();
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
        return false;
    number.negative = negative;
    return plainNumber(text, r, number.plain);
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
    TypedNumber number;
    if (!readTypedNumber(text, r, number))
        return std::nullopt;
    const auto magnitude =
        Currency::fromDecimalText(QStringView(number.plain.data(), number.plain.size()));
    if (!magnitude)
        return std::nullopt;
    return number.negative ? -*magnitude : *magnitude;
}

std::optional<double> floatValue(QStringView text, const RegionalSettings& r) {
    TypedNumber number;
    if (!readTypedNumber(text, r, number))
        return std::nullopt;
    QVarLengthArray<char, 40> narrow;
    for (const char16_t c : number.plain)
        narrow.append(char(c));
    double value = 0;
    const std::string_view plain(narrow.data(), size_t(narrow.size()));
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    // A fraction too small for a double ("0.000...0001") is zero, as its amount is, not an
    // unreadable number; only a whole part too large for a double is beyond reading.
    if (error == std::errc::result_out_of_range && plain.find_first_not_of('0') == plain.find('.'))
        value = 0.0;
    else if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return number.negative ? -value : value;
}

bool isNumeric(QStringView text, const RegionalSettings& r) {
    return currencyValue(text, r).has_value();
}

std::optional<QDate> parseShortDate(QStringView text, const RegionalSettings& r) {
    return parseDateInForm(text.trimmed(), r.shortDateFormat);
}

} // namespace pellar
