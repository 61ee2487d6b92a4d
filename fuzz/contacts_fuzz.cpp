// The contacts file "/VendorDat.txt" and the search over it. The first byte picks a
// record, a search kind and whether the record is deleted; the rest is the file.
//
// Properties:
//  - The count is the number of whole 235-byte records (a part of one at the end is left
//    out); the read agrees, record by record, with the records the file splits into.
//  - A contact read has no blanks at the ends of its fields, and written and read again is
//    the same contact (every field fits: it came from a field of that width).
//  - Searching for a contact's own field (trimmed, upper case) finds that contact; every
//    contact found holds the criterion, in file order; the kind All finds every one.
//  - Deleting a record leaves the other records of the count, in order, byte for byte.
#include "expenses/core/contactsearch.h"
#include "fuzz/fuzzsupport.h"

using namespace expenses;

namespace {

bool trimmedFields(const Contact& c) {
    for (const QString* field : {&c.account, &c.name, &c.address1, &c.address2, &c.city, &c.state,
                                 &c.postal, &c.telephone, &c.fax, &c.category, &c.keyContact}) {
        if (trimBlanks(*field) != *field)
            return false;
    }
    return true;
}

void searchFinds(const QList<Contact>& contacts, SearchKind kind, qsizetype chosen) {
    const QString criterion = searchCriterion(searchedField(contacts[chosen], kind));
    const QList<FoundContact> found = searchContacts(contacts, kind, criterion);
    bool chosenFound = false;
    qint64 previous = 0;
    for (const FoundContact& f : found) {
        PELLAR_FUZZ_CHECK(f.record > previous && f.record <= contacts.size());
        previous = f.record;
        PELLAR_FUZZ_CHECK(f.contact == contacts[f.record - 1]);
        if (kind != SearchKind::All)
            PELLAR_FUZZ_CHECK(
                trimBlanks(searchedField(f.contact, kind)).toUpper().contains(criterion));
        chosenFound = chosenFound || f.record == chosen + 1;
    }
    PELLAR_FUZZ_CHECK(chosenFound);
    if (kind == SearchKind::All || criterion.isEmpty())
        PELLAR_FUZZ_CHECK(found.size() == contacts.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    pellar::fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    if (size == 0)
        return 0;
    const quint8 choice = data[0];
    const QByteArray file(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    pellar::fuzz::putDataFile(kContactsFile, file);

    // Whole records only: a part of one at the end is left out, with a notice.
    const qint64 count = contactCount(folder);
    PELLAR_FUZZ_CHECK(count == file.size() / kContactRecordLength);
    const QList<QByteArray> records = pellar::splitRecords(file, kContactRecordLength);
    const ContactFile all = readContacts(folder);
    PELLAR_FUZZ_CHECK(all.problem.isEmpty());
    PELLAR_FUZZ_CHECK(all.notice.isEmpty() == (file.size() % kContactRecordLength == 0));
    PELLAR_FUZZ_CHECK(all.contacts.size() == count && all.records.size() == count);
    for (qsizetype i = 0; i < count; ++i) {
        const Contact& c = all.contacts[i];
        PELLAR_FUZZ_CHECK(c == decodeContact(records[i]));
        PELLAR_FUZZ_CHECK(all.records[i] == records[i]);
        PELLAR_FUZZ_CHECK(trimmedFields(c));
        PELLAR_FUZZ_CHECK(decodeContact(encodeContact(c)) == c);
    }
    if (count == 0)
        return 0;

    const qsizetype chosen = choice % count;
    searchFinds(all.contacts, SearchKind((choice >> 2) % (kSearchOptionCount + 1)), chosen);

    if (choice & 0x80) {
        PELLAR_FUZZ_CHECK(deleteContact(folder, chosen + 1).ok);
        QByteArray kept;
        for (qsizetype i = 0; i < count; ++i) {
            if (i != chosen)
                kept += records[i];
        }
        PELLAR_FUZZ_CHECK(pellar::fuzz::dataFileBytes(kContactsFile) == kept);
    }
    return 0;
}
