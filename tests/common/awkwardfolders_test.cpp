// Data folders and files that are not what a save expects: files that are symbolic links, a
// folder the program may not write to, and a folder that disappears while the program runs.
// Each save either does its work where the person arranged it or refuses in words naming the
// folder; no byte of what was there changes.
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/fixedrecordfile.h"
#include "tests/support/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;

namespace {

// Every kind of save there is: a whole rewrite, a record written in place, an append and a
// rewrite through a scratch file. Each returns what the save said.
QList<FileResult> everySave(const DataFolder& folder) {
    const FixedRecordFile records(folder, u"/VendorDat.txt", 4);
    return {writeDataFile(folder, u"/SalesItems.txt", "Nuts\r\n"), records.write(1, "new1"),
            records.append("add2"), records.rewriteThrough(u"/Temp.txt", "only")};
}

} // namespace

TEST(AwkwardFolders, EverySaveWritesThroughALinkAndKeepsIt) {
    ScratchDataFolder folder;
    QTemporaryDir elsewhere; // another folder, perhaps another disk
    const auto plant = [&](const QString& name, const QString& target, const QByteArray& bytes) {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        ASSERT_TRUE(QFile::link(target, folder.file(name)));
    };
    plant("SalesItems.txt", elsewhere.filePath("SalesItems.txt"), "Bolts\r\n");
    plant("VendorDat.txt", folder.file("VendorDat.real"), "old1");
    const QList<FileResult> saved = everySave(folder);
    for (const FileResult& result : saved)
        EXPECT_TRUE(result.ok) << result.error.toStdString();
    QFile sales(elsewhere.filePath("SalesItems.txt"));
    ASSERT_TRUE(sales.open(QIODevice::ReadOnly));
    EXPECT_EQ(sales.readAll(), "Nuts\r\n");
    EXPECT_EQ(folder.bytes("VendorDat.real"), "only");
    for (const char* name : {"SalesItems.txt", "VendorDat.txt"})
        EXPECT_TRUE(QFileInfo(folder.file(name)).isSymLink()) << name;
    EXPECT_FALSE(folder.exists("Temp.txt"));
}

TEST(AwkwardFolders, AReadOnlyFolderRefusesEverySaveAndChangesNothing) {
    ScratchDataFolder folder;
    folder.put("SalesItems.txt", "Bolts\r\n");
    folder.put("VendorDat.txt", "old1");
    // Run as someone who may not write there (root may write anywhere: it becomes nobody).
    ASSERT_TRUE(
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                 QFileDevice::ReadOther | QFileDevice::ExeOther));
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(3);
        bool allRefused = true;
        for (const FileResult& result : everySave(folder))
            allRefused = allRefused && !result.ok &&
                         result.error.contains("cannot be written to") &&
                         result.error.contains(QDir::toNativeSeparators(folder.path()));
        ::_exit(allRefused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3)
        GTEST_SKIP() << "root may write anywhere and cannot become another user here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "Bolts\r\n");
    EXPECT_EQ(folder.bytes("VendorDat.txt"), "old1");
}

TEST(AwkwardFolders, AVanishedFolderRefusesEverySaveAndNothingIsMadeInItsPlace) {
    // The share is dropped: the folder is gone from under the program.
    QTemporaryDir share;
    const QString path = share.filePath("data");
    ASSERT_TRUE(QDir().mkpath(path));
    const DataFolder gone(path);
    ASSERT_TRUE(QDir(path).removeRecursively());
    for (const FileResult& result : everySave(gone)) {
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains("cannot be found")) << result.error.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path)) << "nothing made in its place";
}
