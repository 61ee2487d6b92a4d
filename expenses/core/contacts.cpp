#include "expenses/core/contacts.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/fixedrecordfile.h"
#include "common/core/folderlock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace expenses {

namespace {

enum Field {
    Account,
    Name,
    Address1,
    Address2,
    City,
    State,
    Postal,
    Telephone,
    Fax,
    Category,
    Key
};

} // namespace

bool Contact::isBlank() const {
    for (const QString* field : {&account, &name, &address1, &address2, &city, &state, &postal,
                                 &telephone, &fax, &category, &keyContact}) {
        if (!trimBlanks(*field).isEmpty())
            return false;
    }
    return true;
}

const pellar::FixedRecordLayout& contactLayout() {
    static const pellar::FixedRecordLayout layout{20, 30, 35, 25, 20, 2, 10, 13, 30, 20, 30};
    return layout;
}

QString trimBlanks(QStringView text) {
    return pellar::blankTrimmed(text).toString();
}

QByteArray encodeContact(const Contact& c) {
    return contactLayout().pack({trimBlanks(c.account), trimBlanks(c.name), trimBlanks(c.address1),
                                 trimBlanks(c.address2), trimBlanks(c.city), trimBlanks(c.state),
                                 trimBlanks(c.postal), trimBlanks(c.telephone), c.fax,
                                 trimBlanks(c.category), c.keyContact});
}

Contact decodeContact(QByteArrayView record) {
    const pellar::FixedRecordLayout& layout = contactLayout();
    const auto field = [&](int i) {
        return trimBlanks(layout.field(record, i));
    };
    Contact c;
    c.account = field(Account);
    c.name = field(Name);
    c.address1 = field(Address1);
    c.address2 = field(Address2);
    c.city = field(City);
    c.state = field(State);
    c.postal = field(Postal);
    c.telephone = field(Telephone);
    c.fax = field(Fax);
    c.category = field(Category);
    c.keyContact = field(Key);
    return c;
}

namespace {

pellar::FixedRecordFile contactsFile(const pellar::DataFolder& folder) {
    return {folder, kContactsFile, kContactRecordLength};
}

} // namespace

qint64 contactCount(const pellar::DataFolder& folder) {
    // Stray bytes after the last record are no contact: a new one is written over them,
    // starting on a record boundary.
    if (!pellar::DataFileExists(folder, kContactsFile))
        return 0;
    return QFileInfo(folder.filePath(kContactsFile)).size() / kContactRecordLength;
}

namespace {

ContactFile decodeContactFile(const QByteArray& bytes) {
    ContactFile file;
    // A part of a record at the end is shown to nobody and left on disk as it is: read as a
    // contact it would be garbage, and saving it back would pad the file.
    const qsizetype whole = bytes.size() / kContactRecordLength;
    for (qsizetype i = 0; i < whole; ++i)
        file.records.append(bytes.mid(i * kContactRecordLength, kContactRecordLength));
    if (const qsizetype stray = bytes.size() % kContactRecordLength; stray > 0)
        file.notice = QCoreApplication::translate(
                          "Contacts", "The contacts file ends with %1 characters that are not a "
                                      "whole contact. They are left out, and the file is not "
                                      "changed until a contact is saved.")
                          .arg(stray);
    file.contacts.reserve(file.records.size());
    for (const QByteArray& record : std::as_const(file.records))
        file.contacts.append(decodeContact(record));
    return file;
}

// The file as it is, read under the lock: no restore from the backup folder here, whose
// notice would wait for the person while the lock is held. No file is no contacts.
std::optional<ContactFile> contactsNow(const pellar::DataFolder& folder, QString* problem) {
    if (!QFileInfo::exists(folder.filePath(kContactsFile)))
        return ContactFile();
    const std::optional<QByteArray> bytes = pellar::readDataFile(folder, kContactsFile, problem);
    if (!bytes)
        return std::nullopt;
    return decodeContactFile(*bytes);
}

ContactChange failed(const QString& why) {
    return {ContactChange::Failed, 0, why};
}

} // namespace

ContactFile readContacts(const pellar::DataFolder& folder) {
    ContactFile file;
    const std::optional<QByteArray> bytes = contactsFile(folder).bytes(&file.problem);
    if (!bytes)
        return file;
    return decodeContactFile(*bytes);
}

pellar::FileResult writeContact(const pellar::DataFolder& folder, qint64 record,
                                const Contact& contact) {
    return contactsFile(folder).write(record, encodeContact(contact));
}

pellar::FileResult deleteContact(const pellar::DataFolder& folder, qint64 record) {
    return pellar::underFolderLock(folder, [&] {
        QString problem;
        const std::optional<ContactFile> file = contactsNow(folder, &problem);
        if (!file)
            return pellar::FileResult::failure(problem);
        QByteArray kept;
        kept.reserve(file->records.size() * kContactRecordLength);
        for (qsizetype i = 0; i < file->records.size(); ++i) {
            if (i + 1 != record)
                kept += file->records.at(i);
        }
        return contactsFile(folder).rewriteThrough(kContactsTempFile, kept);
    });
}

qint64 findShownContact(const ContactFile& now, qint64 record, const QByteArray& shown) {
    if (record >= 1 && record <= now.records.size() && now.records.at(record - 1) == shown)
        return record;
    // Contacts before it deleted or the file rewritten: the same bytes elsewhere are the same
    // contact. Two records of the same bytes are alike in every way, so either will do.
    return now.records.indexOf(shown) + 1;
}

ContactChange appendContact(const pellar::DataFolder& folder, const Contact& contact) {
    pellar::DataFileExists(folder, kContactsFile); // a restore is told before the lock
    ContactChange change;
    const pellar::FileResult written = pellar::underFolderLock(folder, [&] {
        // After the last whole contact as the file is now, never at a number counted earlier.
        change.record = QFileInfo(folder.filePath(kContactsFile)).size() / kContactRecordLength + 1;
        return writeContact(folder, change.record, contact);
    });
    return written ? change : failed(written.error);
}

namespace {

// Under the lock: finds the contact the form showed where it is now and hands it to `act`;
// a contact no longer on file is Gone and nothing is written.
template <typename Act>
ContactChange onShownContact(const pellar::DataFolder& folder, qint64 record,
                             const QByteArray& shown, Act act) {
    pellar::DataFileExists(folder, kContactsFile); // a restore is told before the lock
    ContactChange change;
    const pellar::FileResult done = pellar::underFolderLock(folder, [&] {
        QString problem;
        const std::optional<ContactFile> now = contactsNow(folder, &problem);
        if (!now)
            return pellar::FileResult::failure(problem);
        change.record = findShownContact(*now, record, shown);
        if (change.record == 0) {
            change.status = ContactChange::Gone;
            return pellar::FileResult::success();
        }
        return act(*now, change.record);
    });
    return done ? change : failed(done.error);
}

} // namespace

ContactChange saveShownContact(const pellar::DataFolder& folder, qint64 record,
                               const QByteArray& shown, const Contact& contact) {
    return onShownContact(folder, record, shown, [&](const ContactFile& now, qint64 at) {
        if (now.records.at(at - 1) == encodeContact(contact))
            return pellar::FileResult::success();
        return writeContact(folder, at, contact);
    });
}

ContactChange deleteShownContact(const pellar::DataFolder& folder, qint64 record,
                                 const QByteArray& shown) {
    return onShownContact(folder, record, shown,
                          [&](const ContactFile&, qint64 at) { return deleteContact(folder, at); });
}

} // namespace expenses
