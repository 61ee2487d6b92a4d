// The contacts form, driven through its controls: what reaches the cursor and the file,
// and what the person sees.
#include "expenses/core/vendorlistmodel.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "tests/expenses/spendlogfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>

using namespace expenses;
using expenses::testing::child;
using expenses::testing::SpendlogTest;
using expenses::testing::trigger;
using pellar::MessageAnswer;

TEST(VendorList, SortedByNameIgnoringCaseWithTheRecordNumber) {
    VendorListModel list;
    Contact c;
    QList<Contact> contacts;
    for (const char* name : {"charlie Print", "Alpha Supply", "Bravo Fuel"}) {
        c.name = name;
        contacts << c;
    }
    list.setContacts(contacts);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.index(0, 0).data().toString(), "Alpha Supply");
    EXPECT_EQ(list.index(2, 0).data().toString(), "charlie Print");
    EXPECT_EQ(list.recordAt(2), 1);
    EXPECT_EQ(list.index(1, VendorListModel::RecordColumn).data().toString(), "3");
}

class ContactsFormTest : public SpendlogTest {
protected:
    frmContacts& openEmpty() {
        putCategories();
        start();
        desk.expectMessage("Create Contacts");
        return showContacts();
    }

    QLineEdit* box(int index) {
        return child<QLineEdit>(&forms->contacts(), QStringLiteral("txtContact_%1").arg(index));
    }
    QString name() { return box(1)->text(); }
    void press(const QString& button) { expenses::testing::click(&forms->contacts(), button); }
    void next() { press("cmdNav_2"); }

    QList<Contact> threeContacts() {
        return {contact("Alpha Supply", "Springfield", "217-555-0101"),
                contact("Bravo Fuel", "Riverton", "217-555-0102"),
                contact("Charlie Print", "Springfield", "217-555-0103")};
    }
};

TEST_F(ContactsFormTest, FirstContactOnAnEmptyFileEvenAfterACancel) {
    frmContacts& c = openEmpty();
    EXPECT_TRUE(child(&c, "Command1_1")->isEnabled());
    EXPECT_TRUE(c.cursor().adding());

    // What was typed cancelled: moving on and leaving write nothing.
    box(1)->setText("Half typed");
    press("Command1_1");
    EXPECT_TRUE(name().isEmpty());
    next();
    press("cmdExit");
    EXPECT_FALSE(folder.exists("VendorDat.txt"));

    // Back again and cancelled again: what is typed then is the first contact.
    desk.expectMessage("Create Contacts");
    showContacts();
    press("Command1_1");
    box(1)->setText("Harbor Fuel");
    box(6)->setText("269-555-0180");
    next();
    ASSERT_EQ(contactsOnFile().size(), 1);
    EXPECT_EQ(contactsOnFile()[0].telephone, "269-555-0180");
    EXPECT_EQ(contactsOnFile()[0].category, ""); // whatever the telephone
    EXPECT_EQ(c.cursor().current(), 1);
    EXPECT_FALSE(child(&c, "Command1_1")->isEnabled());
    EXPECT_EQ(name(), "Harbor Fuel"); // the only contact: ">" wraps to itself
    EXPECT_EQ(box(4)->text(), "Fl");
}

TEST_F(ContactsFormTest, PagingSavesTheChangesAndShowsTheNextContact) {
    putContacts(threeContacts());
    frmContacts& c = showContacts();
    EXPECT_EQ(name(), "Alpha Supply");
    EXPECT_EQ(child<QComboBox>(&c, "cboCity")->currentText(), "Springfield");
    box(8)->setText("Dana");
    next();
    EXPECT_EQ(name(), "Bravo Fuel");
    EXPECT_EQ(contactsOnFile()[0].keyContact, "Dana");
    press("cmdNav_3");
    EXPECT_EQ(name(), "Charlie Print");
    press("cmdNav_0");
    EXPECT_EQ(c.cursor().current(), 1);

    // Blanking a contact does not blank its record.
    const QByteArray before = contactsFile();
    for (int i = 0; i < 9; ++i)
        box(i)->clear();
    child<QComboBox>(&c, "cboCity")->setEditText("");
    next();
    EXPECT_EQ(contactsFile(), before);
}

