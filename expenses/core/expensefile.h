#pragma once
// The expense file "\NewExpenses.txt": every posted expense line as one 145-byte fixed
// record, in posting order. Other programs of the family write the same layout into it and
// mark records "Void Check" or "Archived", which this program never writes.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"
#include "common/core/fixedrecords.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace expenses {

inline constexpr const char16_t* kExpensesFile = u"\\NewExpenses.txt";
// The scratch file an interrupted rewrite of older versions may have left behind.
inline constexpr const char16_t* kExpensesScratchFile = u"\\Temp.txt";
// Left over from older versions; the expense form removes it when it opens.
inline constexpr const char16_t* kLeftoverExpensesFile = u"\\TempExpenses.txt";
inline constexpr int kExpenseRecordLength = 145;

// Every data file this program writes, by base name, for the backup at exit: the expenses,
// the contacts, the categories and the print offsets (never the scratch files). A file the
// program comes to write is added here.
QStringList writtenFiles();

// Field order and widths: date 10, paid to 30, for 35, amount 15, payment method 20,
// reference 25, status 10.
enum ExpenseField {
    DateField,
    PaidToField,
    ForField,
    AmountField,
    PaymentMethodField,
    ReferenceField,
    StatusField
};
const pellar::FixedRecordLayout& expenseLayout();

// The forms of payment, in the order the entry screen offers them.
enum PaymentOption { PayByCheck, PayByCash, PayByCreditCard, PayByEBill, PaymentOptionCount };
// "Check " (with its blank), "Cash", "Credit Card", "E-Bill Payment".
QString paymentMethodText(int option);

inline constexpr QStringView kVoidCheck = u"Void Check";
inline constexpr QStringView kArchivedStatus = u"Archived";
inline constexpr QStringView kOpenStatus = u"Open";

// A period of days, both ends included: what the review lists and what a cleanup removes.
struct DateRange {
    QDate start;
    QDate end;
    bool operator==(const DateRange&) const = default;
};

struct ExpenseRecord {
    QString date;
    QString paidTo;
    QString forWhat; // the category, or "Finance Charge"
    QString amount;  // text: the currency form, or a finance charge as typed
    QString paymentMethod;
    QString reference; // check number or card company; blank for cash and e-bills
    QString status;
    bool operator==(const ExpenseRecord&) const = default;
};

// A record as the entry screen makes it: the date in the short date form, the amount text
// unchanged, status "Open"; the reference only for a check or a credit card.
ExpenseRecord FillExpenseRecord(QDate date, const QString& amountText, const QString& category,
                                const QString& payee, int paymentOption, const QString& reference);

// Each field cut to its width in bytes and padded with blanks.
QByteArray encodeExpense(const ExpenseRecord& record);
// Each field with its blanks trimmed.
ExpenseRecord decodeExpense(QByteArrayView record);

using pellar::blankTrimmed;

// A record's date, stored in the short date form of the region it was written under: read
// in today's form, or else in the other usual form when its separator leaves no doubt which
// that is ("12/7/2026" month first, "07.12.2026" day first) and today's form does not use
// that separator itself.
std::optional<QDate> readRecordDate(QStringView text);

// Whether text stored in a field of that width comes back whole.
bool fitsField(ExpenseField field, const QString& text);

// The number of records: file length / 145 rounded; 0 without a file (which may first be
// restored from the backup folder).
qint64 expenseRecordCount(const pellar::DataFolder& folder);

// How many more records the file can take before it holds the most a record number can
// reach. A damaged trailing part of a record counts as a record: appending keeps it.
qint64 expenseRoomLeft(const pellar::DataFolder& folder);

// Appends the records after the last one, in one write, under the data-folder lock and at
// the end of the file as it is at that moment. Refused, with nothing written, when the file
// has no room for all of them; then *roomWhenFull (when given) is how many it can take.
// Earlier bytes are never touched; a damaged trailing part of a record is padded to a whole
// record rather than overwritten.
pellar::FileResult appendExpenseRecords(const pellar::DataFolder& folder,
                                        const QList<ExpenseRecord>& records,
                                        qint64* roomWhenFull = nullptr);
pellar::FileResult WriteExpenseRecord(const pellar::DataFolder& folder,
                                      const ExpenseRecord& record);

// The whole file in one read. found = false when there is no file.
struct ExpenseFileBytes {
    bool found = false;
    QByteArray bytes;
    QString problem; // plain words when the file exists but could not be read
};
ExpenseFileBytes readExpenseFile(const pellar::DataFolder& folder);

// Record k (from 1), trimmed; nullopt with plain words in *error when it cannot be read.
std::optional<ExpenseRecord> readExpenseRecord(const pellar::DataFolder& folder, qint64 record,
                                               QString* error = nullptr);

} // namespace expenses
