// Contacts: the file's records and the cursor over them, the matching rules of a search, and
// the contacts form driven through its controls (paging, adding, deleting, the search frame,
// the result grid and the full list): what reaches the file and what the person sees. Then
// the contact report: its layout on the recording surface, the printing from the full list,
// and one real PDF.
#include "common/core/printalignment.h"
#include "common/core/printerchoice.h"
#include "common/ui/printersurface.h"
#include "expenses/core/contactcursor.h"
#include "expenses/core/contactreport.h"
#include "expenses/core/contactsearch.h"
#include "expenses/core/contactsfoundmodel.h"
#include "expenses/core/vendorlistmodel.h"
#include "expenses/ui/contactresultspanel.h"
#include "expenses/ui/frmexpenses.h"
#include "tests/expenses/spendlogfixture.h"
#include "tests/support/keeppdf.h"
#include "tests/support/recordingsurface.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace expenses;
using namespace expenses::testing;
using pellar::MessageAnswer;
using pellar::PrintOp;
using pellar::testing::ScratchDataFolder;

namespace {

QStringList namesOnFile(const ScratchDataFolder& folder) {
    QStringList names;
    for (const Contact& c : readContacts(folder).contacts)
        names << c.name;
    return names;
}

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

// Recording metrics: 10 pt text is 240 twips high and 100 twips a character.
constexpr double kLine = 240;
constexpr double kRowStep = 5 * kLine;
constexpr double kFirstRow = 1440;
const double kColumnLeft[3] = {720, 4320, 7920};

Contact numbered(int n) {
    Contact c = SpendlogTest::contact(QStringLiteral("Contact %1").arg(n), "Springfield",
                                      QStringLiteral("217-555-%1").arg(n, 4, 10, QLatin1Char('0')));
    c.address1 = QStringLiteral("%1 Main Street").arg(n);
    return c;
}

QList<Contact> numberedContacts(int count) {
    QList<Contact> list;
    for (int n = 1; n <= count; ++n)
        list << numbered(n);
    return list;
}

// Nothing on any page prints over anything else.
void expectNoOverlaps(const pellar::PrintLog& log) {
    EXPECT_TRUE(log.overlaps().isEmpty()) << log.overlaps().join(u'\n').toStdString();
}

std::shared_ptr<pellar::PrintLog> printed(const QList<Contact>& list) {
    pellar::RecordingSurface surface;
    PrintContactReport(surface, list, QStringLiteral("12/6/2026"));
    return surface.log();
}

// Where a contact's name was printed: page, column index and row top.
std::tuple<int, int, double> placeOf(const pellar::PrintLog& log, int n) {
    const PrintOp* op = log.findText(QStringLiteral("Contact %1").arg(n));
    if (!op)
        return {0, -1, -1};
    const double* column = std::find(std::begin(kColumnLeft), std::end(kColumnLeft), op->x);
    return {op->page, column == std::end(kColumnLeft) ? -1 : int(column - kColumnLeft), op->y};
}

} // namespace

TEST(ContactRecord, FieldsAtTheirOffsetsCutToTheirWidths) {
    // Each field: as typed, as stored (trimmed unless fax or key contact, then cut), its width.
    const struct {
        QString Contact::*field;
        QString typed;
        QByteArray stored;
        int width;
    } fields[] = {
        {&Contact::account, "  AC-1234567890123456789012 ", "AC-12345678901234567", 20},
        {&Contact::name, "Midstate Electric Cooperative of the Plains",
         "Midstate Electric Cooperative", 30},
        {&Contact::address1, "1200 Power Line Drive", "1200 Power Line Drive", 35},
        {&Contact::address2, "Suite 9", "Suite 9", 25},
        {&Contact::city, " Springfield ", "Springfield", 20},
        {&Contact::state, "Illinois", "Il", 2},
        {&Contact::postal, "62704-1234-99", "62704-1234", 10},
        {&Contact::telephone, "(217) 555-0199 x12", "(217) 555-019", 13},
        {&Contact::fax, "  217-555-0100", "  217-555-0100", 30},
        {&Contact::category, "Credit Card Company", "Credit Card Company", 20},
        {&Contact::keyContact, " Dana", " Dana", 30},
    };
    Contact c;
    QByteArray expected;
    for (const auto& f : fields) {
        c.*f.field = f.typed;
        expected += padded(f.stored, f.width);
    }
    const QByteArray record = encodeContact(c);
    ASSERT_EQ(record.size(), kContactRecordLength);
    EXPECT_EQ(record, expected);
    // Read back, every field trimmed and in its own place; the cut values stay cut.
    const Contact back = decodeContact(record);
    for (const auto& f : fields)
        EXPECT_EQ(back.*f.field, QString::fromLatin1(f.stored).trimmed()) << f.typed.toStdString();

    // Widths are bytes of the code page: an accented letter is one byte, a character the
    // code page lacks is a question mark.
    Contact accents;
    accents.name = QString::fromUtf8("Caf\u00e9 \u4e2d");
    const QByteArray bytes = encodeContact(accents);
    EXPECT_EQ(bytes.mid(20, 6), QByteArray("Caf\xe9 ?"));
    EXPECT_EQ(decodeContact(bytes).name, QString::fromUtf8("Caf\u00e9 ?"));
}

