// The start form: where "Continue" leads, the checkbook notice, the owner line, the restore
// message and the menu.
#include "expenses/ui/categorylists.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmsetup.h"
#include "expenses/ui/frmstartup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace expenses;
using expenses::testing::SpendlogTest;
using pellar::MessageAnswer;

using StartupTest = SpendlogTest;

TEST_F(StartupTest, StartsInTheMenuWithTheContactsFormLoadedHidden) {
    SpendlogForms& f = start();
    frmStartup& s = f.startup();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.windowTitle(), "Pellar Spendlog");
    EXPECT_EQ(s.lblProductName->text(), "Pellar Spendlog");
    EXPECT_TRUE(
        QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(s.lblVersion->text()).hasMatch())
        << s.lblVersion->text().toStdString();
    EXPECT_EQ(s.lblLicensedTo->text(), "Licensed to a Valued Customer");
    EXPECT_EQ(s.cmdGoto->text(), "&Continue.......");
    EXPECT_EQ(s.lblRunning[2]->text(), "before continuing....");

    // Loaded in this order, the contacts form without being shown; no other form yet.
    const QList<QWidget*> loaded = app.shell().loadedForms();
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0], &s);
    EXPECT_EQ(loaded[1], &f.contacts());
    EXPECT_FALSE(f.contacts().isVisible());
    EXPECT_FALSE(f.setupLoaded());
    EXPECT_FALSE(f.expensesLoaded());
    EXPECT_TRUE(desk.messages().isEmpty());
}

TEST_F(StartupTest, ContinueGoesWhereTheMissingDataIs) {
    SpendlogForms& f = start();
    frmStartup& s = f.startup();

    // Nothing yet: categories first.
    s.cmdGoto->click();
    EXPECT_FALSE(s.isVisible());
    ASSERT_TRUE(f.setupLoaded());
    frmSetup& setup = f.setup();
    EXPECT_TRUE(setup.isVisible());
    setup.cboCategories->setEditText("Travel");
    setup.cmdExpense[frmSetup::AddItem]->click();
    setup.cmdQuit->click();
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(s.isVisible());

    // Categories but no contacts: the payees come next.
    desk.expectMessage("Create Contacts");
    s.cmdGoto->click();
    frmContacts& contacts = f.contacts();
    EXPECT_TRUE(contacts.isVisible());
    contacts.txtContact[frmContacts::Name]->setText("Harbor Fuel");
    contacts.cmdExit->click();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(contactsFile().size(), kContactRecordLength);

    // Both present: the expense form, with the payee.
    s.cmdGoto->click();
    ASSERT_TRUE(f.expensesLoaded());
    EXPECT_TRUE(f.expenses().isVisible());
    ASSERT_EQ(f.expenses().lstVendors->count(), 1);
    EXPECT_EQ(f.expenses().lstVendors->item(0)->text(), "Harbor Fuel");
    f.expenses().cmdExpense[0]->click();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(f.expenses().isVisible());
}

TEST_F(StartupTest, ContinueRestoresTheCategoriesFromTheBackupFolderAndSaysSo) {
    folder.put("Backup/ExpenseCodes.txt", "\"Travel\"\r\n");
    SpendlogForms& f = start();
    desk.expectMessage("File Restored from Backup Folder");
    desk.expectMessage("Create Contacts");
    f.startup().cmdGoto->click();
    ASSERT_GE(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].text(), "The \\ExpenseCodes.txt was missing\n"
                                         "a recent copy has been restored\n"
                                         "Data may be missing from this file\n"
                                         "This is normal when Deleting old Invoices etc");
    EXPECT_EQ(desk.beeps(), 0); // the name holds no "Invoice"
    EXPECT_TRUE(f.contacts().isVisible());
    EXPECT_TRUE(folder.exists("ExpenseCodes.txt"));

    // Only a name with "Invoice" (a capital I) beeps first.
    folder.put("Backup/OldInvoices.txt", "a");
    desk.expectMessage("File Restored from Backup Folder");
    EXPECT_TRUE(pellar::DataFileExists(app.context.data, u"\\OldInvoices.txt"));
    EXPECT_EQ(desk.beeps(), 1);
}

