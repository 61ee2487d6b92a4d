// Temp.url, the opener, the invoicing program's supplier notices and the deployer's file.
#include "common/core/weblinks.h"

#include "common/core/datafiles.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

TEST(OpenWebAddress, WritesTheShortcutThenOpensTheAddress) {
    ScratchDataFolder data(ProgramKind::Billwright);
    data.put(QStringLiteral("Temp.url"), "an older and much longer shortcut file\r\n\r\n\r\n");
    data.put(QStringLiteral("Backup/Temp.url"), "backup copy");
    ScriptedDesk desk;

    const QString url = QStringLiteral("https://www.example.com/order?id=7&x=a b");
    EXPECT_TRUE(OpenWebAddress(url, desk));
    EXPECT_EQ(
        data.bytes(QStringLiteral("Temp.url")),
        QByteArray("[InternetShortcut]\r\nURL = https://www.example.com/order?id=7&x=a b\r\n"));
    EXPECT_EQ(desk.openedAddresses(), QStringList{url});
    EXPECT_EQ(data.bytes(QStringLiteral("Backup/Temp.url")), "backup copy")
        << "only the expense program drops the backup copy";

    setProgramKind(ProgramKind::Spendlog);
    EXPECT_TRUE(OpenWebAddress(QStringLiteral("https://example.org/"), desk));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")),
              QByteArray("[InternetShortcut]\r\nURL = https://example.org/\r\n"));
    EXPECT_FALSE(data.exists(QStringLiteral("Backup/Temp.url")));
}

TEST(OpenWebAddress, AShortcutThatCannotBeWrittenOpensNothing) {
    ScratchDataFolder data(ProgramKind::Slipmaker);
    // A folder where the file should be: the write fails whoever runs the test.
    data.put(QStringLiteral("Temp.url/inside"), "x");
    ScriptedDesk desk;
    const FileResult result = OpenWebAddress(QStringLiteral("https://example.com/"), desk);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("Temp.url"))) << result.error.toStdString();
    EXPECT_TRUE(desk.openedAddresses().isEmpty());
}

TEST(SupplierNotices, ExactTextsAndYesOpensTheSupplier) {
    ScratchDataFolder data(ProgramKind::Billwright);
    WebConfig config = WebConfig::defaults();
    config.supplierPhone = QStringLiteral("1-800-555-0199");
    config.priorityCode = QStringLiteral("ABC123");
    ScriptedDesk desk;

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    EXPECT_TRUE(showFormsOrderNotice(desk, config));
    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::Yes);
    EXPECT_TRUE(showPaperOrderNotice(desk, config));

    ASSERT_EQ(desk.messages().size(), 2);
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
    for (const auto& shown : desk.messages()) {
        EXPECT_EQ(shown.buttons, MessageButtons::YesNo);
        EXPECT_EQ(shown.icon, MessageIcon::None);
    }
    EXPECT_EQ(desk.openedAddresses(), (QStringList{config.formsReorder, config.paperSupplier}));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")),
              "[InternetShortcut]\r\nURL = " + config.paperSupplier.toLatin1() + "\r\n");
}

TEST(SupplierNotices, NoLeavesTempUrlAloneAndOpensNothing) {
    ScratchDataFolder data(ProgramKind::Billwright);
    data.put(QStringLiteral("Temp.url"), "earlier shortcut");
    ScriptedDesk desk;
    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::No);
    EXPECT_TRUE(showFormsOrderNotice(desk, WebConfig::defaults()));
    EXPECT_TRUE(showPaperOrderNotice(desk, WebConfig::defaults()));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")), "earlier shortcut");
    EXPECT_TRUE(desk.openedAddresses().isEmpty());
}

TEST(WebConfig, TheDeployersFileOverridesTheDefaults) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const WebConfig defaults = WebConfig::defaults();
    const WebConfig missing = WebConfig::load(folder.path());
    EXPECT_EQ(missing.formsReorder, defaults.formsReorder);

    QFile file(folder.filePath(QStringLiteral("PellarLinks.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Addresses keep their ';', ',' and backslashes as written; keys are not case-sensitive.
    file.write("\xEF\xBB\xBF; edited at the shop\r\n"
               "[Links]\r\n"
               "FormsReorder = https://forms.example.com/re;order?code=XYZ&a=1,2\r\n"
               "paperSUPPLIER=\"https://paper.example.com/a%20b\\c\"\r\n"
               "LiteProduct =\r\n"
               "# Phone = 000 (a comment, and in the wrong section anyway)\r\n"
               "BasicProduct = https://basic.example.com/\rURL = https://elsewhere.example/\r\n"
               "[FormsSupplier]\r\n"
               "Phone = 1-877-555-0123, ext. 4\r\n"
               "PriorityCode = XYZ\r\n"
               "[Other]\r\n"
               "ProductComparison = https://wrong.example.com/\r\n");
    file.close();

    const WebConfig loaded = WebConfig::load(folder.path());
    EXPECT_EQ(loaded.formsReorder,
              QStringLiteral("https://forms.example.com/re;order?code=XYZ&a=1,2"));
    EXPECT_EQ(loaded.paperSupplier, QStringLiteral("https://paper.example.com/a%20b\\c"));
    EXPECT_EQ(loaded.liteProduct, defaults.liteProduct) << "an empty value keeps the default";
    EXPECT_EQ(loaded.supplierPhone, QStringLiteral("1-877-555-0123, ext. 4"));
    EXPECT_EQ(loaded.priorityCode, QStringLiteral("XYZ"));
    EXPECT_EQ(loaded.productComparison, defaults.productComparison);
    EXPECT_EQ(loaded.labelSupplier, defaults.labelSupplier);
    // A carriage return inside a value ends it: the shortcut file stays two lines.
    EXPECT_EQ(loaded.basicProduct, QStringLiteral("https://basic.example.com/"));
    EXPECT_EQ(shortcutFileBytes(QStringLiteral("https://a.example/\r\nURL = https://b.example/")),
              "[InternetShortcut]\r\nURL = https://a.example/URL = https://b.example/\r\n");
}
