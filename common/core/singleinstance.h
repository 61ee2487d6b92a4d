#pragma once
// The guard against a second running copy of a program.

#include <QString>
#include <memory>

class QLockFile;

namespace pellar {

// One running copy per program and user. The lock survives a crashed earlier run: a lock
// left by a process that no longer exists is taken over.
class SingleInstanceGuard {
public:
    // lockFolder empty: the user's runtime folder (the temporary folder where there is none).
    explicit SingleInstanceGuard(const QString& programName, const QString& lockFolder = {});
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;
    // True when this is the only running copy (the lock is now ours). Also true when no
    // lock can be made at all (an unwritable temporary folder): that must not keep the
    // person out of the program.
    bool acquire();
    // Gives the lock back (the destructor does it too).
    void release();
    QString lockFilePath() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace pellar
