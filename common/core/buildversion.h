#pragma once
// The version the family is built as, from the project's own version number.

#include <QString>

namespace pellar {

// "major.minor.revision"
inline QString buildVersion() {
    return QStringLiteral("%1.%2.%3")
        .arg(PELLAR_VERSION_MAJOR)
        .arg(PELLAR_VERSION_MINOR)
        .arg(PELLAR_VERSION_PATCH);
}

} // namespace pellar
