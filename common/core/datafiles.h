#pragma once
// The data folder and the routines that reach files in it.
//
// A data file is named by a constant with its own leading separator, "\Name.txt" or
// "/Name.txt"; both reach data folder + "/Name.txt". The backup copy of a file is
// data folder + "\Backup" + the same constant.

#include "common/core/fileresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

namespace pellar {

// Called after a file has been restored from the backup folder, with the name exactly as
// the caller passed it. A program that tells the person about it sets one.
using RestoreNotice = std::function<void(const QString& name)>;

// The folder a running program keeps its data files in. It is handed to whatever reads or
// writes them, so two folders (two tests, say) never share anything.
class DataFolder {
public:
    DataFolder() = default;
    explicit DataFolder(const QString& path, RestoreNotice notice = {});

    QString path() const { return m_path; }
    // The folder + the name, with either leading separator (or none) taken as the folder
    // separator.
    QString filePath(QStringView name) const;
    QString backupFolderPath() const;
    QString backupFilePath(QStringView name) const;

    void setRestoreNotice(RestoreNotice notice) { m_notice = std::move(notice); }
    void restored(const QString& name) const {
        if (m_notice)
            m_notice(name);
    }

private:
    QString m_path;
    RestoreNotice m_notice;
};

// The checkbook file, which the deposit program keeps and the expense program looks for (it
// tells whether the person has the check-writing program).
inline constexpr const char16_t* kCheckbookFile = u"\\CheckbookInfo.txt";

// Whole-file reads and writes. A read of a missing or unreadable file gives nullopt and,
// in *error, plain words naming the file. Callers test DataFileExists first, which may
// restore the file from the backup folder.
// A file over kMaxDataFileBytes is refused unread (the largest record file the formats allow
// is under 8 MB).
inline constexpr qint64 kMaxDataFileBytes = 32 * 1024 * 1024;
std::optional<QByteArray> readDataFile(const DataFolder& folder, QStringView name,
                                       QString* error = nullptr);

// Replaces the file atomically: a temporary file in the data folder, then a rename, so a
// crash leaves the old file or the new one.
FileResult writeDataFile(const DataFolder& folder, QStringView name, const QByteArray& bytes);

// The same for any path: empty when the file was replaced, else why not. A failure of any
// kind (no room, no permission, a write cut short) leaves the old file exactly as it was.
QString replaceFile(const QString& path, const QByteArray& bytes);

// As writeDataFile, after deleting the file's backup copy (so a later restore cannot bring
// back an older version).
FileResult writeDataFileDroppingBackup(const DataFolder& folder, QStringView name,
                                       const QByteArray& bytes);

// Fixed-record access in place. Record numbers start at 1; writing record count + 1
// appends. Earlier bytes of the file are never touched.
std::optional<QByteArray> readRecord(const DataFolder& folder, QStringView name, int recordLength,
                                     qint64 recordNumber, QString* error = nullptr);
FileResult writeRecord(const DataFolder& folder, QStringView name, int recordLength,
                       qint64 recordNumber, const QByteArray& record);

// Writes bytes at an offset of the file (past its end: blanks fill the gap), creating the
// file when missing. A write that fails part-way puts back the bytes it wrote over and the
// file's old length, so the file is as it was before the call.
FileResult writeInPlace(const DataFolder& folder, QStringView name, qint64 offset,
                        const QByteArray& bytes);

// File length / record length rounded half to even when the file exists (DataFileExists,
// which may restore it), else 0.
qint64 DataFileRecordCount(const DataFolder& folder, QStringView name, int recordLength);

} // namespace pellar