TEST_F(ContactsFormTest, DeletingAsksAndShowsTheContactThatTakesThePlace) {
    putContacts(threeContacts());
    frmContacts& c = showContacts();
    next();
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::No);
    trigger(&c, "mnuDelete");
    EXPECT_EQ(contactsOnFile().size(), 3);
    EXPECT_EQ(desk.messages().last().buttons, pellar::MessageButtons::YesNoDefaultNo);

    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    trigger(&c, "mnuDelete");
    EXPECT_EQ(desk.messages().last().text(), "Delete this Contact?"); // the title is the program's
    EXPECT_EQ(contactsOnFile().size(), 2);
    EXPECT_EQ(name(), "Charlie Print");

    for (int i = 0; i < 2; ++i) {
        desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
        trigger(&c, "mnuDelete");
    }
    EXPECT_EQ(contactsFile().size(), 0);
    EXPECT_TRUE(name().isEmpty());
    // Nothing left to list: refused.
    trigger(&c, "mnuPrint");
    EXPECT_EQ(desk.beeps(), 1);
}

TEST_F(ContactsFormTest, AContactChangedElsewhereIsNeverSavedOverAndTheOtherChangeStays) {
    QList<Contact> contacts = threeContacts();
    putContacts(contacts);
    frmContacts& c = showContacts();
    // Another copy changes the contact on screen: saving asks, Yes keeps both.
    contacts[0].telephone = "217-555-0999";
    putContacts(contacts);
    box(8)->setText("Dana");
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    next();
    ASSERT_EQ(contactsOnFile().size(), 4);
    EXPECT_EQ(contactsOnFile()[0], contacts[0]);
    EXPECT_EQ(contactsOnFile()[3].keyContact, "Dana");
    EXPECT_EQ(contactsOnFile()[3].telephone, "217-555-0101");

    // No drops the change on screen and shows the contact as it is now.
    press("cmdNav_0");
    contacts[0].telephone = "217-555-0998";
    const QList<Contact> theirs = {contacts[0], contacts[1], contacts[2], contactsOnFile()[3]};
    putContacts(theirs);
    box(8)->setText("Erin");
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::No);
    press("cmdNav_0");
    EXPECT_EQ(contactsOnFile(), theirs);
    EXPECT_EQ(box(6)->text(), "217-555-0998");

    // A contact deleted elsewhere is not deleted again in the place of another.
    putContacts({theirs[1], theirs[2], theirs[3]});
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    desk.expectMessage("PellarSpendlogFREE");
    trigger(&c, "mnuDelete");
    EXPECT_EQ(contactsOnFile(), (QList<Contact>{theirs[1], theirs[2], theirs[3]}));
    EXPECT_EQ(name(), "Bravo Fuel");
}

TEST_F(ContactsFormTest, CitiesDifferingByBlanksAreOneEntry) {
    putContacts({contact("Alpha Supply", "Springfield"), contact("Bravo Fuel", "Riverton"),
                 contact("Charlie Print", "Springfield")});
    frmContacts& c = showContacts();
    auto* city = child<QComboBox>(&c, "cboCity");
    ASSERT_EQ(city->count(), 2);
    for (const char* typed : {"Springfield   ", "Lakeside"}) {
        trigger(&c, "mnuAdd");
        box(1)->setText(typed);
        city->setEditText(typed);
        press("cmdNav_0");
    }
    EXPECT_EQ(city->count(), 3);
    EXPECT_EQ(city->itemText(2), "Lakeside");
    EXPECT_EQ(contactsOnFile()[3].city, "Springfield");
}

