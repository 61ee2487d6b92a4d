#include "expenses/ui/spendlogforms.h"

#include "common/ui/program.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmsetup.h"
#include "expenses/ui/frmstartup.h"

namespace expenses {

SpendlogForms::SpendlogForms(pellar::Desk& desk, pellar::WebConfig web)
    : m_desk(desk)
    , m_web(std::move(web)) {}

SpendlogForms::~SpendlogForms() {
    pellar::LoadedForms& loaded = pellar::LoadedForms::instance();
    for (QWidget* form : std::initializer_list<QWidget*>{m_expenses.get(), m_setup.get(),
                                                         m_contacts.get(), m_startup.get()}) {
        if (form)
            loaded.unloaded(form);
    }
    m_expenses.reset();
    m_setup.reset();
    m_contacts.reset();
    m_startup.reset();
}

template <typename Form> Form& SpendlogForms::load(std::unique_ptr<Form>& slot) {
    if (!slot) {
        slot = std::make_unique<Form>(*this);
        // On the list before its load runs, as a form is while its own load handler runs;
        // a form loaded by that handler comes after it.
        pellar::LoadedForms::instance().loaded(slot.get());
        slot->formLoad();
    }
    return *slot;
}

frmStartup& SpendlogForms::startup() {
    return load(m_startup);
}

frmSetup& SpendlogForms::setup() {
    return load(m_setup);
}

frmContacts& SpendlogForms::contacts() {
    return load(m_contacts);
}

frmExpenses& SpendlogForms::expenses() {
    return load(m_expenses);
}

void SpendlogForms::payeesLoaded(const QStringList& names) {
    if (m_expenses)
        m_expenses->setPayees(names);
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

} // namespace expenses
