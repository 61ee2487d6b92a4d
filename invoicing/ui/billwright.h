#pragma once
// The running invoicing program: its start-up, the forms it keeps for the whole run, the
// business profile in memory, and the moves between forms.

#include "common/core/profile.h"
#include "common/core/programcontext.h"
#include "common/ui/helpmenu.h"
#include "common/ui/programshell.h"
#include "invoicing/core/invoiceoptions.h"
#include "invoicing/core/invoicevalues.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace invoicing {

class StartMenu;
class CustomerEntry;
class SetupForm;

inline constexpr const char16_t* kApplicationTitle = u"Billwright";

// "major.minor.revision" of this build.
QString billwrightVersion();

// What Billwright tells the shell about itself.
pellar::ProgramProfile billwrightProfile();
// What Help and About say of the program.
pellar::ui::ProgramHelp billwrightHelp();

// Where a form sends the person next. Each call shows one form; the caller hides its own.
class Navigator {
public:
    virtual ~Navigator();
    virtual void showMenu() = 0;          // the start form
    virtual void showSetup() = 0;         // the setup form
    virtual void showCustomerEntry() = 0; // before each invoice
    virtual void showInvoiceForm() = 0;   // made afresh for each invoice
};

class Billwright : public QObject, public Navigator {
    Q_OBJECT

public:
    explicit Billwright(pellar::ProgramShell& shell);
    ~Billwright() override;
    Billwright(const Billwright&) = delete;
    Billwright& operator=(const Billwright&) = delete;

    // The program's forms are added to the shell, which owns them; the program object is the
    // shell's child. Everything after the single-instance guard: the start form shown and
    // painted, the backup folder, the business profile, the settings and the invoice options
    // read, and the setup form loaded hidden. Anything that could not be read is told in one
    // message; the defaults stand in for it and the program goes on.
    void start();

    pellar::ProgramContext& context() { return m_shell.context(); }
    pellar::Desk& desk() { return m_shell.context().desk; }
    const pellar::WebConfig& web() const { return m_shell.context().web; }
    const pellar::DataFolder& data() const { return m_shell.context().data; }
    pellar::BusinessProfile& profile() { return m_profile; }

    // The options in use for the rest of the run: read at start, edited on the setup form,
    // used by every invoice and its print from then on. Stored only by the setup form's Save.
    const InvoiceOptions& options() const { return m_options; }
    void setOptions(const InvoiceOptions& options);

    // The customer typed on customer entry, for the invoice that follows.
    const CustomerAddress& customer() const { return m_customer; }
    void setCustomer(const CustomerAddress& customer) { m_customer = customer; }

    StartMenu* startMenu() const;
    SetupForm* setupForm() const;
    CustomerEntry* customerEntry() const; // null until first shown

    // The invoice form: made by this factory, shown, and left to unload itself (it is
    // deleted on close). Without a factory, Continue returns to the menu.
    using InvoiceFormFactory = std::function<QWidget*(Billwright&)>;
    void setInvoiceFormFactory(InvoiceFormFactory factory) {
        m_invoiceFactory = std::move(factory);
    }
    QWidget* invoiceForm() const;

    void showMenu() override;
    void showSetup() override;
    void showCustomerEntry() override;
    void showInvoiceForm() override;
    // The register of issued invoices and the sales-tax figures.
    void showInvoices();
    // The customer book, to correct or delete a customer.
    void showCustomers();

    // Tells the person about a file that could not be saved.
    void reportFileError(const QString& error);

private:
    pellar::ProgramShell& m_shell;
    pellar::BusinessProfile m_profile;
    InvoiceOptions m_options;
    CustomerAddress m_customer;
    InvoiceFormFactory m_invoiceFactory;
};

} // namespace invoicing
