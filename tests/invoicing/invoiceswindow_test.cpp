// The invoices window and the customer book on customer entry, driven from the keyboard.
#include "tests/invoicing/billwrightfixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>

using namespace invoicing;
using pellar::MessageAnswer;

Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

namespace {

const QByteArray kRegister =
    "\"20261001\",\"2026-10-01\",\"Smith & Sons\",0.00,100.00,0.00,100.00,0.00,\"\","
    "\"Invoices/2026/20261001 Smith.pdf\",\"\"\r\n"
    "damaged\r\n"
    "\"20261102\",\"2026-11-20\",\"Baker\",50.00,10.00,3.00,63.00,0.00,\"\","
    "\"Invoices/2026/20261102 Baker.pdf\",\"2026-11-30\"\r\n"
    "\"20261203\",\"2026-12-01\",\"Smithfield\",20.00,0.00,1.20,21.20,0.00,\"\","
    "\"Invoices/2026/20261203 Smithfield.pdf\",\"\"\r\n";

class InvoicesWindowTest : public invoicing::testing::BillwrightTest {
protected:
    void SetUp() override { qt_set_sequence_auto_mnemonic(true); }
    QWidget* openWindow() {
        folder.put("MyBusinessData.txt", invoicing::testing::kProfile);
        folder.put("Invoices.txt", kRegister);
        start();
        desk.expectMessage(QStringLiteral("Billwright")); // the damaged line is told
        program->startMenu()->findChild<QAction*>("mnuInvoices")->trigger();
        window = app.shell().form(QStringLiteral("frmInvoices"));
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return window;
    }
    void alt(char key) {
        QTest::keyClick(window, key, Qt::AltModifier);
        QTest::qWait(150);
    }
    // As a keyboard sends them: to the window, which hands them to its focus.
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
    }
    void typeHere(const char* text) {
        for (; *text; ++text)
            QTest::keyClick(window->windowHandle(), *text);
    }
    void openFromMenu(Qt::Key key, const char* form) {
        program->startMenu()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(program->startMenu()));
        QTest::keyClick(program->startMenu()->windowHandle(), key, Qt::ControlModifier);
        window = app.shell().form(QString::fromLatin1(form));
        ASSERT_TRUE(window->isVisible());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    QString summary() const { return child<QLabel>(window, "lblSummary")->text(); }
    QWidget* window = nullptr;
};

} // namespace

TEST_F(InvoicesWindowTest, FindsMarksPaidOpensAndExportsFromTheKeyboard) {
    openWindow();
    EXPECT_TRUE(desk.messages().last().text().contains("1 line(s)"));
    // Today is 2026-12-06: the October invoice is unpaid for more than 30 days.
    EXPECT_EQ(summary(), QStringLiteral("3 of 3 invoices shown, total $184.20; 1 unpaid for "
                                        "more than 30 days (in red)."));
    typeHere("smith");
    EXPECT_TRUE(summary().startsWith("3 of 3")); // filtered once the typing pauses
    QTest::qWait(250);
    EXPECT_TRUE(summary().startsWith("2 of 3 invoices shown, total $121.20"));
    alt('u');
    EXPECT_TRUE(summary().startsWith("2 of 3"));

    // The newest first; the current one is marked paid on the day shown, the damaged line kept.
    alt('p');
    const QByteArray after = folder.bytes("Invoices.txt");
    EXPECT_TRUE(after.contains("\"Invoices/2026/20261203 Smithfield.pdf\",\"2026-12-06\"\r\n"));
    EXPECT_TRUE(after.contains("\r\ndamaged\r\n"));
    EXPECT_TRUE(summary().startsWith("1 of 3 invoices shown, total $100.00"));

    folder.put("Invoices/2026/20261001 Smith.pdf", "%PDF");
    alt('o');
    ASSERT_EQ(desk.openedDocuments().size(), 1);
    EXPECT_EQ(desk.openedDocuments()[0], folder.file("Invoices/2026/20261001 Smith.pdf"));

    const QString csv = folder.file("shown.csv");
    desk.expectSaveFile(csv);
    alt('x');
    EXPECT_EQ(folder.bytes("shown.csv"),
              "\xEF\xBB\xBFNumber,Date,Customer,Taxable,Non-taxable,Tax,Total,Discount,"
              "Discount Days,Paid,PDF\r\n\"20261001\",2026-10-01,\"Smith & Sons\",0.00,100.00,"
              "0.00,100.00,0.00,\"\",,\"Invoices/2026/20261001 Smith.pdf\"\r\n");

    // Several chosen rows at once: all shown, all rows, all unpaid in one rewrite.
    alt('u');
    alt('f');
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Delete);
    for (int i = 0; i < 3; ++i) // past Dates and Unpaid only; the date boxes are off
        press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "fgInvoices");
    press(Qt::Key_A, Qt::ControlModifier);
    alt('n');
    EXPECT_EQ(folder.bytes("Invoices.txt"),
              QByteArray(kRegister).replace("\"2026-11-30\"", "\"\""));

    // The quarter's sales tax, on the screen and as a file.
    EXPECT_TRUE(child<QLabel>(window, "lblSalesTax")->text().contains("tax collected $4.20"));
    desk.expectSaveFile(folder.file("tax.csv"));
    alt('c');
    EXPECT_TRUE(
        folder.bytes("tax.csv").endsWith("2026-10-01,2026-12-31,3,70.00,110.00,4.20,184.20\r\n"));
}

