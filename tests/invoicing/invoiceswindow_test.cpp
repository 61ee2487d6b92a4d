// The invoices window and the customer book on customer entry, driven from the keyboard.
#include "tests/invoicing/billwrightfixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QTableView>

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
    QTest::keyClicks(QApplication::focusWidget(), "smith");
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
