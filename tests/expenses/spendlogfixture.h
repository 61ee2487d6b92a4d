#pragma once
// A scratch data folder, a scripted desk and the expense program's forms, for tests that
// drive the program as the person would.

#include "expenses/core/contacts.h"
#include "expenses/ui/spendlogforms.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace expenses::testing {

class SpendlogTest : public ::testing::Test {
protected:
    // The program's forms on a fresh shell (the earlier run's forms go).
    SpendlogForms& start() {
        if (forms)
            app.restart();
        forms = new SpendlogForms(app.shell());
        forms->start();
        return *forms;
    }

    static Contact contact(const QString& name, const QString& city = {},
                           const QString& telephone = {}) {
        Contact c;
        c.name = name;
        c.city = city;
        c.telephone = telephone;
        c.state = QStringLiteral("IL");
        return c;
    }

    void putContacts(const QList<Contact>& contacts) {
        QByteArray bytes;
        for (const Contact& c : contacts)
            bytes += encodeContact(c);
        folder.put(QStringLiteral("VendorDat.txt"), bytes);
    }

    void putCategories() { folder.put(QStringLiteral("ExpenseCodes.txt"), "\"Travel\"\r\n"); }

    QByteArray contactsFile() const { return folder.bytes(QStringLiteral("VendorDat.txt")); }

    pellar::testing::TestProgram app{spendlogProfile()};
    pellar::testing::ScratchDataFolder& folder = app.folder;
    pellar::testing::ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
    SpendlogForms* forms = nullptr;
};

} // namespace expenses::testing
