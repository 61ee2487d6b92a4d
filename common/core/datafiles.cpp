#include "common/core/datafiles.h"

#include "common/core/backup.h"
#include "common/core/fixedrecords.h"
#include "common/core/folderlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pellar {

namespace {

// The name without its leading separators, with "\" turned into "/".
QString relativeName(QStringView name) {
    QString relative = name.toString();
    relative.replace(u'\\', u'/');
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    return relative;
}

QString displayName(QStringView name) {
    return QFileInfo(relativeName(name)).fileName();
}

FileResult writeFailure(QStringView name, const QString& why) {
    return FileResult::failure(
        QCoreApplication::translate("DataFiles", "The file %1 could not be written: %2")
            .arg(displayName(name), why));
}

// Why a write stopped short, in plain words. A write cut off by a full disk, a quota or a
// size limit may end with no error recorded at all, or with "Unknown error".
QString shortWriteReason(const QFileDevice& file) {
    const QString full = QCoreApplication::translate(
        "DataFiles", "the disk or quota is full, or the file cannot grow any "
                     "larger");
    const QString said = file.errorString();
    if (file.error() == QFileDevice::NoError || said.isEmpty() ||
        said == QLatin1String("Unknown error"))
        return full;
    return full + QStringLiteral(" (") + said + u')';
}

// A file far larger than any data file of the family can be is not read at all: it is
// damaged or not one of ours, and reading it whole could take all the memory there is.
QString tooLarge(QStringView name, qint64 size) {
    return QCoreApplication::translate(
               "DataFiles", "The file %1 is %2 MB, far larger than a file of its kind can be, so "
                            "it was not read. Nothing has been written over it.")
        .arg(displayName(name))
        .arg(size / (1024 * 1024));
}

} // namespace

QString replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Every byte must be on its way to the disk before the new file takes the old one's
    // place: commit() alone would rename a short file over a whole one when the last
    // buffered bytes do not fit.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString why = shortWriteReason(file);
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return shortWriteReason(file);
    return {};
}

DataFolder::DataFolder(const QString& path, RestoreNotice notice)
    : m_path(QDir::cleanPath(path))
    , m_notice(std::move(notice)) {}

QString DataFolder::filePath(QStringView name) const {
    return m_path + u'/' + relativeName(name);
}

QString DataFolder::backupFolderPath() const {
    return m_path + QStringLiteral("/Backup");
}

QString DataFolder::backupFilePath(QStringView name) const {
    return backupFolderPath() + u'/' + relativeName(name);
}

std::optional<QByteArray> readDataFile(const DataFolder& folder, QStringView name, QString* error) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("DataFiles", "The file %1 could not be read: %2")
                         .arg(displayName(name), file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxDataFileBytes) {
        if (error)
            *error = tooLarge(name, file.size());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QCoreApplication::translate("DataFiles", "The file %1 could not be read: %2")
                         .arg(displayName(name), file.errorString());
        return std::nullopt;
    }
    return bytes;
}

FileResult writeDataFile(const DataFolder& folder, QStringView name, const QByteArray& bytes) {
    // Every write of a data file is under the folder's lock, even one whose caller did not
    // read the file first; a caller that did holds the lock already (it is re-entrant).
    const FolderLock lock(folder);
    if (!lock)
        return writeFailure(name, lock.error());
    if (const QString why = replaceFile(folder.filePath(name), bytes); !why.isEmpty())
        return writeFailure(name, why);
    return FileResult::success();
}

FileResult writeDataFileDroppingBackup(const DataFolder& folder, QStringView name,
                                       const QByteArray& bytes) {
    if (const FileResult dropped =
            KillDataFile(folder, QStringLiteral("/Backup") + name.toString());
        !dropped)
        return dropped;
    return writeDataFile(folder, name, bytes);
}

std::optional<QByteArray> readRecord(const DataFolder& folder, QStringView name, int recordLength,
                                     qint64 recordNumber, QString* error) {
    QFile file(folder.filePath(name));
    if (recordLength <= 0 || recordNumber < 1 || !file.open(QIODevice::ReadOnly) ||
        !file.seek((recordNumber - 1) * recordLength)) {
        if (error)
            *error = QCoreApplication::translate("DataFiles",
                                                 "Record %1 of the file %2 could not be read.")
                         .arg(recordNumber)
                         .arg(displayName(name));
        return std::nullopt;
    }
    QByteArray record = file.read(recordLength);
    if (record.size() < recordLength)
        record.append(QByteArray(recordLength - record.size(), ' '));
    return record;
}

FileResult writeRecord(const DataFolder& folder, QStringView name, int recordLength,
                       qint64 recordNumber, const QByteArray& record) {
    if (recordLength <= 0 || recordNumber < 1 || recordNumber > kMaxRecords)
        return writeFailure(
            name, QCoreApplication::translate("DataFiles", "record number %1 is out of range")
                      .arg(recordNumber));
    QByteArray bytes = record.left(recordLength);
    bytes.append(QByteArray(recordLength - bytes.size(), ' '));
    return writeInPlace(folder, name, (recordNumber - 1) * recordLength, bytes);
}

FileResult writeInPlace(const DataFolder& folder, QStringView name, qint64 offset,
                        const QByteArray& bytes) {
    if (offset < 0)
        return writeFailure(
            name, QCoreApplication::translate("DataFiles", "the place to write is out of range"));
    const FolderLock lock(folder);
    if (!lock)
        return writeFailure(name, lock.error());
    const QString path = folder.filePath(name);
    const bool existed = QFileInfo::exists(path);
    // Unbuffered, so a write that does not fit fails here and not in a later flush.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return writeFailure(name, file.errorString());
    const qint64 oldSize = file.size();
    QByteArray data = bytes;
    // Written past the end, the gap becomes blanks, never a hole of NULs.
    if (oldSize < offset)
        data.prepend(QByteArray(offset - oldSize, ' '));
    const qint64 start = std::min(oldSize, offset);
    QByteArray overwritten;
    if (start < oldSize) {
        if (!file.seek(start))
            return writeFailure(name, file.errorString());
        overwritten = file.read(std::min<qint64>(data.size(), oldSize - start));
        if (overwritten.size() != std::min<qint64>(data.size(), oldSize - start))
            return writeFailure(name, file.errorString());
    }
    if (file.seek(start) && file.write(data) == data.size() && file.flush())
        return FileResult::success();

    // Put the file back as it was: the bytes written over, and its old length.
    const QString why = shortWriteReason(file);
    if (!overwritten.isEmpty() && file.seek(start))
        file.write(overwritten);
    if (file.size() != oldSize)
        file.resize(oldSize);
    file.close();
    if (!existed)
        QFile::remove(path);
    return writeFailure(name, why);
}

qint64 DataFileRecordCount(const DataFolder& folder, QStringView name, int recordLength) {
    if (!DataFileExists(folder, name))
        return 0;
    return recordCountForLength(QFileInfo(folder.filePath(name)).size(), recordLength);
}

} // namespace pellar