TEST(ContactsFile, WritesInPlaceAndCountsByLength) {
    ScratchDataFolder folder;
    EXPECT_EQ(contactCount(folder), 0);
    EXPECT_TRUE(readContacts(folder).contacts.isEmpty());

    ASSERT_TRUE(writeContact(folder, 1, named("Alpha")));
    ASSERT_TRUE(writeContact(folder, 2, named("Bravo")));
    ASSERT_TRUE(writeContact(folder, 1, named("Able")));
    EXPECT_EQ(folder.bytes("VendorDat.txt").size(), 2 * kContactRecordLength);
    EXPECT_EQ(contactCount(folder), 2);
    EXPECT_EQ(namesOnFile(folder), (QStringList{"Able", "Bravo"}));
    EXPECT_TRUE(readContacts(folder).notice.isEmpty());

    // A part of a record at the end, short or long, is no contact: it is left out with a
    // notice, and a new contact is written over it on a record boundary.
    const QByteArray whole = folder.bytes("VendorDat.txt");
    for (const int stray : {27, 200}) {
        folder.put("VendorDat.txt", whole + (padded("", 20) + "Charlie").leftJustified(stray));
        const ContactFile file = readContacts(folder);
        EXPECT_EQ(file.contacts.size(), 2) << stray;
        EXPECT_TRUE(file.problem.isEmpty());
        EXPECT_TRUE(file.notice.contains(QString::number(stray))) << file.notice.toStdString();
        EXPECT_EQ(contactCount(folder), 2);
    }
    ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, named("Delta")));
    EXPECT_EQ(folder.bytes("VendorDat.txt"), whole + encodeContact(named("Delta")));
}

TEST(ContactCursor, PagesWrapAtTheEndNewOnesAppendOrGoBackAndDeletingClosesTheGap) {
    ScratchDataFolder folder;
    for (const char* name : {"Alpha", "Bravo", "Charlie"})
        ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, named(name)));
    ContactCursor cursor(folder);
    EXPECT_TRUE(cursor.reload().isEmpty());
    cursor.setCurrent(9);
    cursor.keepInRange();
    EXPECT_EQ(cursor.current(), 3);
    QList<qint64> seen;
    using enum ContactCursor::Move;
    for (ContactCursor::Move move : {Next, Previous, Previous, Last, Previous, First}) {
        cursor.move(move);
        seen << cursor.current();
    }
    EXPECT_EQ(seen, (QList<qint64>{1, 1, 1, 3, 2, 1}));
    EXPECT_EQ(cursor.currentContact()->name, "Alpha");
    EXPECT_FALSE(cursor.select(4));
    EXPECT_TRUE(cursor.select(2));
    EXPECT_EQ(cursor.currentContact()->name, "Bravo");

    // A new one dropped: the one current before comes back, twice over.
    cursor.startNew();
    EXPECT_EQ(cursor.current(), 4);
    EXPECT_FALSE(cursor.currentContact());
    cursor.startNew();
    cursor.cancelNew();
    EXPECT_EQ(cursor.current(), 2);
    EXPECT_FALSE(cursor.adding());

    // Saved: appended after the last.
    cursor.startNew();
    Contact delta = named("Delta");
    ASSERT_TRUE(cursor.save(delta));
    EXPECT_EQ(cursor.current(), 4);
    EXPECT_EQ(namesOnFile(folder), (QStringList{"Alpha", "Bravo", "Charlie", "Delta"}));

    // Deleting the second: the same number shows the next, whose bytes move up unchanged;
    // the last: the new last.
    const QByteArray third = folder.bytes("VendorDat.txt").mid(2 * kContactRecordLength, 235);
    cursor.setCurrent(2);
    ASSERT_TRUE(cursor.deleteCurrent());
    EXPECT_EQ(cursor.currentContact()->name, "Charlie");
    EXPECT_EQ(folder.bytes("VendorDat.txt").mid(kContactRecordLength, 235), third);
    EXPECT_FALSE(folder.exists("Contact.TMP"));
    cursor.move(ContactCursor::Move::Last);
    ASSERT_TRUE(cursor.deleteCurrent());
    EXPECT_EQ(cursor.currentContact()->name, "Charlie");
    EXPECT_EQ(namesOnFile(folder), (QStringList{"Alpha", "Charlie"}));

    // The only one gone: an empty file, and the next contact typed becomes the first.
    ASSERT_TRUE(cursor.deleteCurrent());
    ASSERT_TRUE(cursor.deleteCurrent());
    EXPECT_EQ(folder.bytes("VendorDat.txt").size(), 0);
    EXPECT_TRUE(cursor.adding());
    EXPECT_EQ(cursor.current(), 1);
}

