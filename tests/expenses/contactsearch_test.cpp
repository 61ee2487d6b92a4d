// Finding contacts: the matching rules, and the search frame, result grid and full list
// driven through the contacts form.
#include "expenses/core/contactsearch.h"
#include "expenses/core/contactsfoundmodel.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmstartup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace expenses;
using expenses::testing::SpendlogTest;
using pellar::MessageAnswer;

namespace {

Contact full(const QString& name, const QString& category, const QString& telephone,
             const QString& city = QStringLiteral("Springfield")) {
    Contact c;
    c.name = name;
    c.address1 = QStringLiteral("1 Main Street");
    c.city = city;
    c.state = QStringLiteral("IL");
    c.postal = QStringLiteral("62701");
    c.telephone = telephone;
    c.category = category;
    return c;
}

QList<Contact> sixContacts() {
    return {full("Smith Hardware", "Vendor", "217-555-0101"),
            full("Alpha Supply", "Supplier", "217-555-0102", "Riverton"),
            full("Goldsmith Jewelers", "Vendor", "217-555-0103"),
            full("First Card Services", "Credit Card Company", "800-555-0104"),
            full("Smythe Paper", "Supplier", "217-555-0105", "Riverton"),
            full("Bravo Fuel", "Vendors and more", "217-555-0106")};
}

QStringList names(const QList<FoundContact>& found) {
    QStringList result;
    for (const FoundContact& f : found)
        result << f.contact.name + '#' + QString::number(f.record);
    return result;
}

} // namespace

TEST(ContactSearch, MatchesTheTrimmedUpperCasedFieldAnywhere) {
    const QList<Contact> contacts = sixContacts();
    const auto find = [&](SearchKind kind, const QString& typed) {
        return names(searchContacts(contacts, kind, searchCriterion(typed)));
    };
    EXPECT_EQ(find(SearchKind::Name, "smi"),
              (QStringList{"Smith Hardware#1", "Goldsmith Jewelers#3"}));
    EXPECT_EQ(find(SearchKind::Name, "  smi  "), find(SearchKind::Name, "smi"));
    EXPECT_EQ(find(SearchKind::Category, "VENDOR"),
              (QStringList{"Smith Hardware#1", "Goldsmith Jewelers#3", "Bravo Fuel#6"}));
    EXPECT_EQ(find(SearchKind::City, "riv"), (QStringList{"Alpha Supply#2", "Smythe Paper#5"}));
    // Nothing typed, and the full list, take every contact in file order.
    EXPECT_EQ(find(SearchKind::Postal, "").size(), 6);
    EXPECT_EQ(searchContacts(contacts, SearchKind::All, "All").last().record, 6);
    // Only a whole telephone number is looked for, counted as typed.
    EXPECT_TRUE(criterionTooShort(SearchKind::Telephone, "217-555-010"));
    EXPECT_FALSE(criterionTooShort(SearchKind::Telephone, "217-555-0101"));
    EXPECT_FALSE(criterionTooShort(SearchKind::Name, "s"));
}

class ContactSearchFormTest : public SpendlogTest {
protected:
    frmContacts& open() {
        putContacts(sixContacts());
        SpendlogForms& f = start();
        f.showContacts(&f.startup());
        return f.contacts();
    }

    void search(frmContacts& c, int option, const QString& typed) {
        c.optSearch[option]->click();
        c.txtSearchfor->setText(typed);
        c.cmdStartSearch->click();
    }

    static int rows(const frmContacts& c) { return c.contactsFound().rowCount(); }
};

