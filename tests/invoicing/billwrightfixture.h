#pragma once
// Billwright on a scratch folder and a scripted desk, driven as the person would: controls
// are found by their documented names.

#include "invoicing/ui/billwright.h"
#include "invoicing/ui/invoiceform.h"
#include "invoicing/ui/startmenu.h"
#include "tests/support/testprogram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace invoicing::testing {

inline const QByteArray kProfile = "\"Hillside Hardware\",\"41 Quarry Road\",\"Suite 2\","
                                   "\"Brookfield\",\"VT\",\"05036\",\"802-555-0142\","
                                   "\"orders@hillside.example\",\"03-1234567\"\r\n";

class BillwrightTest : public ::testing::Test {
protected:
    // The program with its start menu up, making real invoice forms.
    Billwright& start() {
        program = new Billwright(app.shell());
        program->setInvoiceFormFactory([](Billwright& bw) { return new InvoiceForm(bw); });
        program->start();
        return *program;
    }
    // Menu -> customer entry -> invoice form, active as it is for the person, under the
    // options as changed.
    InvoiceForm* openInvoice(const std::function<void(InvoiceOptions&)>& change = {}) {
        if (!program) {
            app.folder.put("MyBusinessData.txt", kProfile);
            start();
        }
        InvoiceOptions options = program->options();
        if (change)
            change(options);
        program->setOptions(options);
        click(program->startMenu(), "cmdContinue");
        QWidget* entry = app.shell().form(QStringLiteral("frmShell"));
        const char* customer[] = {"Maple Street Bakery", "12 Maple St", "",
                                  "Springfield",         "IL",          "62704"};
        for (int i = 1; i <= 6; ++i)
            child(entry, QStringLiteral("txtCustomer_%1").arg(i).toLatin1())
                ->setText(customer[i - 1]);
        click(entry, "cmdSchedule");
        form = dynamic_cast<InvoiceForm*>(program->invoiceForm());
        EXPECT_NE(form, nullptr);
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        return form;
    }

    template <typename T = QLineEdit> static T* child(QWidget* in, const QByteArray& name) {
        T* found = in->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name.constData();
        return found;
    }
    template <typename T = QLineEdit> T* get(const QByteArray& name) const {
        return child<T>(form, name);
    }
    // Near the left edge: a check box stretched by its layout is clickable only on its
    // indicator and text.
    static void click(QWidget* in, const QByteArray& name) {
        auto* button = child<QAbstractButton>(in, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void click(const QByteArray& name) { click(form, name); }
    // Types over what a box (or an editable list) holds, with the focus in it.
    static void type(QWidget* in, const QByteArray& name, const QString& text) {
        auto* list = in->findChild<QComboBox*>(QString::fromLatin1(name));
        QLineEdit* box = list ? list->lineEdit() : child(in, name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void type(const QByteArray& name, const QString& text) { type(form, name, text); }
    void post(const QString& item, const QString& quantity, const QString& price) {
        type("cboDescription", item);
        type("txtQuantity", quantity);
        type("txtPrice", price);
        click("cmdPost");
    }
    static QString focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }

    pellar::testing::TestProgram app{billwrightProfile()};
    pellar::testing::ScratchDataFolder& folder = app.folder;
    pellar::testing::ScriptedDesk& desk = app.desk;
    Billwright* program = nullptr;
    InvoiceForm* form = nullptr;
};

} // namespace invoicing::testing
