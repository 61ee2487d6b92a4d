#include "common/ui/program.h"

#include "common/core/backup.h"
#include "common/core/desk.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QGuiApplication>
#include <QLockFile>
#include <QWidget>

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

// --- single instance -------------------------------------------------------------------

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

QStringList alreadyRunningLines(ProgramKind kind, const QString& applicationTitle) {
    QStringList lines{applicationTitle + QStringLiteral(" is already Running!")};
    if (kind == ProgramKind::Slipmaker)
        lines << QStringLiteral("Look for it on the Task Bar");
    return lines;
}

bool CheckSingleInstance(Desk& desk, SingleInstanceGuard& guard, const QString& applicationTitle) {
    if (guard.acquire())
        return true;
    desk.message(applicationTitle, alreadyRunningLines(programKind(), applicationTitle),
                 MessageButtons::Ok);
    if (programKind() == ProgramKind::Slipmaker)
        ExitProgram();
    return false;
}

// --- loaded forms ----------------------------------------------------------------------

LoadedForms& LoadedForms::instance() {
    static LoadedForms forms;
    return forms;
}

void LoadedForms::loaded(QWidget* form) {
    if (!form || m_forms.contains(form))
        return;
    m_forms.removeIf([](const QPointer<QWidget>& f) { return f.isNull(); });
    m_forms.append(form);
    form->installEventFilter(this);
}

void LoadedForms::unloaded(QWidget* form) {
    if (!form)
        return;
    m_forms.removeAll(form);
    form->removeEventFilter(this);
}

QList<QWidget*> LoadedForms::forms() const {
    QList<QWidget*> live;
    for (const QPointer<QWidget>& form : m_forms) {
        if (form)
            live.append(form.data());
    }
    return live;
}

void LoadedForms::setEndAction(std::function<void()> end) {
    m_end = std::move(end);
}

void LoadedForms::setBackupAction(std::function<void()> backup) {
    m_backup = std::move(backup);
}

void LoadedForms::exitProgram() {
    // A form whose unload ends the program calls back in here; the first call finishes
    // the job.
    if (m_exiting)
        return;
    m_exiting = true;
    while (!m_forms.isEmpty()) {
        const QPointer<QWidget> form = m_forms.takeLast();
        if (!form)
            continue;
        form->removeEventFilter(this);
        // The form's own close handler runs; a form that refuses still goes away.
        form->close();
        if (form)
            form->hide();
        if (form && form->testAttribute(Qt::WA_DeleteOnClose))
            form->deleteLater();
    }
    if (m_backup)
        m_backup();
    if (m_end)
        m_end();
    else
        QCoreApplication::exit(0);
}

void LoadedForms::closedByUser(QWidget*) {
    exitProgram();
}

void LoadedForms::reset() {
    for (const QPointer<QWidget>& form : std::as_const(m_forms)) {
        if (form)
            form->removeEventFilter(this);
    }
    m_forms.clear();
    m_end = {};
    m_backup = {};
    m_exiting = false;
}

bool LoadedForms::eventFilter(QObject* watched, QEvent* event) {
    // Only the close box sends a spontaneous close; close() from code does not.
    if (event->type() == QEvent::Close && event->spontaneous() && !m_exiting) {
        auto* form = qobject_cast<QWidget*>(watched);
        if (form && m_forms.contains(form)) {
            // Refuse this close and end the program from the event loop, so the window
            // system's close has finished and every form, this one too, is unloaded the
            // same way, last loaded first.
            event->ignore();
            const QPointer<QWidget> closed(form);
            QMetaObject::invokeMethod(
                this, [this, closed] { closedByUser(closed); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ExitProgram() {
    LoadedForms::instance().exitProgram();
}

// --- backup and messages ---------------------------------------------------------------

void BackupDataFiles(Desk& desk) {
    switch (programKind()) {
    case ProgramKind::Billwright: {
        const BackupOutcome outcome = copyToBackup(automaticBackupNames(), true);
        if (!outcome.complete) {
            desk.message(QStringLiteral("File Copy Incomplete"),
                         {QStringLiteral("Copying of File ") + outcome.failedName +
                              QStringLiteral("Could not be completed"),
                          QStringLiteral("This is most likely due some other "),
                          QStringLiteral("Orvanta Program running concurrently")},
                         MessageButtons::Ok);
        }
        break;
    }
    case ProgramKind::Slipmaker:
        // Nothing to tell: the program is ending and the next run tries again.
        copyToBackup(automaticBackupNames(), false);
        break;
    case ProgramKind::Spendlog:
        break;
    }
}

void installSpendlogRestoreNotice(Desk& desk) {
    setRestoreNotice([&desk](const QString& name) {
        if (name.contains(QStringLiteral("Invoice"), Qt::CaseSensitive))
            desk.beep();
        desk.message(QStringLiteral("File Restored from Backup Folder"),
                     {QStringLiteral("The ") + name + QStringLiteral(" was missing"),
                      QStringLiteral("a recent copy has been restored"),
                      QStringLiteral("Data may be missing from this file"),
                      QStringLiteral("This is normal when Deleting old Invoices etc")},
                     MessageButtons::Ok);
    });
}

void ShowMessage(Desk& desk, const QString& prompt, const QString& title) {
    desk.message(title, {prompt}, MessageButtons::Ok);
}

// --- start ----------------------------------------------------------------------------

bool prepareProgram(ProgramKind kind, const QStringList& arguments, Desk& desk, QString* error) {
    setProgramKind(kind);
    const std::optional<QString> folder =
        dataFolderFromArguments(arguments, QCoreApplication::applicationDirPath(), error);
    if (!folder)
        return false;
    setDataFolder(*folder);
    // Forms are hidden and shown as the person moves between them; only ExitProgram ends.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    LoadedForms::instance().setBackupAction([&desk] { BackupDataFiles(desk); });
    if (kind == ProgramKind::Spendlog)
        installSpendlogRestoreNotice(desk);
    return true;
}

} // namespace pellar
