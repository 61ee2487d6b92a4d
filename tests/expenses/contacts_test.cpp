// The contacts file: record bytes and widths, reading, writing in place, deleting.
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
    Contact c;
    c.account = "  AC-1234567890123456789012 "; // trimmed, then cut at 20
    c.name = "Midstate Electric Cooperative of the Plains";
    c.address1 = "1200 Power Line Drive";
    c.address2 = "Suite 9";
    c.city = " Springfield ";
    c.state = "Illinois";
    c.postal = "62704-1234-99";
    c.telephone = "(217) 555-0199 x12";
    c.fax = "  217-555-0100"; // stored as typed
    c.category = "Credit Card Company";
    c.keyContact = " Dana";
    const QByteArray record = encodeContact(c);
    ASSERT_EQ(record.size(), kContactRecordLength);

    const QByteArray expected =
        padded("AC-12345678901234567", 20) + padded("Midstate Electric Cooperative", 30) +
        padded("1200 Power Line Drive", 35) + padded("Suite 9", 25) + padded("Springfield", 20) +
        "Il" + padded("62704-1234", 10) + padded("(217) 555-019", 13) +
        padded("  217-555-0100", 30) + padded("Credit Card Company", 20) + padded(" Dana", 30);
    EXPECT_EQ(record, expected);

    // Read back, every field trimmed and in its own place; the cut values stay cut.
    Contact back;
    back.account = "AC-12345678901234567";
    back.name = "Midstate Electric Cooperative";
    back.address1 = "1200 Power Line Drive";
    back.address2 = "Suite 9";
    back.city = "Springfield";
    back.state = "Il";
    back.postal = "62704-1234";
    back.telephone = "(217) 555-019";
    back.fax = "217-555-0100";
    back.category = "Credit Card Company";
    back.keyContact = "Dana";
    EXPECT_EQ(decodeContact(record), back);

    // Widths are bytes of the code page: an accented letter is one byte, a character the
    // code page lacks is a question mark.
    Contact accents;
    accents.name = QString::fromUtf8("Caf\u00e9 \u4e2d");
    const QByteArray bytes = encodeContact(accents);
    EXPECT_EQ(bytes.mid(20, 6), QByteArray("Caf\xe9 ?"));
    EXPECT_EQ(decodeContact(bytes).name, QString::fromUtf8("Caf\u00e9 ?"));

    EXPECT_TRUE(Contact().isBlank());
    Contact spaces;
    spaces.fax = "   ";
    EXPECT_TRUE(spaces.isBlank());
    EXPECT_FALSE(named("Al").isBlank());
}

TEST(ContactsFile, WritesInPlaceAndCountsByLength) {
    ScratchDataFolder folder;
    EXPECT_EQ(contactCount(folder), 0);
    EXPECT_TRUE(readContactList(folder).contacts.isEmpty());

    ASSERT_TRUE(writeContact(folder, 1, named("Alpha")));
    ASSERT_TRUE(writeContact(folder, 2, named("Bravo")));
    ASSERT_TRUE(writeContact(folder, 1, named("Able")));
    EXPECT_EQ(folder.bytes("VendorDat.txt").size(), 2 * kContactRecordLength);
    EXPECT_EQ(contactCount(folder), 2);
    EXPECT_EQ(readContact(folder, 1)->name, "Able");
    EXPECT_EQ(readContact(folder, 2)->name, "Bravo");

    // A damaged tail longer than half a record counts, padded; a shorter one does not.
    folder.put("VendorDat.txt", folder.bytes("VendorDat.txt") + padded("", 20) + "Charlie");
    const ContactList list = readContactList(folder);
    ASSERT_EQ(list.contacts.size(), 2); // 27 bytes of 235: rounded away
    folder.put("VendorDat.txt", folder.bytes("VendorDat.txt") + QByteArray(100, ' '));
    ASSERT_EQ(readContactList(folder).contacts.size(), 3);
    EXPECT_EQ(readContactList(folder).contacts[2].name, "Charlie");
    EXPECT_EQ(readContactList(folder).contacts[2].record, 3);
}

TEST(ContactsFile, DeletingClosesTheGap) {
    ScratchDataFolder folder;
    for (const char* name : {"Alpha", "Bravo", "Charlie"})
        ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, named(name)));
    const QByteArray third = folder.bytes("VendorDat.txt").mid(2 * kContactRecordLength);

    ASSERT_TRUE(deleteContact(folder, 2));
    const QByteArray file = folder.bytes("VendorDat.txt");
    EXPECT_EQ(file.size(), 470);
    EXPECT_EQ(file.mid(kContactRecordLength), third);
    EXPECT_FALSE(folder.exists("Contact.TMP"));

    ASSERT_TRUE(deleteContact(folder, 1));
    ASSERT_TRUE(deleteContact(folder, 1));
    EXPECT_TRUE(folder.exists("VendorDat.txt"));
    EXPECT_EQ(folder.bytes("VendorDat.txt").size(), 0);
    EXPECT_EQ(contactCount(folder), 0);
    EXPECT_FALSE(folder.exists("Contact.TMP"));
}
