#pragma once
// Removing the expense records of a date range for good: the file is rewritten with every
// other record, in order.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"
#include "expenses/core/expensefile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>

namespace expenses {

// The cleanup screen's ready-made ranges, numbered as its preset buttons.
enum class CleanupPreset { Eternity = 0, MonthToDate = 3, YearToDate = 4, LastMonth = 6 };
// Eternity starts on 1 January 2000; the others end today, except the last month, which is
// the whole of the month before this one.
DateRange cleanupPresetRange(CleanupPreset preset, QDate today);

struct CleanupOutcome {
    pellar::FileResult result;
    bool fileFound = false;
    qint64 removed = 0;
    qint64 kept = 0;
    // Kept because their date cannot be read: a record nobody can date is never deleted.
    qint64 keptUnreadable = 0;
    // The copy of the file as it was before the records went; empty when none was needed.
    QString copyPath;
};

// The records of the file's bytes that stay: those dated before start or after end, and
// those whose date cannot be read, byte for byte and in order. Void and archived records
// go like any other. A damaged trailing part of a record is padded to a whole record.
QByteArray keptExpenseRecords(QByteArrayView file, QDate start, QDate end, CleanupOutcome* outcome);

// Rewrites the expense file without the records dated from start to end, both included.
// The records are picked from the file as it is under the data-folder lock, and the rewrite
// follows under the same lock, so every record another copy added before or after stays.
// Before anything is removed, the file as it was is copied to
// "Backup/<yyyy-MM-dd>/NewExpenses before cleanup <HHmmss>.txt"; without that copy nothing
// is removed. The new file takes the old one's place in one rename, so an interruption
// leaves the old file or the new one. A leftover scratch file of an older interrupted
// rewrite is deleted first. Without an expense file nothing happens.
CleanupOutcome removeExpensesBetween(const pellar::DataFolder& folder, QDate start, QDate end,
                                     const QDateTime& now = QDateTime::currentDateTime());

// What the cleanup screen says afterwards.
QString cleanupReport(const CleanupOutcome& outcome);

} // namespace expenses
