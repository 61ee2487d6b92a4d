#pragma once
// The program shell: the single-instance guard, the list of loaded forms, ExitProgram.

#include "common/core/datafiles.h"

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
    // again) do nothing more. Unloading a form closes it (its closeEvent runs), hides it even
    // if it refused, and deletes it later when it has Qt::WA_DeleteOnClose.
    void exitProgram();
    bool exiting() const { return m_exiting; }

    // What a close by the person does; the close box reaches it from the event loop, after
    // the window system's close has been refused.
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

// The first lines of every program's main(): the program kind, the data folder
// ("--data-folder DIR" or the folder holding the program), an end that only ExitProgram
// brings (not the last window closing), ExitProgram's backup step for the kind, and the
// expense program's restore notice. Call it once the QApplication exists; the desk must
// live as long as the program. False, with plain words in *error, when the command line
// is malformed. A main() then reads:
//     QApplication app(argc, argv);
//     pellar::RealDesk desk;
//     if (!pellar::prepareProgram(kind, app.arguments(), desk, &error)) -> tell, return 2
//     pellar::SingleInstanceGuard guard(QStringLiteral("Billwright"));
//     if (!pellar::CheckSingleInstance(desk, guard, title)) return 0;
//     ... the entry sequence: show the start form, MakeBackupFolder(), load ...
//     return app.exec();
bool prepareProgram(ProgramKind kind, const QStringList& arguments, Desk& desk, QString* error);

// The guard against a second copy at start: true when this copy may go on. Otherwise the
// refusal is shown; Billwright then just ends, Slipmaker ends through ExitProgram (which
// makes its backup). The caller returns from main() on false.
bool CheckSingleInstance(Desk& desk, SingleInstanceGuard& guard, const QString& applicationTitle);

} // namespace pellar
