#include "deposits/core/slipmakerinfo.h"

namespace deposits {

QString programTitle() {
    return QString::fromUtf16(kProgramTitle);
}

QString versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(SLIPMAKER_VERSION_MAJOR)
        .arg(SLIPMAKER_VERSION_MINOR)
        .arg(SLIPMAKER_VERSION_PATCH);
}

} // namespace deposits
