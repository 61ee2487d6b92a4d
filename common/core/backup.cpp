#include "common/core/backup.h"

#include "common/core/datafiles.h"

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
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError || !replaceFile(to, bytes).isEmpty())
        return false;
    // The copy must be an ordinary writable data file even when its source was read-only.
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner |
                                  QFileDevice::ReadOwner);
    return true;
}

} // namespace

FileResult MakeBackupFolder(const DataFolder& data) {
    const QString folder = data.backupFolderPath();
    if (QFileInfo::exists(folder))
        return FileResult::success();
    if (!QDir().mkdir(folder))
        return FileResult::failure(
            QStringLiteral("The backup folder %1 could not be created.").arg(folder));
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
        return FileResult::failure(QStringLiteral("The file %1 could not be deleted: %2")
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
    const QString to = folder.filePath(target);
    if (!isFile(from))
        return FileResult::failure(
            QStringLiteral("The file %1 could not be found.").arg(shortName(source)));
    // One rename replaces the target, so there is never a moment without it.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), error);
    if (error)
        return FileResult::failure(
            QStringLiteral("The file %1 could not be replaced: %2")
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
        const QString backup = folder.backupFolderPath() + u'/' + name;
        // The old copy is replaced by a rename, not deleted first, so an exit cut short at
        // any moment still leaves a backup copy behind.
        const bool ok = !(isFile(backup) && isReadOnly(backup)) && !QFileInfo(backup).isDir() &&
                        copyFile(data, backup);
        if (!ok) {
            if (outcome.complete)
                outcome = {false, name};
            if (stopAtFailure)
                break;
        }
    }
    return outcome;
}

} // namespace pellar