TEST(ContactCursor, SavesOnlyWhatChangedAndNeverABlankContact) {
    ScratchDataFolder folder;
    ContactCursor cursor(folder);
    cursor.reload();
    cursor.startFirst();
    Contact blank;
    blank.fax = "  ";
    EXPECT_EQ(cursor.save(blank).status, ContactSave::Unchanged);
    EXPECT_FALSE(folder.exists("VendorDat.txt"));

    // The first contact: an empty state becomes "Fl", on screen and in the file.
    Contact first;
    first.name = "Harbor Fuel";
    EXPECT_EQ(cursor.save(first).status, ContactSave::Written);
    EXPECT_EQ(first.state, "Fl");
    EXPECT_FALSE(cursor.adding());
    EXPECT_EQ(folder.bytes("VendorDat.txt").mid(130, 2), "Fl");

    // A file that could not be read shows no contacts; a first contact typed then goes
    // after the records on file, never over the first of them.
    ContactCursor unread(folder);
    unread.startFirst();
    Contact second = named("Bravo");
    ASSERT_TRUE(unread.save(second));
    EXPECT_EQ(namesOnFile(folder), (QStringList{"Harbor Fuel", "Bravo"}));
    EXPECT_EQ(unread.current(), 2);

    // Unchanged, nothing is written; changed, the record is written in place.
    EXPECT_EQ(cursor.save(first).status, ContactSave::Unchanged);
    first.keyContact = "Dana";
    EXPECT_EQ(cursor.save(first).status, ContactSave::Written);
    EXPECT_EQ(readContacts(folder).contacts, (QList<Contact>{first, second}));

    // Nor does a form left on record 1 of a read that failed write over that record.
    ContactCursor stale(folder);
    stale.setCurrent(1);
    Contact third = named("Charlie");
    ASSERT_TRUE(stale.save(third));
    EXPECT_EQ(namesOnFile(folder), (QStringList{"Harbor Fuel", "Bravo", "Charlie"}));
}

