// The backup folder: restore on the existence test, deletions, moves and the automatic copy.
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "tests/support/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;

TEST(Backup, ExistenceTestRestoresAMissingFileAndTellsItOnce) {
    ScratchDataFolder folder;
    EXPECT_FALSE(DataFileExists(folder, u"\\SalesItems.txt"));

    folder.put("Backup/SalesItems.txt", "Bolts\r\nNuts\r\n");
    EXPECT_TRUE(DataFileExists(folder, u"\\SalesItems.txt"));
    EXPECT_EQ(folder.bytes("SalesItems.txt"), QByteArray("Bolts\r\nNuts\r\n"));
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), QByteArray("Bolts\r\nNuts\r\n"));

    // The data file wins over its backup copy.
    folder.put("SalesItems.txt", "Washers\r\n");
    EXPECT_TRUE(DataFileExists(folder, u"/SalesItems.txt"));
    EXPECT_EQ(folder.bytes("SalesItems.txt"), QByteArray("Washers\r\n"));

    QStringList heard;
    folder.data().setRestoreNotice([&heard](const QString& name) { heard << name; });
    folder.put("Backup/VendorDat.txt", "x");
    EXPECT_TRUE(DataFileExists(folder, u"/VendorDat.txt"));
    EXPECT_TRUE(DataFileExists(folder, u"/VendorDat.txt")); // present now: no second notice
    EXPECT_EQ(heard, QStringList{"/VendorDat.txt"});

    // A read-only backup copy comes back as an ordinary writable file.
    folder.put("Backup/Chart.txt", "y");
    QFile::setPermissions(folder.file("Backup/Chart.txt"), QFileDevice::ReadOwner);
    EXPECT_TRUE(DataFileExists(folder, u"\\Chart.txt"));
    EXPECT_TRUE(QFile::permissions(folder.file("Chart.txt")) & QFileDevice::WriteOwner);
}

TEST(Backup, DeletionsAndAMoveThatReplacesTheTarget) {
    ScratchDataFolder folder;
    // Only in the backup folder: restored, then deleted; the copy stays.
    folder.put("Backup/InvoiceInfo.txt", "opts");
    EXPECT_TRUE(KillDataFile(folder, u"\\InvoiceInfo.txt"));
    EXPECT_FALSE(folder.exists("InvoiceInfo.txt"));
    EXPECT_TRUE(folder.exists("Backup/InvoiceInfo.txt"));

    // Both copies go, and nothing can bring the file back.
    folder.put("InvoiceInfo.txt", "opts");
    EXPECT_TRUE(DeleteDataFileAndBackup(folder, u"\\InvoiceInfo.txt"));
    EXPECT_FALSE(folder.exists("InvoiceInfo.txt"));
    EXPECT_FALSE(folder.exists("Backup/InvoiceInfo.txt"));
    EXPECT_FALSE(DataFileExists(folder, u"\\InvoiceInfo.txt"));

    EXPECT_TRUE(KillDataFile(folder, u"\\Nothing.txt")); // nothing to delete is no failure

    folder.put("NewExpenses.txt", "old");
    folder.put("Temp.txt", "new");
    EXPECT_TRUE(MoveDataFile(folder, u"/Temp.txt", u"/NewExpenses.txt"));
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), QByteArray("new"));
    EXPECT_FALSE(folder.exists("Temp.txt"));

    const FileResult missing = MoveDataFile(folder, u"/Temp.txt", u"/NewExpenses.txt");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains("Temp.txt"));
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), QByteArray("new"));
}

