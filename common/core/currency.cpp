#include "common/core/currency.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pellar {

namespace {

// 128-bit arithmetic for exact products and scaled mantissas (a GCC/Clang extension).
__extension__ typedef unsigned __int128 Wide;

constexpr quint64 kMaxPositive = quint64(std::numeric_limits<qint64>::max());
constexpr quint64 kMaxNegative = kMaxPositive + 1; // |INT64_MIN|

// Divides magnitude by 2^shift (shift > 0), rounding an exact half to the even quotient.
Wide shiftRoundHalfEven(Wide magnitude, int shift) {
    if (shift >= 127)
        return 0; // every magnitude used here is far below 2^126, so below half a unit
    const Wide quotient = magnitude >> shift;
    const Wide remainder = magnitude & ((Wide(1) << shift) - 1);
    const Wide half = Wide(1) << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0))
        return quotient + 1;
    return quotient;
}

// Divides magnitude by divisor, rounding an exact half to the even quotient.
Wide divideRoundHalfEven(Wide magnitude, Wide divisor) {
    const Wide quotient = magnitude / divisor;
    const Wide twiceRemainder = (magnitude % divisor) * 2;
    if (twiceRemainder > divisor || (twiceRemainder == divisor && (quotient & 1) != 0))
        return quotient + 1;
    return quotient;
}

std::optional<qint64> signedFromMagnitude(Wide magnitude, bool negative) {
    if (magnitude > (negative ? kMaxNegative : kMaxPositive))
        return std::nullopt;
    if (negative)
        return qint64(0 - quint64(magnitude)); // two's complement; exact for |INT64_MIN| too
    return qint64(magnitude);
}

quint64 magnitudeOf(qint64 value) {
    return value < 0 ? 0 - quint64(value) : quint64(value);
}

} // namespace

// The double's exact binary value is rounded, not a decimal reading of it: a double is
// m * 2^e exactly, so units = m * 10000 * 2^e is rounded in integers without any intermediate
// rounding. Consequently a tie only happens when the double is exactly half a unit away from
// two neighbours (0.03125 is exactly 312.5 units and gives 312). A literal such as 0.00005 is
// not a tie: its double is 0.0000500000000000000024..., a hair above half a unit, so it gives
// 1 unit. Multiplying in double would round that product to exactly 0.5 and give 0; an x87
// long double would be exact, but long double is no wider than double on every compiler.
std::optional<Currency> Currency::fromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return Currency();
    const bool negative = std::signbit(value);
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent); // in [0.5, 1)
    const auto mantissa = quint64(std::ldexp(fraction, 53));         // exact, 53 bits
    exponent -= 53;                              // |value| = mantissa * 2^exponent
    const Wide scaled = Wide(mantissa) * kScale; // below 2^67
    Wide units = 0;
    if (exponent >= 0) {
        if (exponent > 64)
            return std::nullopt;
        units = scaled << exponent;
        if ((units >> exponent) != scaled)
            return std::nullopt;
    } else {
        units = shiftRoundHalfEven(scaled, -exponent);
    }
    const auto result = signedFromMagnitude(units, negative);
    if (!result)
        return std::nullopt;
    return Currency(*result);
}

std::optional<Currency> Currency::fromDecimalText(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    Wide units = 0; // whole part and the first four decimals, as ten-thousandths
    int decimals = 0;
    bool anyDigit = false;
    bool pointSeen = false;
    // Beyond the fourth decimal only the rounding matters: the first dropped digit and
    // whether anything non-zero follows it.
    int firstDropped = -1;
    bool nonZeroAfterFirstDropped = false;
    const Wide limit = Wide(kMaxNegative) * 10;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            if (pointSeen)
                return std::nullopt;
            pointSeen = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        anyDigit = true;
        const int digit = c.unicode() - u'0';
        if (pointSeen && decimals == 4) {
            if (firstDropped < 0)
                firstDropped = digit;
            else if (digit != 0)
                nonZeroAfterFirstDropped = true;
            continue;
        }
        units = units * 10 + unsigned(digit);
        if (units > limit)
            return std::nullopt; // far outside the range; stop before the wide value overflows
        if (pointSeen)
            ++decimals;
    }
    if (!anyDigit)
        return std::nullopt;
    for (; decimals < 4; ++decimals)
        units *= 10;
    if (firstDropped > 5 || (firstDropped == 5 && (nonZeroAfterFirstDropped || (units & 1) != 0)))
        ++units;
    const auto result = signedFromMagnitude(units, negative);
    if (!result)
        return std::nullopt;
    return Currency(*result);
}

qint64 Currency::cents() const {
    // Half a cent is 50 units; truncating division leaves a remainder with the value's sign.
    const qint64 whole = m_units / 100;
    const qint64 rest = m_units % 100;
    if (rest >= 50)
        return whole + 1;
    if (rest <= -50)
        return whole - 1;
    return whole;
}

std::optional<Currency> operator*(Currency a, Currency b) {
    const bool negative = (a.m_units < 0) != (b.m_units < 0);
    const Wide product = Wide(magnitudeOf(a.m_units)) * magnitudeOf(b.m_units);
    const auto result =
        signedFromMagnitude(divideRoundHalfEven(product, Currency::kScale), negative);
    if (!result)
        return std::nullopt;
    return Currency(*result);
}

QString Currency::toPlainString() const {
    const quint64 magnitude = magnitudeOf(m_units);
    QString text = QString::number(magnitude / quint64(kScale));
    quint64 fraction = magnitude % quint64(kScale);
    if (fraction != 0) {
        int digits = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        text += u'.' + QString::number(fraction).rightJustified(digits, u'0');
    }
    if (m_units < 0)
        text.prepend(u'-');
    return text;
}

} // namespace pellar