TEST(ContactCursor, SavesAndDeletesTheContactShownWhereverAnotherCopyMovedIt) {
    ScratchDataFolder folder;
    for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta"})
        ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, named(name)));
    ContactCursor cursor(folder);
    cursor.reload();
    ASSERT_TRUE(cursor.select(3));

    // Alpha deleted elsewhere: Charlie, now second, is saved where it went.
    ASSERT_TRUE(deleteContact(folder, 1));
    Contact charlie = *cursor.currentContact();
    charlie.keyContact = "Dana";
    EXPECT_EQ(cursor.save(charlie).status, ContactSave::Written);
    EXPECT_EQ(cursor.current(), 2);
    EXPECT_EQ(readContacts(folder).contacts,
              (QList<Contact>{named("Bravo"), charlie, named("Delta")}));

    // Bravo changed elsewhere: nothing is written over it; as a new contact, both stay.
    ASSERT_TRUE(cursor.select(1));
    ASSERT_TRUE(writeContact(folder, 1, named("Bravo Two")));
    const QByteArray theirs = folder.bytes("VendorDat.txt");
    Contact mine = named("Bravo Mine");
    EXPECT_EQ(cursor.save(mine).status, ContactSave::ChangedElsewhere);
    EXPECT_EQ(folder.bytes("VendorDat.txt"), theirs);
    EXPECT_EQ(cursor.saveAsNew(mine).status, ContactSave::Written);
    EXPECT_EQ(cursor.current(), 4);
    EXPECT_EQ(readContacts(folder).contacts.first(), named("Bravo Two"));

    // Deleting: one moved is deleted where it went, one gone elsewhere is not looked for in
    // another's place.
    ASSERT_TRUE(cursor.select(3));
    ASSERT_TRUE(deleteContact(folder, 1));
    EXPECT_EQ(cursor.deleteCurrent().status, ContactSave::Written);
    EXPECT_EQ(readContacts(folder).contacts, (QList<Contact>{charlie, mine}));
    ASSERT_TRUE(cursor.select(1));
    ASSERT_TRUE(deleteContact(folder, 1));
    EXPECT_EQ(cursor.deleteCurrent().status, ContactSave::ChangedElsewhere);
    EXPECT_EQ(readContacts(folder).contacts, QList<Contact>{mine});
}

TEST(VendorList, SortedByNameIgnoringCaseWithTheRecordNumber) {
    VendorListModel list;
    list.setContacts({named("charlie Print"), named("Alpha Supply"), named("Bravo Fuel")});
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.index(0, 0).data().toString(), "Alpha Supply");
    EXPECT_EQ(list.index(2, 0).data().toString(), "charlie Print");
    EXPECT_EQ(list.recordAt(2), 1);
    EXPECT_EQ(list.index(1, VendorListModel::RecordColumn).data().toString(), "3");
}

TEST(ContactSearch, MatchesTheTrimmedUpperCasedFieldAnywhere) {
    // The form searches names, streets, telephones and categories; here, the city.
    EXPECT_EQ(names(searchContacts(sixContacts(), SearchKind::City, searchCriterion(" vert "))),
              (QStringList{"Alpha Supply#2", "Smythe Paper#5"}));
    // Only a telephone number is looked for whole.
    EXPECT_FALSE(criterionTooShort(SearchKind::Name, "s"));
}

class ContactsFormTest : public SpendlogTest {
protected:
    frmContacts& openEmpty() {
        putCategories();
        start();
        desk.expectMessage("Create Contacts");
        return showContacts();
    }
    frmContacts& openWith(const QList<Contact>& contacts) {
        putContacts(contacts);
        return showContacts();
    }
    static QList<Contact> threeContacts() {
        return {contact("Alpha Supply", "Springfield", "217-555-0101"),
                contact("Bravo Fuel", "Riverton", "217-555-0102"),
                contact("Charlie Print", "Springfield", "217-555-0103")};
    }
    frmContacts& openThree() { return openWith(threeContacts()); }
    frmContacts& openSix() { return openWith(sixContacts()); }
    // The full list of `count` contacts, as for the contact report.
    frmContacts& listed(int count) {
        frmContacts& c = openWith(numberedContacts(count));
        trigger(&c, "mnuPrint");
        return c;
    }

    template <typename Control = QAbstractButton> Control* get(const QString& name) {
        return child<Control>(&forms->contacts(), name);
    }
    QLineEdit* box(int index) { return get<QLineEdit>(QStringLiteral("txtContact_%1").arg(index)); }
    QString name() { return box(1)->text(); }
    void press(const QString& button) { get(button)->click(); }
    void next() { press("cmdNav_2"); }
    bool shown(const QString& frame) { return !get<QWidget>(frame)->isHidden(); }

    QString criterion() { return get<QLineEdit>("txtSearchfor")->text(); }
    void search(int option, const QString& typed) {
        press(QStringLiteral("optSearch_%1").arg(option));
        get<QLineEdit>("txtSearchfor")->setText(typed);
        press("cmdStartSearch");
    }
    ContactResultsPanel* results() { return get<ContactResultsPanel>("fraContactsFound"); }
    int rows() { return results()->found().rowCount(); }
};

using ContactSearchFormTest = ContactsFormTest;

