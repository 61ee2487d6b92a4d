// The contacts file: record bytes and widths, reading, writing in place; and the contacts
// form's cursor over it, which also deletes.
#include "expenses/core/contactcursor.h"
#include "expenses/core/contacts.h"
#include "tests/support/datafolder.h"

#include <gtest/gtest.h>

using namespace expenses;
using pellar::testing::ScratchDataFolder;

namespace {

QByteArray padded(const QByteArray& value, int width) {
    return value.left(width) + QByteArray(std::max<qsizetype>(0, width - value.size()), ' ');
}

Contact named(const QString& name) {
    Contact c;
    c.name = name;
    c.state = QStringLiteral("Fl");
    return c;
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
    EXPECT_EQ(readContacts(folder).contacts[0].name, "Able");
    EXPECT_EQ(readContacts(folder).contacts[1].name, "Bravo");

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

namespace {

QStringList namesOnFile(const ScratchDataFolder& folder) {
    QStringList names;
    for (const Contact& c : readContacts(folder).contacts)
        names << c.name;
    return names;
}

} // namespace

TEST(ContactCursor, PagesWrapAtTheEndAndStopAtTheStart) {
    ScratchDataFolder folder;
    for (const char* name : {"Alpha", "Bravo", "Charlie"})
        ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, named(name)));
    ContactCursor cursor(folder);
    EXPECT_TRUE(cursor.reload().isEmpty());
    cursor.setCurrent(9);
    cursor.keepInRange();
    EXPECT_EQ(cursor.current(), 3);
    QList<qint64> seen;
    for (ContactCursor::Move move :
         {ContactCursor::Move::Next, ContactCursor::Move::Previous, ContactCursor::Move::Previous,
          ContactCursor::Move::Last, ContactCursor::Move::Previous, ContactCursor::Move::First}) {
        cursor.move(move);
        seen << cursor.current();
    }
    EXPECT_EQ(seen, (QList<qint64>{1, 1, 1, 3, 2, 1}));
    EXPECT_EQ(cursor.currentContact()->name, "Alpha");
    EXPECT_FALSE(cursor.select(4));
    EXPECT_TRUE(cursor.select(2));
    EXPECT_EQ(cursor.currentContact()->name, "Bravo");
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
}

TEST(ContactCursor, NewContactsAppendOrGoBackAndDeletingClosesTheGap) {
    ScratchDataFolder folder;
    for (const char* name : {"Alpha", "Bravo", "Charlie"})
        ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, named(name)));
    ContactCursor cursor(folder);
    cursor.reload();
    cursor.setCurrent(2);

    // Dropped: the one current before comes back, twice over.
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
