// Writes that fail for real, in a child process whose files cannot grow past a limit: each
// must say so, and leave the file on disk exactly as it was.
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/profile.h"
#include "tests/support/datafolder.h"
#include "tests/support/faults.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ChildOutcome;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

namespace {

QByteArray pattern(qsizetype size, char first) {
    QByteArray bytes(size, ' ');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(first + i % 23);
    return bytes;
}

} // namespace

TEST(WriteFaults, WholeFileRewriteKeepsTheOldFile) {
    ScratchDataFolder folder;
    const QByteArray old = pattern(3000, 'a');
    // A profile- or options-sized file with a little room, none at all, and one larger than
    // any write buffer.
    for (const auto& [size, room] : {std::pair{5000, 1000}, {5000, 0}, {40000, 20000}}) {
        folder.put("InvoiceInfo.txt", old);
        const QByteArray wanted = pattern(size, 'A');
        EXPECT_EQ(runUnderFileSizeLimit(room,
                                        [&] {
                                            const FileResult r =
                                                writeDataFile(folder, u"\\InvoiceInfo.txt", wanted);
                                            return r.ok || !r.error.contains("InvoiceInfo.txt") ||
                                                   !r.error.contains("disk or quota");
                                        }),
                  ChildOutcome::ReportedFailure)
            << size << " bytes with room for " << room;
        EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), old);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"InvoiceInfo.txt"});
    }
    // With room enough the same write goes through.
    EXPECT_EQ(
        runUnderFileSizeLimit(
            6000,
            [&] { return bool(writeDataFile(folder, u"\\InvoiceInfo.txt", pattern(5000, 'A'))); }),
        ChildOutcome::ReportedSuccess);
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), pattern(5000, 'A'));

    // The profile goes through the same door.
    folder.put("MyBusinessData.txt", "\"Old\"\r\n");
    BusinessProfile profile;
    profile.name = QString(900, u'N');
    profile.address = QString(900, u'S');
    EXPECT_EQ(runUnderFileSizeLimit(
                  1000, [&] { return bool(saveProfileDroppingBackup(folder, profile)); }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), QByteArray("\"Old\"\r\n"));
}

TEST(WriteFaults, RecordWritesAndAppendsPutTheFileBack) {
    ScratchDataFolder folder;
    const QByteArray old = pattern(1000, 'a');

    // An append that does not fit keeps the old length; a record written in place across
    // the limit has the part that went out put back; so does one past the end with a gap.
    folder.put("Transactions.txt", old);
    for (const auto& [limit, recordNumber] : {std::pair{1030, 11}, {850, 9}, {1200, 15}}) {
        const int record = recordNumber; // a lambda may not take a structured binding here
        EXPECT_EQ(runUnderFileSizeLimit(limit,
                                        [&] {
                                            return bool(writeRecord(folder, u"\\Transactions.txt",
                                                                    100, record,
                                                                    pattern(100, 'X')));
                                        }),
                  ChildOutcome::ReportedFailure)
            << "record " << record;
        EXPECT_EQ(folder.bytes("Transactions.txt"), old);
    }
    // A file that did not exist before.
    EXPECT_EQ(runUnderFileSizeLimit(
                  0, [&] { return bool(writeRecord(folder, u"\\VendorDat.txt", 235, 1, "Acme")); }),
              ChildOutcome::ReportedFailure);
    EXPECT_FALSE(folder.exists("VendorDat.txt"));
}

TEST(WriteFaults, BackupCopyKeepsTheOldCopy) {
    ScratchDataFolder folder;
    ASSERT_TRUE(MakeBackupFolder(folder));
    folder.put("SalesItems.txt", pattern(5000, 'n'));
    folder.put("Backup/SalesItems.txt", pattern(3000, 'o'));
    EXPECT_EQ(runUnderFileSizeLimit(
                  1000, [&] { return copyToBackup(folder, {"SalesItems.txt"}, true).complete; }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), pattern(3000, 'o'));
    EXPECT_EQ(QDir(folder.file("Backup")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"SalesItems.txt"});

    // A restore that cannot be copied back counts as missing; the copy stays for another try.
    QFile::remove(folder.file("SalesItems.txt"));
    EXPECT_EQ(
        runUnderFileSizeLimit(1000, [&] { return DataFileExists(folder, u"\\SalesItems.txt"); }),
        ChildOutcome::ReportedFailure);
    EXPECT_FALSE(folder.exists("SalesItems.txt"));
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), pattern(3000, 'o'));
}

TEST(WriteFaults, KilledAtAnyMomentTheFilesAreWhole) {
    ScratchDataFolder folder;
    ASSERT_TRUE(MakeBackupFolder(folder));
    // The exit backup: at no moment is there no backup copy.
    const QByteArray older = pattern(400000, 'o');
    const QByteArray newer = pattern(300000, 'n');
    folder.put("Backup/SalesItems.txt", older);
    int kills = 0;
    pellar::testing::killDuringRewrites(
        folder.file("Backup/SalesItems.txt"),
        [&](int round) {
            folder.put("SalesItems.txt", round % 2 ? older : newer);
            copyToBackup(folder, {"SalesItems.txt"}, true);
        },
        [&](const QByteArray& after) {
            ++kills;
            EXPECT_TRUE(after == older || after == newer) << after.size() << " bytes";
        },
        pellar::testing::killCount(), 20000);

    // The profile, as both programs save it.
    BusinessProfile a;
    a.name = QStringLiteral("Hillside Hardware");
    BusinessProfile b = a;
    b.address = QString(2000, u'x');
    folder.put("MyBusinessData.txt", encodeProfile(a));
    pellar::testing::killDuringRewrites(
        folder.file("MyBusinessData.txt"),
        [&](int round) {
            if (round % 2)
                saveProfileKeepingBackup(folder, a);
            else
                saveProfileDroppingBackup(folder, b);
        },
        [&](const QByteArray& after) {
            ++kills;
            EXPECT_TRUE(after == encodeProfile(a) || after == encodeProfile(b))
                << after.size() << " bytes";
            const ProfileRead read = readBusinessProfile(folder);
            EXPECT_TRUE(read.found && (read.profile == a || read.profile == b));
        },
        pellar::testing::killCount(), 3000);
    std::printf("[ kills    ] %d\n", kills);
}
