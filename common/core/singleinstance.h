#pragma once
// The guard against a second running copy of a program.

#include <QString>
#include <memory>

class QLockFile;
class QTimer;

namespace pellar {

// One running copy per program and user, and one per data folder: the second lock lives in
// the data folder itself, so a copy started on another computer that shares the folder, or
// by another user, is kept out too. A lock left by a crashed earlier run is taken over: at
// once when its process is gone from this computer, and for a lock from another computer
// once it has not been renewed for a few minutes (a running copy renews it every minute).
class SingleInstanceGuard {
public:
    // lockFolder empty: the user's runtime folder (the temporary folder where there is none).
    // dataFolder empty: no lock in the data folder.
    explicit SingleInstanceGuard(const QString& programName, const QString& lockFolder = {},
                                 const QString& dataFolder = {});
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;
    // True when this is the only running copy (the locks are now ours). A lock that cannot
    // be made at all (an unwritable folder) does not count against it, so either lock holds
    // the rule alone; only when neither can be made is the person let in regardless.
    bool acquire();
    // Gives the locks back (the destructor does it too).
    void release();
    QString lockFilePath() const;
    QString folderLockFilePath() const;

    // A running copy renews its data-folder lock this often; a lock from another computer
    // not renewed for kFolderLockStaleMs is taken over.
    static constexpr int kRenewMs = 60 * 1000;
    static constexpr int kFolderLockStaleMs = 5 * 60 * 1000;

private:
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLockFile> m_folderLock;
    std::unique_ptr<QTimer> m_renew;
};

} // namespace pellar
