#pragma once
// The data-folder lock. Every program of the family takes it around each read-modify-write
// of a data file and around every append, for the few milliseconds the file work takes and
// never while a dialog is open. Whatever a form read earlier is read again under the lock,
// so nothing is ever written back from a stale copy: the check-writing program, a second
// copy of a program or another computer on a shared folder may have changed the file since.
//
// The lock is a QLockFile in the data folder itself (it records host and process, so it
// holds across computers sharing the folder); a lock left by a process that died is taken
// over. Within one process the lock is re-entrant: a save already under the lock may call
// routines that take it again.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QString>
#include <chrono>
#include <utility>

namespace pellar {

// The lock file's name in the data folder. Not a data file: nothing backs it up or reads it.
inline constexpr QStringView kFolderLockFile = u"/PellarFolder.lock";

class FolderLock {
public:
    // How long a save waits for another program's save to finish before it gives up.
    static constexpr std::chrono::milliseconds kDefaultWait{3000};

    explicit FolderLock(const DataFolder& folder, std::chrono::milliseconds wait = kDefaultWait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return m_held; }
    explicit operator bool() const { return m_held; }
    // Why the lock could not be had, as a clause naming the folder ("the data folder … cannot
    // be written to"); empty when held.
    QString error() const { return m_error; }
    // The same as a sentence in a failed FileResult, for a save to return as it is.
    FileResult refusal() const {
        return FileResult::failure(QStringLiteral("Nothing was saved: %1.").arg(m_error));
    }

    // Changes the wait of every lock taken afterwards (tests shorten it); returns the old one.
    static std::chrono::milliseconds setDefaultWait(std::chrono::milliseconds wait);

private:
    QString m_key;
    bool m_held = false;
    QString m_error;
};

// Runs `work` under the folder's lock and returns what it returns; without the lock, the
// lock's refusal and `work` never runs. `work` returns a FileResult.
template <typename Work> FileResult underFolderLock(const DataFolder& folder, Work&& work) {
    const FolderLock lock(folder);
    if (!lock)
        return lock.refusal();
    return std::forward<Work>(work)();
}

// A place in a save where a test can hold a process while another one runs. Does nothing
// unless PELLAR_PAUSE_AT names this point: then it creates "$PELLAR_PAUSE_FILE.reached" and
// waits (at most 30 s) until "$PELLAR_PAUSE_FILE.go" exists.
void pausePoint(const char* name);

} // namespace pellar
