#pragma once
// Slipmaker's forms and the way between them: the start form (made afresh for each return to
// the menu), the setup form and the deposit form (each made once, hidden and shown).

#include "common/ui/helpmenu.h"
#include "common/ui/programshell.h"

#include <QObject>

namespace deposits {

class frmCheckbookSetup;
class frmDeposit;
class frmDepositHistory;
class frmSetup;
class frmSplash;

// What Slipmaker tells the shell about itself.
pellar::ProgramProfile slipmakerProfile();
// What Help and About say of the program.
pellar::ui::ProgramHelp slipmakerHelp();

class Slipmaker : public QObject {
    Q_OBJECT

public:
    explicit Slipmaker(pellar::ProgramShell& shell);

    // The entry sequence once the guard has let this copy in: the start form, the backup
    // folder, then the setup and deposit forms loaded hidden. False when the program ended
    // on the way (no checkbook data file).
    bool start();

    // A fresh start form. False when it ended the program.
    bool showMenu();
    void showSetup();
    void showDeposit();
    void showCheckbookSetup();
    void showHistory();

    frmSplash* splash() const;
    frmSetup* setup() const;
    frmDeposit* deposit() const;
    frmCheckbookSetup* checkbookSetup() const;
    frmDepositHistory* history() const;

private:
    static void centre(QWidget* form);

    pellar::ProgramShell& m_shell;
};

} // namespace deposits
