#pragma once
// The checkbook data file of the separate check-writing program: one quoted-field record of
// seven fields. Only the balance (field 3) means anything here; the count (field 5) is
// always written back as " 4", and the rest is carried through exactly as read.

#include "common/core/currency.h"
#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace deposits {

using pellar::kCheckbookFile;

// Every data file this program writes, by base name, for the backup at exit: the checkbook
// file, the transactions log, the forms order, the business profile and the print offsets.
// A file the program comes to write is added here.
QStringList writtenFiles();

// The fields in file order: 1 and 2 carried, 3 the balance, 4 carried, 5 the count, 6 and 7
// carried.
struct CheckbookRecord {
    // Field 3: a currency amount in the regional format ("$1,234.56").
    QString balance;
    // Field 5: a number the check-writing program keeps as text. Read and ignored; always
    // written back as kCheckbookCount.
    QString count;
    // Fields 1, 2 and 4 (texts) and 6 and 7 (16-bit numbers) belong to the check-writing
    // program: carried through exactly as read.
    struct Carried {
        QString text1;
        QString text2;
        QString text4;
        qint16 number6 = 0;
        qint16 number7 = 0;
        bool operator==(const Carried&) const = default;
    } carried;

    bool operator==(const CheckbookRecord&) const = default;
};

// What the count field always becomes on writing.
inline constexpr const char16_t* kCheckbookCount = u" 4";

struct CheckbookRead {
    enum class Status { Missing, Damaged, Loaded };
    Status status = Status::Missing;
    CheckbookRecord record;
    pellar::Currency balance; // field 3 as a value, when Loaded
    QString problem;          // plain words naming the file, when Damaged
};

// Decodes a record. Damaged when it has fewer than seven fields, a field 6 or 7 that is not
// a 16-bit whole number, or a balance that is not a currency amount: such a record is not
// to be trusted, and nothing may be written back over it.
CheckbookRead decodeCheckbook(const QByteArray& bytes);

// The file in the data folder (DataFileExists first, which may restore it).
CheckbookRead readCheckbook(const pellar::DataFolder& folder);

QByteArray encodeCheckbook(const CheckbookRecord& record);

// The record with the deposit added to its balance, formatted in the regional currency
// format, and the count set to " 4". nullopt, with plain words in *problem, when the balance
// does not convert or the new balance would be too large to hold.
std::optional<CheckbookRecord> withDepositAdded(const CheckbookRecord& record,
                                                pellar::Currency deposit,
                                                QString* problem = nullptr);

// Replaces the file in one step, so the stored balance is never lost halfway.
pellar::FileResult writeCheckbook(const pellar::DataFolder& folder, const CheckbookRecord& record);

// What a person gives to start a checkbook file here, when the check-writing program has
// not made one: the texts as typed, the opening balance as an amount.
struct CheckbookStart {
    QString accountName;   // field 1
    QString bankName;      // field 2
    pellar::Currency openingBalance; // field 3, formatted in the regional currency format
    QString accountNumber; // field 4
    qint16 nextCheck = 1;  // field 6
};

// The record the check-writing program's own files hold for a new account: the count " 4"
// in field 5 and 1 in field 7. nullopt, with plain words in *problem, when a text cannot be
// kept in the file (a double quote, a line break, a character the file's code page lacks)
// or the next check number is not from 1 to 32,767.
std::optional<CheckbookRecord> newCheckbookRecord(const CheckbookStart& start,
                                                  QString* problem = nullptr);

// Writes a new checkbook file in one step under the folder lock. Refused, with nothing
// written, when one is there by then (another program made it meanwhile) or in the backup
// folder: a checkbook file is never written over by a new one.
pellar::FileResult createCheckbook(const pellar::DataFolder& folder, const CheckbookRecord& record);

} // namespace deposits
