// Billwright's supplier notices: the numbers they give, and Yes to the page, No to nothing.
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
    // The telephone number and the priority code are the web settings'.
    EXPECT_EQ(desk.messages()[0].lines[3],
              QStringLiteral("Call Deluxe (Toll Free) at 1-800-555-0199"));
    EXPECT_EQ(desk.messages()[0].lines[4],
              QStringLiteral("Use Priority Code ABC123 for Discount Prices"));
    EXPECT_EQ(desk.openedAddresses(),
              (QStringList{context.web.formsReorder, context.web.paperSupplier}));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")),
              "[InternetShortcut]\r\nURL = " + context.web.paperSupplier.toLatin1() + "\r\n");
}
