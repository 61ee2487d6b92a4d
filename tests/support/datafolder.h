#pragma once
// A scratch data folder for one test: the folder a program of the test runs on.

#include "common/core/backup.h"
#include "common/core/datafiles.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pellar::testing {

class ScratchDataFolder {
public:
    ScratchDataFolder()
        : m_data(m_dir.path()) {
        EXPECT_TRUE(m_dir.isValid());
    }

    // What the program's routines are handed.
    DataFolder& data() { return m_data; }
    const DataFolder& data() const { return m_data; }
    operator const DataFolder&() const { return m_data; }

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }

    void put(const QString& relative, const QByteArray& bytes) const {
        const QString full = file(relative);
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << full.toStdString();
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray bytes(const QString& relative) const {
        QFile f(file(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(file(relative)); }
    // Of the named files, those whose copy is missing or differs in the backup folder or in
    // its folder of the day.
    QStringList notBackedUp(const QStringList& names, QDate day) const {
        QStringList missing;
        for (const QString& name : names) {
            const QByteArray data = bytes(name);
            if (bytes(QStringLiteral("Backup/") + name) != data ||
                bytes(QStringLiteral("Backup/%1/%2").arg(day.toString(Qt::ISODate), name)) != data)
                missing << name;
        }
        return missing;
    }

private:
    QTemporaryDir m_dir;
    DataFolder m_data;
};

} // namespace pellar::testing
