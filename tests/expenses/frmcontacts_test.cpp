// The contacts form, driven through its controls.
#include "expenses/core/vendorlistmodel.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmstartup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace expenses;
using expenses::testing::SpendlogTest;
using pellar::MessageAnswer;

namespace {

QString nameOnScreen(const frmContacts& c) {
    return c.txtContact[frmContacts::Name]->text();
}

void click(QPushButton* button) {
    button->click();
}

} // namespace

class ContactsFormTest : public SpendlogTest {
protected:
    // The program started and the contacts form shown, as from the menu.
    frmContacts& open() {
        SpendlogForms& f = forms ? *forms : start();
        f.showContacts(&f.startup());
        return f.contacts();
    }

    QList<Contact> threeContacts() {
        return {contact("Alpha Supply", "Springfield", "217-555-0101"),
                contact("Bravo Fuel", "Riverton", "217-555-0102"),
                contact("Charlie Print", "Springfield", "217-555-0103")};
    }
};

TEST_F(ContactsFormTest, FirstContactOnAnEmptyFile) {
    putCategories();
    start();
    desk.expectMessage("Create Contacts");
    frmContacts& c = open();
    EXPECT_EQ(c.windowTitle(), "Payto Selection       ");
    EXPECT_EQ(desk.messages().last().text(),
              "Your Contact File is Empty\nCreate your First Contact Now");
    EXPECT_TRUE(c.Command1[1]->isEnabled());
    EXPECT_TRUE(c.addingContact());
    EXPECT_EQ(c.currentRecord(), 1);
    EXPECT_EQ(c.cboCategory->count(), 3);
    EXPECT_EQ(c.cboCategory->itemText(2), "Credit Card Company");

    // Empty state becomes "Fl"; an empty category stays empty, whatever the telephone.
    c.txtContact[frmContacts::Name]->setText("Harbor Fuel");
    c.txtContact[frmContacts::Telephone]->setText("269-555-0180");
    click(c.cmdNav[frmContacts::Next]);
    const QByteArray file = contactsFile();
    ASSERT_EQ(file.size(), kContactRecordLength);
    EXPECT_EQ(file.mid(130, 2), "Fl");
    EXPECT_EQ(file.mid(185, 20), QByteArray(20, ' '));
    EXPECT_EQ(decodeContact(file).telephone, "269-555-0180");
    EXPECT_FALSE(c.addingContact());
    EXPECT_FALSE(c.Command1[1]->isEnabled());
    EXPECT_EQ(nameOnScreen(c), "Harbor Fuel"); // the only contact: ">" wraps to itself
    EXPECT_EQ(c.txtContact[frmContacts::State]->text(), "Fl");
}

TEST_F(ContactsFormTest, EmptyBoxesAreNeverWritten) {
    putCategories();
    start();
    desk.expectMessage("Create Contacts");
    frmContacts& c = open();
    click(c.cmdNav[frmContacts::Next]);
    click(c.cmdNav[frmContacts::Last]);
    click(c.cmdExit);
    EXPECT_FALSE(folder.exists("VendorDat.txt"));
    EXPECT_TRUE(forms->startup().isVisible());

    // Blanking an existing contact does not blank its record.
    putContacts(threeContacts());
    const QByteArray before = contactsFile();
    frmContacts& again = open();
    for (QLineEdit* box : again.txtContact)
        box->clear();
    again.cboCity->setEditText("");
    again.cboCategory->setEditText("");
    click(again.cmdNav[frmContacts::Next]);
    EXPECT_EQ(contactsFile(), before);
    EXPECT_EQ(nameOnScreen(again), "Bravo Fuel");
}

