#pragma once
// The backup folder, the existence test that restores a missing file from it, and the
// deletions that keep a data file and its backup copy consistent.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

namespace pellar {

// Creates data folder + "\Backup" unless a folder or file of that name exists.
FileResult MakeBackupFolder(const DataFolder& folder);

// True when the file exists in the data folder, possibly after copying it back from the
// backup folder (then the restore notice runs).
bool DataFileExists(const DataFolder& folder, QStringView name);

// Deletes the file from the data folder when DataFileExists finds it. A file that exists
// only in the backup folder is restored and then deleted, so the backup copy stays.
FileResult KillDataFile(const DataFolder& folder, QStringView name);

// The backup copy first, then the data file, so the second deletion cannot restore the
// file it is about to delete.
FileResult DeleteDataFileAndBackup(const DataFolder& folder, QStringView name);

// Puts the source file in the target's place. The target is replaced in one rename, so at
// no moment is there no target file.
FileResult MoveDataFile(const DataFolder& folder, QStringView source, QStringView target);

// Copies each named file (data folder + "/" + base name) into the backup folder,
// replacing an older copy; a name that does not exist is skipped. Stops at the first
// failure when stopAtFailure is set, else goes on.
struct BackupOutcome {
    bool complete = true;
    QString failedName; // the first name that could not be copied
};
BackupOutcome copyToBackup(const DataFolder& folder, const QStringList& baseNames,
                           bool stopAtFailure);

// The backup folder's copy of a day: "Backup/<yyyy-MM-dd>".
QString datedBackupFolderPath(const DataFolder& folder, QDate day);
// Copies each named file into the day's folder (made when missing), then removes the
// oldest day folders beyond the last kDatedBackupDays. Failures are passed over: the plain
// copies made first are what a restore uses. False when any copy failed.
inline constexpr int kDatedBackupDays = 10;
bool copyToDatedBackup(const DataFolder& folder, const QStringList& baseNames, QDate day);

// A data file's base name: its constant without the leading separator.
QString baseName(QStringView name);

} // namespace pellar
