// The data folder and its files: whole-file and fixed-record routines, the backup folder,
// the folder lock between real processes, the business profile and settings, and what goes
// wrong for real: links, folders that refuse or vanish, writes that hit a size limit, kills
// during a rewrite. Each failing save says so and leaves what was on disk as it was.
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/fixedrecordfile.h"
#include "common/core/fixedrecords.h"
#include "common/core/folderlock.h"
#include "common/core/profile.h"
#include "common/core/settings.h"
#include "tests/support/datafolder.h"
#include "tests/support/faults.h"
#include "tests/support/scripteddesk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pellar;
using pellar::testing::ChildOutcome;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

namespace {

// Forks a child that takes the folder's lock and then sleeps until killed; returns once the
// lock file exists.
pid_t holdLockInChild(const ScratchDataFolder& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        const FolderLock lock(folder);
        if (lock)
            ::pause();
        ::_exit(1);
    }
    const QString lockFile = folder.path() + kFolderLockFile.toString();
    for (int i = 0; i < 200 && !QFile::exists(lockFile); ++i)
        QThread::msleep(10);
    return child;
}

BusinessProfile sample() {
    return {"Hill, Dale & Sons", "12 Main St",   "Suite 4",   "Springfield", "IL", "62701",
            "217-555-0100",      "217-555-0101", "12-3456789"};
}

// Every kind of save there is: a whole rewrite, a record written in place, an append and a
// rewrite through a scratch file. Each returns what the save said.
QList<FileResult> everySave(const DataFolder& folder) {
    const FixedRecordFile records(folder, u"/VendorDat.txt", 4);
    return {writeDataFile(folder, u"/SalesItems.txt", "Nuts\r\n"), records.write(1, "new1"),
            records.append("add2"), records.rewriteThrough(u"/Temp.txt", "only")};
}

QByteArray pattern(qsizetype size, char first) {
    QByteArray bytes(size, ' ');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(first + i % 23);
    return bytes;
}

} // namespace

TEST(DataFiles, BothSeparatorsReachTheSameFileAndARewriteReplacesItWhole) {
    ScratchDataFolder folder;
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

TEST(Backup, DeletionsAndAMoveOfAMissingFile) {
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

    // A move from a file that is not there leaves the target alone.
    folder.put("NewExpenses.txt", "new");
    const FileResult missing = MoveDataFile(folder, u"/Temp.txt", u"/NewExpenses.txt");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains("Temp.txt"));
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), QByteArray("new"));
}

TEST(Backup, AutomaticCopyFollowsTheList) {
    ScratchDataFolder folder;
    ASSERT_TRUE(MakeBackupFolder(folder));
    folder.put("BusinessInfo.txt", "b");
    folder.put("SalesItems.txt", "s-new");
    folder.put("InvoiceInfo.txt", "i");
    folder.put("MyBusinessData.txt", "not on the list");
    folder.put("Backup/SalesItems.txt", "s-old");
    const QStringList names{"BusinessInfo.txt", "SalesItems.txt", "InvoiceCounter.txt",
                            "InvoiceInfo.txt"};
    EXPECT_TRUE(copyToBackup(folder, names, true).complete);
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), QByteArray("s-new"));
    EXPECT_EQ(folder.bytes("Backup/InvoiceInfo.txt"), QByteArray("i"));
    EXPECT_FALSE(folder.exists("Backup/MyBusinessData.txt"));
    EXPECT_FALSE(folder.exists("Backup/InvoiceCounter.txt"));
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

TEST(FolderLock, HeldByAnotherProcessRefusesAndAKilledOwnerIsTakenOver) {
    ScratchDataFolder folder;
    folder.put("InvoiceInfo.txt", "\"old\"\r\n");
    const auto oldWait = FolderLock::setDefaultWait(std::chrono::milliseconds(300));

    const pid_t child = holdLockInChild(folder);
    const FileResult refused = writeDataFile(folder, u"\\InvoiceInfo.txt", "\"new\"\r\n");
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), QByteArray("\"old\"\r\n"));

    // Killed outright, the owner leaves its lock file behind; the next save takes it over.
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(writeDataFile(folder, u"\\InvoiceInfo.txt", "\"new\"\r\n").ok);
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), QByteArray("\"new\"\r\n"));
    FolderLock::setDefaultWait(oldWait);
}

TEST(Profile, MissingShortRestoredAndTheWritersBackupCopies) {
    ScratchDataFolder folder;
    ProfileRead read = readBusinessProfile(folder);
    EXPECT_FALSE(read.found);
    EXPECT_EQ(read.profile, BusinessProfile{});

    folder.put("MyBusinessData.txt", "\"Acme\",\"1 Road\"\r\n");
    read = readBusinessProfile(folder);
    EXPECT_TRUE(read.found && !read.problem.isEmpty());
    EXPECT_EQ(read.profile, BusinessProfile::fromFields({"Acme", "1 Road"}));

    folder.put("Backup/MyBusinessData.txt", encodeProfile(sample()));
    QFile::remove(folder.file("MyBusinessData.txt"));
    EXPECT_EQ(readBusinessProfile(folder).profile, sample());

    folder.put("Backup/MyBusinessData.txt", "old");
    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    EXPECT_EQ(folder.bytes("Backup/MyBusinessData.txt"), QByteArray("old"));
    ASSERT_TRUE(saveProfileDroppingBackup(folder, sample()));
    EXPECT_FALSE(folder.exists("Backup/MyBusinessData.txt"));
}

