#pragma once
// An amount written in a test as a plain decimal ("125.50", "-0.0125"); the test is wrong, not
// the code under test, when the text is not one.

#include "common/core/currency.h"

#include <QString>
#include <gtest/gtest.h>

namespace pellar::testing {

inline Currency money(QStringView plain) {
    const std::optional<Currency> value = Currency::fromDecimalText(plain);
    EXPECT_TRUE(value.has_value()) << "not a plain decimal: " << plain.toString().toStdString();
    return value.value_or(Currency());
}
inline Currency money(const char* plain) {
    return money(QString::fromLatin1(plain));
}

} // namespace pellar::testing
