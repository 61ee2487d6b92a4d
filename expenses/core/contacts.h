#pragma once
// The contacts file "/VendorDat.txt": the people and firms the business pays, one 235-byte
// fixed record each, in the order they were created.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"
#include "common/core/fixedrecords.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

namespace expenses {

inline constexpr const char16_t* kContactsFile = u"/VendorDat.txt";
// Where a deletion builds the shortened file before it takes the contacts file's place.
inline constexpr const char16_t* kContactsTempFile = u"\\Contact.TMP";
inline constexpr int kContactRecordLength = 235;

struct Contact {
    QString account; // the user's account number with this payee
    QString name;
    QString address1; // street
    QString address2; // apartment, post office box, subdivision
    QString city;
    QString state;
    QString postal;
    QString telephone;
    QString fax; // fax or cell number
    QString category;
    QString keyContact; // a person to ask for

    // Every field empty once blanks are trimmed: nothing worth a record.
    bool isBlank() const;
    bool operator==(const Contact&) const = default;
};

// Account 20, name 30, address 35 and 25, city 20, state 2, postal 10, telephone 13,
// fax 30, category 20, key contact 30.
const pellar::FixedRecordLayout& contactLayout();

// Blanks (spaces only) trimmed from both ends, as the record fields are.
QString trimBlanks(QStringView text);

// Fields trimmed, except fax and key contact, which are stored as typed; each cut to its
// width in bytes.
QByteArray encodeContact(const Contact& contact);
// Every field trimmed.
Contact decodeContact(QByteArrayView record);

// The number of whole contacts: file length / 235, any bytes after the last whole record
// left out; none when there is no file (which may be restored from the backup folder first).
qint64 contactCount(const pellar::DataFolder& folder);

// The contacts file as read: every record the count holds, decoded, and as stored.
struct ContactFile {
    QList<Contact> contacts; // record 1 first
    QList<QByteArray> records;
    QString problem; // plain words when the file could not be read
    QString notice;  // plain words when bytes after the last whole contact were left out
};
// The one reader of the contacts file; none when there is no file (which may be restored
// from the backup folder first).
ContactFile readContacts(const pellar::DataFolder& folder);
// Writes the record in place; record count + 1 appends.
pellar::FileResult writeContact(const pellar::DataFolder& folder, qint64 record,
                                const Contact& contact);
// Removes a record of the file as it is under the data-folder lock and closes the gap: the
// other records, in order, go into "\Contact.TMP", which then replaces the contacts file in
// one rename, so the old file is never gone before the new one is complete.
pellar::FileResult deleteContact(const pellar::DataFolder& folder, qint64 record);

// Saving or deleting the contact a form showed, when another copy of the program may have
// added, changed or deleted contacts since. Each reads the file again under the data-folder
// lock and finds the shown contact by its bytes: at the number it had, or where it went.
struct ContactChange {
    // Gone: the shown contact is no longer in the file (changed or deleted elsewhere);
    // nothing was written.
    enum Status { Done, Gone, Failed };
    Status status = Done;
    qint64 record = 0; // where the contact is now
    QString error;     // Failed: plain words
};
// The record number of `shown` in `now`: `record` when it is still there, else the first
// record of the same bytes; 0 when there is none.
qint64 findShownContact(const ContactFile& now, qint64 record, const QByteArray& shown);
// After the last whole contact of the file as it is now.
ContactChange appendContact(const pellar::DataFolder& folder, const Contact& contact);
// Over the shown contact, wherever it is now.
ContactChange saveShownContact(const pellar::DataFolder& folder, qint64 record,
                               const QByteArray& shown, const Contact& contact);
ContactChange deleteShownContact(const pellar::DataFolder& folder, qint64 record,
                                 const QByteArray& shown);

} // namespace expenses
