// Finding contacts: the matching rules, and the search frame, result grid and full list
// driven through the contacts form.
#include "expenses/core/contactsearch.h"
#include "expenses/core/contactsfoundmodel.h"
#include "expenses/ui/contactresultspanel.h"
#include "expenses/ui/frmcontacts.h"
#include "tests/expenses/spendlogfixture.h"

#include <QLineEdit>
#include <QTableView>

using namespace expenses;
using expenses::testing::child;
using expenses::testing::SpendlogTest;
using expenses::testing::trigger;
using pellar::MessageAnswer;

namespace {

QList<Contact> sixContacts() {
    const auto contact = [](const char* name, const char* category, const char* telephone,
                            const char* city = "Springfield") {
        return SpendlogTest::contact(name, city, telephone, category);
    };
    return {contact("Smith Hardware", "Vendor", "217-555-0101"),
            contact("Alpha Supply", "Supplier", "217-555-0102", "Riverton"),
            contact("Goldsmith Jewelers", "Vendor", "217-555-0103"),
            contact("First Card Services", "Credit Card Company", "800-555-0104"),
            contact("Smythe Paper", "Supplier", "217-555-0105", "Riverton"),
            contact("Bravo Fuel", "Vendors and more", "217-555-0106")};
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
        return showContacts();
    }

    template <typename Control = QAbstractButton> Control* get(const QString& name) {
        return child<Control>(&forms->contacts(), name);
    }
    void press(const QString& name) { get(name)->click(); }
    bool shown(const QString& frame) { return !get<QWidget>(frame)->isHidden(); }
    QString criterion() { return get<QLineEdit>("txtSearchfor")->text(); }
    void search(int option, const QString& typed) {
        press(QStringLiteral("optSearch_%1").arg(option));
        get<QLineEdit>("txtSearchfor")->setText(typed);
        press("cmdStartSearch");
    }
    ContactResultsPanel* results() { return get<ContactResultsPanel>("fraContactsFound"); }
    int rows() { return results()->found().rowCount(); }
    QString nameOnScreen() { return get<QLineEdit>("txtContact_1")->text(); }
};

TEST_F(ContactSearchFormTest, OpeningTheSearchKeepsTheContactAndAsksForATelephone) {
    frmContacts& c = open();
    get<QLineEdit>("txtContact_8")->setText("Pat");
    press("Command1_0");
    EXPECT_EQ(contactsOnFile()[0].keyContact, "Pat");
    EXPECT_FALSE(shown("fraContact"));
    EXPECT_TRUE(shown("fraSearch"));
    EXPECT_TRUE(get("optSearch_6")->isChecked());

    // Eleven characters: a beep and no search.
    get<QLineEdit>("txtSearchfor")->setText("217-555-010");
    press("cmdStartSearch");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(rows(), 0);

    // A whole number that one contact has: that contact, straight away.
    get<QLineEdit>("txtSearchfor")->setText("217-555-0105");
    press("cmdStartSearch");
    EXPECT_EQ(c.cursor().current(), 5);
    EXPECT_EQ(nameOnScreen(), "Smythe Paper");
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraSearch"));

    // Choosing a kind, and Clear Search, empty the criterion; Return goes back.
    press("Command1_0");
    EXPECT_EQ(criterion(), "217-555-0105");
    press("optSearch_0");
    EXPECT_TRUE(criterion().isEmpty());
    get<QLineEdit>("txtSearchfor")->setText("x");
    press("cmdClearSearch");
    EXPECT_TRUE(criterion().isEmpty());
    press("cmdHideSearch");
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraSearch"));
}

