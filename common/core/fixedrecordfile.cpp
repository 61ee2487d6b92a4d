#include "common/core/fixedrecordfile.h"

#include "common/core/folderlock.h"

#include "common/core/backup.h"
#include "common/core/fixedrecords.h"

#include <QFile>
#include <QFileInfo>

namespace pellar {

qint64 FixedRecordFile::count() const {
    return DataFileRecordCount(m_folder, m_name, m_length);
}

std::optional<QByteArray> FixedRecordFile::bytes(QString* error) const {
    if (!DataFileExists(m_folder, m_name))
        return QByteArray();
    return readDataFile(m_folder, m_name, error);
}

std::optional<QList<QByteArray>> FixedRecordFile::records(QString* error) const {
    const std::optional<QByteArray> file = bytes(error);
    if (!file)
        return std::nullopt;
    QList<QByteArray> all = splitRecords(*file, m_length);
    const qint64 counted = recordCountForLength(file->size(), m_length);
    if (all.size() > counted)
        all.resize(counted);
    return all;
}

std::optional<QByteArray> FixedRecordFile::record(qint64 n, QString* error) const {
    return readRecord(m_folder, m_name, m_length, n, error);
}

FileResult FixedRecordFile::write(qint64 n, const QByteArray& record) const {
    return writeRecord(m_folder, m_name, m_length, n, record);
}

FileResult FixedRecordFile::append(const QByteArray& records) const {
    // The end is found under the same lock as the write, never before another program's
    // append or rewrite.
    const FolderLock lock(m_folder);
    if (!lock)
        return lock.refusal();
    const qint64 length = QFileInfo(m_folder.filePath(m_name)).size();
    const qint64 started = (length + m_length - 1) / m_length;
    QByteArray bytes(started * m_length - length, ' ');
    bytes += records;
    return writeInPlace(m_folder, m_name, length, bytes);
}

FileResult FixedRecordFile::rewrite(const QByteArray& bytes) const {
    return writeDataFile(m_folder, m_name, bytes);
}

FileResult FixedRecordFile::rewriteThrough(QStringView scratchName, const QByteArray& bytes) const {
    if (const FileResult written = writeDataFile(m_folder, scratchName, bytes); !written)
        return written;
    const FileResult moved = MoveDataFile(m_folder, scratchName, m_name);
    if (!moved)
        QFile::remove(m_folder.filePath(scratchName));
    return moved;
}

} // namespace pellar
