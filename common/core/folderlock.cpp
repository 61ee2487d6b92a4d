#include "common/core/folderlock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <map>
#include <memory>

namespace pellar {

namespace {

std::chrono::milliseconds g_defaultWait = FolderLock::kDefaultWait;

// A save holds the lock for milliseconds; one that has not let go after this long belongs to
// a program that stopped (another computer's process cannot be asked whether it lives).
constexpr int kStaleAfterMs = 30000;

struct HeldLock {
    std::unique_ptr<QLockFile> file;
    int depth = 0;
};

// The locks this process holds, by lock file path. The programs are single-threaded.
std::map<QString, HeldLock>& heldLocks() {
    static std::map<QString, HeldLock> locks;
    return locks;
}

QString busyReason(const DataFolder& folder) {
    return QCoreApplication::translate(
               "FolderLock",
               "another program is saving to the data folder %1; try again in a moment")
        .arg(QDir::toNativeSeparators(folder.path()));
}

QString unavailableReason(const DataFolder& folder, QLockFile::LockError error) {
    const QString path = QDir::toNativeSeparators(folder.path());
    if (!QFileInfo(folder.path()).isDir())
        return QCoreApplication::translate(
                   "FolderLock", "the data folder %1 cannot be found (a network share may have "
                                 "been disconnected)")
            .arg(path);
    if (error == QLockFile::PermissionError)
        return QCoreApplication::translate("FolderLock", "the data folder %1 cannot be written to")
            .arg(path);
    return QCoreApplication::translate(
               "FolderLock", "the data folder %1 cannot take a new file (the disk or quota may be "
                             "full)")
        .arg(path);
}

} // namespace

FolderLock::FolderLock(const DataFolder& folder, std::chrono::milliseconds wait)
    : m_key(folder.filePath(kFolderLockFile)) {
    if (wait == kDefaultWait)
        wait = g_defaultWait;
    auto& locks = heldLocks();
    if (auto found = locks.find(m_key); found != locks.end()) {
        ++found->second.depth;
        m_held = true;
        return;
    }
    auto file = std::make_unique<QLockFile>(m_key);
    file->setStaleLockTime(kStaleAfterMs);
    if (file->tryLock(int(wait.count()))) {
        locks.emplace(m_key, HeldLock{std::move(file), 1});
        m_held = true;
        return;
    }
    m_error = file->error() == QLockFile::LockFailedError
                  ? busyReason(folder)
                  : unavailableReason(folder, file->error());
}

FolderLock::~FolderLock() {
    if (!m_held)
        return;
    auto& locks = heldLocks();
    auto found = locks.find(m_key);
    if (found != locks.end() && --found->second.depth == 0) {
        found->second.file->unlock();
        locks.erase(found);
    }
}

std::chrono::milliseconds FolderLock::setDefaultWait(std::chrono::milliseconds wait) {
    return std::exchange(g_defaultWait, wait);
}

void pausePoint(const char* name) {
    const QByteArray wanted = qgetenv("PELLAR_PAUSE_AT");
    if (wanted.isEmpty() || wanted != name)
        return;
    const QString base = qEnvironmentVariable("PELLAR_PAUSE_FILE");
    if (base.isEmpty())
        return;
    QFile reached(base + QStringLiteral(".reached"));
    if (reached.open(QIODevice::WriteOnly))
        reached.close();
    QDeadlineTimer deadline(30000);
    while (!QFileInfo::exists(base + QStringLiteral(".go")) && !deadline.hasExpired())
        QThread::msleep(5);
}

} // namespace pellar