TEST_F(ContactsFormTest, NavigationWrapsAtTheEndAndStopsAtTheStart) {
    putContacts(threeContacts());
    frmContacts& c = open();
    EXPECT_EQ(c.currentRecord(), 1);
    EXPECT_EQ(nameOnScreen(c), "Alpha Supply");
    EXPECT_EQ(c.cboCity->currentText(), "Springfield");
    EXPECT_EQ(c.txtContact[frmContacts::Telephone]->text(), "217-555-0101");

    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        click(c.cmdNav[frmContacts::Next]);
        seen << nameOnScreen(c);
    }
    EXPECT_EQ(seen, (QStringList{"Bravo Fuel", "Charlie Print", "Alpha Supply"}));
    click(c.cmdNav[frmContacts::Previous]);
    EXPECT_EQ(c.currentRecord(), 1);
    click(c.cmdNav[frmContacts::Last]);
    EXPECT_EQ(nameOnScreen(c), "Charlie Print");
    click(c.cmdNav[frmContacts::Previous]);
    EXPECT_EQ(nameOnScreen(c), "Bravo Fuel");
    click(c.cmdNav[frmContacts::First]);
    EXPECT_EQ(nameOnScreen(c), "Alpha Supply");

    // Moving away writes the changes back.
    c.txtContact[frmContacts::KeyContact]->setText("Dana");
    click(c.cmdNav[frmContacts::Next]);
    EXPECT_EQ(readContact(folder, 1)->keyContact, "Dana");
    EXPECT_TRUE(desk.messages().isEmpty());
}

TEST_F(ContactsFormTest, DeletingTheSecondOfThreeAndThenTheRest) {
    putContacts(threeContacts());
    const QByteArray third = contactsFile().mid(2 * kContactRecordLength);
    frmContacts& c = open();
    click(c.cmdNav[frmContacts::Next]);

    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::No);
    c.mnuDelete->trigger();
    EXPECT_EQ(contactsFile().size(), 3 * kContactRecordLength);

    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    c.mnuDelete->trigger();
    EXPECT_EQ(desk.messages().last().text(), "Delete this Contact?");
    EXPECT_EQ(desk.messages().last().buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(contactsFile().size(), 470);
    EXPECT_EQ(contactsFile().mid(kContactRecordLength), third);
    EXPECT_EQ(c.currentRecord(), 2);
    EXPECT_EQ(nameOnScreen(c), "Charlie Print");
    EXPECT_EQ(c.vendorList().rowCount(), 2);
    EXPECT_FALSE(folder.exists("Contact.TMP"));

    // The last record deleted: the current one steps back to the new last.
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    c.mnuDelete->trigger();
    EXPECT_EQ(nameOnScreen(c), "Alpha Supply");

    // The only contact: an empty file and empty boxes.
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    c.mnuDelete->trigger();
    EXPECT_TRUE(folder.exists("VendorDat.txt"));
    EXPECT_EQ(contactsFile().size(), 0);
    for (QLineEdit* box : c.txtContact)
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(c.cboCity->currentText().isEmpty());
    EXPECT_EQ(c.vendorList().rowCount(), 0);

    // What is typed next becomes the first contact again.
    c.txtContact[frmContacts::Name]->setText("Delta Tools");
    click(c.cmdExit);
    EXPECT_EQ(contactsFile().size(), kContactRecordLength);
    EXPECT_EQ(readContact(folder, 1)->name, "Delta Tools");
}

TEST_F(ContactsFormTest, CitiesDifferingByBlanksAreOneEntry) {
    putContacts({contact("Alpha Supply", "Springfield"), contact("Bravo Fuel", "Riverton"),
                 contact("Charlie Print", "Springfield")});
    frmContacts& c = open();
    ASSERT_EQ(c.cboCity->count(), 2);
    EXPECT_EQ(c.cboCity->itemText(0), "Springfield");
    EXPECT_EQ(c.cboCity->itemText(1), "Riverton");

    c.mnuAdd->trigger();
    c.txtContact[frmContacts::Name]->setText("Echo Parts");
    c.cboCity->setEditText("Springfield   ");
    click(c.cmdNav[frmContacts::First]);
    c.mnuAdd->trigger();
    c.txtContact[frmContacts::Name]->setText("Foxtrot Paper");
    c.cboCity->setEditText("Lakeside");
    click(c.cmdNav[frmContacts::First]);
    EXPECT_EQ(c.cboCity->count(), 3);
    EXPECT_EQ(c.cboCity->itemText(2), "Lakeside");
    EXPECT_EQ(readContact(folder, 4)->city, "Springfield");
    EXPECT_EQ(contactCount(folder), 5);
}