TEST_F(StartupTest, CheckbookNoticeOnlyWhenTheCheckbookFileIsThere) {
    {
        SpendlogForms& f = start();
        EXPECT_TRUE(f.startup().Label1[2]->isHidden());
        EXPECT_EQ(f.startup().Label1[1]->text(), "(A Free Program from Orvanta)");
    }

    folder.put("CheckbookInfo.txt", "\"First Bank\",100\r\n");
    SpendlogForms& f = start();
    EXPECT_FALSE(f.startup().Label1[2]->isHidden());
    EXPECT_EQ(f.startup().Label1[2]->text(),
              "A Orvanta Checkbook Module was found. Enter only CASH "
              "and CC Expenditures  using Spendlog");
}

TEST_F(StartupTest, OwnerLineShowsTheBusinessName) {
    folder.put("MyBusinessData.txt",
               "\"Hillside Hardware, Inc\",\"41 Quarry Road\",\"\",\"Brookfield\","
               "\"VT\",\"05036\",\"\",\"\",\"\"\r\n");
    SpendlogForms& f = start();
    EXPECT_EQ(f.startup().lblLicensedTo->text(), "Licensed to Hillside Hardware, Inc");
}

TEST_F(StartupTest, MenuEntries) {
    SpendlogForms& f = start();
    frmStartup& s = f.startup();
    const pellar::WebConfig web = pellar::WebConfig::defaults();

    // The business-forms notice: No changes nothing, Yes opens the re-order page.
    desk.expectMessage("Ordering Deluxe Forms", MessageAnswer::No);
    s.mnuDeluxe->trigger();
    EXPECT_FALSE(folder.exists("Temp.url"));
    desk.expectMessage("Ordering Deluxe Forms", MessageAnswer::Yes);
    s.mnuDeluxe->trigger();
    const pellar::testing::ShownMessage& notice = desk.messages().last();
    EXPECT_EQ(notice.buttons, pellar::MessageButtons::YesNo);
    ASSERT_EQ(notice.lines.size(), 14);
    EXPECT_EQ(notice.lines[0], "Orvanta partners with Deluxe Business Forms,");
    EXPECT_EQ(notice.lines[3], "Deposit Tickets are Item #  80200");
    EXPECT_EQ(notice.lines[5], "Call Deluxe (Toll Free) at " + web.supplierPhone);
    EXPECT_EQ(notice.lines[6], "USE PRIORITY CODE " + web.priorityCode + " to obtain the Discount");
    EXPECT_EQ(notice.lines[8], "Click YES to connect to the INTERNET TO PLACE A  RE-ORDER");
    EXPECT_EQ(notice.lines[13], "follow the Re-order Instructions");
    EXPECT_EQ(folder.bytes("Temp.url"),
              "[InternetShortcut]\r\nURL = " + web.formsReorder.toLatin1() + "\r\n");

    desk.expectMessage("Order Paper", MessageAnswer::No);
    s.mnuOffice->trigger();
    EXPECT_EQ(desk.openedAddresses(), QStringList{web.formsReorder});

    // No notice before the labels and the upgrades.
    s.mnuAvery->trigger();
    s.mnuAccounting->trigger();
    s.mnuCompletion->trigger();
    EXPECT_EQ(desk.openedAddresses(), (QStringList{web.formsReorder, web.labelSupplier,
                                                   web.accountingProduct, web.completionProduct}));

    // The picture and the menu lead to the setup form; the suppliers entry to the contacts.
    QTest::mouseClick(s.Image1, Qt::LeftButton);
    EXPECT_TRUE(f.setup().isVisible());
    EXPECT_FALSE(s.isVisible());
    f.showStartup(&f.setup());
    desk.expectMessage("Create Contacts");
    s.mnuSuppliers->trigger();
    EXPECT_TRUE(f.contacts().isVisible());
    f.showStartup(&f.contacts());

    s.mnuExit->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(s.isVisible());
}
