// The invoice form's wiring: clicks and keys reach the draft, and the draft reaches the
// screen. The arithmetic and the order of steps are the draft's own tests.
#include "common/core/settings.h"
#include "common/ui/keyboard.h"
#include "tests/invoicing/billwrightfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

using namespace invoicing;
using pellar::MessageAnswer;

namespace {

class InvoiceFormTest : public invoicing::testing::BillwrightTest {
protected:
    QStringList row(int line) const {
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells << get<QTableWidget>("fgInvoice")->item(line - 1, column)->text();
        return cells;
    }
    QStringList totals() const {
        return {get("txtTotal")->text(), get("txtTax")->text(), get("txtGrandTotal")->text()};
    }
    bool shown(const char* name) const { return !get<QWidget>(name)->isHidden(); }
    // Ready for a new invoice: no lines, no totals, every panel closed, Print waiting.
    void expectReady() const {
        EXPECT_EQ(row(1), (QStringList{"1", "", "", "", ""}));
        EXPECT_EQ(totals(), (QStringList{"$0.00", "$0.00", "$0.00"}));
        for (const char* panel : {"fraData", "fraInvoiceOptions", "fraLabor", "fraCompletion"})
            EXPECT_FALSE(shown(panel)) << panel;
        EXPECT_TRUE(get<QPushButton>("cmdInvoice")->isEnabled());
        EXPECT_FALSE(get<QPushButton>("cmdPrint")->isEnabled());
    }
};

TEST_F(InvoiceFormTest, OpensReadyWithTheCustomerAndTheCountersNumber) {
    openInvoice();
    EXPECT_EQ(get<QPlainTextEdit>("txtCustomer")->toPlainText(),
              "Maple Street Bakery\n12 Maple St\nSpringfield,IL\n62704");
    // No counter file: this year's first number, saved at once.
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260001");
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260001\r\n");
    EXPECT_EQ(focused(), "txtPO");
    expectReady();
    EXPECT_FALSE(get<QPushButton>("cmdDelete")->isEnabled());
    EXPECT_EQ(get("txtShip")->text(), "$0.00");

    desk.expectMessage(QStringLiteral("Billwright"));
    get<QAction>("mnuInvoiceHelp")->trigger();
    EXPECT_EQ(desk.messages().back().lines, StartMenu::helpLines());

    // A memo longer than the foot of the invoice holds is said when the form opens.
    folder.put("InvoiceMemo.txt", QByteArray("Thanks\r\n").repeated(9));
    openInvoice();
    EXPECT_TRUE(form->findChild<pellar::ui::StatusNote*>()->text().endsWith("will be left off."));
}

TEST_F(InvoiceFormTest, LinesDiscountShippingAndACorrectedCreditWalkToPrint) {
    openInvoice([](InvoiceOptions& o) {
        o.setTaxMode(TaxMode::MaterialOnly);
        o.taxRate = QStringLiteral("6.0");
        o.discountPercent = QStringLiteral("1.5");
        o.discountAddOn = kTicked;
        o.shippingAddOn = kTicked;
        o.miscAddOn = kTicked;
    });
    type("txtPO", "PO-7781");
    click("cmdInvoice");
    EXPECT_TRUE(shown("fraData"));
    EXPECT_FALSE(shown("cmdComplete"));
    EXPECT_EQ(focused(), "cboDescription");
    post("Garden hose", "2", "100");
    EXPECT_EQ(row(1), (QStringList{"1", "2", "Garden hose", "$100.00", "$200.00"}));
    EXPECT_EQ(totals(), (QStringList{"$200.00", "$12.00", "$212.00"}));
    EXPECT_TRUE(get<QComboBox>("cboDescription")->currentText().isEmpty());
    EXPECT_EQ(get<QComboBox>("cboDescription")->count(), 0); // typed, not added
    EXPECT_EQ(form->draft().reference(), "PO-7781");

    click("cmdComplete");
    EXPECT_FALSE(shown("fraData"));
    EXPECT_EQ(focused(), "cmdOptionsContinue");
    click("cmdOptionsContinue");
    EXPECT_FALSE(shown("fraInvoiceOptions"));
    EXPECT_TRUE(shown("fraCompletion"));
    EXPECT_EQ(get("txtDiscount")->text(), "$3.00");

    // The shipping box is emptied and white while it is typed into.
    EXPECT_EQ(focused(), "txtShip");
    EXPECT_TRUE(get("txtShip")->text().isEmpty());
    EXPECT_EQ(get("txtShip")->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::keyClicks(get("txtShip"), "12.5");
    QTest::keyClick(get("txtShip"), Qt::Key_Tab);
    EXPECT_EQ(get("txtShip")->text(), "$12.50");
    EXPECT_NE(get("txtShip")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(get("txtGrandTotal")->text(), "$224.50");

    // A charge that is not a number is refused and stays to be corrected; Print waits.
    EXPECT_EQ(focused(), "txtMisc");
    QTest::keyClicks(get("txtMisc"), "about 5");
    click("cmdPrint");
    EXPECT_EQ(desk.beeps(), 2); // on leaving, and the print refused while it stands
    EXPECT_EQ(focused(), "txtMisc");
    EXPECT_EQ(get("txtMisc")->text(), "about 5");
    type("txtMisc", "-25");
    QTest::keyClick(get("txtMisc"), Qt::Key_Tab);
    EXPECT_EQ(get("txtMisc")->text(), "($25.00)");
    EXPECT_EQ(get("txtGrandTotal")->text(), "$199.50");
    EXPECT_EQ(focused(), "cmdPrint");
}

TEST_F(InvoiceFormTest, LaborIsCalculatedOrTypedAndEnteredIntoTheCharges) {
    openInvoice([](InvoiceOptions& o) {
        o.setLaborMode(LaborMode::Calculated);
        o.hourlyRate = QStringLiteral("45");
        o.laborAddOn = kTicked;
    });
    click("cmdInvoice");
    post("Call-out", "1", "0");
    click("cmdComplete");
    click("cmdOptionsContinue");
    EXPECT_TRUE(shown("fraLabor"));
    EXPECT_EQ(get("txtRate")->text(), "$45.00");
    EXPECT_EQ(focused(), "txtHours");
    click("cmdCal"); // no hours yet
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(focused(), "txtHours");
    type("txtHours", "2.5");
    click("cmdCal");
    EXPECT_EQ(get("txtTotalLabor")->text(), "$112.50");
    EXPECT_EQ(focused(), "Command1");

    // Typed over, then Enter: leaving the box formats it first, and the box wins.
    type("txtTotalLabor", "100");
    click("Command1");
    EXPECT_EQ(get("txtTotalLabor")->text(), "$100.00");
    EXPECT_EQ(get("txtLabor")->text(), "$100.00");
    EXPECT_FALSE(shown("fraLabor"));
    EXPECT_EQ(totals(), (QStringList{"$0.00", "$0.00", "$100.00"}));
    EXPECT_EQ(focused(), "cmdPrint");
    EXPECT_EQ(desk.beeps(), 1);

    // A word in the box is refused there, and alarms off keep quiet.
    app.context.settings.alarmsOn = false;
    click("cmdLaborRedo");
    type("txtTotalLabor", "lots");
    click("Command1");
    EXPECT_EQ(focused(), "txtTotalLabor");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_TRUE(shown("fraLabor"));
}

TEST_F(InvoiceFormTest, RightClickDeletesAPostedLineAfterAsking) {
    openInvoice();
    click("cmdInvoice");
    for (const char* item : {"Alpha", "Bravo", "Charlie"})
        post(item, "1", "1.11");
    auto* grid = get<QTableWidget>("fgInvoice");
    const auto rightClick = [grid] {
        const QPoint inside = grid->viewport()->rect().center();
        QMouseEvent release(QEvent::MouseButtonRelease, inside,
                            grid->viewport()->mapToGlobal(inside), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &release);
    };
    grid->setCurrentCell(3, 1); // an empty line: no menu, no question
    rightClick();
    EXPECT_FALSE(get<QMenu>("mnuPopup")->isVisible());
    get<QAction>("mnuDeleteItem")->trigger();
    EXPECT_TRUE(desk.messages().isEmpty());

    grid->setCurrentCell(1, 1);
    rightClick();
    EXPECT_TRUE(get<QMenu>("mnuPopup")->isVisible());
    get<QMenu>("mnuPopup")->hide();
    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::No);
    get<QAction>("mnuDeleteItem")->trigger();
    EXPECT_EQ(desk.messages().back().text(), "Delete item Bravo from Invoice?");
    EXPECT_EQ(desk.messages().back().buttons, pellar::MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(form->draft().lines().size(), 3);
    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::Yes);
    get<QAction>("mnuDeleteItem")->trigger();
    EXPECT_EQ(row(2), (QStringList{"2", "1", "Charlie", "$1.11", "$1.11"}));
    EXPECT_EQ(row(3), (QStringList{"3", "", "", "", ""}));
    EXPECT_EQ(get<QGroupBox>("fraData")->title(), "Create Invoice Line No  3");
    EXPECT_EQ(totals(), (QStringList{"$2.22", "$0.00", "$2.22"}));
    EXPECT_EQ(focused(), "cboDescription");
}

TEST_F(InvoiceFormTest, ReDoAndClearAllReachTheDraftAndTheScreen) {
    folder.put("BWInvoiceNo.txt", "20260041\r\n");
    openInvoice();
    type("txtInvoiceNo", "A-17");
    EXPECT_EQ(form->draft().number(), "A-17");
    click("cmdInvoice");
    post("Alpha", "2", "5");
    click("cmdComplete");
    click("ckShipping");
    EXPECT_EQ(form->draft().addOns().shipping, kTicked);
    click("cmdDelete");
    expectReady();
    EXPECT_EQ(focused(), "cmdInvoice");
    EXPECT_EQ(get<QCheckBox>("ckShipping")->checkState(), Qt::Checked);
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260041");
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260041\r\n");

    click("cmdInvoice");
    post("Alpha", "2", "5");
    click("cmdComplete");
    click("cmdClearChecks");
    EXPECT_EQ(form->draft().addOns(), AddOns());
    EXPECT_EQ(get<QCheckBox>("ckShipping")->checkState(), Qt::Unchecked);
}

TEST_F(InvoiceFormTest, CatalogueEditsAreWrittenByMenuButNotByTheCloseBox) {
    folder.put("SalesItems.txt", "Bolts\r\nhinge\r\n");
    openInvoice();
    click("cmdInvoice");
    auto* items = get<QComboBox>("cboDescription");
    type("cboDescription", "anchor");
    click("cmdAdditem");
    EXPECT_EQ(items->itemText(0), "anchor");
    EXPECT_EQ(focused(), "txtQuantity");
    // Removing goes by the text exactly as typed; no such entry sounds the alarm.
    type("cboDescription", "Hinge");
    click("cmdDeleteitem");
    EXPECT_EQ(desk.beeps(), 1);
    type("cboDescription", "hinge");
    click("cmdDeleteitem");
    EXPECT_EQ(items->count(), 2);
    EXPECT_TRUE(items->currentText().isEmpty());
    // Picking an entry moves on to the quantity.
    emit items->activated(1);
    EXPECT_EQ(focused(), "txtQuantity");

    const QPointer<QWidget> invoice = form;
    click("cmdExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(invoice.isNull());
    EXPECT_TRUE(program->startMenu()->isVisible());
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "anchor\r\nBolts\r\n");

    openInvoice();
    click("cmdInvoice");
    type("cboDescription", "Crate");
    click("cmdAdditem");
    pellar::testing::closeByPerson(form);
    EXPECT_EQ(app.ended, 1);
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "anchor\r\nBolts\r\n");
}

TEST_F(InvoiceFormTest, RefusedInputsGetTheAlarmTheReasonAndTheFocus) {
    openInvoice();
    click("cmdInvoice");
    auto* note = get<QLabel>("lblStatusNote");
    click("cmdPost");
    EXPECT_EQ(focused(), "cboDescription");
    EXPECT_EQ(note->text(), "Type or pick the item first.");
    post("Rope", "3", "two dollars");
    EXPECT_EQ(focused(), "txtPrice");
    EXPECT_EQ(note->text(), "The price \"two dollars\" is not an amount.");
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_TRUE(desk.messages().isEmpty());
    // The next keystroke clears the note; with alarms off a refusal is said without a beep.
    app.context.settings.alarmsOn = false;
    get("txtPrice")->selectAll();
    QTest::keyClick(get("txtPrice"), Qt::Key_Backspace);
    EXPECT_EQ(note->text(), "");
    click("cmdPost");
    EXPECT_EQ(note->text(), "Type the price first.");
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(focused(), "txtPrice");
    EXPECT_TRUE(form->draft().lines().isEmpty());
}

// From the start menu to a printed invoice with the keyboard alone: keys go to whatever
// has the focus, as they would for the person.
TEST_F(InvoiceFormTest, KeyboardAloneWalksFromCustomerEntryToPrinted) {
    app.folder.put("MyBusinessData.txt", invoicing::testing::kProfile);
    start();
    const auto active = [](QWidget* window) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    };
    const auto keys = [](const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
    };
    const auto press = [](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key);
    };
    active(program->startMenu());
    ASSERT_EQ(focused(), "cmdContinue");
    press(Qt::Key_Return);
    active(app.shell().form(QStringLiteral("frmShell")));
    ASSERT_EQ(focused(), "txtCustomer_1");
    for (const char* field : {"Maple Street Bakery", "12 Maple St", "", "Springfield", "IL"}) {
        keys(QString::fromLatin1(field));
        press(Qt::Key_Tab);
    }
    keys("62704");
    press(Qt::Key_Return); // in the last box: Continue

    form = dynamic_cast<InvoiceForm*>(program->invoiceForm());
    ASSERT_NE(form, nullptr);
    active(form);
    ASSERT_EQ(focused(), "txtPO");
    keys("PO-9");
    press(Qt::Key_Tab, 2);
    ASSERT_EQ(focused(), "cmdInvoice");
    press(Qt::Key_Return);
    // Eleven lines, each posted by Return in the price; the grid follows the last one.
    for (int line = 1; line <= 11; ++line) {
        ASSERT_EQ(focused(), "cboDescription");
        keys(QStringLiteral("Hinge %1").arg(line));
        press(Qt::Key_Tab);
        keys("1,000");
        press(Qt::Key_Tab);
        keys("0.25");
        press(Qt::Key_Return);
    }
    ASSERT_EQ(form->draft().lines().size(), 11);
    EXPECT_EQ(form->draft().totals().subTotal(), *pellar::Currency::fromWhole(2750));
    auto* grid = get<QTableWidget>("fgInvoice");
    const int bottom = grid->rowViewportPosition(10) + grid->rowHeight(10);
    EXPECT_GE(grid->rowViewportPosition(10), 0);
    EXPECT_LE(bottom, grid->viewport()->height());
    // Tab and Shift+Tab leave the grid as they leave any other control.
    grid->setFocus();
    press(Qt::Key_Tab);
    EXPECT_NE(focused(), "fgInvoice");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "fgInvoice");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_NE(focused(), "fgInvoice");
    get<QWidget>("cboDescription")->setFocus();

    press(Qt::Key_Tab, 7);
    ASSERT_EQ(focused(), "cmdComplete");
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), "cmdOptionsContinue");
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), "cmdPrint");
    desk.expectPrinterDialog(pellar::PrinterChoice{});
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    press(Qt::Key_Return);
    ASSERT_EQ(desk.jobs().size(), 2); // the paper and the kept copy
    EXPECT_NE(desk.jobs()[0]->findText("Hinge 11"), nullptr);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260002\r\n");
    EXPECT_TRUE(program->startMenu()->isVisible());
}

} // namespace