TEST_F(ContactSearchFormTest, OpeningTheSearchKeepsTheContactAndAsksForATelephone) {
    frmContacts& c = open();
    c.txtContact[frmContacts::KeyContact]->setText("Pat");
    c.Command1[0]->click();
    EXPECT_EQ(readContact(folder, 1)->keyContact, "Pat");
    EXPECT_TRUE(c.fraContact->isHidden());
    EXPECT_FALSE(c.fraSearch->isHidden());
    EXPECT_TRUE(c.optSearch[6]->isChecked());

    // Eleven characters: a beep and no search.
    c.txtSearchfor->setText("217-555-010");
    c.cmdStartSearch->click();
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(c.fraSearch->isHidden());
    EXPECT_EQ(rows(c), 0);

    // A whole number that one contact has: that contact, straight away.
    c.txtSearchfor->setText("217-555-0105");
    c.cmdStartSearch->click();
    EXPECT_EQ(c.currentRecord(), 5);
    EXPECT_EQ(c.txtContact[frmContacts::Name]->text(), "Smythe Paper");
    EXPECT_FALSE(c.fraContact->isHidden());
    EXPECT_TRUE(c.fraSearch->isHidden());

    // Choosing a kind, and Clear Search, empty the criterion; Return goes back.
    c.Command1[0]->click();
    EXPECT_EQ(c.txtSearchfor->text(), "217-555-0105");
    c.optSearch[0]->click();
    EXPECT_TRUE(c.txtSearchfor->text().isEmpty());
    c.txtSearchfor->setText("x");
    c.cmdClearSearch->click();
    EXPECT_TRUE(c.txtSearchfor->text().isEmpty());
    c.cmdHideSearch->click();
    EXPECT_FALSE(c.fraContact->isHidden());
    EXPECT_TRUE(c.fraSearch->isHidden());
}

TEST_F(ContactSearchFormTest, SeveralMatchesFillTheGridWithOnlyTheirOwnRows) {
    frmContacts& c = open();
    c.Command1[0]->click();
    search(c, 7, "VENDOR");
    ASSERT_EQ(rows(c), 3);
    EXPECT_FALSE(c.fraContactsFound->isHidden());
    EXPECT_EQ(c.fraContactsFound->title(), "Contacts Search Results");
    EXPECT_TRUE(c.cmdPrintContacts->isHidden());

    const ContactsFoundModel& grid = c.contactsFound();
    QStringList headings;
    for (int i = 0; i < grid.columnCount(); ++i)
        headings << grid.headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(headings, (QStringList{"Contact Name", "Telephone", "Street Address", "City", "State",
                                     "Zip Code", "Rec# in File"}));
    EXPECT_EQ(grid.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignCenter));
    QStringList row;
    for (int i = 0; i < grid.columnCount(); ++i)
        row << grid.index(1, i).data().toString();
    EXPECT_EQ(row, (QStringList{"Goldsmith Jewelers", "217-555-0103", "1 Main Street",
                                "Springfield", "IL", "62701", "3"}));

    // "&Hide" over search results leads back to an empty criterion.
    c.cmdRetry->click();
    EXPECT_TRUE(c.fraContactsFound->isHidden());
    EXPECT_FALSE(c.fraSearch->isHidden());
    EXPECT_TRUE(c.txtSearchfor->text().isEmpty());

    // A second search with fewer matches shows only its own.
    search(c, 0, "smi");
    ASSERT_EQ(rows(c), 2);
    EXPECT_EQ(grid.index(1, 0).data().toString(), "Goldsmith Jewelers");

    // An empty criterion lists every contact.
    c.cmdRetry->click();
    search(c, 3, "   ");
    EXPECT_EQ(rows(c), 6);
}

TEST_F(ContactSearchFormTest, RightClickedRowLeadsToItsContact) {
    frmContacts& c = open();
    c.resize(1000, 700);
    c.show();
    c.Command1[0]->click();
    search(c, 0, "smi");
    ASSERT_EQ(rows(c), 2);

    // The first match starts out chosen.
    EXPECT_EQ(c.fgContactsFound->currentIndex().row(), 0);

    const QRect second = c.fgContactsFound->visualRect(c.contactsFound().index(1, 0));
    EXPECT_FALSE(c.chooseResultAt(QPoint(5, c.fgContactsFound->viewport()->height() - 2)));
    ASSERT_TRUE(c.chooseResultAt(second.center()));
    c.mnuSelect->trigger();
    EXPECT_EQ(c.currentRecord(), 3);
    EXPECT_EQ(c.txtContact[frmContacts::Name]->text(), "Goldsmith Jewelers");
    EXPECT_FALSE(c.fraContact->isHidden());
    EXPECT_TRUE(c.fraContactsFound->isHidden());
}

