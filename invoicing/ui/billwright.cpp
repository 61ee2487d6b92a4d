#include "invoicing/ui/billwright.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/ui/program.h"
#include "common/core/settings.h"
#include "invoicing/ui/frmsetup.h"
#include "invoicing/ui/frmshell.h"
#include "invoicing/ui/frmsplash.h"

#include <QCoreApplication>

namespace invoicing {

QString billwrightVersion() {
    return QStringLiteral("%1.%2.%3")
        .arg(BILLWRIGHT_VERSION_MAJOR)
        .arg(BILLWRIGHT_VERSION_MINOR)
        .arg(BILLWRIGHT_VERSION_PATCH);
}

Navigator::~Navigator() = default;

Billwright::Billwright(pellar::Desk& desk, pellar::WebConfig web)
    : m_desk(desk)
    , m_web(std::move(web)) {}

Billwright::~Billwright() {
    pellar::LoadedForms& forms = pellar::LoadedForms::instance();
    if (m_invoice) {
        forms.unloaded(m_invoice);
        delete m_invoice;
    }
    for (QWidget* form :
         {static_cast<QWidget*>(m_shell.get()), static_cast<QWidget*>(m_setup.get()),
          static_cast<QWidget*>(m_splash.get())}) {
        if (form)
            forms.unloaded(form);
    }
}

void Billwright::loaded(QWidget* form) {
    pellar::LoadedForms::instance().loaded(form);
}

void Billwright::start() {
    m_splash = std::make_unique<frmSplash>(*this);
    loaded(m_splash.get());
    m_splash->show();
    // Painted now, so the person sees the program while the data loads.
    QCoreApplication::processEvents();

    QStringList problems;
    if (const pellar::FileResult made = pellar::MakeBackupFolder(); !made)
        problems << made.error;
    const pellar::ProfileRead profile = pellar::readBusinessProfile();
    m_profile = profile.profile;
    if (!profile.problem.isEmpty())
        problems << profile.problem;
    pellar::programSettings() = pellar::LoadSettings();
    if (!pellar::programSettings().problem.isEmpty())
        problems << pellar::programSettings().problem;
    const InvoiceOptionsRead options = LoadInvoiceOptions();
    if (!options.problem.isEmpty())
        problems << options.problem;

    m_setup = std::make_unique<frmSetup>(*this);
    loaded(m_setup.get());
    m_setup->setOptions(options.options);
    m_splash->update();

    if (!problems.isEmpty()) {
        QStringList lines{QStringLiteral("Some of the saved information could not be read:")};
        lines << problems
              << QStringLiteral("Billwright uses its defaults for what could not be read.");
        m_desk.message(QString::fromUtf16(kApplicationTitle), lines, pellar::MessageButtons::Ok);
    }
}

InvoiceOptions Billwright::options() const {
    return m_setup ? m_setup->options() : InvoiceOptions{};
}

void Billwright::showMenu() {
    m_splash->show();
}

void Billwright::showSetup() {
    m_setup->show();
}

void Billwright::showCustomerEntry() {
    if (!m_shell) {
        m_shell = std::make_unique<frmShell>(*this);
        loaded(m_shell.get());
    }
    m_shell->show();
}

void Billwright::showInvoiceForm() {
    if (!m_invoiceFactory) {
        showMenu();
        return;
    }
    // A fresh form for every invoice; it unloads itself when it is done.
    m_invoice = m_invoiceFactory(*this);
    m_invoice->setAttribute(Qt::WA_DeleteOnClose);
    loaded(m_invoice);
    m_invoice->show();
}

void Billwright::reportFileError(const QString& error) {
    m_desk.message(QString::fromUtf16(kApplicationTitle), error.split(u'\n'),
                   pellar::MessageButtons::Ok);
}

} // namespace invoicing
