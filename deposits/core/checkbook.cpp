#include "deposits/core/checkbook.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/printalignment.h"
#include "common/core/profile.h"
#include "common/core/records.h"
#include "common/core/regional.h"
#include "deposits/core/formsordered.h"
#include "deposits/core/transactionlog.h"

#include <limits>

namespace deposits {

namespace {

constexpr int kFields = 7;

QString damaged(const QString& why) {
    return QStringLiteral("The checkbook data file CheckbookInfo.txt is damaged: %1").arg(why);
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
        read.problem = damaged(
            QStringLiteral("it holds %1 of its %2 fields.").arg(reader.fieldsRead()).arg(kFields));
        return read;
    }
    if (!reader.ok() || !fitsSixteenBits(six) || !fitsSixteenBits(seven)) {
        read.problem = damaged(reader.ok() ? QStringLiteral("a number in it is out of range.")
                                           : reader.problem() + u'.');
        return read;
    }
    r.carried.number6 = qint16(six);
    r.carried.number7 = qint16(seven);

    const std::optional<pellar::Currency> balance = pellar::currencyValue(r.balance);
    if (!balance) {
        read.problem =
            damaged(QStringLiteral("the balance \"%1\" is not an amount of money.").arg(r.balance));
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
            *problem = damaged(QStringLiteral("the balance \"%1\" is not an amount of money.")
                                   .arg(record.balance));
        return std::nullopt;
    }
    const std::optional<pellar::Currency> sum = *balance + deposit;
    if (!sum) {
        if (problem)
            *problem = QStringLiteral("The checkbook balance %1 and this deposit add up to more "
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

} // namespace deposits
