#include "deposits/core/slipmakerinfo.h"

#include "common/core/buildversion.h"

#include <QCoreApplication>

namespace deposits {

QString programTitle() {
    return QString::fromUtf16(kProgramTitle);
}

QString versionText() {
    return QCoreApplication::translate("SlipmakerInfo", "Version ") + pellar::buildVersion();
}

} // namespace deposits
