#include "expenses/notices.h"

#include "common/desk.h"
#include "common/program.h"
#include "common/weblinks.h"

namespace expenses {

QStringList formsNoticeLines(const pellar::WebConfig& config) {
    return {
        QStringLiteral("Orvanta partners with Deluxe Business Forms,"),
        QStringLiteral("follow these instructions to receive a 20% Discount"),
        QStringLiteral("on your initial order of ANY DELUXE PRODUCTS"),
        QStringLiteral("Deposit Tickets are Item #  80200"),
        QString(),
        QStringLiteral("Call Deluxe (Toll Free) at ") + config.supplierPhone,
        QStringLiteral("USE PRIORITY CODE ") + config.priorityCode +
            QStringLiteral(" to obtain the Discount"),
        QString(),
        QStringLiteral("Click YES to connect to the INTERNET TO PLACE A  RE-ORDER"),
        QString(),
        QStringLiteral("After connecting:"),
        QStringLiteral("Click Continue to Deluxe Business Checks and Solutions"),
        QStringLiteral("Select Sumbit a Re-Order"),
        QStringLiteral("follow the Re-order Instructions"),
    };
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