TEST_F(ContactsFormTest, CancelAddNewLeavesTheFileAlone) {
    putContacts(threeContacts());
    frmContacts& c = showContacts();
    next();
    EXPECT_FALSE(child(&c, "Command1_1")->isEnabled());

    // From the menu: the contact on screen is saved first, then empty boxes at count + 1.
    box(5)->setText("62701");
    trigger(&c, "mnuAdd");
    EXPECT_EQ(contactsOnFile()[1].postal, "62701");
    const QByteArray saved = contactsFile();
    EXPECT_EQ(c.cursor().current(), 4);
    EXPECT_TRUE(child(&c, "Command1_1")->isEnabled());
    EXPECT_TRUE(name().isEmpty());

    box(1)->setText("Zulu Freight");
    press("Command1_1");
    EXPECT_EQ(contactsFile(), saved);
    EXPECT_FALSE(child(&c, "Command1_1")->isEnabled());
    EXPECT_EQ(name(), "Bravo Fuel");

    // Deleting a contact that was never saved drops it the same way.
    trigger(&c, "mnuAdd");
    box(1)->setText("X");
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    trigger(&c, "mnuDelete");
    EXPECT_EQ(contactsFile(), saved);
    EXPECT_EQ(name(), "Bravo Fuel");
}

TEST_F(ContactsFormTest, PartOfARecordAtTheEndIsLeftOutAndLeftAlone) {
    putContacts(threeContacts());
    const QByteArray damaged = contactsFile() + QByteArray(200, 'x');
    folder.put("VendorDat.txt", damaged);
    putCategories();
    desk.expectMessage("PellarSpendlogFREE"); // told once, when the file is first read
    start();
    frmContacts& c = showContacts();
    EXPECT_EQ(c.cursor().count(), 3);
    for (int i = 0; i < 4; ++i)
        next();
    press("cmdExit");
    EXPECT_EQ(contactsFile(), damaged);
}

TEST_F(ContactsFormTest, ShortNameIsReportedWhenThePersonMovesOn) {
    putContacts(threeContacts());
    frmContacts& c = showContacts();
    QApplication::setActiveWindow(&c);
    QLineEdit* nameBox = box(1);
    nameBox->setFocus(Qt::MouseFocusReason);
    nameBox->setText("A");
    desk.expectMessage("No Name Entered");
    QTest::keyClick(nameBox, Qt::Key_Tab);
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(nameBox->text(), "A");

    // Two characters pass; the form moving the focus itself never asks (the desk would
    // fail on the message).
    nameBox->setFocus(Qt::MouseFocusReason);
    nameBox->setText("Al");
    QTest::keyClick(nameBox, Qt::Key_Tab);
    nameBox->setFocus(Qt::MouseFocusReason);
    nameBox->clear();
    trigger(&c, "mnuAdd");

    // The cursor goes after the last character, nothing selected.
    box(2)->setText("1 Main Street");
    box(2)->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(box(2)->hasSelectedText());
    EXPECT_EQ(box(2)->cursorPosition(), 13);
}

TEST_F(ContactsFormTest, VendorListLeadsToAContact) {
    putContacts(threeContacts());
    frmContacts& c = showContacts();
    QWidget* list = child<QWidget>(&c, "fraSuppliers");
    trigger(&c, "mnuView");
    EXPECT_FALSE(list->isHidden());

    // No row chosen: a beep and the list stays.
    press("cmdVendorList_0");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(list->isHidden());

    // The contact on screen is kept before the chosen one is shown.
    box(0)->setText("ACCT-9");
    child<QTableView>(&c, "fgVendors")->selectRow(2);
    press("cmdVendorList_0");
    EXPECT_EQ(name(), "Charlie Print");
    EXPECT_TRUE(list->isHidden());
    EXPECT_EQ(contactsOnFile()[0].account, "ACCT-9");

    trigger(&c, "mnuView");
    press("cmdVendorList_1");
    EXPECT_TRUE(list->isHidden());
}

TEST_F(ContactsFormTest, MenuKeepsTheContactAndThePayeesFollow) {
    putCategories();
    putContacts(threeContacts());
    SpendlogForms& f = start();
    goOn();
    auto* payees = child<QListWidget>(&f.expenses(), "lstVendors");
    EXPECT_EQ(payees->count(), 3);
    expenses::testing::click(&f.expenses(), "cmdExpense_0");

    frmContacts& c = showContacts();
    box(1)->setText("Alpha Supply Co");
    press("cmdExit");
    EXPECT_EQ(contactsOnFile()[0].name, "Alpha Supply Co");
    EXPECT_FALSE(c.isVisible());
    EXPECT_EQ(payees->item(0)->text(), "Alpha Supply Co");

    // Back again: the same contact, read afresh.
    showContacts();
    EXPECT_EQ(name(), "Alpha Supply Co");
}
