#pragma once
// Slipmaker's forms and the way between them: the start form (made afresh for each return to
// the menu), the setup form and the deposit form (each made once, hidden and shown).

#include "deposits/core/depositlinks.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace pellar {
class Desk;
}

namespace deposits {

class frmDeposit;
class frmSetup;
class frmSplash;

class Slipmaker : public QObject {
public:
    Slipmaker(pellar::Desk& desk, pellar::WebConfig links);
    ~Slipmaker() override;

    // The entry sequence once the guard has let this copy in: the start form, the backup
    // folder, then the setup and deposit forms loaded hidden. False when the program ended
    // on the way (no checkbook data file).
    bool start();

    // A fresh start form. False when it ended the program.
    bool showMenu();
    void showSetup();
    void showDeposit();

    frmSplash* splash() const;
    frmSetup* setup() const { return m_setup.get(); }
    frmDeposit* deposit() const { return m_deposit.get(); }

private:
    void closeSplash();
    static void centre(QWidget* form);

    pellar::Desk& m_desk;
    pellar::WebConfig m_links;
    QPointer<frmSplash> m_splash;
    std::unique_ptr<frmSetup> m_setup;
    std::unique_ptr<frmDeposit> m_deposit;
};

} // namespace deposits
