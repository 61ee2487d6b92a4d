#pragma once
// Character classes shared by the regional formatting and reading code.

#include <QChar>

namespace pellar::regional_detail {

// Blanks as people and locales type them: ordinary, no-break, narrow and figure spaces.
inline bool isBlank(QChar c) {
    return c.isSpace() || c == QChar(0x202F) || c == QChar(0x2007);
}

} // namespace pellar::regional_detail