TEST_F(ContactSearchFormTest, SeveralMatchesFillTheGridAndTheChosenRowLeadsToItsContact) {
    frmContacts& c = open();
    c.resize(1000, 700);
    press("Command1_0");
    search(7, "VENDOR");
    ASSERT_EQ(rows(), 3);
    EXPECT_TRUE(shown("fraContactsFound"));
    EXPECT_FALSE(shown("cmdPrintContacts"));
    QStringList row;
    for (int i = 0; i < results()->found().columnCount(); ++i)
        row << results()->found().index(1, i).data().toString();
    EXPECT_EQ(row, (QStringList{"Goldsmith Jewelers", "217-555-0103", "1 Main Street",
                                "Springfield", "IL", "62701", "3"}));

    // "&Hide" over search results leads back to an empty criterion.
    press("cmdRetry");
    EXPECT_FALSE(shown("fraContactsFound"));
    EXPECT_TRUE(shown("fraSearch"));
    EXPECT_TRUE(criterion().isEmpty());

    // An empty criterion lists every contact; a second search shows only its own rows.
    search(3, "   ");
    EXPECT_EQ(rows(), 6);
    press("cmdRetry");
    search(0, "smi");
    ASSERT_EQ(rows(), 2);

    // The first match starts out chosen; the right-clicked row is the one selected.
    auto* grid = get<QTableView>("fgContactsFound");
    EXPECT_EQ(grid->currentIndex().row(), 0);
    const QRect second = grid->visualRect(results()->found().index(1, 0));
    EXPECT_FALSE(results()->chooseAt(QPoint(5, grid->viewport()->height() - 2)));
    ASSERT_TRUE(results()->chooseAt(second.center()));
    trigger(&c, "mnuSelect");
    EXPECT_EQ(c.cursor().current(), 3);
    EXPECT_EQ(nameOnScreen(), "Goldsmith Jewelers");
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraContactsFound"));
}

TEST_F(ContactSearchFormTest, NothingFoundOffersANewContact) {
    frmContacts& c = open();
    press("Command1_0");

    desk.expectMessage("Contact not Found", MessageAnswer::No);
    search(1, "Elm Street");
    EXPECT_TRUE(shown("fraSearch"));
    EXPECT_TRUE(criterion().isEmpty());
    EXPECT_FALSE(c.cursor().adding());

    desk.expectMessage("Contact not Found", MessageAnswer::Yes);
    search(0, "Zenith");
    EXPECT_TRUE(c.cursor().adding());
    EXPECT_EQ(c.cursor().current(), 7);
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraSearch"));
}

TEST_F(ContactSearchFormTest, FullListNeedsAContact) {
    putCategories();
    start();
    desk.expectMessage("Create Contacts");
    frmContacts& c = showContacts();
    // No contacts file: nothing to list.
    trigger(&c, "mnuPrint");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(shown("fraContactsFound"));

    // A single contact is still a list that can be printed.
    get<QLineEdit>("txtContact_1")->setText("Only One");
    trigger(&c, "mnuPrint");
    EXPECT_EQ(results()->found().index(0, 0).data().toString(), "Only One");
    EXPECT_TRUE(shown("fraContactsFound"));
    EXPECT_TRUE(shown("cmdPrintContacts"));
}

TEST_F(ContactSearchFormTest, FullListShowsEveryContactAndReturnsToTheContact) {
    frmContacts& c = open();
    trigger(&c, "mnuPrint");
    EXPECT_EQ(rows(), 6);
    EXPECT_FALSE(shown("fraContact"));
    press("cmdRetry");
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraContactsFound"));

    // After a search the list still shows its print button; after the list, a search
    // hides it again.
    press("Command1_0");
    search(0, "smi");
    EXPECT_FALSE(shown("cmdPrintContacts"));
    trigger(&c, "mnuPrint");
    EXPECT_TRUE(shown("cmdPrintContacts"));

    // A new contact asked for over the list is typed where it can be seen.
    trigger(&c, "mnuAdd");
    EXPECT_TRUE(c.cursor().adding());
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraContactsFound"));
    trigger(&c, "mnuPrint");
    press("cmdExit");
    EXPECT_FALSE(shown("fraContactsFound"));
}