TEST_F(ContactsFormTest, FirstContactOnAnEmptyFileEvenAfterACancel) {
    frmContacts& c = openEmpty();
    EXPECT_TRUE(get("Command1_1")->isEnabled());
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
    EXPECT_FALSE(get("Command1_1")->isEnabled());
    EXPECT_EQ(name(), "Harbor Fuel"); // the only contact: ">" wraps to itself
    EXPECT_EQ(box(4)->text(), "Fl");
}

TEST_F(ContactsFormTest, PagingSavesTheChangesAndShowsTheNextContact) {
    frmContacts& c = openThree();
    EXPECT_EQ(name(), "Alpha Supply");
    EXPECT_EQ(get<QComboBox>("cboCity")->currentText(), "Springfield");
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
    get<QComboBox>("cboCity")->setEditText("");
    next();
    EXPECT_EQ(contactsFile(), before);
}

TEST_F(ContactsFormTest, DeletingAsksAndShowsTheContactThatTakesThePlace) {
    frmContacts& c = openThree();
    next();
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::No);
    trigger(&c, "mnuDelete");
    EXPECT_EQ(contactsOnFile().size(), 3);
    EXPECT_EQ(desk.messages().last().buttons, pellar::MessageButtons::YesNoDefaultNo);

    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    trigger(&c, "mnuDelete");
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
    frmContacts& c = openThree();
    auto* city = get<QComboBox>("cboCity");
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
    frmContacts& c = openThree();
    next();
    EXPECT_FALSE(get("Command1_1")->isEnabled());

    // From the menu: the contact on screen is saved first, then empty boxes at count + 1.
    box(5)->setText("62701");
    trigger(&c, "mnuAdd");
    EXPECT_EQ(contactsOnFile()[1].postal, "62701");
    const QByteArray saved = contactsFile();
    EXPECT_EQ(c.cursor().current(), 4);
    EXPECT_TRUE(get("Command1_1")->isEnabled());
    EXPECT_TRUE(name().isEmpty());

    box(1)->setText("Zulu Freight");
    press("Command1_1");
    EXPECT_EQ(contactsFile(), saved);
    EXPECT_FALSE(get("Command1_1")->isEnabled());
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
    frmContacts& c = openThree();
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
    frmContacts& c = openThree();
    QWidget* list = get<QWidget>("fraSuppliers");
    trigger(&c, "mnuView");
    EXPECT_FALSE(list->isHidden());

    // No row chosen: a beep and the list stays.
    press("cmdVendorList_0");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(list->isHidden());

    // The contact on screen is kept before the chosen one is shown.
    box(0)->setText("ACCT-9");
    get<QTableView>("fgVendors")->selectRow(2);
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
    click(&f.expenses(), "cmdExpense_0");

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

TEST_F(ContactSearchFormTest, SearchFindsOneSeveralOrNoContacts) {
    frmContacts& c = openSix();
    box(8)->setText("Pat");
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
    EXPECT_EQ(name(), "Smythe Paper");
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

    // Several matches fill the grid, and the chosen row leads to its contact.
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
    EXPECT_EQ(name(), "Goldsmith Jewelers");
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraContactsFound"));

    // Nothing found: a new contact is offered.
    press("Command1_0");
    desk.expectMessage("Contact not Found", MessageAnswer::No);
    search(1, "Elm Street");
    EXPECT_TRUE(shown("fraSearch"));
    EXPECT_TRUE(criterion().isEmpty());
    EXPECT_FALSE(c.cursor().adding());
    // The street searched is the first address line: every contact is at 1 Main Street.
    search(1, "main");
    EXPECT_EQ(rows(), 6);
    press("cmdRetry");

    desk.expectMessage("Contact not Found", MessageAnswer::Yes);
    search(0, "Zenith");
    EXPECT_TRUE(c.cursor().adding());
    EXPECT_EQ(c.cursor().current(), 7);
    EXPECT_TRUE(shown("fraContact"));
    EXPECT_FALSE(shown("fraSearch"));
}

TEST_F(ContactSearchFormTest, FullListNeedsAContact) {
    frmContacts& c = openEmpty();
    // No contacts file: nothing to list.
    trigger(&c, "mnuPrint");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(shown("fraContactsFound"));

    // A single contact is still a list that can be printed.
    box(1)->setText("Only One");
    trigger(&c, "mnuPrint");
    EXPECT_EQ(results()->found().index(0, 0).data().toString(), "Only One");
    EXPECT_TRUE(shown("fraContactsFound"));
    EXPECT_TRUE(shown("cmdPrintContacts"));
}