TEST_F(ContactsFormTest, CancelAddNewLeavesTheFileAlone) {
    putContacts(threeContacts());
    const QByteArray before = contactsFile();
    frmContacts& c = open();
    click(c.cmdNav[frmContacts::Next]);
    EXPECT_FALSE(c.Command1[1]->isEnabled());

    // From the menu: the contact on screen is saved first, then empty boxes at count + 1.
    c.txtContact[frmContacts::Postal]->setText("62701");
    c.mnuAdd->trigger();
    EXPECT_EQ(readContact(folder, 2)->postal, "62701");
    const QByteArray saved = contactsFile();
    EXPECT_TRUE(c.addingContact());
    EXPECT_EQ(c.currentRecord(), 4);
    EXPECT_TRUE(c.Command1[1]->isEnabled());
    EXPECT_TRUE(nameOnScreen(c).isEmpty());

    c.txtContact[frmContacts::Name]->setText("Zulu Freight");
    click(c.Command1[1]);
    EXPECT_EQ(contactsFile(), saved);
    EXPECT_FALSE(c.addingContact());
    EXPECT_FALSE(c.Command1[1]->isEnabled());
    EXPECT_EQ(c.currentRecord(), 2);
    EXPECT_EQ(nameOnScreen(c), "Bravo Fuel");

    // Started by the program (as after a search that found nothing): the same.
    c.NewContact();
    c.txtContact[frmContacts::Name]->setText("Yankee Oil");
    EXPECT_TRUE(c.Command1[1]->isEnabled());
    click(c.Command1[1]);
    EXPECT_EQ(contactsFile(), saved);
    EXPECT_EQ(nameOnScreen(c), "Bravo Fuel");

    // Deleting a contact that was never saved drops it the same way.
    c.mnuAdd->trigger();
    c.txtContact[frmContacts::Name]->setText("X");
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    c.mnuDelete->trigger();
    EXPECT_EQ(contactsFile(), saved);
    EXPECT_EQ(nameOnScreen(c), "Bravo Fuel");

    // Once saved, the new contact is an ordinary one.
    c.mnuAdd->trigger();
    c.txtContact[frmContacts::Name]->setText("Whiskey Bar Supply");
    click(c.cmdNav[frmContacts::Previous]);
    EXPECT_EQ(contactCount(folder), 4);
    EXPECT_FALSE(c.Command1[1]->isEnabled());
    EXPECT_EQ(nameOnScreen(c), "Charlie Print");
    EXPECT_NE(before, contactsFile());
}

TEST_F(ContactsFormTest, CancelAddNewOnFirstRunLeavesEmptyBoxes) {
    putCategories();
    start();
    desk.expectMessage("Create Contacts");
    frmContacts& c = open();
    c.txtContact[frmContacts::Name]->setText("Half typed");
    click(c.Command1[1]);
    EXPECT_EQ(c.currentRecord(), 0);
    EXPECT_TRUE(nameOnScreen(c).isEmpty());
    click(c.cmdNav[frmContacts::Next]);
    click(c.cmdExit);
    EXPECT_FALSE(folder.exists("VendorDat.txt"));
}

