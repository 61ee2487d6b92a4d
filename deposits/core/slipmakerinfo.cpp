#include "deposits/core/slipmakerinfo.h"

#include "common/core/buildversion.h"

namespace deposits {

QString programTitle() {
    return QString::fromUtf16(kProgramTitle);
}

QString versionText() {
    return QStringLiteral("Version ") + pellar::buildVersion();
}

} // namespace deposits