TEST_F(ContactSearchFormTest, FullListShowsEveryContactAndReturnsToTheContact) {
    frmContacts& c = openSix();
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

TEST(ContactReport, HeaderAndBlocksThreeToARow) {
    const auto log = printed(numberedContacts(7));
    EXPECT_EQ(log->pageCount(), 1);

    // The title centred on the page; the date ending at the right margin, inside the page.
    const PrintOp* title = log->findText("Account Information");
    ASSERT_TRUE(title);
    EXPECT_EQ(std::tuple(title->x + 19 * 140 / 2.0, title->y, title->fontSize, title->bold,
                         title->underline),
              std::tuple(12240 / 2.0, 720.0, 14.0, true, true));
    const PrintOp* date = log->findText("12/6/2026");
    ASSERT_TRUE(date);
    EXPECT_EQ(std::tuple(date->x + 9 * 100, date->y, date->fontSize, date->bold, date->underline),
              std::tuple(12240 - 720.0, 720.0, 10.0, false, false));

    // Rows of 3, 3 and 1, five text lines apart.
    const int expected[7][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(placeOf(*log, n),
                  std::tuple(1, expected[n - 1][0], kFirstRow + expected[n - 1][1] * kRowStep))
            << "contact " << n;

    // A block: name, street, city line and telephone, one under the other at its left edge.
    const auto at = [&](const QString& text) {
        const PrintOp* op = log->findText(text);
        return op ? QPointF(op->x, op->y) : QPointF(-1, -1);
    };
    EXPECT_EQ(at("5 Main Street"), QPointF(4320, kFirstRow + kRowStep + kLine));
    EXPECT_EQ(at("217-555-0005"), QPointF(4320, kFirstRow + kRowStep + 3 * kLine));
    EXPECT_EQ(at("Springfield, IL 62701"), QPointF(720, kFirstRow + 2 * kLine));
    EXPECT_EQ(log->texts().count(), 3 + 7 * 4); // title, date, page number
    expectNoOverlaps(*log);
}

TEST(ContactReport, NewPageRepeatsTheHeaderAndKeepsTheBottomMargin) {
    const auto log = printed(numberedContacts(40));
    ASSERT_EQ(log->pageCount(), 2);
    // Eleven rows fit above the half-inch bottom margin: 33 contacts on the first page.
    EXPECT_EQ(placeOf(*log, 33), std::tuple(1, 2, kFirstRow + 10 * kRowStep));
    EXPECT_EQ(placeOf(*log, 34), std::tuple(2, 0, kFirstRow));
    EXPECT_EQ(placeOf(*log, 40), std::tuple(2, 0, kFirstRow + 2 * kRowStep));

    int titles = 0, dates = 0;
    double lowest = 0;
    for (const PrintOp& op : log->texts()) {
        titles += op.text == "Account Information" && op.y == 720;
        dates += op.text == "12/6/2026" && op.y == 720;
        lowest = std::max(lowest, op.y + kLine);
        EXPECT_LE(op.x + op.text.size() * op.fontSize * 10, 12240 - 720) << op.text.toStdString();
    }
    EXPECT_EQ(std::pair(titles, dates), std::pair(2, 2));
    const PrintOp* second = log->findText("Page 2");
    ASSERT_TRUE(second);
    EXPECT_EQ(std::tuple(second->page, second->x, second->y), std::tuple(2, 720.0, 720.0));
    EXPECT_LE(lowest, 15840 - 720);
    expectNoOverlaps(*log);

    // Exactly 33 contacts: no empty page after them.
    EXPECT_EQ(printed(numberedContacts(33))->pageCount(), 1);
}

TEST(ContactReport, LongFieldsAreCutToTheirColumn) {
    Contact c = numbered(1);
    c.address1 = QStringLiteral("12345 North Industrial Parkway West"); // 35 characters
    pellar::RecordingSurface surface;
    PrintContactBlock(surface, c, 3, 2000);
    const QList<PrintOp> texts = surface.log()->texts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[0].text, "Contact 1");

    // Forty characters without a blank in every field of every block of a row.
    Contact wide;
    wide.name = wide.address1 = wide.city = wide.telephone = QString(40, u'W');
    QList<Contact> row(3, wide);
    expectNoOverlaps(*printed(row));
    // 3600 twips a column, less the gap: 33 characters of 10 pt at most.
    EXPECT_EQ(texts[1].text, QStringLiteral("12345 North Industrial Parkway W") + QChar(0x2026));
    EXPECT_LE(texts[1].x + texts[1].text.size() * 100, 12240 - 720);
    EXPECT_EQ(texts[1].y, 2000 + kLine);

    // Letters of unequal width ('W' three times an 'i'): still the longest start that fits,
    // whether the text's average letter makes it look longer or shorter than it is.
    struct WideW : pellar::RecordingSurface {
        double textWidth(const QString& text) const override {
            return RecordingSurface::textWidth(text) + 200 * text.count(u'W');
        }
    };
    WideW uneven;
    c.name = QString(10, u'W') + QString(20, u'i');
    c.address1 = QString(20, u'i') + QString(10, u'W');
    PrintContactBlock(uneven, c, 1, 2000);
    const QList<PrintOp> cut = uneven.log()->texts();
    EXPECT_EQ(cut[0].text, QString(10, u'W') + "ii" + QChar(0x2026));
    EXPECT_EQ(cut[1].text, QString(20, u'i') + "WWWW" + QChar(0x2026));
}

using ContactReportFormTest = ContactsFormTest;

TEST_F(ContactReportFormTest, PrintAsksThenChoosesThePrinterAndReportsFailures) {
    listed(7);
    QAbstractButton* print = get("cmdPrintContacts");
    ASSERT_FALSE(print->isHidden());

    desk.expectMessage("Contact Report", MessageAnswer::No);
    print->click();

    // Cancel in the printer dialog prints nothing.
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(std::nullopt);
    print->click();
    EXPECT_TRUE(desk.jobs().isEmpty());

    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(pellar::PrinterChoice{QStringLiteral("Office"), 2, {}});
    print->click();
    ASSERT_EQ(desk.jobs().size(), 1);
    const pellar::PrintJobSetup& setup = desk.jobSetups().last();
    EXPECT_EQ(setup.printer.printerName, "Office");
    EXPECT_EQ(setup.orientation, QPageLayout::Portrait);
    EXPECT_EQ(setup.origin, pellar::PageOrigin::PaperEdge);
    const pellar::PrintLog& log = *desk.jobs().last();
    EXPECT_TRUE(log.ended);
    EXPECT_EQ(log.copies, 2);
    EXPECT_TRUE(log.findText("12/6/2026"));
    EXPECT_TRUE(log.findText("Contact 7"));

    // A job that cannot start is a print error.
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(pellar::PrinterChoice{});
    desk.failNextPrintJob("No printer is set up on this computer.");
    desk.expectMessage("Print Error");
    print->click();
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_TRUE(shown("fraContactsFound"));
}

TEST_F(ContactReportFormTest, PreviewPdfAndThePdfOfferedWithoutAPrinter) {
    listed(7);
    press("cmdPreviewContacts");
    ASSERT_EQ(desk.previews().size(), 1);
    EXPECT_TRUE(desk.previews().last()->findText("Contact 7"));
    EXPECT_EQ(desk.previews().last()->origin, pellar::PageOrigin::PaperEdge);
    EXPECT_TRUE(desk.jobs().isEmpty());

    desk.expectSaveFile(folder.file("list.pdf"));
    press("cmdSavePdfContacts");
    ASSERT_EQ(desk.jobs().size(), 1);
    EXPECT_EQ(desk.jobSetups().last().printer.outputFile, folder.file("list.pdf"));
    EXPECT_TRUE(desk.jobs().last()->findText("Contact 7"));
    EXPECT_EQ(get<QLabel>("lblStatusNote")->text(),
              "The contact report was saved as " +
                  QDir::toNativeSeparators(folder.file("list.pdf")));

    // No printer set up: the PDF is offered instead, never the printer dialog.
    desk.setPrinterAvailable(false);
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::No);
    press("cmdPrintContacts");
    EXPECT_EQ(desk.jobs().size(), 1);
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    desk.expectSaveFile(folder.file("Contacts.pdf"));
    press("cmdPrintContacts");
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_EQ(desk.jobSetups().last().printer.outputFile, folder.file("Contacts.pdf"));
    // Suggested among the person's documents (or at home), never in the working folder.
    ASSERT_EQ(desk.saveFilesSuggested().size(), 2);
    for (const QString& suggested : desk.saveFilesSuggested()) {
        EXPECT_TRUE(QFileInfo(suggested).isAbsolute()) << suggested.toStdString();
        EXPECT_EQ(QFileInfo(suggested).fileName(), "Contacts.pdf");
    }
}