TEST_F(ContactsFormTest, ShortNameIsReportedWhenThePersonMovesOn) {
    putContacts(threeContacts());
    frmContacts& c = open();
    QApplication::setActiveWindow(&c);
    QLineEdit* name = c.txtContact[frmContacts::Name];
    name->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(name->hasFocus());
    name->setText("A");
    desk.expectMessage("No Name Entered");
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(desk.messages().last().text(), "The Name Field Must be at least 2 Characters\n"
                                             "This is okay if Cancelling a New Entry\n"
                                             "Click Cancel AddNew Again");
    EXPECT_EQ(name->text(), "A");

    // Two characters pass; the form moving the focus itself never asks.
    name->setFocus(Qt::MouseFocusReason);
    name->setText("Al");
    QTest::keyClick(name, Qt::Key_Tab);
    name->setFocus(Qt::MouseFocusReason);
    name->clear();
    c.ClearContactBoxes();
    EXPECT_EQ(desk.messages().size(), 1);

    // The cursor goes after the last character, nothing selected.
    c.txtContact[frmContacts::Address1]->setText("1 Main Street");
    c.txtContact[frmContacts::Address1]->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(c.txtContact[frmContacts::Address1]->hasSelectedText());
    EXPECT_EQ(c.txtContact[frmContacts::Address1]->cursorPosition(), 13);
}

TEST_F(ContactsFormTest, VendorListSortedByNameLeadsToAContact) {
    putContacts({contact("charlie Print", "", "3"), contact("Alpha Supply", "", "1"),
                 contact("Bravo Fuel", "", "2")});
    frmContacts& c = open();
    EXPECT_TRUE(c.fraSuppliers->isHidden());
    c.mnuView->trigger();
    EXPECT_FALSE(c.fraSuppliers->isHidden());

    const VendorListModel& list = c.vendorList();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.headerData(0, Qt::Horizontal).toString(), "Vendor / Supplier Name");
    EXPECT_EQ(list.headerData(3, Qt::Horizontal).toString(), "Rec");
    EXPECT_EQ(list.index(0, 0).data().toString(), "Alpha Supply");
    EXPECT_EQ(list.index(1, 2).data().toString(), "2");
    EXPECT_EQ(list.index(2, 0).data().toString(), "charlie Print");
    EXPECT_EQ(list.index(2, 3).data().toString(), "1");

    // No row chosen: a beep and the list stays.
    click(c.cmdVendorList[0]);
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(c.fraSuppliers->isHidden());

    // The contact on screen is kept before the chosen one is shown.
    c.txtContact[frmContacts::Account]->setText("ACCT-9");
    c.fgVendors->selectRow(1);
    click(c.cmdVendorList[0]);
    EXPECT_EQ(c.currentRecord(), 3);
    EXPECT_EQ(nameOnScreen(c), "Bravo Fuel");
    EXPECT_TRUE(c.fraSuppliers->isHidden());
    EXPECT_EQ(readContact(folder, 1)->account, "ACCT-9");

    c.mnuView->trigger();
    click(c.cmdVendorList[1]);
    EXPECT_TRUE(c.fraSuppliers->isHidden());
    c.mnuView->trigger();
    c.mnuView->trigger();
    EXPECT_TRUE(c.fraSuppliers->isHidden());
}

TEST_F(ContactsFormTest, MenuKeepsTheContactAndThePayeesFollow) {
    putCategories();
    putContacts(threeContacts());
    SpendlogForms& f = start();
    f.startup().cmdGoto->click();
    ASSERT_TRUE(f.expenses().isVisible());
    EXPECT_EQ(f.expenses().lstVendors->count(), 3);
    f.expenses().cmdExpense[0]->click();

    frmContacts& c = open();
    c.txtContact[frmContacts::Name]->setText("Alpha Supply Co");
    click(c.cmdExit);
    EXPECT_EQ(readContact(folder, 1)->name, "Alpha Supply Co");
    EXPECT_FALSE(c.isVisible());
    EXPECT_TRUE(f.startup().isVisible());
    EXPECT_EQ(f.expenses().lstVendors->item(0)->text(), "Alpha Supply Co");

    // Back again: the same contact, read afresh.
    open();
    EXPECT_EQ(c.currentRecord(), 1);
    EXPECT_EQ(nameOnScreen(c), "Alpha Supply Co");
}