TEST(Profile, AProfileAnotherProgramSavedMeanwhileIsNeverWrittenOverUnasked) {
    ScratchDataFolder folder;
    pellar::testing::ScriptedDesk desk;
    BusinessProfile shown = sample();
    ASSERT_TRUE(saveProfileKeepingBackup(folder, shown));
    BusinessProfile typed = sample();
    typed.tel = "217-555-0199";
    BusinessProfile other = sample();
    other.name = "Dale Hill Hardware";

    // Nobody else saved: no question, the form's profile is saved.
    EXPECT_TRUE(saveProfileAsking(desk, "Slipmaker", folder, shown, typed, true));
    EXPECT_EQ(readBusinessProfile(folder).profile, typed);

    // Another program saved meanwhile: No keeps its profile and hands it back to the form.
    for (const auto answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        shown = typed;
        ASSERT_TRUE(saveProfileKeepingBackup(folder, other));
        desk.expectMessage("Slipmaker", answer);
        bool keptOther = false;
        EXPECT_TRUE(saveProfileAsking(desk, "Slipmaker", folder, shown, typed, true, &keptOther));
        EXPECT_EQ(desk.messages().last().lines.first(),
                  "The business profile was changed by another program after this form showed "
                  "it: it now names Dale Hill Hardware.");
        EXPECT_EQ(keptOther, answer == MessageAnswer::No);
        EXPECT_EQ(shown, other);
        EXPECT_EQ(readBusinessProfile(folder).profile, answer == MessageAnswer::No ? other : typed);
    }
}

TEST(Settings, FlagsAndTheirDefaults) {
    ScratchDataFolder folder;
    const auto loaded = [&folder] {
        const ProgramSettings s = LoadSettings(folder);
        return std::tuple(s.first, s.second, s.alarmsOn, s.promptsOn, s.problem.isEmpty());
    };
    EXPECT_EQ(loaded(), std::tuple(0, 0, true, true, true));
    folder.put("Settings.txt", "3,7,#FALSE#,#TRUE#\r\n");
    EXPECT_EQ(loaded(), std::tuple(3, 7, false, true, true));
    // Values may stand on lines of their own.
    folder.put("Settings.txt", "1\r\n2\r\n#TRUE#\r\n#FALSE#\r\n");
    EXPECT_EQ(loaded(), std::tuple(1, 2, true, false, true));
    // A short record keeps the defaults for what is missing and says what was wrong.
    folder.put("Settings.txt", "1,2,#FALSE#\r\n");
    EXPECT_EQ(loaded(), std::tuple(1, 2, false, true, false));
    ProgramSettings settings;

    // Nor is it written over: its carried values could not be read.
    settings.first = 3;
    settings.alarmsOn = false;
    EXPECT_FALSE(saveSettings(folder, settings));
    EXPECT_EQ(folder.bytes("Settings.txt"), QByteArray("1,2,#FALSE#\r\n"));

    ASSERT_TRUE(QFile::remove(folder.file("Settings.txt")));
    ASSERT_TRUE(saveSettings(folder, settings));
    EXPECT_EQ(folder.bytes("Settings.txt"), QByteArray("3,0,#FALSE#,#TRUE#\r\n"));
    // The carried values another program wrote since they were read stay as it wrote them.
    folder.put("Settings.txt", "5,6,#TRUE#,#TRUE#\r\n");
    ASSERT_TRUE(saveSettings(folder, settings));
    EXPECT_EQ(folder.bytes("Settings.txt"), QByteArray("5,6,#FALSE#,#TRUE#\r\n"));
}

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

TEST(WriteFaults, WholeFileRewriteKeepsTheOldFile) {
    ScratchDataFolder folder;
    const QByteArray old = pattern(3000, 'a');
    // A profile- or options-sized file with a little room, none at all, and one larger than
    // any write buffer.
    for (const auto& [size, room] : {std::pair{5000, 1000}, {5000, 0}, {40000, 20000}}) {
        folder.put("InvoiceInfo.txt", old);
        const QByteArray wanted = pattern(size, 'A');
        // A failure that does not name the file and the full disk counts as success here.
        const auto write = [&] {
            const FileResult r = writeDataFile(folder, u"\\InvoiceInfo.txt", wanted);
            return r.ok || !r.error.contains("InvoiceInfo.txt") ||
                   !r.error.contains("disk or quota");
        };
        EXPECT_EQ(runUnderFileSizeLimit(room, write), ChildOutcome::ReportedFailure)
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
        const auto write = [&] {
            return bool(writeRecord(folder, u"\\Transactions.txt", 100, record, pattern(100, 'X')));
        };
        EXPECT_EQ(runUnderFileSizeLimit(limit, write), ChildOutcome::ReportedFailure)
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
