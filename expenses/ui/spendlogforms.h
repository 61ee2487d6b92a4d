#pragma once
// The forms of the running expense program. Each form is loaded (made and put on the
// loaded-forms list) the first time it is needed and then only hidden and shown, so what
// it holds lives until the program ends.

#include "common/core/programcontext.h"
#include "common/ui/helpmenu.h"
#include "common/ui/programshell.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace expenses {

class frmStartup;
class frmSetup;
class frmContacts;
class frmExpenses;

// What PellarSpendlogFREE tells the shell about itself.
pellar::ProgramProfile spendlogProfile();
// What Help and About say of the program.
pellar::ui::ProgramHelp spendlogHelp();

class SpendlogForms : public QObject {
    Q_OBJECT

public:
    // The forms are added to the shell, which owns them; this object is the shell's child.
    explicit SpendlogForms(pellar::ProgramShell& shell);

    pellar::ProgramContext& context() const { return m_shell.context(); }
    pellar::Desk& desk() const { return m_shell.context().desk; }
    const pellar::WebConfig& web() const { return m_shell.context().web; }
    const pellar::DataFolder& data() const { return m_shell.context().data; }

    // Each loads its form when it is not loaded yet.
    frmStartup& startup();
    frmSetup& setup();
    frmContacts& contacts();
    frmExpenses& expenses();

    bool setupLoaded() const;
    bool expensesLoaded() const;

    // The program's start: the start form is loaded (which loads the contacts form,
    // hidden) and shown.
    void start();

    // One form takes the place of another: `from` is hidden, the named form shown and
    // activated.
    void showStartup(QWidget* from);
    void showSetup(QWidget* from);
    void showContacts(QWidget* from);
    void showExpenses(QWidget* from);
    // The expense form on its export or category totals screen.
    void showExpenseExport(QWidget* from);
    void showCategoryTotals(QWidget* from);

    // The contacts were read again: the expense form's payee list follows, when that form
    // is loaded (it reads the contacts itself when it is first shown).
    void payeesLoaded(const QStringList& names);

private:
    template <typename Form> Form& load(const QString& name);

    pellar::ProgramShell& m_shell;
};

} // namespace expenses
