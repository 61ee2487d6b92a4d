#include "expenses/ui/notices.h"

#include "common/core/desk.h"
#include "common/ui/program.h"
#include "common/core/weblinks.h"

namespace expenses {

QStringList formsNoticeLines(const pellar::WebConfig& config) {
    return pellar::partnerNoticeLines(config, QStringLiteral("Deposit Tickets are Item #  80200"));
}

pellar::FileResult showFormsNotice(pellar::Desk& desk, const pellar::WebConfig& config) {
    if (desk.message(QStringLiteral("Ordering Deluxe Forms"), formsNoticeLines(config),
                     pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes)
        return pellar::FileResult::success();
    return pellar::OpenWebAddress(config.formsReorder, desk);
}

void reportFileProblem(pellar::Desk& desk, const QString& problem) {
    pellar::ShowMessage(desk, problem, QString::fromUtf16(kProgramTitle));
}

} // namespace expenses
