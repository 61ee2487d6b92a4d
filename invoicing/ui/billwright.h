#pragma once
// The running invoicing program: its start-up, the forms it keeps for the whole run, the
// business profile in memory, and the moves between forms.

#include "common/core/profile.h"
#include "common/core/weblinks.h"
#include "invoicing/core/invoiceoptions.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace pellar {
class Desk;
}

namespace invoicing {

class frmSplash;
class frmShell;
class frmSetup;

inline constexpr const char16_t* kApplicationTitle = u"Billwright";

// "major.minor.revision" of this build.
QString billwrightVersion();

// Where a form sends the person next. Each call shows one form; the caller hides its own.
class Navigator {
public:
    virtual ~Navigator();
    virtual void showMenu() = 0;          // the start form
    virtual void showSetup() = 0;         // the setup form
    virtual void showCustomerEntry() = 0; // before each invoice
    virtual void showInvoiceForm() = 0;   // made afresh for each invoice
};

class Billwright : public Navigator {
public:
    Billwright(pellar::Desk& desk, pellar::WebConfig web);
    ~Billwright() override;
    Billwright(const Billwright&) = delete;
    Billwright& operator=(const Billwright&) = delete;

    // Everything after the single-instance guard: the start form shown and painted, the
    // backup folder, the business profile, the settings and the invoice options loaded
    // into the hidden setup form. Anything that could not be read is told in one message;
    // the defaults stand in for it and the program goes on.
    void start();

    pellar::Desk& desk() { return m_desk; }
    const pellar::WebConfig& web() const { return m_web; }
    pellar::BusinessProfile& profile() { return m_profile; }

    // The options as the setup form shows them now: what invoices and printing use.
    InvoiceOptions options() const;

    frmSplash* splash() const { return m_splash.get(); }
    frmSetup* setup() const { return m_setup.get(); }
    frmShell* shell() const { return m_shell.get(); } // null until first shown

    // The invoice form: made by this factory, shown, and left to unload itself (it is
    // deleted on close). Without a factory, Continue returns to the menu.
    using InvoiceFormFactory = std::function<QWidget*(Billwright&)>;
    void setInvoiceFormFactory(InvoiceFormFactory factory) {
        m_invoiceFactory = std::move(factory);
    }
    QWidget* invoiceForm() const { return m_invoice; }

    void showMenu() override;
    void showSetup() override;
    void showCustomerEntry() override;
    void showInvoiceForm() override;

    // Tells the person about a file that could not be saved.
    void reportFileError(const QString& error);

private:
    void loaded(QWidget* form);

    pellar::Desk& m_desk;
    pellar::WebConfig m_web;
    pellar::BusinessProfile m_profile;
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<frmSetup> m_setup;
    std::unique_ptr<frmShell> m_shell;
    QPointer<QWidget> m_invoice;
    InvoiceFormFactory m_invoiceFactory;
};

} // namespace invoicing
