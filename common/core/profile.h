#pragma once
// The business profile shared by all three programs: nine text fields, one quoted-field
// record in "\MyBusinessData.txt".

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellar {

class Desk;

struct BusinessProfile {
    QString name;    // business name
    QString address; // street address
    QString poBox;   // PO box or suite
    QString city;
    QString st; // state
    QString zip;
    QString tel;
    QString fax;  // fax or e-mail
    QString fein; // FEIN or VAT number

    QStringList fields() const;
    static BusinessProfile fromFields(const QStringList& fields); // missing fields empty

    bool operator==(const BusinessProfile&) const = default;
};

inline constexpr const char16_t* kBusinessFile = u"\\MyBusinessData.txt";

QByteArray encodeProfile(const BusinessProfile& profile);

struct ProfileRead {
    BusinessProfile profile;
    bool found = false; // the file existed (perhaps after a restore)
    QString problem;    // non-empty when the record was short or unreadable
};

// Reads up to `count` text fields of a profile file; a short record keeps what it has and
// says so in `problem`.
ProfileRead readProfileRecord(const DataFolder& folder, QStringView name, int count);

// Reads the profile (DataFileExists first, which may restore it). A missing file gives
// empty fields and found = false; a short record keeps what it has.
ProfileRead readBusinessProfile(const DataFolder& folder);

// The invoicing program's writer: the backup copy is left alone.
FileResult saveProfileKeepingBackup(const DataFolder& folder, const BusinessProfile& profile);
// The deposit program's writer: the backup copy is deleted first.
FileResult saveProfileDroppingBackup(const DataFolder& folder, const BusinessProfile& profile);

// A setup form's save of the profile. `shown` is the profile as the form was filled from the
// file. Under the folder lock the file is read again; when another program has saved a
// different profile meanwhile, nothing is written and the person is asked (the lock let go
// while the question is open) whether to save the form's profile over it. No keeps the other
// program's: `shown` then holds it, for the form to show, and *keptOther is set. Yes saves,
// after the same check once more.
FileResult saveProfileAsking(Desk& desk, const QString& title, const DataFolder& folder,
                             BusinessProfile& shown, const BusinessProfile& profile,
                             bool dropBackup, bool* keptOther = nullptr);

// The fields of the profile file.
inline constexpr int kProfileFields = 9;

} // namespace pellar
