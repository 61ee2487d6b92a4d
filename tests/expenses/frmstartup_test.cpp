// The start form: where "Continue" leads, the checkbook notice, the owner line, the restore
// message and the menu.
#include "expenses/core/expenseentry.h"
#include "expenses/ui/categorylists.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmsetup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using namespace expenses;
using expenses::testing::child;
using expenses::testing::click;
using expenses::testing::SpendlogTest;
using expenses::testing::trigger;
using pellar::MessageAnswer;

namespace {

QString labelText(const QWidget* form, const char* name) {
    return child<QLabel>(form, QString::fromLatin1(name))->text();
}

} // namespace

using StartupTest = SpendlogTest;

TEST_F(StartupTest, StartsInTheMenuWithTheContactsFormLoadedHiddenAndTheOwnerNamed) {
    SpendlogForms& f = start();
    frmStartup& s = f.startup();
    EXPECT_TRUE(s.isVisible());
    const QString version = labelText(&s, "lblVersion");
    EXPECT_TRUE(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(version).hasMatch())
        << version.toStdString();

    // Loaded in this order, the contacts form without being shown (once the start form is on
    // the screen); no other form yet.
    QCoreApplication::processEvents();
    const QList<QWidget*> loaded = app.shell().loadedForms();
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0], &s);
    EXPECT_EQ(loaded[1], &f.contacts());
    EXPECT_FALSE(f.contacts().isVisible());
    EXPECT_FALSE(f.setupLoaded());
    EXPECT_FALSE(f.expensesLoaded());
    EXPECT_TRUE(child<QWidget>(&s, "Label1_2")->isHidden());

    // The checkbook notice only with the checkbook file; the owner from the business file.
    folder.put("CheckbookInfo.txt", "\"First Bank\",100\r\n");
    folder.put("MyBusinessData.txt",
               "\"Hillside Hardware, Inc\",\"41 Quarry Road\",\"\",\"Brookfield\","
               "\"VT\",\"05036\",\"\",\"\",\"\"\r\n");
    frmStartup& again = start().startup();
    EXPECT_FALSE(child<QWidget>(&again, "Label1_2")->isHidden());
    EXPECT_EQ(labelText(&again, "lblLicensedTo"), "Licensed to Hillside Hardware, Inc");
}

TEST_F(StartupTest, ContinueGoesWhereTheMissingDataIs) {
    SpendlogForms& f = start();
    frmStartup& s = f.startup();

    // Nothing yet: categories first.
    goOn();
    EXPECT_FALSE(s.isVisible());
    ASSERT_TRUE(f.setupLoaded());
    frmSetup& setup = f.setup();
    EXPECT_TRUE(setup.isVisible());
    child<ExpenseListBox>(&setup, "cboCategories")->setEditText("Travel");
    click(&setup, "cmdExpense_0");
    click(&setup, "cmdQuit");
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(s.isVisible());

    // Categories but no contacts: the payees come next.
    desk.expectMessage("Create Contacts");
    goOn();
    frmContacts& contacts = f.contacts();
    EXPECT_TRUE(contacts.isVisible());
    child<QLineEdit>(&contacts, "txtContact_1")->setText("Harbor Fuel");
    click(&contacts, "cmdExit");
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(contactsFile().size(), kContactRecordLength);

    // Both present: the expense form, with the payee.
    goOn();
    ASSERT_TRUE(f.expensesLoaded());
    EXPECT_TRUE(f.expenses().isVisible());
    EXPECT_EQ(f.expenses().entry().payee, "Harbor Fuel");
    click(&f.expenses(), "cmdExpense_0");
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(f.expenses().isVisible());
}

TEST_F(StartupTest, ContinueRestoresTheCategoriesFromTheBackupFolderAndSaysSo) {
    folder.put("Backup/ExpenseCodes.txt", "\"Travel\"\r\n");
    SpendlogForms& f = start();
    desk.expectMessage("File Restored from Backup Folder");
    desk.expectMessage("Create Contacts");
    goOn();
    ASSERT_GE(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().startsWith("The \\ExpenseCodes.txt was missing\n"));
    EXPECT_EQ(desk.beeps(), 0); // the name holds no "Invoice"
    EXPECT_TRUE(f.contacts().isVisible());
    EXPECT_TRUE(folder.exists("ExpenseCodes.txt"));

    // Only a name with "Invoice" (a capital I) beeps first.
    folder.put("Backup/OldInvoices.txt", "a");
    desk.expectMessage("File Restored from Backup Folder");
    EXPECT_TRUE(pellar::DataFileExists(app.context.data, u"\\OldInvoices.txt"));
    EXPECT_EQ(desk.beeps(), 1);
}

TEST_F(StartupTest, MenuEntries) {
    SpendlogForms& f = start();
    frmStartup& s = f.startup();
    const pellar::WebConfig web = pellar::WebConfig::defaults();

    // The business-forms notice: No opens nothing, Yes the re-order page.
    desk.expectMessage("Ordering Deluxe Forms", MessageAnswer::No);
    trigger(&s, "mnuDeluxe");
    desk.expectMessage("Ordering Deluxe Forms", MessageAnswer::Yes);
    trigger(&s, "mnuDeluxe");
    desk.expectMessage("Order Paper", MessageAnswer::No);
    trigger(&s, "mnuOffice");
    EXPECT_EQ(desk.openedAddresses(), QStringList{web.formsReorder});

    // No notice before the labels and the upgrades.
    for (const char* entry : {"mnuAvery", "mnuAccounting", "mnuCompletion"})
        trigger(&s, entry);
    EXPECT_EQ(desk.openedAddresses(), (QStringList{web.formsReorder, web.labelSupplier,
                                                   web.accountingProduct, web.completionProduct}));

    // The picture and the menu lead to the setup form; the suppliers entry to the contacts.
    QTest::mouseClick(child<QWidget>(&s, "Image1"), Qt::LeftButton);
    EXPECT_TRUE(f.setup().isVisible());
    EXPECT_FALSE(s.isVisible());
    f.showStartup(&f.setup());
    desk.expectMessage("Create Contacts");
    trigger(&s, "mnuSuppliers");
    EXPECT_TRUE(f.contacts().isVisible());
    f.showStartup(&f.contacts());

    trigger(&s, "mnuExit");
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(s.isVisible());
}

TEST_F(StartupTest, EveryFileTheProgramWritesIsBackedUpAtExit) {
    const QStringList written{"NewExpenses.txt", "VendorDat.txt", "ExpenseCodes.txt",
                              "PrintAlignment.txt"};
    for (const QString& name : written)
        folder.put(name, name.toLatin1());
    app.shell().exitProgram();
    EXPECT_EQ(folder.notBackedUp(written, desk.today()), QStringList());
}
