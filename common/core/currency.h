#pragma once
// Money: a 64-bit count of ten-thousandths.

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <compare>
#include <initializer_list>
#include <limits>
#include <optional>

namespace pellar {

class Currency {
public:
    static constexpr qint64 kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(qint64 tenThousandths) { return Currency(tenThousandths); }
    // nullopt when the amount cannot be held.
    static constexpr std::optional<Currency> fromWhole(qint64 whole) {
        return Currency(kScale) * whole;
    }
    // Rounds to the nearest ten-thousandth, an exact half to the even neighbour.
    // nullopt for NaN, infinities and values outside the 64-bit range.
    static std::optional<Currency> fromDouble(double value);
    // Exact decimal text ("-12.3456"), '.' as the decimal point, at most four decimals
    // (more are rounded half to even). nullopt for anything else.
    static std::optional<Currency> fromDecimalText(QStringView text);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / kScale; }

    // Rounded to whole cents, an exact half away from zero (how amounts are shown).
    qint64 cents() const;

    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }

    // Arithmetic is checked, every operation alike: a result the type cannot hold is nullopt,
    // never a wrapped or clipped amount. The caller refuses the step that would need it.
    // An optional on the left carries an earlier failure on, so a + b - c is checked whole.
    friend constexpr std::optional<Currency> operator+(Currency a, Currency b) {
        qint64 units = 0;
        if (__builtin_add_overflow(a.m_units, b.m_units, &units))
            return std::nullopt;
        return Currency(units);
    }
    friend constexpr std::optional<Currency> operator-(Currency a, Currency b) {
        qint64 units = 0;
        if (__builtin_sub_overflow(a.m_units, b.m_units, &units))
            return std::nullopt;
        return Currency(units);
    }
    friend constexpr std::optional<Currency> operator-(Currency a) { return Currency() - a; }
    friend constexpr std::optional<Currency> operator*(Currency a, qint64 n) {
        qint64 units = 0;
        if (__builtin_mul_overflow(a.m_units, n, &units))
            return std::nullopt;
        return Currency(units);
    }
    // Product rounded to four decimals, half to even.
    friend std::optional<Currency> operator*(Currency a, Currency b);

    friend constexpr std::optional<Currency> operator+(std::optional<Currency> a, Currency b) {
        return a ? *a + b : std::nullopt;
    }
    friend constexpr std::optional<Currency> operator-(std::optional<Currency> a, Currency b) {
        return a ? *a - b : std::nullopt;
    }

    // The sum of a range of amounts; nullopt as soon as a partial sum cannot be held.
    template <typename Range> static constexpr std::optional<Currency> sum(const Range& amounts) {
        std::optional<Currency> total = Currency();
        for (const Currency amount : amounts) {
            total = total + amount;
            if (!total)
                break;
        }
        return total;
    }
    static constexpr std::optional<Currency> sum(std::initializer_list<Currency> amounts) {
        return sum<std::initializer_list<Currency>>(amounts);
    }

    friend constexpr auto operator<=>(Currency, Currency) = default;

    // Shortest plain decimal: no symbol, no separators, no trailing zeros ("1234.5", "-3",
    // "0.0001"). '.' as the decimal point.
    QString toPlainString() const;

private:
    constexpr explicit Currency(qint64 units)
        : m_units(units) {}
    qint64 m_units = 0;
};

// Adds `amount` to `sum` when the result fits the type; false, with `sum` unchanged, when it
// would not (a running total that would leave the range is never wrapped round).
inline bool addTo(Currency& sum, Currency amount) {
    const std::optional<Currency> added = sum + amount;
    if (added)
        sum = *added;
    return added.has_value();
}

} // namespace pellar
