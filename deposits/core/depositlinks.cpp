#include "deposits/core/depositlinks.h"

#include "common/core/desk.h"

namespace deposits {

pellar::FileResult showSupplierOrderNotice(pellar::Desk& desk, const pellar::WebConfig& config) {
    const QStringList lines = pellar::partnerNoticeLines(config);
    if (desk.message(QStringLiteral("Ordering Deluxe Forms"), lines,
                     pellar::MessageButtons::YesNo) == pellar::MessageAnswer::No)
        return pellar::FileResult::success();
    return pellar::OpenWebAddress(config.formsReorder, desk);
}

} // namespace deposits
