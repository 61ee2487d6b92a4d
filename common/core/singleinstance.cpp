#include "common/core/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace pellar {

namespace {

// Per user as well as per program: on a shared temporary folder two people may each run
// their own copy.
QString userTag() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// Per user in the runtime folder; in the data folder one for every user and computer.
QString lockFileName(const QString& programName, bool perUser) {
    QString name = perUser ? programName + u'-' + userTag() : programName;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_')
            c = u'_';
    }
    return QStringLiteral("Pellar-") + name + QStringLiteral(".lock");
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& programName, const QString& lockFolder,
                                         const QString& dataFolder) {
    // The user's own runtime folder, so another user cannot plant a lock that keeps this
    // one out; the shared temporary folder only where there is none.
    QString folderPath = lockFolder;
    if (folderPath.isEmpty())
        folderPath = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folderPath.isEmpty())
        folderPath = QDir::tempPath();
    const QDir folder(folderPath);
    m_lock = std::make_unique<QLockFile>(folder.filePath(lockFileName(programName, true)));
    // Never stale by age: a copy may run for days. A lock whose owner process is gone is
    // still recognised as stale and taken over.
    m_lock->setStaleLockTime(0);
    if (!dataFolder.isEmpty()) {
        m_folderLock = std::make_unique<QLockFile>(
            QDir(dataFolder).filePath(lockFileName(programName, false)));
        // Another computer's process cannot be looked for, so there the lock's age tells:
        // the running copy renews it, a crashed one stops doing so.
        m_folderLock->setStaleLockTime(kFolderLockStaleMs);
    }
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

namespace {

enum class Held { Yes, Refused, Unusable };

Held take(QLockFile* lock) {
    if (!lock)
        return Held::Unusable;
    if (lock->isLocked() || lock->tryLock(0))
        return Held::Yes;
    return lock->error() == QLockFile::LockFailedError ? Held::Refused : Held::Unusable;
}

} // namespace

bool SingleInstanceGuard::acquire() {
    const Held own = take(m_lock.get());
    if (own == Held::Refused)
        return false;
    const Held shared = take(m_folderLock.get());
    if (shared == Held::Refused) {
        if (own == Held::Yes)
            m_lock->unlock();
        return false;
    }
    if (shared == Held::Yes && !m_renew) {
        m_renew = std::make_unique<QTimer>();
        m_renew->setInterval(kRenewMs);
        const QString path = m_folderLock->fileName();
        QObject::connect(m_renew.get(), &QTimer::timeout, m_renew.get(), [path] {
            std::error_code ignored;
            std::filesystem::last_write_time(QFile::encodeName(path).toStdString(),
                                             std::filesystem::file_time_type::clock::now(),
                                             ignored);
        });
        m_renew->start();
    }
    return true;
}

void SingleInstanceGuard::release() {
    m_renew.reset();
    m_lock->unlock();
    if (m_folderLock)
        m_folderLock->unlock();
}

QString SingleInstanceGuard::lockFilePath() const {
    return m_lock->fileName();
}

QString SingleInstanceGuard::folderLockFilePath() const {
    return m_folderLock ? m_folderLock->fileName() : QString();
}

} // namespace pellar
