#pragma once
// A scratch data folder, a scripted desk and the expense program's forms, for tests that
// drive the program as the person would.

#include "common/ui/program.h"
#include "common/core/weblinks.h"
#include "expenses/core/contacts.h"
#include "expenses/ui/spendlogforms.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace expenses::testing {

class SpendlogTest : public ::testing::Test {
protected:
    SpendlogTest() {
        pellar::LoadedForms::instance().reset();
        pellar::LoadedForms::instance().setEndAction([this] { ++ended; });
        pellar::installSpendlogRestoreNotice(desk);
    }
    ~SpendlogTest() override {
        forms.reset();
        pellar::LoadedForms::instance().reset();
        pellar::setRestoreNotice({});
    }

    SpendlogForms& start() {
        forms = std::make_unique<SpendlogForms>(desk, pellar::WebConfig::defaults());
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

    pellar::testing::ScratchDataFolder folder{pellar::ProgramKind::Spendlog};
    pellar::testing::ScriptedDesk desk;
    std::unique_ptr<SpendlogForms> forms;
    int ended = 0;
};

} // namespace expenses::testing
