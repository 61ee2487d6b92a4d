#pragma once
// A fixed-record file in the data folder: counted, read whole or a record at a time,
// written in place, appended to and rewritten, every access checked. A write that fails
// leaves the file as it was.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace pellar {

class FixedRecordFile {
public:
    FixedRecordFile(const DataFolder& folder, QStringView name, int recordLength)
        : m_folder(folder)
        , m_name(name.toString())
        , m_length(recordLength) {}

    // The file's length / the record length, rounded half to even; 0 without the file (it is
    // looked for with DataFileExists, which may restore it from the backup folder).
    qint64 count() const;
    // The whole file as it is; empty without the file. nullopt, with plain words naming the
    // file in *error, when it cannot be read.
    std::optional<QByteArray> bytes(QString* error = nullptr) const;
    // The records the count holds, in order: a damaged last record that counts is padded
    // with blanks, one that does not is left out.
    std::optional<QList<QByteArray>> records(QString* error = nullptr) const;
    // Record n (from 1); a short one is padded with blanks.
    std::optional<QByteArray> record(qint64 n, QString* error = nullptr) const;

    // Record n in place (count + 1 appends); cut or padded to the record length.
    FileResult write(qint64 n, const QByteArray& record) const;
    // Whole records after every record begun so far: a damaged last record is padded out
    // first, so it stays what it was and the new ones start on a record boundary.
    FileResult append(const QByteArray& records) const;
    // The file replaced whole, in one step.
    FileResult rewrite(const QByteArray& bytes) const;
    // The same through a scratch file of the data folder that then takes the file's name.
    FileResult rewriteThrough(QStringView scratchName, const QByteArray& bytes) const;

private:
    const DataFolder& m_folder;
    QString m_name;
    int m_length;
};

} // namespace pellar
