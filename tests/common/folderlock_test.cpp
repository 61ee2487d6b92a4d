// The data-folder lock between two real processes: a save meets a lock another process
// holds, and a lock left by a killed process is taken over.
#include "common/core/datafiles.h"
#include "common/core/folderlock.h"
#include "tests/support/datafolder.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pellar;
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

} // namespace

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
