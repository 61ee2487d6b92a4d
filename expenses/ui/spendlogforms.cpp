#include "expenses/ui/spendlogforms.h"

#include "common/core/buildversion.h"
#include "common/core/desk.h"
#include "expenses/core/expensefile.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmsetup.h"
#include "expenses/ui/frmstartup.h"
#include "expenses/ui/notices.h"

#include <QCoreApplication>

namespace expenses {

namespace {

const QString kStartup = QStringLiteral("frmStartup");
const QString kSetup = QStringLiteral("frmSetup");
const QString kContacts = QStringLiteral("frmContacts");
const QString kExpenses = QStringLiteral("frmExpenses");

} // namespace

pellar::ui::ProgramHelp spendlogHelp() {
    return {QString::fromUtf16(kProgramTitle), pellar::buildVersion(),
            QCoreApplication::translate(
                "SpendlogForms",
                "PellarSpendlogFREE records what a small business pays, and reports "
                "it for the accountant.")};
}

pellar::ProgramProfile spendlogProfile() {
    pellar::ProgramProfile profile;
    profile.title = QString::fromUtf16(kProgramTitle);
    profile.version = pellar::buildVersion();
    profile.restoreNotice = [](pellar::Desk& desk, const pellar::DataFolder&, const QString& name) {
        if (name.contains(QStringLiteral("Invoice"), Qt::CaseSensitive))
            desk.beep();
        desk.message(
            QCoreApplication::translate("SpendlogForms", "File Restored from Backup Folder"),
            {QCoreApplication::translate("SpendlogForms", "The ") + name +
                 QCoreApplication::translate("SpendlogForms", " was missing"),
             QCoreApplication::translate("SpendlogForms", "a recent copy has been restored"),
             QCoreApplication::translate("SpendlogForms", "Data may be missing from this file"),
             QCoreApplication::translate("SpendlogForms",
                                         "This is normal when Deleting old Invoices etc")},
            pellar::MessageButtons::Ok);
    };
    // The expense program drops the backup copy of every file it rewrites.
    profile.shortcutDropsBackup = true;
    profile.writtenNames = writtenFiles();
    profile.start = [](pellar::ProgramShell& shell) {
        (new SpendlogForms(shell))->start();
        return true;
    };
    return profile;
}

SpendlogForms::SpendlogForms(pellar::ProgramShell& shell)
    : QObject(&shell)
    , m_shell(shell) {
    shell.addForm(kStartup, [this] { return new frmStartup(*this); });
    shell.addForm(kSetup, [this] { return new frmSetup(*this); });
    shell.addForm(kContacts, [this] { return new frmContacts(*this); });
    shell.addForm(kExpenses, [this] { return new frmExpenses(*this); });
}

// On the loaded list before its load runs, as a form is while its own load handler runs; a
// form loaded by that handler comes after it.
template <typename Form> Form& SpendlogForms::load(const QString& name) {
    const bool fresh = !m_shell.loadedForm(name);
    Form* form = m_shell.form<Form>(name);
    if (fresh)
        form->formLoad();
    return *form;
}

frmStartup& SpendlogForms::startup() {
    return load<frmStartup>(kStartup);
}

frmSetup& SpendlogForms::setup() {
    return load<frmSetup>(kSetup);
}

frmContacts& SpendlogForms::contacts() {
    return load<frmContacts>(kContacts);
}

frmExpenses& SpendlogForms::expenses() {
    return load<frmExpenses>(kExpenses);
}

bool SpendlogForms::setupLoaded() const {
    return m_shell.loadedForm(kSetup) != nullptr;
}

bool SpendlogForms::expensesLoaded() const {
    return m_shell.loadedForm(kExpenses) != nullptr;
}

void SpendlogForms::payeesLoaded(const QStringList& names) {
    if (auto* form = dynamic_cast<frmExpenses*>(m_shell.loadedForm(kExpenses)))
        form->setPayees(names);
}

void SpendlogForms::start() {
    startup().showForm();
}

void SpendlogForms::showStartup(QWidget* from) {
    if (from)
        from->hide();
    startup().showForm();
}

void SpendlogForms::showSetup(QWidget* from) {
    if (from)
        from->hide();
    setup().showForm();
}

void SpendlogForms::showContacts(QWidget* from) {
    if (from)
        from->hide();
    contacts().showForm();
}

void SpendlogForms::showExpenses(QWidget* from) {
    if (from)
        from->hide();
    expenses().showForm();
}

void SpendlogForms::showExpenseExport(QWidget* from) {
    if (from)
        from->hide();
    expenses().showForm(frmExpenses::Screen::Export);
}

void SpendlogForms::showCategoryTotals(QWidget* from) {
    if (from)
        from->hide();
    expenses().showForm(frmExpenses::Screen::CategoryTotals);
}

} // namespace expenses
