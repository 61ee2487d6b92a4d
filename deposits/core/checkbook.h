#pragma once
// The checkbook data file of the separate check-writing program: one quoted-field record of
// seven fields. Only the balance (field 3) means anything here; the rest is carried through
// exactly as read, and field 5 is always written back as " 4".

#include "common/core/currency.h"
#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QString>

namespace deposits {

inline constexpr const char16_t* kCheckbookFile = u"\\CheckbookInfo.txt";

struct CheckbookRecord {
    QString field1;
    QString field2;
    QString balance; // field 3: a currency amount in the regional format ("$1,234.56")
    QString field4;
    QString field5; // read and ignored
    qint16 field6 = 0;
    qint16 field7 = 0;

    bool operator==(const CheckbookRecord&) const = default;
};

// What field 5 always becomes on writing.
inline constexpr const char16_t* kCheckbookField5 = u" 4";

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
// format, and field 5 set to " 4". nullopt, with plain words in *problem, when the balance
// does not convert or the new balance would be too large to hold.
std::optional<CheckbookRecord> withDepositAdded(const CheckbookRecord& record,
                                                pellar::Currency deposit,
                                                QString* problem = nullptr);

// Replaces the file in one step, so the stored balance is never lost halfway.
pellar::FileResult writeCheckbook(const pellar::DataFolder& folder, const CheckbookRecord& record);

} // namespace deposits
