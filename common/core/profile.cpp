#include "common/core/profile.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/folderlock.h"
#include "common/core/records.h"

#include <optional>

#include <QCoreApplication>

namespace pellar {

ProfileRead readProfileRecord(const DataFolder& folder, QStringView name, int count) {
    ProfileRead result;
    result.found = true;
    QString error;
    const std::optional<QByteArray> bytes = readDataFile(folder, name, &error);
    if (!bytes) {
        result.problem = error;
        return result;
    }
    FreeFormatReader reader(*bytes);
    QStringList fields;
    for (int i = 0; i < count && !reader.atEnd(); ++i)
        fields << reader.readText();
    if (fields.size() < count)
        result.problem =
            QCoreApplication::translate("BusinessProfile",
                                        "The business profile in %1 has %2 of its %3 fields.")
                .arg(name.mid(1).toString())
                .arg(fields.size())
                .arg(count);
    result.profile = BusinessProfile::fromFields(fields);
    return result;
}

QStringList BusinessProfile::fields() const {
    return {name, address, poBox, city, st, zip, tel, fax, fein};
}

BusinessProfile BusinessProfile::fromFields(const QStringList& f) {
    const auto at = [&f](int i) {
        return i < f.size() ? f[i] : QString();
    };
    return {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8)};
}

QByteArray encodeProfile(const BusinessProfile& profile) {
    RecordWriter writer;
    for (const QString& field : profile.fields())
        writer.text(field);
    return writer.line();
}

ProfileRead readBusinessProfile(const DataFolder& folder) {
    if (!DataFileExists(folder, kBusinessFile))
        return {};
    return readProfileRecord(folder, kBusinessFile, kProfileFields);
}

FileResult saveProfileKeepingBackup(const DataFolder& folder, const BusinessProfile& profile) {
    return writeDataFile(folder, kBusinessFile, encodeProfile(profile));
}

FileResult saveProfileAsking(Desk& desk, const QString& title, const DataFolder& folder,
                             BusinessProfile& shown, const BusinessProfile& profile,
                             bool dropBackup, bool* keptOther) {
    if (keptOther)
        *keptOther = false;
    for (;;) {
        std::optional<BusinessProfile> other;
        const FileResult saved = underFolderLock(folder, [&] {
            const BusinessProfile now = readBusinessProfile(folder).profile;
            if (now != shown && now != profile) {
                other = now;
                return FileResult::success();
            }
            return dropBackup ? saveProfileDroppingBackup(folder, profile)
                              : saveProfileKeepingBackup(folder, profile);
        });
        if (!saved || !other)
            return saved;
        const QString named =
            other->name.trimmed().isEmpty()
                ? QCoreApplication::translate("BusinessProfile", "it now has no business name")
                : QCoreApplication::translate("BusinessProfile", "it now names %1")
                      .arg(other->name.trimmed());
        const MessageAnswer answer = desk.message(
            title,
            {QCoreApplication::translate(
                 "BusinessProfile",
                 "The business profile was changed by another program after this "
                 "form showed it: %1.")
                 .arg(named),
             QCoreApplication::translate(
                 "BusinessProfile", "Save the profile on this form over it? No keeps the other "
                                    "program's profile.")},
            MessageButtons::YesNo, MessageIcon::Question);
        shown = *other;
        if (answer != MessageAnswer::Yes) {
            if (keptOther)
                *keptOther = true;
            return FileResult::success();
        }
    }
}

FileResult saveProfileDroppingBackup(const DataFolder& folder, const BusinessProfile& profile) {
    return writeDataFileDroppingBackup(folder, kBusinessFile, encodeProfile(profile));
}

} // namespace pellar
