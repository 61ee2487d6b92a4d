#include "invoicing/ui/billwright.h"

#include "common/core/backup.h"
#include "common/core/buildversion.h"
#include "common/core/desk.h"
#include "common/core/settings.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/ui/customerentry.h"
#include "invoicing/ui/customerswindow.h"
#include "invoicing/ui/invoiceform.h"
#include "invoicing/ui/invoiceswindow.h"
#include "invoicing/ui/setupform.h"
#include "invoicing/ui/startmenu.h"

#include <QCoreApplication>

namespace invoicing {

QString billwrightVersion() {
    return pellar::buildVersion();
}

Navigator::~Navigator() = default;

namespace {

// The forms' documented names, by which the shell knows them.
const QString kSplash = QStringLiteral("frmSplash");
const QString kSetup = QStringLiteral("frmSetup");
const QString kCustomer = QStringLiteral("frmShell");
const QString kInvoices = QStringLiteral("frmInvoices");
const QString kCustomers = QStringLiteral("frmCustomers");
const QString kInvoice = QStringLiteral("frmInvoice");

} // namespace

pellar::ui::ProgramHelp billwrightHelp() {
    return {QString::fromUtf16(kApplicationTitle), billwrightVersion(),
            QCoreApplication::translate(
                "Billwright", "Billwright writes and prints the invoices of a small business.")};
}

pellar::ProgramProfile billwrightProfile() {
    pellar::ProgramProfile profile;
    profile.title = QString::fromUtf16(kApplicationTitle);
    profile.version = billwrightVersion();
    profile.refusalLines = {
        QCoreApplication::translate("Billwright", "%1 is already Running!").arg(profile.title)};
    profile.backupNames = {QStringLiteral("BusinessInfo.txt"), QStringLiteral("SalesItems.txt"),
                           QStringLiteral("InvoiceCounter.txt"), QStringLiteral("InvoiceInfo.txt")};
    profile.writtenNames = writtenFiles();
    profile.backupFailed = [](pellar::Desk& desk, const QString& failedName) {
        desk.message(
            QCoreApplication::translate("Billwright", "File Copy Incomplete"),
            {QCoreApplication::translate("Billwright", "Copying of File %1Could not be completed")
                 .arg(failedName),
             QCoreApplication::translate("Billwright", "This is most likely due some other "),
             QCoreApplication::translate("Billwright", "Orvanta Program running concurrently")},
            pellar::MessageButtons::Ok);
    };
    profile.start = [](pellar::ProgramShell& shell) {
        auto* program = new Billwright(shell);
        program->setInvoiceFormFactory(
            [](Billwright& billwright) { return new InvoiceForm(billwright); });
        program->start();
        return true;
    };
    return profile;
}

Billwright::Billwright(pellar::ProgramShell& shell)
    : QObject(&shell)
    , m_shell(shell) {
    shell.addForm(kSplash, [this] { return new StartMenu(*this); });
    shell.addForm(kSetup, [this] { return new SetupForm(*this); });
    shell.addForm(kCustomer, [this] { return new CustomerEntry(*this); });
    shell.addForm(kInvoices, [this] { return new InvoicesWindow(*this); });
    shell.addForm(kCustomers, [this] { return new CustomersWindow(*this); });
    shell.addForm(
        kInvoice,
        [this]() -> QWidget* {
            // A fresh form for every invoice; it unloads itself when it is done.
            QWidget* invoice = m_invoiceFactory(*this);
            invoice->setAttribute(Qt::WA_DeleteOnClose);
            return invoice;
        },
        pellar::ProgramShell::Lifetime::Recreated);
}

Billwright::~Billwright() = default;

StartMenu* Billwright::startMenu() const {
    return dynamic_cast<StartMenu*>(m_shell.loadedForm(kSplash));
}

SetupForm* Billwright::setupForm() const {
    return dynamic_cast<SetupForm*>(m_shell.form(kSetup));
}

CustomerEntry* Billwright::customerEntry() const {
    return dynamic_cast<CustomerEntry*>(m_shell.loadedForm(kCustomer));
}

QWidget* Billwright::invoiceForm() const {
    return m_shell.loadedForm(kInvoice);
}

void Billwright::start() {
    pellar::ProgramContext& context = m_shell.context();
    QWidget* menu = m_shell.form(kSplash);
    menu->show();
    // Painted now, so the person sees the program while the data loads.
    menu->repaint();

    // What could not be read is told apart from the backup folder that could not be made:
    // only the first falls back on defaults.
    QStringList problems;
    const pellar::FileResult backupFolder = pellar::MakeBackupFolder(context.data);
    const pellar::ProfileRead profile = pellar::readBusinessProfile(context.data);
    m_profile = profile.profile;
    if (!profile.problem.isEmpty())
        problems << profile.problem;
    context.settings = pellar::LoadSettings(context.data);
    if (!context.settings.problem.isEmpty())
        problems << context.settings.problem;
    const InvoiceOptionsRead options = loadInvoiceOptions(context.data);
    if (!options.problem.isEmpty())
        problems << options.problem;
    setOptions(options.options);
    // The setup form is made when it is first wanted (and then kept, hidden, for the rest of
    // the run): making it takes longer than showing the start form.
    menu->update();

    QStringList lines;
    if (!problems.isEmpty())
        lines << QCoreApplication::translate("Billwright",
                                             "Some of the saved information could not be read:")
              << problems
              << QCoreApplication::translate(
                     "Billwright", "Billwright uses its defaults for what could not be read.");
    if (!backupFolder) {
        if (!lines.isEmpty())
            lines << QString();
        lines << backupFolder.error
              << QCoreApplication::translate(
                     "Billwright", "The data files cannot be backed up when Billwright ends.");
    }
    if (!lines.isEmpty()) {
        context.desk.message(QString::fromUtf16(kApplicationTitle), lines,
                             pellar::MessageButtons::Ok);
    }
}

void Billwright::setOptions(const InvoiceOptions& options) {
    m_options = options;
    m_options.settleGroups();
}

void Billwright::showMenu() {
    m_shell.form(kSplash)->show();
}

void Billwright::showSetup() {
    m_shell.form(kSetup)->show();
}

void Billwright::showCustomerEntry() {
    m_shell.form(kCustomer)->show();
}

void Billwright::showInvoiceForm() {
    if (!m_invoiceFactory) {
        showMenu();
        return;
    }
    m_shell.show(kInvoice);
}

void Billwright::showInvoices() {
    m_shell.form(kInvoices)->show();
}

void Billwright::showCustomers() {
    m_shell.form(kCustomers)->show();
}

void Billwright::reportFileError(const QString& error) {
    desk().message(QString::fromUtf16(kApplicationTitle), error.split(u'\n'),
                   pellar::MessageButtons::Ok);
}

} // namespace invoicing
