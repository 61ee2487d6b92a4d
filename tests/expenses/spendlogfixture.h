#pragma once
// A scratch data folder, a scripted desk and the expense program's forms, for tests that
// drive the program as the person would.

#include "expenses/core/contacts.h"
#include "expenses/core/expensefile.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmstartup.h"
#include "expenses/ui/spendlogforms.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

namespace expenses::testing {

// A control of a form by its documented name; a name that is not there ends the test
// program, since every step after it would only fail the same way.
template <typename Control = QAbstractButton>
Control* child(const QObject* form, const QString& name) {
    auto* control = form->findChild<Control*>(name);
    if (!control) {
        ADD_FAILURE() << "no control named " << name.toStdString();
        std::abort();
    }
    return control;
}
inline void click(const QObject* form, const QString& name) {
    child(form, name)->click();
}
inline void trigger(const QObject* form, const QString& name) {
    child<QAction>(form, name)->trigger();
}

// A record field's bytes: the value, cut or padded with blanks to its width.
inline QByteArray padded(const QByteArray& value, int width) {
    return value.left(width) + QByteArray(std::max<qsizetype>(0, width - value.size()), ' ');
}

// A contact with only a name, in the state the program gives a first contact.
inline Contact named(const QString& name) {
    Contact c;
    c.name = name;
    c.state = QStringLiteral("Fl");
    return c;
}

// An open cash payment for travel, on a date.
inline ExpenseRecord dated(const QString& date, const QString& payee = "Harbor Fuel",
                           const QString& amount = "$10.00") {
    return {date, payee, "Travel", amount, "Cash", "", "Open"};
}

// An expense file's bytes from records, and its records back from the bytes.
inline QByteArray expenseFileOf(const QList<ExpenseRecord>& records) {
    QByteArray bytes;
    for (const ExpenseRecord& r : records)
        bytes += encodeExpense(r);
    return bytes;
}
inline QList<ExpenseRecord> expensesIn(const QByteArray& file) {
    QList<ExpenseRecord> records;
    for (qsizetype at = 0; at < file.size(); at += kExpenseRecordLength)
        records.append(decodeExpense(file.mid(at, kExpenseRecordLength)));
    return records;
}
// One field of every record, as in `fieldIn(file, &ExpenseRecord::paidTo)`.
inline QStringList fieldIn(const QByteArray& file, QString ExpenseRecord::*field) {
    QStringList values;
    for (const ExpenseRecord& r : expensesIn(file))
        values.append(r.*field);
    return values;
}

class SpendlogTest : public ::testing::Test {
public:
    // A contact at one street address, with the fields a test looks at.
    static Contact contact(const QString& name, const QString& city = {},
                           const QString& telephone = {}, const QString& category = {}) {
        return {{}, name, "1 Main Street", {}, city, "IL", "62701", telephone, {}, category, {}};
    }

protected:
    // The program's forms on a fresh shell (the earlier run's forms go).
    SpendlogForms& start() {
        if (forms)
            app.restart();
        forms = new SpendlogForms(app.shell());
        forms->start();
        return *forms;
    }

    // The contacts form shown as from the menu, the program started first if need be.
    frmContacts& showContacts() {
        SpendlogForms& f = forms ? *forms : start();
        f.showContacts(&f.startup());
        return f.contacts();
    }

    void putContacts(const QList<Contact>& contacts) {
        QByteArray bytes;
        for (const Contact& c : contacts)
            bytes += encodeContact(c);
        folder.put(QStringLiteral("VendorDat.txt"), bytes);
    }

    void putCategories() { folder.put(QStringLiteral("ExpenseCodes.txt"), "\"Travel\"\r\n"); }

    QByteArray contactsFile() const { return folder.bytes(QStringLiteral("VendorDat.txt")); }
    QList<Contact> contactsOnFile() const { return readContacts(folder).contacts; }
    // "&Continue......." on the start form.
    void goOn() { click(&forms->startup(), QStringLiteral("cmdGoto")); }

    pellar::testing::TestProgram app{spendlogProfile()};
    pellar::testing::ScratchDataFolder& folder = app.folder;
    pellar::testing::ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
    SpendlogForms* forms = nullptr;
};

} // namespace expenses::testing
