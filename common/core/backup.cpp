#include "common/core/backup.h"

#include "common/core/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace pellar {

namespace {

QString shortName(QStringView name) {
    QString text = name.toString();
    text.replace(u'\\', u'/');
    return text.section(u'/', -1);
}

bool isFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// A copy the person marked read-only is treated as locked, on every platform alike.
bool isReadOnly(const QString& path) {
    return !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

// Through a temporary file beside the target and a rename: a copy cut short (a full disk, a
// kill) leaves the target as it was, never half a file and never none.
bool copyFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly) || source.size() > kMaxDataFileBytes)
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError || !replaceFile(to, bytes).isEmpty())
        return false;
    // The copy must be an ordinary writable data file even when its source was read-only.
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner |
                                  QFileDevice::ReadOwner);
    return true;
}

// A copy in the backup folder: the old copy is replaced by a rename, not deleted first, so an
// exit cut short at any moment still leaves a copy behind. A symbolic link found there is
// removed, never written through: the backup folder is written to unasked at every exit,
// and a link could point it at any file.
bool copyInto(const QString& data, const QString& backup) {
    const QFileInfo info(backup);
    if (info.isSymLink() && !QFile::remove(backup))
        return false;
    if (!info.isSymLink() && ((isFile(backup) && isReadOnly(backup)) || info.isDir()))
        return false;
    return copyFile(data, backup);
}

bool isDayFolderName(const QString& name) {
    return name.size() == 10 && QDate::fromString(name, Qt::ISODate).isValid();
}

} // namespace

QString baseName(QStringView name) {
    return shortName(name);
}

QString datedBackupFolderPath(const DataFolder& folder, QDate day) {
    return folder.backupFolderPath() + u'/' + day.toString(Qt::ISODate);
}

bool copyToDatedBackup(const DataFolder& folder, const QStringList& baseNames, QDate day) {
    const QString dayFolder = datedBackupFolderPath(folder, day);
    const QFileInfo dayInfo(dayFolder);
    if (dayInfo.isSymLink() || (dayInfo.exists() && !dayInfo.isDir()) ||
        (!dayInfo.exists() && !QDir().mkpath(dayFolder)))
        return false;
    bool complete = true;
    for (const QString& name : baseNames) {
        const QString data = folder.path() + u'/' + name;
        if (isFile(data) && !copyInto(data, dayFolder + u'/' + name))
            complete = false;
    }
    // The last days on which a program ran, by the folders' names; other entries of the
    // backup folder are never touched.
    QStringList days;
    const QDir backups(folder.backupFolderPath());
    for (const QString& name : backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (isDayFolderName(name) && !QFileInfo(backups.filePath(name)).isSymLink())
            days << name;
    }
    while (days.size() > kDatedBackupDays)
        QDir(backups.filePath(days.takeFirst())).removeRecursively();
    return complete;
}

FileResult MakeBackupFolder(const DataFolder& data) {
    const QString folder = data.backupFolderPath();
    const QFileInfo info(folder);
    if (info.isDir())
        return FileResult::success();
    if (info.exists() || info.isSymLink())
        return FileResult::failure(
            QCoreApplication::translate(
                "Backup", "The backup folder %1 could not be created: a file of that name is "
                          "in the way.")
                .arg(folder));
    if (!QDir().mkdir(folder))
        return FileResult::failure(
            QCoreApplication::translate("Backup", "The backup folder %1 could not be created.")
                .arg(folder));
    return FileResult::success();
}

bool DataFileExists(const DataFolder& folder, QStringView name) {
    const QString path = folder.filePath(name);
    if (isFile(path))
        return true;
    const QString backup = folder.backupFilePath(name);
    if (!isFile(backup))
        return false;
    // A copy that cannot be put back leaves the file missing; the caller uses its defaults
    // and the backup copy stays for another try.
    if (!copyFile(backup, path))
        return false;
    folder.restored(name.toString());
    return true;
}

FileResult KillDataFile(const DataFolder& folder, QStringView name) {
    if (!DataFileExists(folder, name))
        return FileResult::success();
    QFile file(folder.filePath(name));
    if (!file.remove())
        return FileResult::failure(
            QCoreApplication::translate("Backup", "The file %1 could not be deleted: %2")
                .arg(shortName(name), file.errorString()));
    return FileResult::success();
}

FileResult DeleteDataFileAndBackup(const DataFolder& folder, QStringView name) {
    if (const FileResult backup = KillDataFile(folder, QStringLiteral("/Backup") + name.toString());
        !backup)
        return backup;
    return KillDataFile(folder, name);
}

FileResult MoveDataFile(const DataFolder& folder, QStringView source, QStringView target) {
    const QString from = folder.filePath(source);
    QString to = folder.filePath(target);
    // A data file that is a symbolic link is replaced where the link points, as every other
    // save writes through it; the link itself stays.
    if (const QFileInfo link(to); link.isSymLink()) {
        to = link.symLinkTarget();
        if (QFileInfo(from).canonicalPath() != QFileInfo(to).canonicalPath()) {
            // Another folder may be another disk, where a rename cannot reach: copied
            // there whole and atomically, then the scratch file goes.
            QFile scratch(from);
            if (!scratch.open(QIODevice::ReadOnly))
                return FileResult::failure(
                    QCoreApplication::translate("Backup", "The file %1 could not be read: %2")
                        .arg(shortName(source), scratch.errorString()));
            const QByteArray bytes = scratch.readAll();
            scratch.close();
            if (const QString why = replaceFile(to, bytes); !why.isEmpty())
                return FileResult::failure(
                    QCoreApplication::translate("Backup", "The file %1 could not be replaced: %2")
                        .arg(shortName(target), why));
            QFile::remove(from);
            return FileResult::success();
        }
    }
    if (!isFile(from))
        return FileResult::failure(
            QCoreApplication::translate("Backup", "The file %1 could not be found.")
                .arg(shortName(source)));
    // One rename replaces the target, so there is never a moment without it.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), error);
    if (error)
        return FileResult::failure(
            QCoreApplication::translate("Backup", "The file %1 could not be replaced: %2")
                .arg(shortName(target), QString::fromLocal8Bit(error.message())));
    return FileResult::success();
}

BackupOutcome copyToBackup(const DataFolder& folder, const QStringList& baseNames,
                           bool stopAtFailure) {
    BackupOutcome outcome;
    for (const QString& name : baseNames) {
        const QString data = folder.path() + u'/' + name;
        if (!isFile(data))
            continue;
        if (!copyInto(data, folder.backupFolderPath() + u'/' + name)) {
            if (outcome.complete)
                outcome = {false, name};
            if (stopAtFailure)
                break;
        }
    }
    return outcome;
}

} // namespace pellar
