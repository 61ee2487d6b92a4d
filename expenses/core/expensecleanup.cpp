#include "expenses/core/expensecleanup.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/fixedrecords.h"
#include "common/core/folderlock.h"
#include "common/core/regional.h"
#include "expenses/core/expensefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace expenses {

DateRange cleanupPresetRange(CleanupPreset preset, QDate today) {
    const QDate monthStart(today.year(), today.month(), 1);
    switch (preset) {
    case CleanupPreset::Eternity:
        return {QDate(2000, 1, 1), today};
    case CleanupPreset::MonthToDate:
        return {monthStart, today};
    case CleanupPreset::YearToDate:
        return {QDate(today.year(), 1, 1), today};
    case CleanupPreset::LastMonth:
        return {monthStart.addMonths(-1), monthStart.addDays(-1)};
    }
    return {today, today};
}

QByteArray keptExpenseRecords(QByteArrayView file, QDate start, QDate end,
                              CleanupOutcome* outcome) {
    CleanupOutcome counts;
    const pellar::FixedRecordTable table(expenseLayout(), file);
    QByteArray kept;
    kept.reserve(table.recordCount() * kExpenseRecordLength);
    for (qsizetype i = 0; i < table.recordCount(); ++i) {
        const std::optional<QDate> date = readRecordDate(blankTrimmed(table.field(i, DateField)));
        if (date && *date >= start && *date <= end) {
            ++counts.removed;
            continue;
        }
        if (!date)
            ++counts.keptUnreadable;
        ++counts.kept;
        const qsizetype at = i * kExpenseRecordLength;
        const qsizetype held = std::min<qsizetype>(kExpenseRecordLength, file.size() - at);
        kept.append(file.data() + at, held);
        if (held < kExpenseRecordLength)
            kept.append(QByteArray(kExpenseRecordLength - held, ' '));
    }
    if (outcome) {
        outcome->removed = counts.removed;
        outcome->kept = counts.kept;
        outcome->keptUnreadable = counts.keptUnreadable;
    }
    return kept;
}

namespace {

// The file as a cleanup found it, kept in the backup folder under the day's date so a range
// chosen wrongly can be undone. Two cleanups in one second each keep their own copy.
pellar::FileResult keepCopyBeforeCleanup(const pellar::DataFolder& folder, const QByteArray& bytes,
                                         const QDateTime& now, QString* copyPath) {
    const QString day = folder.backupFolderPath() + u'/' + now.date().toString(u"yyyy-MM-dd");
    const QString stem =
        day + QStringLiteral("/NewExpenses before cleanup ") + now.time().toString(u"HHmmss");
    QString path = stem + QStringLiteral(".txt");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral(" (%1).txt").arg(n);
    QString why;
    if (!QDir().mkpath(day))
        why = QCoreApplication::translate("ExpenseCleanup", "the folder %1 cannot be made")
                  .arg(QDir::toNativeSeparators(day));
    else
        why = pellar::replaceFile(path, bytes);
    if (!why.isEmpty())
        return pellar::FileResult::failure(
            QCoreApplication::translate(
                "ExpenseCleanup",
                "A copy of NewExpenses.txt is kept before every cleanup, and this one "
                "could not be made (%1). No records were removed.")
                .arg(why));
    *copyPath = path;
    return pellar::FileResult::success();
}

} // namespace

CleanupOutcome removeExpensesBetween(const pellar::DataFolder& folder, QDate start, QDate end,
                                     const QDateTime& now) {
    CleanupOutcome outcome;
    // An older version rewrote through this scratch file; one left by an interrupted run
    // is of no use to anybody. It is removed where it lies, not first restored from the
    // backup folder as data files are.
    const QString scratch = folder.filePath(kExpensesScratchFile);
    if (QFile::exists(scratch) && !QFile::remove(scratch)) {
        outcome.result = pellar::FileResult::failure(QCoreApplication::translate(
            "ExpenseCleanup", "The file Temp.txt could not be deleted."));
        return outcome;
    }
    // A restore from the backup folder tells the person; that happens before the lock.
    if (!pellar::DataFileExists(folder, kExpensesFile))
        return outcome;
    outcome.fileFound = true;

    // The records removed are picked from the file as it is now, under the lock, so an
    // expense another copy posted a moment ago is neither lost nor taken for an old one.
    CleanupOutcome counted;
    outcome.result = pellar::underFolderLock(folder, [&] {
        QString problem;
        const std::optional<QByteArray> bytes =
            pellar::readDataFile(folder, kExpensesFile, &problem);
        if (!bytes) // nothing is written over a file that could not be read
            return pellar::FileResult::failure(problem);
        const QByteArray kept = keptExpenseRecords(*bytes, start, end, &counted);
        if (counted.removed == 0 && kept.size() == bytes->size())
            return pellar::FileResult::success(); // nothing to remove: the file stays untouched
        if (pellar::FileResult copied =
                keepCopyBeforeCleanup(folder, *bytes, now, &outcome.copyPath);
            !copied)
            return copied;
        pellar::pausePoint("cleanup");
        return pellar::writeDataFile(folder, kExpensesFile, kept);
    });
    if (outcome.result) {
        outcome.removed = counted.removed;
        outcome.kept = counted.kept;
        outcome.keptUnreadable = counted.keptUnreadable;
    }
    return outcome;
}

QString cleanupReport(const CleanupOutcome& outcome) {
    if (!outcome.fileFound)
        return QCoreApplication::translate("ExpenseCleanup",
                                           "There is no expense file: no records were removed.");
    if (!outcome.result)
        return QCoreApplication::translate("ExpenseCleanup", "No records were removed.");
    QString text = outcome.removed == 1
                       ? QCoreApplication::translate("ExpenseCleanup", "1 record was removed; ")
                       : QCoreApplication::translate("ExpenseCleanup", "%1 records were removed; ")
                             .arg(outcome.removed);
    text += outcome.kept == 1
                ? QCoreApplication::translate("ExpenseCleanup", "1 record is left.")
                : QCoreApplication::translate("ExpenseCleanup", "%1 records are left.")
                      .arg(outcome.kept);
    if (outcome.keptUnreadable == 1)
        text += QCoreApplication::translate("ExpenseCleanup",
                                            " 1 record whose date could not be read was kept.");
    else if (outcome.keptUnreadable > 1)
        text += QCoreApplication::translate("ExpenseCleanup",
                                            " %1 records whose date could not be read were kept.")
                    .arg(outcome.keptUnreadable);
    if (!outcome.copyPath.isEmpty())
        text += QCoreApplication::translate("ExpenseCleanup", " The file as it was is kept in %1.")
                    .arg(QDir::toNativeSeparators(QFileInfo(outcome.copyPath).path()));
    return text;
}

} // namespace expenses
