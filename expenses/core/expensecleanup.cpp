#include "expenses/core/expensecleanup.h"

#include "common/core/datafiles.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "expenses/core/expensefile.h"

#include <QFile>

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
    const pellar::RegionalSettings& regional = pellar::RegionalSettings::current();
    QByteArray kept;
    kept.reserve(table.recordCount() * kExpenseRecordLength);
    for (qsizetype i = 0; i < table.recordCount(); ++i) {
        const std::optional<QDate> date =
            pellar::parseShortDate(blankTrimmed(table.field(i, DateField)), regional);
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

CleanupOutcome removeExpensesBetween(const pellar::DataFolder& folder, QDate start, QDate end) {
    CleanupOutcome outcome;
    // An older version rewrote through this scratch file; one left by an interrupted run
    // is of no use to anybody. It is removed where it lies, not first restored from the
    // backup folder as data files are.
    const QString scratch = folder.filePath(kExpensesScratchFile);
    if (QFile::exists(scratch) && !QFile::remove(scratch)) {
        outcome.result =
            pellar::FileResult::failure(QStringLiteral("The file Temp.txt could not be deleted."));
        return outcome;
    }

    ExpenseFileBytes read = readExpenseFile(folder);
    if (!read.found)
        return outcome;
    outcome.fileFound = true;
    if (!read.problem.isEmpty()) {
        // Nothing is written over a file that could not be read.
        outcome.result = pellar::FileResult::failure(read.problem);
        return outcome;
    }
    const QByteArray kept = keptExpenseRecords(read.bytes, start, end, &outcome);
    if (outcome.removed == 0 && kept.size() == read.bytes.size())
        return outcome; // nothing to remove: the file stays as it is, untouched
    outcome.result = pellar::writeDataFile(folder, kExpensesFile, kept);
    if (!outcome.result) {
        outcome.removed = 0;
        outcome.kept = 0;
        outcome.keptUnreadable = 0;
    }
    return outcome;
}

QString cleanupReport(const CleanupOutcome& outcome) {
    if (!outcome.fileFound)
        return QStringLiteral("There is no expense file: no records were removed.");
    if (!outcome.result)
        return QStringLiteral("No records were removed.");
    QString text = outcome.removed == 1
                       ? QStringLiteral("1 record was removed; ")
                       : QStringLiteral("%1 records were removed; ").arg(outcome.removed);
    text += outcome.kept == 1 ? QStringLiteral("1 record is left.")
                              : QStringLiteral("%1 records are left.").arg(outcome.kept);
    if (outcome.keptUnreadable == 1)
        text += QStringLiteral(" 1 record whose date could not be read was kept.");
    else if (outcome.keptUnreadable > 1)
        text += QStringLiteral(" %1 records whose date could not be read were kept.")
                    .arg(outcome.keptUnreadable);
    return text;
}

} // namespace expenses
