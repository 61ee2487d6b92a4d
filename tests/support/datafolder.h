#pragma once
// A scratch data folder for one test, set as the program's data folder.

#include "common/core/backup.h"
#include "common/core/datafiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pellar::testing {

class ScratchDataFolder {
public:
    explicit ScratchDataFolder(ProgramKind kind = ProgramKind::Billwright)
    {
        EXPECT_TRUE(m_dir.isValid());
        setDataFolder(m_dir.path());
        setProgramKind(kind);
        setRestoreNotice({});
    }
    ~ScratchDataFolder() { setRestoreNotice({}); }

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }

    void put(const QString& relative, const QByteArray& bytes) const
    {
        const QString full = file(relative);
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << full.toStdString();
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray bytes(const QString& relative) const
    {
        QFile f(file(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(file(relative)); }

private:
    QTemporaryDir m_dir;
};

} // namespace pellar::testing
