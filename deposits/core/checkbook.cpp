#include "deposits/core/checkbook.h"

#include "common/core/ansi.h"
#include "common/core/backup.h"
#include "common/core/folderlock.h"
#include "common/core/datafiles.h"
#include "common/core/printalignment.h"
#include "common/core/profile.h"
#include "common/core/records.h"
#include "common/core/regional.h"
#include "deposits/core/formsordered.h"
#include "deposits/core/transactionlog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <limits>

namespace deposits {

namespace {

constexpr int kFields = 7;

QString damaged(const QString& why) {
    return QCoreApplication::translate("Checkbook",
                                       "The checkbook data file CheckbookInfo.txt is damaged: %1")
        .arg(why);
}

bool fitsSixteenBits(qint32 value) {
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

} // namespace

QStringList writtenFiles() {
    QStringList names;
    for (const char16_t* name : {kCheckbookFile, kTransactionsFile, kFormsOrderedFile,
                                 pellar::kBusinessFile, pellar::kPrintAlignmentFile})
        names << pellar::baseName(QStringView(name));
    return names;
}

CheckbookRead decodeCheckbook(const QByteArray& bytes) {
    CheckbookRead read;
    read.status = CheckbookRead::Status::Damaged;

    pellar::FreeFormatReader reader(bytes);
    CheckbookRecord& r = read.record;
    r.carried.text1 = reader.readText();
    r.carried.text2 = reader.readText();
    r.balance = reader.readText();
    r.carried.text4 = reader.readText();
    r.count = reader.readText();
    const qint32 six = reader.readInt32();
    const qint32 seven = reader.readInt32();
    if (reader.fieldsRead() < kFields) {
        read.problem =
            damaged(QCoreApplication::translate("Checkbook", "it holds %1 of its %2 fields.")
                        .arg(reader.fieldsRead())
                        .arg(kFields));
        return read;
    }
    if (!reader.ok() || !fitsSixteenBits(six) || !fitsSixteenBits(seven)) {
        read.problem = damaged(reader.ok() ? QCoreApplication::translate(
                                                 "Checkbook", "a number in it is out of range.")
                                           : reader.problem() + u'.');
        return read;
    }
    r.carried.number6 = qint16(six);
    r.carried.number7 = qint16(seven);

    const std::optional<pellar::Currency> balance = pellar::currencyValue(r.balance);
    if (!balance) {
        read.problem = damaged(QCoreApplication::translate(
                                   "Checkbook", "the balance \"%1\" is not an amount of money.")
                                   .arg(r.balance));
        return read;
    }
    read.balance = *balance;
    read.status = CheckbookRead::Status::Loaded;
    return read;
}

CheckbookRead readCheckbook(const pellar::DataFolder& folder) {
    if (!pellar::DataFileExists(folder, kCheckbookFile))
        return {};
    QString error;
    const std::optional<QByteArray> bytes = pellar::readDataFile(folder, kCheckbookFile, &error);
    if (!bytes) {
        CheckbookRead read;
        read.status = CheckbookRead::Status::Damaged;
        read.problem = error;
        return read;
    }
    return decodeCheckbook(*bytes);
}

QByteArray encodeCheckbook(const CheckbookRecord& record) {
    pellar::RecordWriter writer;
    writer.text(record.carried.text1)
        .text(record.carried.text2)
        .text(record.balance)
        .text(record.carried.text4)
        .text(record.count)
        .number(record.carried.number6)
        .number(record.carried.number7);
    return writer.line();
}

std::optional<CheckbookRecord> withDepositAdded(const CheckbookRecord& record,
                                                pellar::Currency deposit, QString* problem) {
    const std::optional<pellar::Currency> balance = pellar::currencyValue(record.balance);
    if (!balance) {
        if (problem)
            *problem = damaged(QCoreApplication::translate(
                                   "Checkbook", "the balance \"%1\" is not an amount of money.")
                                   .arg(record.balance));
        return std::nullopt;
    }
    const std::optional<pellar::Currency> sum = *balance + deposit;
    if (!sum) {
        if (problem)
            *problem = QCoreApplication::translate(
                           "Checkbook", "The checkbook balance %1 and this deposit add up to more "
                                        "than this program can hold; the balance was not changed.")
                           .arg(record.balance);
        return std::nullopt;
    }
    CheckbookRecord updated = record;
    updated.balance = pellar::formatCurrency(*sum);
    updated.count = QString::fromUtf16(kCheckbookCount);
    return updated;
}

pellar::FileResult writeCheckbook(const pellar::DataFolder& folder, const CheckbookRecord& record) {
    return pellar::writeDataFile(folder, kCheckbookFile, encodeCheckbook(record));
}

namespace {

// Why a typed text cannot go into a quoted field as it is; empty when it can.
QString unstorable(const QString& what, const QString& text) {
    if (text.contains(u'"'))
        return QCoreApplication::translate("Checkbook", "The %1 cannot hold a double quote (\").")
            .arg(what);
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("Checkbook",
                                               "The %1 cannot hold a line break or a tab.")
                .arg(what);
    }
    QString dropped;
    pellar::storableText(text, &dropped);
    if (!dropped.isEmpty())
        return QCoreApplication::translate("Checkbook",
                                           "The %1 holds characters the file cannot keep: %2")
            .arg(what, dropped);
    return {};
}

} // namespace

std::optional<CheckbookRecord> newCheckbookRecord(const CheckbookStart& start, QString* problem) {
    const QString texts[][2] = {
        {QCoreApplication::translate("Checkbook", "account name"), start.accountName},
        {QCoreApplication::translate("Checkbook", "bank name"), start.bankName},
        {QCoreApplication::translate("Checkbook", "account number"), start.accountNumber}};
    for (const auto& field : texts) {
        if (const QString why = unstorable(field[0], field[1]); !why.isEmpty()) {
            if (problem)
                *problem = why;
            return std::nullopt;
        }
    }
    if (start.nextCheck < 1) {
        if (problem)
            *problem = QCoreApplication::translate(
                "Checkbook", "The next check number must be from 1 to 32,767.");
        return std::nullopt;
    }
    CheckbookRecord record;
    record.carried.text1 = start.accountName.trimmed();
    record.carried.text2 = start.bankName.trimmed();
    record.balance = pellar::formatCurrency(start.openingBalance);
    record.carried.text4 = start.accountNumber.trimmed();
    record.count = QString::fromUtf16(kCheckbookCount);
    record.carried.number6 = start.nextCheck;
    record.carried.number7 = 1;
    return record;
}

pellar::FileResult createCheckbook(const pellar::DataFolder& folder, const CheckbookRecord& record) {
    // A copy in the backup folder comes back first: it is the person's checkbook.
    if (pellar::DataFileExists(folder, kCheckbookFile))
        return pellar::FileResult::failure(QCoreApplication::translate(
            "Checkbook",
            "A checkbook file CheckbookInfo.txt is already in the data folder; it was left as "
            "it is."));
    return pellar::underFolderLock(folder, [&] {
        if (QFileInfo::exists(folder.filePath(kCheckbookFile)))
            return pellar::FileResult::failure(QCoreApplication::translate(
                "Checkbook",
                "A checkbook file CheckbookInfo.txt appeared in the data folder meanwhile; it "
                "was left as it is."));
        return writeCheckbook(folder, record);
    });
}

} // namespace deposits
