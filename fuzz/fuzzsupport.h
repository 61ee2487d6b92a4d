#pragma once
// What every fuzz target shares: a failed property stops the run where libFuzzer sees it,
// the regional settings the tests use, and one scratch data folder per process for the
// readers that only read from the data folder. No reader needs an application object
// (files, locales and text work without one, and none of them warns), so none is made.

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/regional.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>

namespace pellar::fuzz {

// A property that does not hold is a finding: say which, then stop hard so libFuzzer keeps
// the input.
#define PELLAR_FUZZ_CHECK(condition)                                                               \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed at %s:%d: %s\n", __FILE__, __LINE__,             \
                         #condition);                                                              \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (false)

// The settings the tests pin: "$1,234.56", "12/6/2026".
inline void pinUnitedStates() {
    RegionalSettings::setCurrent(RegionalSettings::unitedStates());
}

// The scratch data folder, made on first use and kept for the whole run: making a folder
// per input would cost more than the reads under test.
inline const DataFolder& scratchFolder() {
    static QTemporaryDir dir;
    static const DataFolder folder = [] {
        if (!dir.isValid()) {
            std::fprintf(stderr, "no scratch folder: %s\n", qPrintable(dir.errorString()));
            __builtin_trap();
        }
        return DataFolder(dir.path());
    }();
    return folder;
}

// Writes the bytes as a data file of the scratch folder, replacing what was there.
inline void putDataFile(QStringView name, const QByteArray& bytes) {
    QFile file(scratchFolder().filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        __builtin_trap();
    }
}

inline QByteArray dataFileBytes(QStringView name) {
    QFile file(scratchFolder().filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void removeDataFile(QStringView name) {
    QFile::remove(scratchFolder().filePath(name));
}

// What a text field becomes once written as a quoted field: the writer has no way to keep
// a double quote inside the quotes and stores an apostrophe instead.
inline QString quotesReplaced(QString text) {
    return text.replace(u'"', u'\'');
}

} // namespace pellar::fuzz
