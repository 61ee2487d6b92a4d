#include "invoicing/core/suppliernotices.h"

#include "common/core/programcontext.h"
#include "common/core/weblinks.h"

namespace invoicing {

pellar::FileResult showFormsOrderNotice(pellar::ProgramContext& context) {
    const pellar::WebConfig& web = context.web;
    const QStringList lines{
        QStringLiteral("Although this Program does not use Deluxe Forms,"),
        QStringLiteral("You can still receive the Orvanta 20% discount on any Deluxe Products"),
        QStringLiteral("Your initial order must be placed via telephone"),
        QStringLiteral("Call Deluxe (Toll Free) at ") + web.supplierPhone,
        QStringLiteral("Use Priority Code ") + web.priorityCode +
            QStringLiteral(" for Discount Prices"),
        QString(),
        QStringLiteral("Click Yes to connect to the internet to place a Re-order"),
        QStringLiteral("After connecting:"),
        QStringLiteral("Click Continue to Deluxe Business Checks and Solutions"),
        QStringLiteral("Select Sumbit a Re-Order"),
        QStringLiteral("follow the Re-order Instructions"),
    };
    return pellar::askThenOpen(context, QStringLiteral("Ordering Deluxe Forms"), lines,
                               web.formsReorder);
}

pellar::FileResult showPaperOrderNotice(pellar::ProgramContext& context) {
    return pellar::askThenOpen(context, QStringLiteral("Order Paper"), pellar::paperNoticeLines(),
                               context.web.paperSupplier);
}

pellar::FileResult showSetupFormsNotice(pellar::ProgramContext& context) {
    return pellar::askThenOpen(context, QStringLiteral("Ordering Deluxe Forms"),
                               pellar::partnerNoticeLines(context.web), context.web.formsReorder,
                               pellar::NoticeOpens::UnlessNo);
}

pellar::FileResult showSetupPaperNotice(pellar::ProgramContext& context) {
    const QStringList lines{
        QStringLiteral("Perforated Response Paper is used to create"),
        QStringLiteral("Service Slips with a Tally or Remittance Section"),
        QStringLiteral("Click Yes to connect to a Supplier"),
    };
    return pellar::askThenOpen(context, QStringLiteral("Order Paper"), lines,
                               context.web.paperSupplier, pellar::NoticeOpens::UnlessNo);
}

} // namespace invoicing
