// Temp.url, the opener, the ask-then-open notice and the deployer's file.
#include "common/core/weblinks.h"

#include "common/core/datafiles.h"
#include "common/core/programcontext.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

TEST(OpenWebAddress, WritesTheShortcutThenOpensTheAddress) {
    ScratchDataFolder data;
    data.put(QStringLiteral("Temp.url"), "an older and much longer shortcut file\r\n\r\n\r\n");
    data.put(QStringLiteral("Backup/Temp.url"), "backup copy");
    ScriptedDesk desk;
    ProgramContext context(desk, data.data());

    const QString url = QStringLiteral("https://www.example.com/order?id=7&x=a b");
    EXPECT_TRUE(OpenWebAddress(context, url));
    EXPECT_EQ(
        data.bytes(QStringLiteral("Temp.url")),
        QByteArray("[InternetShortcut]\r\nURL = https://www.example.com/order?id=7&x=a b\r\n"));
    EXPECT_EQ(desk.openedAddresses(), QStringList{url});
    EXPECT_EQ(data.bytes(QStringLiteral("Backup/Temp.url")), "backup copy");

    // A program whose rewrites drop the backup copy first.
    context.shortcutDropsBackup = true;
    EXPECT_TRUE(OpenWebAddress(context, QStringLiteral("https://example.org/")));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")),
              QByteArray("[InternetShortcut]\r\nURL = https://example.org/\r\n"));
    EXPECT_FALSE(data.exists(QStringLiteral("Backup/Temp.url")));

    // A folder where the file should be: the write fails and nothing is opened.
    ScratchDataFolder blocked;
    blocked.put(QStringLiteral("Temp.url/inside"), "x");
    ProgramContext other(desk, blocked.data());
    const FileResult result = OpenWebAddress(other, QStringLiteral("https://example.com/"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("Temp.url"))) << result.error.toStdString();
    EXPECT_EQ(desk.openedAddresses().size(), 2);

    // An address that is not a web page's is refused in words before the file is written.
    for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)", "https://"}) {
        const FileResult refusal = OpenWebAddress(context, QString::fromLatin1(refused));
        EXPECT_FALSE(refusal.ok) << refused;
        EXPECT_TRUE(refusal.error.contains(QString::fromLatin1(refused)));
    }
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")),
              QByteArray("[InternetShortcut]\r\nURL = https://example.org/\r\n"));
    EXPECT_EQ(desk.openedAddresses().size(), 2);

    // No browser took it: the person is told, with the address to type.
    desk.browserTakesAddresses = false;
    const FileResult unopened = OpenWebAddress(context, QStringLiteral("https://example.net/"));
    EXPECT_FALSE(unopened.ok);
    EXPECT_TRUE(unopened.error.contains(QStringLiteral("https://example.net/")));
}

TEST(SupplierNotices, TheAgreeingAnswerOpensThePageAndNoLeavesTempUrlAlone) {
    ScratchDataFolder data;
    data.put(QStringLiteral("Temp.url"), "earlier shortcut");
    ScriptedDesk desk;
    ProgramContext context(desk, data.data());
    const QStringList lines{QStringLiteral("Offer")};
    const QString page = QStringLiteral("https://forms.example.com/");

    desk.expectMessage(QStringLiteral("Ordering"), MessageAnswer::No);
    EXPECT_TRUE(askThenOpen(context, QStringLiteral("Ordering"), lines, page));
    desk.expectMessage(QStringLiteral("Ordering"), MessageAnswer::No);
    EXPECT_TRUE(
        askThenOpen(context, QStringLiteral("Ordering"), lines, page, NoticeOpens::UnlessNo));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")), "earlier shortcut");
    EXPECT_TRUE(desk.openedAddresses().isEmpty());

    desk.expectMessage(QStringLiteral("Ordering"), MessageAnswer::Yes);
    EXPECT_TRUE(askThenOpen(context, QStringLiteral("Ordering"), lines, page));
    ASSERT_EQ(desk.messages().size(), 3);
    EXPECT_EQ(desk.messages()[2].buttons, MessageButtons::YesNo);
    EXPECT_EQ(desk.openedAddresses(), QStringList{page});
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