TEST_F(InvoicesWindowTest, CustomerEntryOffersTheBookByPrefixAndFillsTheAddress) {
    folder.put("MyBusinessData.txt", invoicing::testing::kProfile);
    folder.put("Customers.txt", "\"Maple Street Bakery\",\"12 Maple St\",\"\",\"Springfield\","
                                "\"IL\",\"62704\"\r\n\"Mapleton Farm\",\"RR 2\",\"\",\"Barre\","
                                "\"VT\",\"05641\"\r\n\"Oak Mill\",\"1 Oak\",\"\",\"Troy\",\"NY\","
                                "\"12180\"\r\n");
    start();
    click(program->startMenu(), "cmdContinue");
    QWidget* entry = app.shell().form(QStringLiteral("frmShell"));
    entry->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(entry));
    QLineEdit* name = child(entry, "txtCustomer_1");
    QTest::keyClicks(name, "map");
    QCompleter* completer = name->completer();
    ASSERT_NE(completer, nullptr);
    EXPECT_EQ(completer->completionCount(), 2);
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_EQ(name->text(), "Mapleton Farm");
    EXPECT_EQ(child(entry, "txtCustomer_2")->text(), "RR 2");
    EXPECT_EQ(child(entry, "txtCustomer_6")->text(), "05641");
    EXPECT_EQ(QApplication::focusWidget(), child(entry, "txtCustomer_2")); // still editable
}

TEST_F(InvoicesWindowTest, CustomersWindowEditsAndDeletesAndLeavesADamagedBookAlone) {
    const QByteArray book =
        "\"Maple Street Bakery\",\"12 Maple St\",\"\",\"Springfield\",\"IL\","
        "\"62704\"\r\n\"Oak Mill\",\"1 Oak\",\"\",\"Troy\",\"NY\",\"12180\"\r\n";
    folder.put("MyBusinessData.txt", invoicing::testing::kProfile);
    folder.put("Customers.txt", book);
    start();
    openFromMenu(Qt::Key_U, "frmCustomers");
    EXPECT_EQ(focused(), "fgCustomers");

    // The second customer: a new street, saved; a rename onto another customer refused.
    press(Qt::Key_Down);
    EXPECT_EQ(child(window, "txtName")->text(), "Oak Mill");
    alt('t');
    press(Qt::Key_A, Qt::ControlModifier);
    typeHere("9 Elm, Rear");
    alt('s');
    EXPECT_TRUE(folder.bytes("Customers.txt")
                    .endsWith("\"Oak Mill\",\"9 Elm, Rear\",\"\",\"Troy\",\"NY\",\"12180\"\r\n"));
    alt('n');
    press(Qt::Key_A, Qt::ControlModifier);
    typeHere("maple street bakery");
    desk.expectMessage(QStringLiteral("Billwright"));
    alt('s');
    EXPECT_TRUE(desk.messages().last().text().contains("already in the customer book"));
    EXPECT_EQ(child(window, "txtName")->text(), "Oak Mill"); // shown as it is in the file

    // Delete asks first: No keeps the customer, Yes takes it out.
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::No);
    alt('d');
    EXPECT_EQ(desk.messages().last().buttons, pellar::MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(folder.bytes("Customers.txt").contains("Oak Mill"));
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::Yes);
    alt('d');
    EXPECT_EQ(folder.bytes("Customers.txt"), book.left(book.indexOf("\r\n") + 2));
    EXPECT_EQ(child<QTableWidget>(window, "fgCustomers")->rowCount(), 1);

    // A book with a line that is not a customer: told, shown, and nothing can change it.
    alt('m');
    folder.put("Customers.txt", book + "garbled\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    openFromMenu(Qt::Key_U, "frmCustomers");
    EXPECT_TRUE(desk.messages().last().text().contains("1 line(s) of Customers.txt"));
    EXPECT_EQ(child<QTableWidget>(window, "fgCustomers")->rowCount(), 2);
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdSave")->isEnabled());
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdDelete")->isEnabled());
    EXPECT_EQ(folder.bytes("Customers.txt"), book + "garbled\r\n");
}
