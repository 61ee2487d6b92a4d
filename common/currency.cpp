#include "common/currency.h"

#include <QString>
#include <cmath>

namespace pellar {

std::optional<Currency> Currency::fromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const long double scaled = static_cast<long double>(value) * kScale;
    const long double rounded = std::nearbyint(scaled);
    if (rounded >= 9223372036854775807.0L || rounded < -9223372036854775807.0L)
        return std::nullopt;
    return Currency(static_cast<qint64>(rounded));
}

std::optional<Currency> Currency::fromDecimalText(QStringView) {
    return std::nullopt;
}

qint64 Currency::cents() const {
    const qint64 q = m_units / 100;
    const qint64 r = m_units % 100;
    if (r >= 50)
        return q + 1;
    if (r <= -50)
        return q - 1;
    return q;
}

Currency operator*(Currency a, Currency b) {
    return Currency(a.m_units * b.m_units / Currency::kScale);
}

QString Currency::toPlainString() const {
    return QString::number(toDouble());
}

} // namespace pellar
