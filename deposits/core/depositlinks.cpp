#include "deposits/core/depositlinks.h"

#include "common/core/programcontext.h"
#include "common/core/weblinks.h"

#include <QCoreApplication>

namespace deposits {

pellar::FileResult showSupplierOrderNotice(pellar::ProgramContext& context) {
    return pellar::askThenOpen(context,
                               QCoreApplication::translate("DepositLinks", "Ordering Deluxe Forms"),
                               pellar::partnerNoticeLines(context.web), context.web.formsReorder,
                               pellar::NoticeOpens::UnlessNo);
}

} // namespace deposits