TEST_F(ContactReportFormTest, OffsetsMoveTheTestPageAndThenTheReport) {
    listed(7);
    press("cmdAlignContacts");
    EXPECT_TRUE(shown("fraAlignment"));
    EXPECT_FALSE(shown("fraContactsFound"));
    get<QSpinBox>("spnAlignRight_0")->setValue(12);
    get<QSpinBox>("spnAlignDown_0")->setValue(-5);

    // The test page tries the offsets shown before they are saved.
    desk.expectPrinterDialog(pellar::PrinterChoice{QStringLiteral("Office"), 1, {}});
    press("cmdAlignTest_0");
    ASSERT_EQ(desk.jobs().size(), 1);
    const pellar::PrintLog& test = *desk.jobs().last();
    const PrintOp* first = test.findText("Contact 1");
    ASSERT_TRUE(first);
    EXPECT_DOUBLE_EQ(first->x, 720 + 30 + 12 * 14.4);
    EXPECT_DOUBLE_EQ(first->y, kFirstRow + 15 - 5 * 14.4);
    EXPECT_TRUE(test.findText("Contact 6"));
    expectNoOverlaps(test);
    EXPECT_FALSE(QFile::exists(folder.file("PrintAlignment.txt")));

    press("cmdSaveAlignment");
    EXPECT_TRUE(folder.bytes("PrintAlignment.txt").contains("\"Contact Report\",12,-5\r\n"));
    press("cmdAlignmentDone");
    EXPECT_TRUE(shown("fraContactsFound"));

    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(pellar::PrinterChoice{QStringLiteral("Office"), 1, {}});
    press("cmdPrintContacts");
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_EQ(desk.jobs().last()->findText("Contact 1")->x, 720 + 12 * 14.4);
    EXPECT_EQ(desk.jobs().last()->findText("Contact 1")->y, kFirstRow - 5 * 14.4);
}

