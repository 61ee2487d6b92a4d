#pragma once
// Printed files a test makes live in a temporary folder. With PELLAR_KEEP_PDF=<folder> set,
// a copy is kept there, to look at as a person would (pdftoppm -png on the copy).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace pellar::testing {

inline void keepPrintedFileIfAsked(const QString& path)
{
    const QString keep = qEnvironmentVariable("PELLAR_KEEP_PDF");
    if (keep.isEmpty())
        return;
    QDir().mkpath(keep);
    const QString copy = QDir(keep).filePath(QFileInfo(path).fileName());
    QFile::remove(copy);
    QFile::copy(path, copy);
}

} // namespace pellar::testing
