#pragma once
// The shell every program runs in: its forms (made when first wanted, kept or made afresh),
// the moves from one form to another, the loaded-forms list, ExitProgram and the entry
// sequence. A program describes itself in a ProgramProfile and hands it to runProgram.

#include "common/core/programcontext.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace pellar {

class ProgramShell;
class SingleInstanceGuard;

struct ProgramProfile {
    QString title;   // the application title: window titles, messages, the guard's name
    QString version; // "major.minor.revision"

    // The guard against a second copy: the refusal's lines (none: no guard). After the
    // refusal the copy ends at once, or through ExitProgram (its backup included) when
    // exitAfterRefusal is set.
    QStringList refusalLines;
    bool exitAfterRefusal = false;

    // The automatic backup ExitProgram makes: base names in the data folder, in order. With
    // backupFailed set, the first copy that fails stops the backup and is told; without it
    // failures are passed over and the rest is copied.
    QStringList backupNames;
    std::function<void(Desk& desk, const QString& failedName)> backupFailed;
    // Every other data file the program writes (never an invoice counter): copied after the
    // list above, a failure passed over. Every name of both lists is also copied into the
    // day's folder of the backup folder, of which the last days are kept.
    QStringList writtenNames;

    // Told after a data file was restored from the backup folder (none: restored silently).
    // The file is back in the folder by then, so the notice may read it.
    std::function<void(Desk& desk, const DataFolder& folder, const QString& name)> restoreNotice;
    // Whether writing the shortcut file drops its backup copy first.
    bool shortcutDropsBackup = false;

    // The entry sequence once the guard has let this copy in: adds the program's forms to
    // the shell and shows the first. False when the program ended on the way.
    std::function<bool(ProgramShell& shell)> start;
};

class ProgramShell : public QObject, public ProgramControl {
public:
    // Kept forms are made the first time they are wanted, then hidden and shown until the
    // program ends. Recreated forms are made afresh each time they are shown and go when they
    // are unloaded.
    enum class Lifetime { Kept, Recreated };

    ProgramShell(ProgramContext& context, ProgramProfile profile);
    ~ProgramShell() override;
    ProgramShell(const ProgramShell&) = delete;
    ProgramShell& operator=(const ProgramShell&) = delete;

    ProgramContext& context() { return m_context; }
    const ProgramProfile& profile() const { return m_profile; }

    // Forms by their form name. `make` builds the form (not yet shown); the shell owns it.
    void addForm(const QString& name, std::function<QWidget*()> make,
                 Lifetime lifetime = Lifetime::Kept);
    // The form, loaded first when it is not loaded. Null for a name never added.
    QWidget* form(const QString& name);
    template <typename Form> Form* form(const QString& name) {
        return dynamic_cast<Form*>(form(name));
    }
    // Null when the form is not loaded.
    QWidget* loadedForm(const QString& name) const;
    // Shows the named form (loading it, or making a recreated one afresh) and activates it;
    // `from`, when given, is hidden first, or unloaded when it is a recreated form.
    QWidget* show(const QString& name, QWidget* from = nullptr);
    // A close from code: the form goes (a recreated one is deleted) without ending the
    // program.
    void unload(QWidget* form);
    // Loaded forms, in load order.
    QList<QWidget*> loadedForms() const;

    // The entry sequence: the guard against a second copy, then the program's own start.
    // False when the program ended (or must end) already.
    bool start();
    // Where the guard keeps its lock (by default the user's runtime folder). Tests use their
    // own folder, so parallel tests never meet.
    void setLockFolder(const QString& folder) { m_lockFolder = folder; }

    // ExitProgram: every loaded form unloaded, the last loaded first (its close handler
    // runs; a form that refuses still goes); the automatic backup; the end. A form whose
    // unload calls it again changes nothing.
    void exitProgram() override;
    bool exiting() const override { return m_exiting; }
    // What the end is: by default the event loop quits. Tests replace it.
    void setEndAction(std::function<void()> end) { m_end = std::move(end); }
    // The automatic backup of the profile, as ExitProgram makes it.
    void backupDataFiles();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slot {
        QString name;
        std::function<QWidget*()> make;
        Lifetime lifetime = Lifetime::Kept;
        QPointer<QWidget> form;
    };
    Slot* slot(const QString& name);
    const Slot* slotOf(const QWidget* form) const;
    void loaded(Slot& slot);

    ProgramContext& m_context;
    ProgramProfile m_profile;
    QList<Slot> m_slots;
    QList<QPointer<QWidget>> m_loaded; // load order
    std::function<void()> m_end;
    bool m_exiting = false;
    QString m_lockFolder;
    std::unique_ptr<SingleInstanceGuard> m_guard; // held for the whole run
};

// A whole program: the application object, the command line ("--data-folder DIR" or the
// folder that holds the program), the real desk, the context, the shell, the entry sequence
// and the event loop. A bad command line is told on the standard error, with exit code 2.
int runProgram(const ProgramProfile& profile, int argc, char** argv);

} // namespace pellar
