// Billwright's supplier notices: their texts, and Yes to the page, No to nothing.
#include "common/core/programcontext.h"
#include "invoicing/core/suppliernotices.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <gtest/gtest.h>

using namespace invoicing;
using pellar::MessageAnswer;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

TEST(SupplierNotices, ExactTextsAndYesOpensTheSupplier) {
    ScratchDataFolder data;
    ScriptedDesk desk;
    pellar::ProgramContext context(desk, data.data());
    context.web.supplierPhone = QStringLiteral("1-800-555-0199");
    context.web.priorityCode = QStringLiteral("ABC123");

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    EXPECT_TRUE(showFormsOrderNotice(context));
    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::Yes);
    EXPECT_TRUE(showPaperOrderNotice(context));
    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::No);
    EXPECT_TRUE(showPaperOrderNotice(context));

    ASSERT_EQ(desk.messages().size(), 3);
    EXPECT_EQ(
        desk.messages()[0].lines,
        (QStringList{
            QStringLiteral("Although this Program does not use Deluxe Forms,"),
            QStringLiteral("You can still receive the Orvanta 20% discount on any Deluxe Products"),
            QStringLiteral("Your initial order must be placed via telephone"),
            QStringLiteral("Call Deluxe (Toll Free) at 1-800-555-0199"),
            QStringLiteral("Use Priority Code ABC123 for Discount Prices"),
            QString(),
            QStringLiteral("Click Yes to connect to the internet to place a Re-order"),
            QStringLiteral("After connecting:"),
            QStringLiteral("Click Continue to Deluxe Business Checks and Solutions"),
            QStringLiteral("Select Sumbit a Re-Order"),
            QStringLiteral("follow the Re-order Instructions"),
        }));
    EXPECT_EQ(desk.messages()[1].text(),
              QStringLiteral("Perforated Response Paper is used to create\n"
                             "Invoices with a remittance Slip\n"
                             "Click Yes to connect to a Supplier"));
    EXPECT_EQ(desk.openedAddresses(),
              (QStringList{context.web.formsReorder, context.web.paperSupplier}));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")),
              "[InternetShortcut]\r\nURL = " + context.web.paperSupplier.toLatin1() + "\r\n");
}