TEST(Backup, AutomaticCopyFollowsTheList) {
    ScratchDataFolder folder;
    const QStringList names{"BusinessInfo.txt", "SalesItems.txt", "InvoiceCounter.txt",
                            "InvoiceInfo.txt"};

    ASSERT_TRUE(MakeBackupFolder(folder));
    folder.put("BusinessInfo.txt", "b");
    folder.put("SalesItems.txt", "s-new");
    folder.put("InvoiceInfo.txt", "i");
    folder.put("MyBusinessData.txt", "not on the list");
    folder.put("Backup/SalesItems.txt", "s-old");

    BackupOutcome outcome = copyToBackup(folder, names, true);
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), QByteArray("s-new"));
    EXPECT_EQ(folder.bytes("Backup/InvoiceInfo.txt"), QByteArray("i"));
    EXPECT_FALSE(folder.exists("Backup/MyBusinessData.txt"));
    EXPECT_FALSE(folder.exists("Backup/InvoiceCounter.txt"));

    // A locked copy stops the run at that file; the files after it are not copied.
    folder.put("SalesItems.txt", "s-newer");
    folder.put("InvoiceInfo.txt", "i-newer");
    QFile::setPermissions(folder.file("Backup/SalesItems.txt"), QFileDevice::ReadOwner);
    outcome = copyToBackup(folder, names, true);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.failedName, "SalesItems.txt");
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), QByteArray("s-new"));
    EXPECT_EQ(folder.bytes("Backup/InvoiceInfo.txt"), QByteArray("i"));

    // Without stopping, the rest is still copied and the first failure is named.
    outcome = copyToBackup(folder, names, false);
    EXPECT_EQ(outcome.failedName, "SalesItems.txt");
    EXPECT_EQ(folder.bytes("Backup/InvoiceInfo.txt"), QByteArray("i-newer"));
}

TEST(Backup, AFolderAtAFilesNameIsNoFile) {
    ScratchDataFolder folder;
    QDir().mkpath(folder.file("SalesItems.txt"));
    EXPECT_FALSE(DataFileExists(folder, u"\\SalesItems.txt"));
    // Nor does a backup copy count, when it cannot be put back over the folder.
    folder.put("Backup/SalesItems.txt", "Bolts\r\n");
    EXPECT_FALSE(DataFileExists(folder, u"\\SalesItems.txt"));
    EXPECT_FALSE(writeDataFile(folder, u"\\SalesItems.txt", "Nuts\r\n"));
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), QByteArray("Bolts\r\n"));
}

TEST(Backup, DayCopiesKeepTheLastTenDaysAndLinksAreNeverWrittenThrough) {
    ScratchDataFolder folder;
    ASSERT_TRUE(MakeBackupFolder(folder));
    folder.put("SalesItems.txt", "today");
    // A link planted in the backup folder, pointing at a file of the person's elsewhere.
    folder.put("elsewhere.txt", "precious");
    ASSERT_TRUE(QFile::link(folder.file("elsewhere.txt"), folder.file("Backup/SalesItems.txt")));
    EXPECT_TRUE(copyToBackup(folder, {"SalesItems.txt"}, true).complete);
    EXPECT_EQ(folder.bytes("elsewhere.txt"), "precious");
    EXPECT_FALSE(QFileInfo(folder.file("Backup/SalesItems.txt")).isSymLink());
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), "today");

    // Twelve days of running: the ten latest day folders stay, anything else is untouched.
    folder.put("Backup/notes/mine.txt", "n");
    const QDate first(2026, 11, 20);
    for (int day = 0; day < 12; ++day) {
        folder.put("SalesItems.txt", QByteArray::number(day));
        EXPECT_TRUE(
            copyToDatedBackup(folder, {"SalesItems.txt", "Missing.txt"}, first.addDays(day)));
    }
    const QStringList days =
        QDir(folder.file("Backup"))
            .entryList({"2026-*"}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    ASSERT_EQ(days.size(), kDatedBackupDays);
    EXPECT_EQ(days.first(), "2026-11-22");
    EXPECT_EQ(folder.bytes("Backup/2026-12-01/SalesItems.txt"), "11");
    EXPECT_TRUE(folder.exists("Backup/notes/mine.txt"));
    EXPECT_FALSE(folder.exists("Backup/2026-12-01/Missing.txt"));
}
