#include "common/core/singleinstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

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

QString lockFileName(const QString& programName) {
    QString name = programName + u'-' + userTag();
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_')
            c = u'_';
    }
    return QStringLiteral("Pellar-") + name + QStringLiteral(".lock");
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& programName, const QString& lockFolder) {
    // The user's own runtime folder, so another user cannot plant a lock that keeps this
    // one out; the shared temporary folder only where there is none.
    QString folderPath = lockFolder;
    if (folderPath.isEmpty())
        folderPath = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folderPath.isEmpty())
        folderPath = QDir::tempPath();
    const QDir folder(folderPath);
    m_lock = std::make_unique<QLockFile>(folder.filePath(lockFileName(programName)));
    // Never stale by age: a copy may run for days. A lock whose owner process is gone is
    // still recognised as stale and taken over.
    m_lock->setStaleLockTime(0);
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::acquire() {
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstanceGuard::release() {
    m_lock->unlock();
}

QString SingleInstanceGuard::lockFilePath() const {
    return m_lock->fileName();
}

} // namespace pellar
