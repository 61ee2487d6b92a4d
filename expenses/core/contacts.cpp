#include "expenses/core/contacts.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/fixedrecordfile.h"

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

ContactFile readContacts(const pellar::DataFolder& folder) {
    ContactFile file;
    const std::optional<QByteArray> bytes = contactsFile(folder).bytes(&file.problem);
    if (!bytes)
        return file;
    // A part of a record at the end is shown to nobody and left on disk as it is: read as a
    // contact it would be garbage, and saving it back would pad the file.
    const qsizetype whole = bytes->size() / kContactRecordLength;
    for (qsizetype i = 0; i < whole; ++i)
        file.records.append(bytes->mid(i * kContactRecordLength, kContactRecordLength));
    if (const qsizetype stray = bytes->size() % kContactRecordLength; stray > 0)
        file.notice = QStringLiteral("The contacts file ends with %1 characters that are not a "
                                     "whole contact. They are left out, and the file is not "
                                     "changed until a contact is saved.")
                          .arg(stray);
    file.contacts.reserve(file.records.size());
    for (const QByteArray& record : std::as_const(file.records))
        file.contacts.append(decodeContact(record));
    return file;
}

pellar::FileResult writeContact(const pellar::DataFolder& folder, qint64 record,
                                const Contact& contact) {
    return contactsFile(folder).write(record, encodeContact(contact));
}

pellar::FileResult deleteContact(const pellar::DataFolder& folder, qint64 record) {
    const ContactFile file = readContacts(folder);
    if (!file.problem.isEmpty())
        return pellar::FileResult::failure(file.problem);
    QByteArray kept;
    kept.reserve(file.records.size() * kContactRecordLength);
    for (qsizetype i = 0; i < file.records.size(); ++i) {
        if (i + 1 != record)
            kept += file.records.at(i);
    }
    return contactsFile(folder).rewriteThrough(kContactsTempFile, kept);
}

} // namespace expenses
