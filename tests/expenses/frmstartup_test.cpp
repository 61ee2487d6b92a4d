// The start form (where "Continue" leads, the checkbook notice, the owner line, the restore
// message and the menu) and the setup form it leads to first: the expense categories, the
// built-in lists, the file and the list rules.
#include "expenses/core/categories.h"
#include "expenses/core/expenseentry.h"
#include "expenses/ui/categorylists.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmsetup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

using namespace expenses;
using namespace expenses::testing;
using pellar::MessageAnswer;

namespace {

// What a drop of one of the category lists on the expense list delivers.
void dropOn(ExpenseListBox* target, const QByteArray& format, const QByteArray& source) {
    QMimeData data;
    data.setData(QString::fromLatin1(format), source);
    // The drop goes to the widget that took the drag's entry, as a real drag does.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

} // namespace

using StartupTest = SpendlogTest;

TEST_F(StartupTest, StartsInTheMenuWithTheContactsFormLoadedHiddenAndTheOwnerNamed) {
    SpendlogForms& f = start();
    frmStartup& s = f.startup();
    EXPECT_TRUE(s.isVisible());
    const QString version = child<QLabel>(&s, "lblVersion")->text();
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
    EXPECT_EQ(child<QLabel>(&again, "lblLicensedTo")->text(), "Licensed to Hillside Hardware, Inc");
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

TEST_F(StartupTest, MenuEntriesAndTheExitThatBacksUpEveryFileWritten) {
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

    // Exit backs up every file the program writes.
    const QStringList written{"NewExpenses.txt", "VendorDat.txt", "ExpenseCodes.txt",
                              "PrintAlignment.txt"};
    for (const QString& name : written)
        folder.put(name, name.toLatin1());
    trigger(&s, "mnuExit");
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(folder.notBackedUp(written, desk.today()), QStringList());
}

TEST(Categories, ANewEntryIsComparedExactlyAndTheFileIsOneQuotedCategoryPerLine) {
    // Exact, case-sensitive comparison of the whole text (the setup form refuses a
    // duplicate, and blanks, and saves the list byte for byte).
    EXPECT_TRUE(canAddCategory({"Travel", "Wages"}, "travel"));
    EXPECT_TRUE(canAddCategory({"Travel", "Wages"}, "Travel "));
    EXPECT_EQ(encodeCategories({}), QByteArray());

    // A chart may hold plain fields and several to a line.
    EXPECT_EQ(decodeFieldList("Advertising, Wages\r\n\"Rent, Office\"\r\n\r\nTaxes"),
              (QStringList{"Advertising", "Wages", "Rent, Office", "Taxes"}));
}

class SetupTest : public SpendlogTest {
protected:
    frmSetup& open() {
        start().showSetup(&forms->startup());
        return forms->setup();
    }
    ExpenseListBox* list() { return child<ExpenseListBox>(&forms->setup(), "cboCategories"); }
    QListWidget* source(const QString& name) { return child<QListWidget>(&forms->setup(), name); }
    void press(int button) { click(&forms->setup(), QStringLiteral("cmdExpense_%1").arg(button)); }
};

TEST_F(SetupTest, LoadsTheSavedListAndKeepsItUntilSaved) {
    folder.put("ExpenseCodes.txt", "\"Wages\"\r\n\"Travel\"\r\n");
    frmSetup& s = open();
    EXPECT_EQ(list()->items(), (QStringList{"Wages", "Travel"}));

    // Typed entries: a duplicate of the first item adds nothing; blanks alone are refused.
    // Return in the typing area adds what it holds.
    list()->setEditText("Wages");
    press(frmSetup::AddItem);
    list()->setEditText("   ");
    press(frmSetup::AddItem);
    EXPECT_EQ(desk.beeps(), 1);
    list()->setEditText("Fuel");
    QTest::keyClick(list()->typingArea(), Qt::Key_Return);
    EXPECT_EQ(list()->items(), (QStringList{"Wages", "Travel", "Fuel"}));
    // Typing stops at what an expense record holds of a category.
    list()->setEditText(QString());
    QTest::keyClicks(list()->typingArea(), QString(60, u'x'));
    EXPECT_EQ(list()->editText(), QString(35, u'x'));
    list()->setEditText("Fuel");

    // Delete takes the selected item; with none selected nothing happens.
    list()->setCurrentIndex(1);
    press(frmSetup::DeleteItem);
    EXPECT_EQ(list()->items(), (QStringList{"Wages", "Fuel"}));
    press(frmSetup::DeleteItem);
    EXPECT_EQ(list()->count(), 2);

    // Hidden and shown again within the run: the list stays as it was, unsaved.
    forms->showStartup(&s);
    forms->showSetup(&forms->startup());
    EXPECT_EQ(list()->items(), (QStringList{"Wages", "Fuel"}));
    EXPECT_EQ(folder.bytes("ExpenseCodes.txt"), QByteArray("\"Wages\"\r\n\"Travel\"\r\n"));
}

TEST_F(SetupTest, DragFromEitherListAppendsANewEntryOnly) {
    open();
    const QByteArray format(kCategoryDragFormat);

    source("lstCategories")->setCurrentRow(18); // Travel
    dropOn(list(), format, "lstCategories");
    source("lstNondeductable")->setCurrentRow(4); // FIXED ASSET
    dropOn(list(), format, "lstNondeductable");
    EXPECT_EQ(list()->items(), (QStringList{"Travel", "FIXED ASSET"}));

    // Already there: nothing. From anything else, or carrying something else: nothing.
    source("lstCategories")->setCurrentRow(18);
    dropOn(list(), format, "lstCategories");
    dropOn(list(), format, "cboCategories");
    dropOn(list(), "text/plain", "lstCategories");
    EXPECT_EQ(list()->items(), (QStringList{"Travel", "FIXED ASSET"}));

    // What a drag from a list carries names that list.
    source("lstCategories")->setCurrentRow(0);
    QListWidget* from = source("lstCategories");
    std::unique_ptr<QMimeData> dragged(from->model()->mimeData({from->model()->index(0, 0)}));
    ASSERT_TRUE(dragged);
    EXPECT_EQ(dragged->data(QString::fromLatin1(format)), QByteArray("lstCategories"));
}

TEST_F(SetupTest, SelectAllClearAllAndTheStandardChart) {
    open();
    list()->setEditText("My Own");
    press(frmSetup::AddItem);

    // Both lists whole, in order, with no duplicate test: custom entries are gone.
    press(frmSetup::SelectAll);
    const QStringList all = list()->items();
    ASSERT_EQ(all.size(), 60);
    EXPECT_EQ(all.count("Taxes - Local"), 2);
    EXPECT_FALSE(all.contains("My Own"));
    EXPECT_EQ(all[55], "NOTES PAYABLE");
    EXPECT_EQ(all.last(), "FIXED ASSET");

    // No chart: a beep and nothing changes.
    press(frmSetup::StandardChart);
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(list()->count(), 60);

    // A chart replaces the list, every field in order, duplicates and all.
    folder.put("Chart.txt", "\"Advertising\"\r\n\"Rent, Office\",Supplies\r\n\"Advertising\"\r\n");
    press(frmSetup::StandardChart);
    EXPECT_EQ(list()->items(),
              (QStringList{"Advertising", "Rent, Office", "Supplies", "Advertising"}));
    EXPECT_EQ(desk.beeps(), 1);

    press(frmSetup::ClearAll);
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(SetupTest, SaveRefusesAnEmptyListAndWritesTheListWholeWithoutItsBackup) {
    frmSetup& s = open();

    desk.expectMessage("No Expense Codes Selected");
    click(&s, "cmdQuit");
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(folder.exists("ExpenseCodes.txt"));

    folder.put("ExpenseCodes.txt", "\"Old\"\r\n");
    folder.put("Backup/ExpenseCodes.txt", "\"Older\"\r\n");
    for (const char* entry : {"Travel", "Rent, Office", "PERSONAL EXPENSE"}) {
        list()->setEditText(entry);
        press(frmSetup::AddItem);
    }
    // The file changed since the form read it: replaced only when the person says so.
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    click(&s, "cmdQuit");
    EXPECT_EQ(folder.bytes("ExpenseCodes.txt"),
              QByteArray("\"Travel\"\r\n\"Rent, Office\"\r\n\"PERSONAL EXPENSE\"\r\n"));
    EXPECT_FALSE(folder.exists("Backup/ExpenseCodes.txt"));

    // Changed elsewhere once more and No: theirs stays, shown in the list.
    folder.put("ExpenseCodes.txt", "\"Theirs\"\r\n");
    forms->showSetup(&forms->startup());
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::No);
    click(&s, "cmdQuit");
    EXPECT_EQ(folder.bytes("ExpenseCodes.txt"), QByteArray("\"Theirs\"\r\n"));
    EXPECT_EQ(list()->items(), QStringList{"Theirs"});
    EXPECT_TRUE(s.isVisible());

    // The banking supplies entry shows the start form's business-forms notice.
    forms->showSetup(&forms->startup());
    desk.expectMessage("Ordering Deluxe Forms", MessageAnswer::No);
    trigger(&s, "mnuOrder");
    EXPECT_FALSE(folder.exists("Temp.url"));
}