TEST(ContactReportPdf, FortyContactsOnTwoPages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    pellar::PrintJobSetup setup = expensePageSetup(
        QStringLiteral("Portrait"), pellar::PrinterChoice{{}, 1, dir.filePath("contacts.pdf")},
        QStringLiteral("Contact Report"));
    {
        pellar::PrinterSurface surface(setup);
        ASSERT_TRUE(surface.error().isEmpty()) << surface.error().toStdString();
        PrintContactReport(surface, numberedContacts(40), QStringLiteral("12/6/2026"));
        EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
    }
    QFile pdf(dir.filePath("contacts.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 2);
    pellar::testing::keepPrintedFileIfAsked(dir.filePath("contacts.pdf"));

    // The alignment test page on the real surface, moved a little right and up.
    const QString testPage = dir.filePath("alignment.pdf");
    pellar::PrintJobSetup job = contactReportJob(pellar::DataFolder(dir.path()), {{}, 1, testPage});
    job.offsetX = 0.1 * pellar::kTwipsPerInch;
    job.offsetY = -0.05 * pellar::kTwipsPerInch;
    {
        pellar::PrinterSurface surface(job);
        ASSERT_TRUE(surface.error().isEmpty()) << surface.error().toStdString();
        pellar::printAlignmentGuides(surface,
                                     QStringLiteral("Alignment test page: Contact Report"));
        PrintContactReportOutlines(surface);
        EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
    }
    EXPECT_TRUE(QFileInfo(testPage).size() > 0);
    pellar::testing::keepPrintedFileIfAsked(testPage);
}

// The report asks for "Portrait" (its print test sees it); any other word is landscape.
TEST(ExpensePageSetup, LandscapeForAnyWordButPortrait) {
    for (const QString& other :
         {QStringLiteral("Landscape"), QStringLiteral("portrait"), QString()})
        EXPECT_EQ(expensePageSetup(other, {}).orientation, QPageLayout::Landscape)
            << other.toStdString();
}
