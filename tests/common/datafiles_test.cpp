// The data folder, name constants and the whole-file and fixed-record routines.
#include "common/core/datafiles.h"
#include "common/core/fixedrecords.h"
#include "tests/support/datafolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;

TEST(DataFiles, BothSeparatorsReachTheSameFileAndARewriteReplacesItWhole) {
    ScratchDataFolder folder;
    const DataFolder& data = folder;
    EXPECT_EQ(data.filePath(u"\\Settings.txt"), folder.path() + "/Settings.txt");
    EXPECT_EQ(data.filePath(u"/Settings.txt"), data.filePath(u"\\Settings.txt"));
    EXPECT_EQ(data.backupFilePath(u"/Settings.txt"), folder.path() + "/Backup/Settings.txt");
    EXPECT_EQ(data.backupFilePath(u"\\Settings.txt"), data.backupFilePath(u"/Settings.txt"));
    // Built the way the deletion routines build it: "/Backup" followed by a name.
    EXPECT_EQ(data.filePath(u"/Backup\\BWInvoiceNo.txt"), data.backupFilePath(u"/BWInvoiceNo.txt"));

    ASSERT_TRUE(writeDataFile(folder, u"\\Settings.txt", "one"));
    EXPECT_EQ(readDataFile(folder, u"/Settings.txt").value_or(""), QByteArray("one"));

    folder.put("InvoiceInfo.txt", "old contents\r\n");
    ASSERT_TRUE(writeDataFile(folder, u"\\InvoiceInfo.txt", "new\r\n"));
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), QByteArray("new\r\n"));
    // Nothing of either rewrite's temporary file is left beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{"InvoiceInfo.txt", "Settings.txt"}));

    QString error;
    EXPECT_FALSE(readDataFile(folder, u"\\Missing.txt", &error));
    EXPECT_TRUE(error.contains("Missing.txt"));
}

TEST(DataFiles, FixedRecordsInPlaceAndTheirCountRestoresTheFile) {
    ScratchDataFolder folder;
    const QString name = "\\Transactions.txt";
    EXPECT_EQ(DataFileRecordCount(folder, name, 4), 0);

    ASSERT_TRUE(writeRecord(folder, name, 4, 1, "AAAA"));
    ASSERT_TRUE(writeRecord(folder, name, 4, 2, "BB"));     // padded to the record length
    ASSERT_TRUE(writeRecord(folder, name, 4, 1, "CCCCCC")); // cut, and in place
    EXPECT_EQ(folder.bytes("Transactions.txt"), QByteArray("CCCCBB  "));
    EXPECT_EQ(DataFileRecordCount(folder, name, 4), 2);
    EXPECT_EQ(readRecord(folder, name, 4, 2).value_or(""), QByteArray("BB  "));

    // Past the end: the gap is blank records, never a hole of NULs.
    ASSERT_TRUE(writeRecord(folder, name, 4, 4, "DDDD"));
    EXPECT_EQ(folder.bytes("Transactions.txt"), QByteArray("CCCCBB      DDDD"));

    EXPECT_FALSE(writeRecord(folder, name, 4, 0, "XXXX"));
    EXPECT_FALSE(writeRecord(folder, name, 4, kMaxRecords + 1, "XXXX"));
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), 16);

    // A damaged file: a short last record reads padded.
    folder.put("Transactions.txt", "CCCCBBBBDD");
    EXPECT_EQ(readRecord(folder, name, 4, 3).value_or(""), QByteArray("DD  "));

    folder.put("Backup/NewExpenses.txt", QByteArray(145 * 3, 'x'));
    EXPECT_EQ(DataFileRecordCount(folder, u"\\NewExpenses.txt", 145), 3);
    EXPECT_TRUE(folder.exists("NewExpenses.txt"));
}

TEST(DataFiles, AFileFarLargerThanItsFormatIsRefusedUnreadAndNeverBackedUp) {
    ScratchDataFolder folder;
    ASSERT_TRUE(MakeBackupFolder(folder));
    // Sparse: 2 GB on paper, nothing on the disk.
    for (const qint64 size : {kMaxDataFileBytes + 1, qint64(2) * 1024 * 1024 * 1024}) {
        QFile big(folder.file("VendorDat.txt"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(size));
        big.close();
        QString error;
        EXPECT_FALSE(readDataFile(folder, u"/VendorDat.txt", &error));
        EXPECT_TRUE(error.startsWith("The file VendorDat.txt is ")) << error.toStdString();
        EXPECT_EQ(QFileInfo(folder.file("VendorDat.txt")).size(), size);
        EXPECT_FALSE(copyToBackup(folder, {"VendorDat.txt"}, true).complete);
    }
}