TEST_F(ContactSearchFormTest, NothingFoundOffersANewContact) {
    frmContacts& c = open();
    c.Command1[0]->click();

    desk.expectMessage("Contact not Found", MessageAnswer::No);
    search(c, 1, "Elm Street");
    EXPECT_EQ(desk.messages().last().text(), "Would you like to Create a New Contact?");
    EXPECT_EQ(desk.messages().last().icon, pellar::MessageIcon::None);
    EXPECT_FALSE(c.fraSearch->isHidden());
    EXPECT_TRUE(c.txtSearchfor->text().isEmpty());
    EXPECT_FALSE(c.addingContact());

    desk.expectMessage("Contact not Found", MessageAnswer::Yes);
    search(c, 0, "Zenith");
    EXPECT_TRUE(c.addingContact());
    EXPECT_EQ(c.currentRecord(), 7);
    EXPECT_FALSE(c.fraContact->isHidden());
    EXPECT_TRUE(c.fraSearch->isHidden());

    c.txtContact[frmContacts::Name]->setText("Zenith Signs");
    c.cmdNav[frmContacts::First]->click();
    EXPECT_EQ(contactCount(folder), 7);
    EXPECT_EQ(readContact(folder, 7)->name, "Zenith Signs");
}

TEST_F(ContactSearchFormTest, FullListNeedsAContact) {
    putCategories();
    SpendlogForms& f = start();
    desk.expectMessage("Create Contacts");
    f.showContacts(&f.startup());
    frmContacts& c = f.contacts();
    // No contacts file: nothing to list.
    c.mnuPrint->trigger();
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_TRUE(c.fraContactsFound->isHidden());

    // A single contact is still a list that can be printed.
    c.txtContact[frmContacts::Name]->setText("Only One");
    c.mnuPrint->trigger();
    EXPECT_EQ(contactCount(folder), 1);
    EXPECT_EQ(c.contactsFound().index(0, 0).data().toString(), "Only One");
    EXPECT_FALSE(c.fraContactsFound->isHidden());
    EXPECT_FALSE(c.cmdPrintContacts->isHidden());
}

TEST_F(ContactSearchFormTest, FullListShowsEveryContactAndReturnsToTheContact) {
    frmContacts& c = open();
    c.mnuPrint->trigger();
    EXPECT_EQ(rows(c), 6);
    EXPECT_EQ(c.fraContactsFound->title(), "Contact List");
    EXPECT_TRUE(c.fraContact->isHidden());

    c.cmdRetry->click();
    EXPECT_FALSE(c.fraContact->isHidden());
    EXPECT_TRUE(c.fraContactsFound->isHidden());

    // After a search the list still shows its print button; after the list, a search
    // hides it again.
    c.Command1[0]->click();
    search(c, 0, "smi");
    EXPECT_TRUE(c.cmdPrintContacts->isHidden());
    c.mnuPrint->trigger();
    EXPECT_FALSE(c.cmdPrintContacts->isHidden());

    // A new contact asked for over the list is typed where it can be seen.
    c.mnuAdd->trigger();
    EXPECT_TRUE(c.addingContact());
    EXPECT_FALSE(c.fraContact->isHidden());
    EXPECT_TRUE(c.fraContactsFound->isHidden());
    c.mnuPrint->trigger();
    c.cmdExit->click();
    EXPECT_TRUE(c.fraContactsFound->isHidden());
}
