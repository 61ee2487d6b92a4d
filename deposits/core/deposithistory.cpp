#include "deposits/core/deposithistory.h"

#include "common/core/csv.h"

#include "common/core/ansi.h"
#include "common/core/fixedrecordfile.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "deposits/core/transactionlog.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace deposits {

namespace {

constexpr int kDateWidth = 10;
constexpr int kDescriptionWidth = 35;

QString fieldText(QByteArrayView record, int offset, int width) {
    if (offset >= record.size())
        return {};
    return pellar::fromAnsi(record.sliced(offset, std::min<qsizetype>(width, record.size() - offset)))
        .trimmed();
}

// A CSV field, quoted when it holds a comma, a quote or a line break (quotes doubled).

} // namespace

QList<LoggedDeposit> decodeDepositLog(QByteArrayView bytes) {
    // The count as the log counts it (length / 60, rounded half to even): a short last
    // record that counts is read as far as it goes.
    const qint64 count = pellar::recordCountForLength(bytes.size(), kTransactionLength);
    QList<LoggedDeposit> log;
    log.reserve(count);
    for (qint64 n = 0; n < count; ++n) {
        const QByteArrayView record =
            bytes.sliced(n * kTransactionLength,
                         std::min<qint64>(kTransactionLength, bytes.size() - n * kTransactionLength));
        LoggedDeposit deposit;
        deposit.record = int(n + 1);
        deposit.dateText = fieldText(record, 0, kDateWidth);
        deposit.description = fieldText(record, kDateWidth, kDescriptionWidth);
        deposit.amountText = fieldText(record, kDateWidth + kDescriptionWidth,
                                       kTransactionLength - kDateWidth - kDescriptionWidth);
        deposit.date = pellar::parseShortDate(deposit.dateText);
        deposit.amount = pellar::Currency::fromDecimalText(deposit.amountText);
        log.append(std::move(deposit));
    }
    return log;
}

std::optional<QList<LoggedDeposit>> readDepositLog(const pellar::DataFolder& folder,
                                                   QString* error) {
    const pellar::FixedRecordFile file(folder, kTransactionsFile, kTransactionLength);
    const std::optional<QByteArray> bytes = file.bytes(error);
    if (!bytes)
        return std::nullopt;
    return decodeDepositLog(*bytes);
}

DepositHistory depositsBetween(const QList<LoggedDeposit>& log, QDate from, QDate to) {
    DepositHistory history;
    QList<LoggedDeposit> unreadable;
    for (const LoggedDeposit& deposit : log) {
        if (!deposit.readable())
            unreadable.append(deposit);
        else if (*deposit.date >= from && *deposit.date <= to)
            history.rows.append(deposit);
    }
    std::stable_sort(history.rows.begin(), history.rows.end(),
                     [](const LoggedDeposit& a, const LoggedDeposit& b) { return *a.date < *b.date; });
    history.total = pellar::Currency();
    for (const LoggedDeposit& deposit : history.rows) {
        history.total = history.total ? *history.total + *deposit.amount : std::nullopt;
        const int year = deposit.date->year(), month = deposit.date->month();
        if (history.months.isEmpty() || history.months.last().year != year ||
            history.months.last().month != month)
            history.months.append({year, month, 0, pellar::Currency()});
        MonthTotal& total = history.months.last();
        ++total.deposits;
        total.total = total.total ? *total.total + *deposit.amount : std::nullopt;
    }
    history.unreadable = int(unreadable.size());
    history.rows += unreadable;
    return history;
}


QByteArray depositHistoryCsv(const DepositHistory& history) {
    QString csv = QStringLiteral("Date,Description,Amount,Unreadable\r\n");
    for (const LoggedDeposit& deposit : history.rows) {
        const bool readable = deposit.readable();
        // Texts as the log holds them are quoted and made inert; what was read is plain.
        if (readable)
            csv += deposit.date->toString(Qt::ISODate);
        else
            pellar::appendQuoted(csv, deposit.dateText);
        csv += u',';
        pellar::appendQuoted(csv, deposit.description);
        csv += u',';
        if (readable)
            csv += pellar::plainAmount(*deposit.amount);
        else
            pellar::appendQuoted(csv, deposit.amountText);
        csv += readable ? QStringLiteral(",\r\n") : QStringLiteral(",yes\r\n");
    }
    return csv.toUtf8();
}

QString depositCopyFolder(QDate date) {
    return QStringLiteral("Deposits/%1").arg(date.year());
}

QString depositCopyBaseName(QDate date, pellar::Currency amount) {
    return date.toString(QStringLiteral("yyyy-MM-dd")) + u' ' + pellar::plainAmount(amount);
}

QString depositCopyPath(const pellar::DataFolder& folder, const QList<LoggedDeposit>& log,
                        int index) {
    if (index < 0 || index >= log.size() || !log[index].readable())
        return {};
    const LoggedDeposit& wanted = log[index];
    int before = 0;
    for (int i = 0; i < index; ++i) {
        if (log[i].readable() && *log[i].date == *wanted.date && *log[i].amount == *wanted.amount)
            ++before;
    }
    const QString base = depositCopyBaseName(*wanted.date, *wanted.amount);
    const QString name = before == 0 ? base + QStringLiteral(".pdf")
                                     : QStringLiteral("%1 (%2).pdf").arg(base).arg(before + 1);
    const QString path =
        QDir(QDir(folder.path()).filePath(depositCopyFolder(*wanted.date))).filePath(name);
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace deposits
