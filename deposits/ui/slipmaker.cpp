#include "deposits/ui/slipmaker.h"

#include "common/core/backup.h"
#include "common/core/buildversion.h"
#include "common/core/desk.h"
#include "common/core/regional.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/ui/frmcheckbooksetup.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/frmdeposithistory.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/frmsplash.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <QTimer>

namespace deposits {

namespace {

const QString kSplash = QStringLiteral("frmSplash");
const QString kSetup = QStringLiteral("frmSetup");
const QString kDeposit = QStringLiteral("frmDeposit");
const QString kCheckbookSetup = QStringLiteral("frmCheckbookSetup");
const QString kHistory = QStringLiteral("frmDepositHistory");

// Nothing of the family updates the backup copy of the checkbook file, so a balance that
// comes back from it may be long out of date: the person hears which balance, from a copy of
// which date, before a deposit is added to it. Other files come back silently.
void tellRestoredCheckbook(pellar::Desk& desk, const pellar::DataFolder& folder,
                           const QString& name) {
    if (name != QString::fromUtf16(kCheckbookFile))
        return;
    const QDate copied = QFileInfo(folder.backupFilePath(name)).lastModified().date();
    const CheckbookRead read = readCheckbook(folder);
    const QString balance =
        read.status == CheckbookRead::Status::Loaded
            ? QCoreApplication::translate("Slipmaker", "Its balance of %1 may be out of date.")
                  .arg(pellar::formatCurrency(read.balance))
            : QCoreApplication::translate("Slipmaker", "Its balance could not be read.");
    desk.message(programTitle(),
                 {QCoreApplication::translate(
                      "Slipmaker", "CheckbookInfo.txt was missing and has been restored from its "
                                   "copy in the Backup folder, dated %1.")
                      .arg(pellar::formatShortDate(copied)),
                  balance,
                  QCoreApplication::translate(
                      "Slipmaker", "Check it against your checkbook before adding a deposit.")},
                 pellar::MessageButtons::Ok);
}

} // namespace

pellar::ui::ProgramHelp slipmakerHelp() {
    return {programTitle(), pellar::buildVersion(),
            QCoreApplication::translate(
                "Slipmaker", "Slipmaker prints bank deposit slips and keeps the checkbook "
                             "balance.")};
}

pellar::ProgramProfile slipmakerProfile() {
    pellar::ProgramProfile profile;
    profile.title = programTitle();
    profile.version = pellar::buildVersion();
    profile.refusalLines = {
        programTitle() + QCoreApplication::translate("Slipmaker", " is already Running!"),
        QCoreApplication::translate("Slipmaker", "Look for it on the Task Bar")};
    // The refused copy still ends through ExitProgram, which backs up the log.
    profile.exitAfterRefusal = true;
    // A copy that fails is passed over: the program is ending and the next run tries again.
    profile.backupNames = {QStringLiteral("Transactions.txt")};
    profile.writtenNames = writtenFiles();
    profile.restoreNotice = tellRestoredCheckbook;
    profile.start = [](pellar::ProgramShell& shell) {
        return (new Slipmaker(shell))->start();
    };
    return profile;
}

Slipmaker::Slipmaker(pellar::ProgramShell& shell)
    : QObject(&shell)
    , m_shell(shell) {
    pellar::ProgramContext& context = shell.context();
    shell.addForm(
        kSplash,
        [this, &context] {
            auto* splash = new frmSplash(context);
            connect(splash, &frmSplash::setupWanted, this, &Slipmaker::showSetup);
            connect(splash, &frmSplash::depositWanted, this, &Slipmaker::showDeposit);
            connect(splash, &frmSplash::historyWanted, this, &Slipmaker::showHistory);
            return splash;
        },
        pellar::ProgramShell::Lifetime::Recreated);
    shell.addForm(kSetup, [this, &context] {
        auto* setup = new frmSetup(context);
        connect(setup, &frmSetup::menuWanted, this, [this] { showMenu(); });
        return setup;
    });
    shell.addForm(kDeposit, [this, &context] {
        auto* deposit = new frmDeposit(context);
        connect(deposit, &frmDeposit::menuWanted, this, [this] { showMenu(); });
        return deposit;
    });
    shell.addForm(kCheckbookSetup, [this, &context] {
        auto* setup = new frmCheckbookSetup(context);
        connect(setup, &frmCheckbookSetup::checkbookCreated, this, [this] { showMenu(); });
        return setup;
    });
    shell.addForm(kHistory, [this, &context] {
        auto* history = new frmDepositHistory(context);
        connect(history, &frmDepositHistory::menuWanted, this, [this] { showMenu(); });
        return history;
    });
}

frmSplash* Slipmaker::splash() const {
    return dynamic_cast<frmSplash*>(m_shell.loadedForm(kSplash));
}

frmSetup* Slipmaker::setup() const {
    return dynamic_cast<frmSetup*>(m_shell.loadedForm(kSetup));
}

frmDeposit* Slipmaker::deposit() const {
    return dynamic_cast<frmDeposit*>(m_shell.loadedForm(kDeposit));
}

frmCheckbookSetup* Slipmaker::checkbookSetup() const {
    return dynamic_cast<frmCheckbookSetup*>(m_shell.loadedForm(kCheckbookSetup));
}

frmDepositHistory* Slipmaker::history() const {
    return dynamic_cast<frmDepositHistory*>(m_shell.loadedForm(kHistory));
}

bool Slipmaker::start() {
    if (!showMenu())
        return false;
    pellar::ProgramContext& context = m_shell.context();
    if (const pellar::FileResult made = pellar::MakeBackupFolder(context.data); !made)
        context.desk.message(programTitle(), {made.error}, pellar::MessageButtons::Ok);
    if (frmSplash* menu = splash())
        menu->repaint();
    // The setup and deposit forms are loaded hidden once the start form is on the screen:
    // making them takes longer than showing it.
    QTimer::singleShot(0, this, [this] {
        m_shell.form(kSetup);
        m_shell.form(kDeposit);
    });
    return !context.exiting();
}

bool Slipmaker::showMenu() {
    // A fresh start form each time: the one before goes first.
    m_shell.unload(splash());
    auto* menu = m_shell.form<frmSplash>(kSplash);
    switch (menu->checkCheckbook()) {
    case frmSplash::Checkbook::Present:
        break;
    case frmSplash::Checkbook::SetUpWanted:
        showCheckbookSetup();
        return true;
    case frmSplash::Checkbook::Ended:
        return false;
    }
    centre(menu);
    menu->show();
    menu->activate();
    menu->repaint();
    return true;
}

void Slipmaker::showSetup() {
    m_shell.unload(splash());
    frmSetup* form = setup() ? setup() : m_shell.form<frmSetup>(kSetup);
    centre(form);
    form->show();
    form->activate();
}

void Slipmaker::showDeposit() {
    frmDeposit* form = deposit() ? deposit() : m_shell.form<frmDeposit>(kDeposit);
    centre(form);
    form->show();
    m_shell.unload(splash());
    form->activate();
}

void Slipmaker::showCheckbookSetup() {
    m_shell.unload(splash());
    frmCheckbookSetup* form =
        checkbookSetup() ? checkbookSetup() : m_shell.form<frmCheckbookSetup>(kCheckbookSetup);
    centre(form);
    form->show();
    form->activate();
}

void Slipmaker::showHistory() {
    frmDepositHistory* form = history() ? history() : m_shell.form<frmDepositHistory>(kHistory);
    centre(form);
    form->show();
    m_shell.unload(splash());
    form->activate();
}

void Slipmaker::centre(QWidget* form) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = form->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form->move(frame.topLeft());
    }
}

} // namespace deposits
