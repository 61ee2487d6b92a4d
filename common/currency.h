#pragma once
// Money: a 64-bit count of ten-thousandths.

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <compare>
#include <optional>

namespace pellar {

class Currency {
public:
    static constexpr qint64 kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(qint64 tenThousandths) { return Currency(tenThousandths); }
    static constexpr Currency fromWhole(qint64 whole) { return Currency(whole * kScale); }
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

    friend constexpr Currency operator+(Currency a, Currency b) {
        return Currency(a.m_units + b.m_units);
    }
    friend constexpr Currency operator-(Currency a, Currency b) {
        return Currency(a.m_units - b.m_units);
    }
    friend constexpr Currency operator-(Currency a) { return Currency(-a.m_units); }
    Currency& operator+=(Currency o) {
        m_units += o.m_units;
        return *this;
    }
    Currency& operator-=(Currency o) {
        m_units -= o.m_units;
        return *this;
    }
    // Product rounded to four decimals, half to even.
    friend Currency operator*(Currency a, Currency b);
    friend constexpr Currency operator*(Currency a, qint64 n) { return Currency(a.m_units * n); }

    friend constexpr auto operator<=>(Currency, Currency) = default;

    // Shortest plain decimal: no symbol, no separators, no trailing zeros ("1234.5", "-3",
    // "0.0001"). '.' as the decimal point.
    QString toPlainString() const;

private:
    constexpr explicit Currency(qint64 units)
        : m_units(units) {}
    qint64 m_units = 0;
};

} // namespace pellar
