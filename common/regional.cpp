#include "common/regional.h"

#include <mutex>

namespace pellar {

namespace {
RegionalSettings& currentStore() {
    static RegionalSettings settings = RegionalSettings::fromLocale(QLocale::system());
    return settings;
}
} // namespace

RegionalSettings RegionalSettings::unitedStates() {
    return RegionalSettings{};
}

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return unitedStates();
    RegionalSettings r;
    r.currencySymbol = locale.currencySymbol();
    r.decimalPoint = locale.decimalPoint().isEmpty() ? u'.' : locale.decimalPoint().at(0);
    r.groupSeparator = locale.groupSeparator().isEmpty() ? u',' : locale.groupSeparator().at(0);
    QString fmt = locale.dateFormat(QLocale::ShortFormat);
    if (!fmt.contains(QLatin1String("yyyy")))
        fmt.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    r.shortDateFormat = fmt;
    return r;
}

const RegionalSettings& RegionalSettings::current() {
    return currentStore();
}

void RegionalSettings::setCurrent(const RegionalSettings& settings) {
    currentStore() = settings;
}

double leadingNumberValue(QStringView) {
    return 0;
}

std::optional<Currency> currencyValue(QStringView, const RegionalSettings&) {
    return std::nullopt;
}

std::optional<double> floatValue(QStringView, const RegionalSettings&) {
    return std::nullopt;
}

bool isNumeric(QStringView text, const RegionalSettings& r) {
    return currencyValue(text, r).has_value();
}

QString formatCurrency(Currency value, const RegionalSettings& r) {
    return r.currencySymbol + QString::number(value.toDouble(), 'f', 2);
}

QString formatFixed(Currency value, const RegionalSettings&) {
    return QString::number(value.toDouble(), 'f', 2);
}

QString formatFixed(double value, const RegionalSettings&) {
    return QString::number(value, 'f', 2);
}

QString formatShortDate(QDate date, const RegionalSettings& r) {
    return date.toString(r.shortDateFormat);
}

std::optional<QDate> parseShortDate(QStringView text, const RegionalSettings& r) {
    const QDate d = QDate::fromString(text.toString(), r.shortDateFormat);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

} // namespace pellar
