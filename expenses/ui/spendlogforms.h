#pragma once
// The forms of the running expense program. Each form is loaded (made and put on the
// loaded-forms list) the first time it is needed and then only hidden and shown, so what
// it holds lives until the program ends.

#include "common/core/weblinks.h"

#include <QStringList>
#include <memory>

class QWidget;

namespace pellar {
class Desk;
}

namespace expenses {

class frmStartup;
class frmSetup;
class frmContacts;
class frmExpenses;

class SpendlogForms {
public:
    SpendlogForms(pellar::Desk& desk, pellar::WebConfig web);
    ~SpendlogForms();
    SpendlogForms(const SpendlogForms&) = delete;
    SpendlogForms& operator=(const SpendlogForms&) = delete;

    pellar::Desk& desk() const { return m_desk; }
    const pellar::WebConfig& web() const { return m_web; }

    // Each loads its form when it is not loaded yet.
    frmStartup& startup();
    frmSetup& setup();
    frmContacts& contacts();
    frmExpenses& expenses();

    bool setupLoaded() const { return bool(m_setup); }
    bool expensesLoaded() const { return bool(m_expenses); }

    // The program's start: the start form is loaded (which loads the contacts form,
    // hidden) and shown.
    void start();

    // One form takes the place of another: `from` is hidden, the named form shown and
    // activated.
    void showStartup(QWidget* from);
    void showSetup(QWidget* from);
    void showContacts(QWidget* from);
    void showExpenses(QWidget* from);

    // The contacts were read again: the expense form's payee list follows, when that form
    // is loaded (it reads the contacts itself when it is first shown).
    void payeesLoaded(const QStringList& names);

private:
    template <typename Form> Form& load(std::unique_ptr<Form>& slot);

    pellar::Desk& m_desk;
    pellar::WebConfig m_web;
    // Declared in the order of loading; destroyed the other way round.
    std::unique_ptr<frmStartup> m_startup;
    std::unique_ptr<frmContacts> m_contacts;
    std::unique_ptr<frmSetup> m_setup;
    std::unique_ptr<frmExpenses> m_expenses;
};

} // namespace expenses
