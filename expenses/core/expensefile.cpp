#include "expenses/core/expensefile.h"

#include "common/core/ansi.h"
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/fixedrecordfile.h"
#include "common/core/folderlock.h"
#include "common/core/printalignment.h"
#include "common/core/regional.h"
#include "expenses/core/categories.h"
#include "expenses/core/contacts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace expenses {

QStringList writtenFiles() {
    QStringList names;
    for (const char16_t* name :
         {kExpensesFile, kContactsFile, kCategoriesFile, pellar::kPrintAlignmentFile})
        names << pellar::baseName(QStringView(name));
    return names;
}

namespace {

// Whole records, a damaged trailing part counted as one.
qint64 recordsStarted(qint64 fileLength) {
    return (fileLength + kExpenseRecordLength - 1) / kExpenseRecordLength;
}

qint64 fileLength(const pellar::DataFolder& folder) {
    if (!pellar::DataFileExists(folder, kExpensesFile))
        return 0;
    return QFileInfo(folder.filePath(kExpensesFile)).size();
}

pellar::FixedRecordFile expenseFile(const pellar::DataFolder& folder) {
    return {folder, kExpensesFile, kExpenseRecordLength};
}

} // namespace

const pellar::FixedRecordLayout& expenseLayout() {
    static const pellar::FixedRecordLayout layout{10, 30, 35, 15, 20, 25, 10};
    return layout;
}

QString paymentMethodText(int option) {
    switch (option) {
    case PayByCheck:
        return QStringLiteral("Check ");
    case PayByCash:
        return QStringLiteral("Cash");
    case PayByCreditCard:
        return QStringLiteral("Credit Card");
    case PayByEBill:
        return QStringLiteral("E-Bill Payment");
    default:
        return {};
    }
}

ExpenseRecord FillExpenseRecord(QDate date, const QString& amountText, const QString& category,
                                const QString& payee, int paymentOption, const QString& reference) {
    ExpenseRecord record;
    record.date = pellar::formatShortDate(date);
    record.paidTo = payee;
    record.forWhat = category;
    record.amount = amountText;
    record.paymentMethod = paymentMethodText(paymentOption);
    if (paymentOption == PayByCheck || paymentOption == PayByCreditCard)
        record.reference = reference;
    record.status = kOpenStatus.toString();
    return record;
}

QByteArray encodeExpense(const ExpenseRecord& record) {
    return expenseLayout().pack({record.date, record.paidTo, record.forWhat, record.amount,
                                 record.paymentMethod, record.reference, record.status});
}

ExpenseRecord decodeExpense(QByteArrayView bytes) {
    const pellar::FixedRecordLayout& layout = expenseLayout();
    const auto field = [&](ExpenseField f) {
        return blankTrimmed(layout.field(bytes, f)).toString();
    };
    return {field(DateField),          field(PaidToField),    field(ForField),   field(AmountField),
            field(PaymentMethodField), field(ReferenceField), field(StatusField)};
}

std::optional<QDate> readRecordDate(QStringView text) {
    const pellar::RegionalSettings& regional = pellar::RegionalSettings::current();
    if (const std::optional<QDate> date = pellar::parseShortDate(text, regional))
        return date;
    for (const auto& [separator, form] : {std::pair{u'/', u"M/d/yyyy"}, {u'.', u"d.M.yyyy"}}) {
        if (regional.shortDateFormat.contains(separator) || !text.contains(separator))
            continue;
        pellar::RegionalSettings other = regional;
        other.shortDateFormat = QString::fromUtf16(form);
        return pellar::parseShortDate(text, other);
    }
    return std::nullopt;
}

bool fitsField(ExpenseField field, const QString& text) {
    return pellar::toAnsi(text).size() <= expenseLayout().width(field);
}

qint64 expenseRecordCount(const pellar::DataFolder& folder) {
    return expenseFile(folder).count();
}

qint64 expenseRoomLeft(const pellar::DataFolder& folder) {
    return std::max<qint64>(0, pellar::kMaxRecords - recordsStarted(fileLength(folder)));
}

pellar::FileResult appendExpenseRecords(const pellar::DataFolder& folder,
                                        const QList<ExpenseRecord>& records, qint64* roomWhenFull) {
    if (records.isEmpty())
        return pellar::FileResult::success();
    QByteArray bytes;
    bytes.reserve(records.size() * kExpenseRecordLength);
    for (const ExpenseRecord& record : records)
        bytes += encodeExpense(record);
    // A missing file is restored from the backup folder (and the person told) before the
    // lock is taken, never while it is held.
    pellar::DataFileExists(folder, kExpensesFile);
    // The end of the file is found under the lock: another copy's cleanup may have shortened
    // the file since anything was read, and a position worked out before would leave a gap.
    return pellar::underFolderLock(folder, [&] {
        const qint64 started = recordsStarted(QFileInfo(folder.filePath(kExpensesFile)).size());
        if (started + records.size() > pellar::kMaxRecords) {
            const qint64 room = std::max<qint64>(0, pellar::kMaxRecords - started);
            if (roomWhenFull)
                *roomWhenFull = room;
            return pellar::FileResult::failure(
                QCoreApplication::translate(
                    "ExpenseFile", "The file NewExpenses.txt holds %1 records and has room for %2 "
                                   "more; nothing was written.")
                    .arg(started)
                    .arg(room));
        }
        // All the records or none: a write cut short leaves the file as it was.
        return expenseFile(folder).append(bytes);
    });
}

pellar::FileResult WriteExpenseRecord(const pellar::DataFolder& folder,
                                      const ExpenseRecord& record) {
    return appendExpenseRecords(folder, {record});
}

ExpenseFileBytes readExpenseFile(const pellar::DataFolder& folder) {
    ExpenseFileBytes read;
    if (!pellar::DataFileExists(folder, kExpensesFile))
        return read;
    read.found = true;
    if (std::optional<QByteArray> bytes =
            pellar::readDataFile(folder, kExpensesFile, &read.problem))
        read.bytes = std::move(*bytes);
    return read;
}

std::optional<ExpenseRecord> readExpenseRecord(const pellar::DataFolder& folder, qint64 record,
                                               QString* error) {
    if (record < 1 || record > expenseRecordCount(folder)) {
        if (error)
            *error = QCoreApplication::translate("ExpenseFile",
                                                 "The file NewExpenses.txt has no record %1.")
                         .arg(record);
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = expenseFile(folder).record(record, error);
    if (!bytes)
        return std::nullopt;
    return decodeExpense(*bytes);
}

} // namespace expenses
