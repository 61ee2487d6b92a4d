#include "invoicing/core/suppliernotices.h"

#include "common/core/programcontext.h"
#include "common/core/weblinks.h"

#include <QCoreApplication>

namespace invoicing {

pellar::FileResult showFormsOrderNotice(pellar::ProgramContext& context) {
    const pellar::WebConfig& web = context.web;
    const QStringList lines{
        QCoreApplication::translate("SupplierNotices",
                                    "Although this Program does not use Deluxe Forms,"),
        QCoreApplication::translate(
            "SupplierNotices",
            "You can still receive the Orvanta 20% discount on any Deluxe Products"),
        QCoreApplication::translate("SupplierNotices",
                                    "Your initial order must be placed via telephone"),
        QCoreApplication::translate("SupplierNotices", "Call Deluxe (Toll Free) at %1")
            .arg(web.supplierPhone),
        QCoreApplication::translate("SupplierNotices", "Use Priority Code %1 for Discount Prices")
            .arg(web.priorityCode),
        QString(),
        QCoreApplication::translate("SupplierNotices",
                                    "Click Yes to connect to the internet to place a Re-order"),
        QCoreApplication::translate("SupplierNotices", "After connecting:"),
        QCoreApplication::translate("SupplierNotices",
                                    "Click Continue to Deluxe Business Checks and Solutions"),
        QCoreApplication::translate("SupplierNotices", "Select Sumbit a Re-Order"),
        QCoreApplication::translate("SupplierNotices", "follow the Re-order Instructions"),
    };
    return pellar::askThenOpen(
        context, QCoreApplication::translate("SupplierNotices", "Ordering Deluxe Forms"), lines,
        web.formsReorder);
}

pellar::FileResult showPaperOrderNotice(pellar::ProgramContext& context) {
    return pellar::askThenOpen(context,
                               QCoreApplication::translate("SupplierNotices", "Order Paper"),
                               pellar::paperNoticeLines(), context.web.paperSupplier);
}

pellar::FileResult showSetupFormsNotice(pellar::ProgramContext& context) {
    return pellar::askThenOpen(
        context, QCoreApplication::translate("SupplierNotices", "Ordering Deluxe Forms"),
        pellar::partnerNoticeLines(context.web), context.web.formsReorder,
        pellar::NoticeOpens::UnlessNo);
}

pellar::FileResult showSetupPaperNotice(pellar::ProgramContext& context) {
    const QStringList lines{
        QCoreApplication::translate("SupplierNotices",
                                    "Perforated Response Paper is used to create"),
        QCoreApplication::translate("SupplierNotices",
                                    "Service Slips with a Tally or Remittance Section"),
        QCoreApplication::translate("SupplierNotices", "Click Yes to connect to a Supplier"),
    };
    return pellar::askThenOpen(context,
                               QCoreApplication::translate("SupplierNotices", "Order Paper"), lines,
                               context.web.paperSupplier, pellar::NoticeOpens::UnlessNo);
}

} // namespace invoicing
