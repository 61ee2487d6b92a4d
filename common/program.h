#pragma once
// The program shell: the single-instance guard, the list of loaded forms, ExitProgram.

#include "common/datafiles.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QLockFile;
class QWidget;

namespace pellar {

class Desk;

// One running copy per program and user. The lock survives a crashed earlier run: a lock
// left by a process that no longer exists is taken over.
class SingleInstanceGuard {
public:
    // lockFolder empty: the user's temporary folder.
    explicit SingleInstanceGuard(const QString& programName, const QString& lockFolder = {});
    ~SingleInstanceGuard();
    // True when this is the only running copy (the lock is now ours).
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

// The refusal texts of the two programs that guard themselves.
QStringList alreadyRunningLines(ProgramKind kind, const QString& applicationTitle);

// Forms in load order. Forms register when they are loaded and leave when unloaded; the
// list also watches them for a close by the person (the close box), which ends the
// program through ExitProgram. A close from code does not.
class LoadedForms : public QObject {
public:
    static LoadedForms& instance();

    void loaded(QWidget* form);
    void unloaded(QWidget* form);
    QList<QWidget*> forms() const;

    // What ExitProgram does after the forms are gone: by default ask the event loop to
    // quit. Tests replace it.
    void setEndAction(std::function<void()> end);
    // Runs once per ExitProgram.
    void setBackupAction(std::function<void()> backup);

    // ExitProgram: unload every loaded form, the last loaded first; the automatic backup
    // (where the program has one); end. Re-entrant calls (a form whose unload calls it
    // again) do nothing more.
    void exitProgram();
    bool exiting() const { return m_exiting; }

    // For tests: what a close by the person does.
    void closedByUser(QWidget* form);
    void reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QWidget>> m_forms;
    std::function<void()> m_end;
    std::function<void()> m_backup;
    bool m_exiting = false;
};

void ExitProgram();

// The automatic backup of the current program kind: Billwright tells the person about a
// copy that failed ("File Copy Incomplete"); Slipmaker stays silent; Spendlog has none.
void BackupDataFiles(Desk& desk);

// The expense program's notice after a restore from the backup folder: a beep when the
// name contains "Invoice", then "File Restored from Backup Folder".
void installSpendlogRestoreNotice(Desk& desk);

// PellarSpendlogFREE: a message box with one OK button.
void ShowMessage(Desk& desk, const QString& prompt, const QString& title);

} // namespace pellar
