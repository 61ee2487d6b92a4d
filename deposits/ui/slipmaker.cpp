#include "deposits/ui/slipmaker.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/ui/program.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/frmsplash.h"
#include "deposits/core/slipmakerinfo.h"

#include <QGuiApplication>
#include <QScreen>

namespace deposits {

Slipmaker::Slipmaker(pellar::Desk& desk, pellar::WebConfig links)
    : m_desk(desk)
    , m_links(std::move(links)) {}

Slipmaker::~Slipmaker() {
    delete m_splash.data();
}

frmSplash* Slipmaker::splash() const {
    return m_splash.data();
}

bool Slipmaker::start() {
    if (!showMenu())
        return false;
    if (const pellar::FileResult made = pellar::MakeBackupFolder(); !made)
        m_desk.message(programTitle(), {made.error}, pellar::MessageButtons::Ok);
    m_splash->repaint();

    m_setup = std::make_unique<frmSetup>(m_desk, m_links);
    connect(m_setup.get(), &frmSetup::menuWanted, this, [this] { showMenu(); });
    m_deposit = std::make_unique<frmDeposit>(m_desk);
    connect(m_deposit.get(), &frmDeposit::menuWanted, this, [this] { showMenu(); });
    return !pellar::LoadedForms::instance().exiting();
}

bool Slipmaker::showMenu() {
    auto* splash = new frmSplash(m_desk, m_links);
    m_splash = splash;
    if (!splash->checkCheckbook())
        return false;
    connect(splash, &frmSplash::setupWanted, this, &Slipmaker::showSetup);
    connect(splash, &frmSplash::depositWanted, this, &Slipmaker::showDeposit);
    centre(splash);
    splash->show();
    splash->activate();
    splash->repaint();
    return true;
}

void Slipmaker::closeSplash() {
    if (!m_splash)
        return;
    pellar::LoadedForms::instance().unloaded(m_splash);
    // A close from code: the form goes (it deletes itself) without ending the program.
    m_splash->close();
    m_splash = nullptr;
}

void Slipmaker::showSetup() {
    closeSplash();
    centre(m_setup.get());
    m_setup->show();
    m_setup->activate();
}

void Slipmaker::showDeposit() {
    centre(m_deposit.get());
    m_deposit->show();
    closeSplash();
    m_deposit->activate();
}

void Slipmaker::centre(QWidget* form) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = form->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form->move(frame.topLeft());
    }
}

} // namespace deposits
