#include "expenses/ui/notices.h"

#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "common/core/weblinks.h"

#include <QCoreApplication>

namespace expenses {

QStringList formsNoticeLines(const pellar::WebConfig& config) {
    return pellar::partnerNoticeLines(
        config, QCoreApplication::translate("Notices", "Deposit Tickets are Item #  80200"));
}

pellar::FileResult showFormsNotice(pellar::ProgramContext& context) {
    return pellar::askThenOpen(context,
                               QCoreApplication::translate("Notices", "Ordering Deluxe Forms"),
                               formsNoticeLines(context.web), context.web.formsReorder);
}

pellar::FileResult showPaperNotice(pellar::ProgramContext& context) {
    return pellar::askThenOpen(context, QCoreApplication::translate("Notices", "Order Paper"),
                               pellar::paperNoticeLines(), context.web.paperSupplier);
}

void reportFileProblem(pellar::Desk& desk, const QString& problem) {
    desk.message(QString::fromUtf16(kProgramTitle), {problem}, pellar::MessageButtons::Ok);
}

} // namespace expenses
