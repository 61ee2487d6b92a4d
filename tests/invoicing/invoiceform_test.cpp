// The invoice form driven through its controls, a whole invoice at a time.
#include "common/core/settings.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoice.h"
#include "invoicing/ui/frminvoicegrid.h"
#include "invoicing/ui/frmsetup.h"
#include "invoicing/ui/frmshell.h"
#include "invoicing/ui/frmsplash.h"
#include "invoicing/ui/optioncheckbox.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace invoicing;
using pellar::MessageAnswer;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

const QByteArray kProfile = "\"Hillside Hardware\",\"41 Quarry Road\",\"\",\"Brookfield\","
                            "\"VT\",\"05036\",\"802-555-0142\",\"\",\"\"\r\n";
const QStringList kCustomer{
    QStringLiteral("Maple Street Bakery"), QStringLiteral("12 Maple St"), QString(),
    QStringLiteral("Springfield"),         QStringLiteral("IL"),          QStringLiteral("62704")};

class InvoiceForm : public ::testing::Test {
protected:
    void SetUp() override { folder.put("MyBusinessData.txt", kProfile); }

    // The program with its menu up; options may be changed before the invoice is opened.
    Billwright& start() {
        if (program)
            app.restart();
        program = new Billwright(app.shell());
        program->setInvoiceFormFactory([](Billwright& bw) { return new frmInvoice(bw); });
        program->start();
        return *program;
    }
    void setOptions(const std::function<void(InvoiceOptions&)>& change) {
        InvoiceOptions options = program->options();
        change(options);
        program->setup()->setOptions(options);
    }
    // Menu -> customer entry -> invoice form, active as it is for the person.
    frmInvoice* openInvoice(const QStringList& customer = kCustomer) {
        if (!program)
            start();
        click(program->splash()->cmdContinue);
        for (int i = 1; i <= 6; ++i)
            program->shell()->txtCustomer[i]->setText(customer.value(i - 1));
        click(program->shell()->cmdSchedule);
        auto* form = dynamic_cast<frmInvoice*>(program->invoiceForm());
        EXPECT_NE(form, nullptr);
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        return form;
    }

    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    static void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    static void post(frmInvoice* form, const QString& item, const QString& quantity,
                     const QString& price) {
        type(form->cboDescription->lineEdit(), item);
        type(form->txtQuantity, quantity);
        type(form->txtPrice, price);
        click(form->cmdPost);
    }
    static QStringList line(frmInvoice* form, int row) {
        QStringList cells;
        for (int column = 0; column < InvoiceGrid::kColumns; ++column)
            cells << form->fgInvoice->text(row, column);
        return cells;
    }
    static QString focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }
    static QStringList totals(frmInvoice* form) {
        return {form->txtTotal->text(), form->txtTax->text(), form->txtGrandTotal->text()};
    }

    pellar::testing::TestProgram app{billwrightProfile()};
    ScratchDataFolder& folder = app.folder;
    ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
    Billwright* program = nullptr;
};

TEST_F(InvoiceForm, OpensReadyWithCustomerNumberAndEmptyGrid) {
    frmInvoice* form = openInvoice();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Invoice Creation"));
    EXPECT_FALSE(program->shell()->isVisible());

    EXPECT_EQ(form->txtCustomer->toPlainText(),
              QStringLiteral("Maple Street Bakery\n12 Maple St\nSpringfield,IL\n62704"));
    EXPECT_EQ(frmInvoice::customerBlock({"N", "S", "Apt 2", "C", "ST", "Z"}),
              QStringLiteral("N\r\nS\r\nApt 2\r\nC,ST\r\nZ"));
    EXPECT_TRUE(form->txtCustomer->isReadOnly());

    // No counter file: this year's first number, saved at once.
    EXPECT_EQ(form->txtInvoiceNo->text(), QStringLiteral("20260001"));
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260001\r\n");
    EXPECT_EQ(focused(), QStringLiteral("txtPO"));

    EXPECT_EQ(line(form, 0),
              (QStringList{" Line No. ", " Quan  ", QString(15, u' ') + "Item" + QString(42, u' '),
                           "Price" + QString(13, u' '), "Extension" + QString(12, u' ')}));
    EXPECT_EQ(line(form, 1), (QStringList{"1", "", "", "", ""}));
    EXPECT_EQ(form->fgInvoice->text(50, 0), QStringLiteral("50"));
    EXPECT_EQ(form->fgInvoice->item(0, 1)->textAlignment(),
              int(Qt::AlignHCenter | Qt::AlignBottom));
    EXPECT_EQ(form->fgInvoice->item(49, 4)->textAlignment(),
              int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(form->fgInvoice->toolTip(), QStringLiteral("Invoice Items Show here"));

    EXPECT_TRUE(form->cmdInvoice->isEnabled());
    EXPECT_FALSE(form->cmdDelete->isEnabled());
    EXPECT_FALSE(form->cmdPrint->isEnabled());
    for (QGroupBox* panel :
         {form->fraData, form->fraInvoiceOptions, form->fraLabor, form->fraCompletion})
        EXPECT_TRUE(panel->isHidden()) << panel->objectName().toStdString();
    EXPECT_EQ(totals(form), (QStringList{"$0.00", "$0.00", "$0.00"}));
    for (QLineEdit* box : {form->txtLabor, form->txtShip, form->txtMisc, form->txtDiscount})
        EXPECT_EQ(box->text(), QStringLiteral("$0.00"));

    desk.expectMessage(QStringLiteral("Billwright"));
    form->mnuInvoiceHelp->trigger();
    EXPECT_EQ(desk.messages().back().lines, frmSplash::helpLines());
}

TEST_F(InvoiceForm, MaterialOnlyInvoiceWithNoAddOnGoesStraightToPrint) {
    start();
    setOptions([](InvoiceOptions& o) {
        o.setTaxMode(TaxMode::MaterialOnly);
        o.taxRate = QStringLiteral("6.0");
    });
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    EXPECT_FALSE(form->fraData->isHidden());
    EXPECT_EQ(form->fraData->title(), QStringLiteral("Create Invoice Line No  1"));
    EXPECT_TRUE(form->cmdPrint->isEnabled());
    EXPECT_TRUE(form->cmdDelete->isEnabled());
    EXPECT_FALSE(form->cmdInvoice->isEnabled());
    EXPECT_TRUE(form->cmdComplete->isHidden());
    EXPECT_EQ(focused(), QStringLiteral("cboDescription"));

    post(form, QStringLiteral("Widget"), QStringLiteral("3"), QStringLiteral("10"));
    EXPECT_EQ(line(form, 1), (QStringList{"1", "3", "Widget", "$10.00", "$30.00"}));
    EXPECT_EQ(totals(form), (QStringList{"$30.00", "$1.80", "$31.80"}));
    EXPECT_EQ(form->fraData->title(), QStringLiteral("Create Invoice Line No  2"));
    EXPECT_FALSE(form->cmdComplete->isHidden());
    EXPECT_TRUE(form->cboDescription->currentText().isEmpty());
    EXPECT_TRUE(form->txtQuantity->text().isEmpty() && form->txtPrice->text().isEmpty());
    EXPECT_EQ(focused(), QStringLiteral("cboDescription"));
    // Typed, not added: the catalogue stays as it was.
    EXPECT_EQ(form->cboDescription->count(), 0);

    click(form->cmdComplete);
    EXPECT_TRUE(form->fraData->isHidden());
    EXPECT_FALSE(form->fraInvoiceOptions->isHidden());
    EXPECT_EQ(focused(), QStringLiteral("cmdOptionsContinue"));
    click(form->cmdOptionsContinue);
    EXPECT_TRUE(form->fraInvoiceOptions->isHidden());
    EXPECT_TRUE(form->fraCompletion->isHidden());
    EXPECT_TRUE(form->fraLabor->isHidden());
    EXPECT_EQ(focused(), QStringLiteral("cmdPrint"));
    EXPECT_EQ(totals(form), (QStringList{"$30.00", "$1.80", "$31.80"}));
    EXPECT_EQ(desk.beeps(), 0);
}

TEST_F(InvoiceForm, FlatLaborIsTaxedOnlyWhenMaterialAndLaborAre) {
    for (const TaxMode mode : {TaxMode::MaterialAndLabor, TaxMode::MaterialOnly}) {
        start();
        setOptions([mode](InvoiceOptions& o) {
            o.setTaxMode(mode);
            o.taxRate = QStringLiteral("6.0");
            o.laborAddOn = kTicked;
        });
        frmInvoice* form = openInvoice();
        click(form->cmdInvoice);
        post(form, QStringLiteral("Widget"), QStringLiteral("3"), QStringLiteral("10"));
        click(form->cmdComplete);
        EXPECT_EQ(form->ckLabor->value(), kTicked);
        click(form->cmdOptionsContinue);
        EXPECT_FALSE(form->fraLabor->isHidden());
        EXPECT_FALSE(form->fraCompletion->isHidden());
        EXPECT_EQ(focused(), QStringLiteral("txtTotalLabor"));

        // Typed in the flat mode; leaving the box for Enter formats it first.
        QTest::keyClicks(form->txtTotalLabor, QStringLiteral("100"));
        click(form->Command1);
        EXPECT_EQ(form->txtTotalLabor->text(), QStringLiteral("$100.00"));
        EXPECT_EQ(form->txtLabor->text(), QStringLiteral("$100.00"));
        EXPECT_TRUE(form->fraLabor->isHidden());
        const bool taxed = mode == TaxMode::MaterialAndLabor;
        EXPECT_EQ(totals(form), (QStringList{"$30.00", taxed ? "$7.80" : "$1.80",
                                             taxed ? "$137.80" : "$131.80"}));
        EXPECT_EQ(focused(), QStringLiteral("cmdPrint"));
        EXPECT_EQ(desk.beeps(), 0);
    }
}

TEST_F(InvoiceForm, CalculatedLaborTakesHoursTimesTheRate) {
    start();
    setOptions([](InvoiceOptions& o) {
        o.setLaborMode(LaborMode::Calculated);
        o.hourlyRate = QStringLiteral("45");
        o.laborAddOn = kGreyed; // any mark counts as ticked here
    });
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    post(form, QStringLiteral("Call-out"), QStringLiteral("1"), QStringLiteral("0"));
    click(form->cmdComplete);
    click(form->cmdOptionsContinue);
    EXPECT_EQ(form->txtRate->text(), QStringLiteral("$45.00"));
    EXPECT_EQ(focused(), QStringLiteral("txtHours"));

    click(form->Command1); // nothing worked out yet
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(focused(), QStringLiteral("cmdLaborRedo"));
    click(form->cmdCal);
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(focused(), QStringLiteral("txtHours"));
    type(form->txtHours, QStringLiteral("two"));
    click(form->cmdCal);
    EXPECT_EQ(desk.beeps(), 3);
    EXPECT_TRUE(form->txtTotalLabor->text().isEmpty());
    type(form->txtRate, QStringLiteral("n/a"));
    type(form->txtHours, QStringLiteral("2.5"));
    click(form->cmdCal);
    EXPECT_EQ(desk.beeps(), 4);
    EXPECT_EQ(focused(), QStringLiteral("txtRate"));

    type(form->txtRate, QStringLiteral("$45.00"));
    click(form->cmdCal);
    EXPECT_EQ(form->txtTotalLabor->text(), QStringLiteral("$112.50"));
    EXPECT_EQ(focused(), QStringLiteral("Command1"));
    click(form->Command1);
    EXPECT_EQ(form->txtLabor->text(), QStringLiteral("$112.50"));
    EXPECT_EQ(totals(form), (QStringList{"$0.00", "$0.00", "$112.50"}));
}

TEST_F(InvoiceForm, DiscountShippingAndCreditWalkToPrint) {
    start();
    setOptions([](InvoiceOptions& o) {
        o.discountPercent = QStringLiteral("1.5");
        o.discountAddOn = kTicked;
        o.shippingAddOn = kTicked;
        o.miscAddOn = kTicked;
    });
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    post(form, QStringLiteral("Garden hose"), QStringLiteral("2"), QStringLiteral("100"));
    click(form->cmdComplete);
    click(form->cmdOptionsContinue);
    EXPECT_EQ(form->txtDiscount->text(), QStringLiteral("$3.00"));
    EXPECT_EQ(form->txtGrandTotal->text(), QStringLiteral("$200.00"));
    EXPECT_FALSE(form->fraCompletion->isHidden());
    EXPECT_TRUE(form->fraLabor->isHidden());

    // The shipping box is emptied and white while it is typed into.
    EXPECT_EQ(focused(), QStringLiteral("txtShip"));
    EXPECT_TRUE(form->txtShip->text().isEmpty());
    EXPECT_EQ(form->txtShip->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::keyClicks(form->txtShip, QStringLiteral("12.5"));
    QTest::keyClick(form->txtShip, Qt::Key_Tab);
    EXPECT_EQ(form->txtShip->text(), QStringLiteral("$12.50"));
    EXPECT_NE(form->txtShip->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(form->txtGrandTotal->text(), QStringLiteral("$212.50"));

    // A charge that is not a number is refused and stays to be corrected.
    EXPECT_EQ(focused(), QStringLiteral("txtMisc"));
    QTest::keyClicks(form->txtMisc, QStringLiteral("about 5"));
    click(form->cmdPrint);
    EXPECT_EQ(desk.beeps(), 2); // on leaving, and the print refused while it stands
    EXPECT_EQ(focused(), QStringLiteral("txtMisc"));
    EXPECT_EQ(form->txtMisc->text(), QStringLiteral("about 5"));
    EXPECT_EQ(form->txtGrandTotal->text(), QStringLiteral("$212.50"));

    type(form->txtMisc, QStringLiteral("-25"));
    QTest::keyClick(form->txtMisc, Qt::Key_Tab);
    EXPECT_EQ(form->txtMisc->text(), QStringLiteral("($25.00)"));
    EXPECT_EQ(form->txtGrandTotal->text(), QStringLiteral("$187.50"));
    EXPECT_EQ(focused(), QStringLiteral("cmdPrint"));
    EXPECT_EQ(form->txtDiscount->text(), QStringLiteral("$3.00"));
    EXPECT_EQ(form->totals().discount(), *pellar::Currency::fromDecimalText(u"3"));
}

TEST_F(InvoiceForm, UntickedChargeBoxIsPassedOverAndGreyedDiscountOffersNothing) {
    start();
    setOptions([](InvoiceOptions& o) {
        o.discountPercent = QStringLiteral("2");
        o.discountAddOn = kGreyed;
    });
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    post(form, QStringLiteral("Hinge"), QStringLiteral("1"), QStringLiteral("50"));
    click(form->cmdComplete);
    click(form->cmdOptionsContinue);
    EXPECT_FALSE(form->fraCompletion->isHidden()); // a mark is a mark
    EXPECT_EQ(form->txtDiscount->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(focused(), QStringLiteral("cmdPrint"));

    // Clicking into a box that was not chosen zeroes it and moves on at once.
    form->txtShip->setFocus();
    EXPECT_EQ(form->txtShip->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(focused(), QStringLiteral("cmdPrint"));
    EXPECT_EQ(form->txtGrandTotal->text(), QStringLiteral("$50.00"));
}

TEST_F(InvoiceForm, DeletingLineThreeOfFive) {
    start();
    setOptions([](InvoiceOptions& o) {
        o.setTaxMode(TaxMode::MaterialAndLabor);
        o.taxRate = QStringLiteral("10");
    });
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    const QStringList items{"Alpha", "Bravo", "Charlie", "Delta", "Echo"};
    for (int i = 0; i < items.size(); ++i)
        post(form, items[i], QString::number(i + 1), QStringLiteral("1.11"));
    EXPECT_EQ(totals(form), (QStringList{"$16.65", "$1.67", "$18.32"}));

    form->fgInvoice->setCurrentLine(3);
    ASSERT_TRUE(form->deleteMenuWanted());
    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::No);
    form->mnuDeleteItem->trigger();
    EXPECT_EQ(desk.messages().back().text(), QStringLiteral("Delete item Charlie from Invoice?"));
    EXPECT_EQ(desk.messages().back().buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(form->lineCount(), 5);

    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::Yes);
    form->mnuDeleteItem->trigger();
    EXPECT_EQ(line(form, 3), (QStringList{"3", "4", "Delta", "$1.11", "$4.44"}));
    EXPECT_EQ(line(form, 4), (QStringList{"4", "5", "Echo", "$1.11", "$5.55"}));
    EXPECT_EQ(line(form, 5), (QStringList{"5", "", "", "", ""}));
    EXPECT_EQ(form->fgInvoice->text(50, 0), QStringLiteral("50"));
    EXPECT_EQ(form->fgInvoice->item(49, 1)->textAlignment(),
              int(Qt::AlignHCenter | Qt::AlignBottom));
    EXPECT_EQ(form->fraData->title(), QStringLiteral("Create Invoice Line No  5"));
    EXPECT_EQ(totals(form), (QStringList{"$13.32", "$1.33", "$14.65"}));
    EXPECT_EQ(focused(), QStringLiteral("cboDescription"));

    post(form, QStringLiteral("Foxtrot"), QStringLiteral("1"), QStringLiteral("2"));
    EXPECT_EQ(line(form, 5), (QStringList{"5", "1", "Foxtrot", "$2.00", "$2.00"}));
    EXPECT_EQ(form->lineCount(), 5);
}

TEST_F(InvoiceForm, RightClickMenuOnlyOverAPostedLineWhileLinesAreEntered) {
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    post(form, QStringLiteral("Alpha"), QStringLiteral("1"), QStringLiteral("5"));

    form->fgInvoice->setCurrentLine(2); // an empty row
    EXPECT_FALSE(form->deleteMenuWanted());
    const QPoint inside = form->fgInvoice->viewport()->rect().center();
    QMouseEvent release(QEvent::MouseButtonRelease, inside,
                        form->fgInvoice->viewport()->mapToGlobal(inside), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->fgInvoice->viewport(), &release);
    EXPECT_FALSE(form->mnuPopup->isVisible());
    form->mnuDeleteItem->trigger(); // nothing to delete: no question
    EXPECT_TRUE(desk.messages().isEmpty());

    form->fgInvoice->setCurrentLine(1);
    EXPECT_TRUE(form->deleteMenuWanted());
    click(form->cmdComplete);
    EXPECT_FALSE(form->deleteMenuWanted());
    form->mnuDeleteItem->trigger();
    EXPECT_TRUE(desk.messages().isEmpty());
    EXPECT_EQ(form->lineCount(), 1);
}

TEST_F(InvoiceForm, ReDoClearsTheInvoiceButKeepsTicksReferenceAndCustomer) {
    folder.put("BWInvoiceNo.txt", "20260041\r\n");
    frmInvoice* form = openInvoice();
    type(form->txtPO, QStringLiteral("PO-7781"));
    click(form->cmdInvoice);
    post(form, QStringLiteral("Alpha"), QStringLiteral("2"), QStringLiteral("5"));
    click(form->cmdComplete);
    click(form->ckShipping);
    click(form->ckDiscount);
    click(form->cmdDelete);

    EXPECT_EQ(line(form, 1), (QStringList{"1", "", "", "", ""}));
    EXPECT_EQ(form->lineCount(), 0);
    EXPECT_EQ(totals(form), (QStringList{"$0.00", "$0.00", "$0.00"}));
    EXPECT_EQ(form->fraData->title(), QStringLiteral("Create Invoice Line No  1"));
    for (QGroupBox* panel :
         {form->fraData, form->fraInvoiceOptions, form->fraLabor, form->fraCompletion})
        EXPECT_TRUE(panel->isHidden()) << panel->objectName().toStdString();
    EXPECT_TRUE(form->cmdComplete->isHidden());
    EXPECT_TRUE(form->cmdInvoice->isEnabled());
    EXPECT_FALSE(form->cmdDelete->isEnabled());
    EXPECT_FALSE(form->cmdPrint->isEnabled());
    EXPECT_EQ(focused(), QStringLiteral("cmdInvoice"));

    EXPECT_EQ(form->ckShipping->value(), kTicked);
    EXPECT_EQ(form->ckDiscount->value(), kTicked);
    EXPECT_EQ(form->ckLabor->value(), kClear);
    EXPECT_EQ(form->txtPO->text(), QStringLiteral("PO-7781"));
    EXPECT_TRUE(form->txtCustomer->toPlainText().startsWith(QStringLiteral("Maple Street")));
    // A fresh start still carries the invoice's number; the counter is not touched.
    EXPECT_EQ(form->txtInvoiceNo->text(), QStringLiteral("20260041"));
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260041\r\n");

    // Clear All takes the ticks off.
    click(form->cmdInvoice);
    post(form, QStringLiteral("Alpha"), QStringLiteral("2"), QStringLiteral("5"));
    click(form->cmdComplete);
    click(form->cmdClearChecks);
    for (OptionCheckBox* addOn : {form->ckLabor, form->ckShipping, form->ckMisc, form->ckDiscount})
        EXPECT_EQ(addOn->value(), kClear);
}

TEST_F(InvoiceForm, EditedNumberIsNotTheCounterAndMenuWritesTheCatalogue) {
    folder.put("BWInvoiceNo.txt", "20260041\r\n");
    folder.put("SalesItems.txt", "Bolts\r\nhinge\r\n");
    frmInvoice* form = openInvoice();
    EXPECT_EQ(form->invoiceNumber(), 20260041);
    EXPECT_EQ(form->catalogue(), (QStringList{"Bolts", "hinge"}));
    type(form->txtInvoiceNo, QStringLiteral("A-17"));
    EXPECT_EQ(form->txtInvoiceNo->text(), QStringLiteral("A-17"));
    EXPECT_EQ(form->invoiceNumber(), 20260041);

    click(form->cmdInvoice);
    type(form->cboDescription->lineEdit(), QStringLiteral("anchor"));
    click(form->cmdAdditem);
    EXPECT_EQ(form->catalogue(), (QStringList{"anchor", "Bolts", "hinge"}));
    EXPECT_EQ(focused(), QStringLiteral("txtQuantity"));

    // Removing goes by the text exactly as typed; no such entry sounds the alarm.
    type(form->cboDescription->lineEdit(), QStringLiteral("Hinge"));
    click(form->cmdDeleteitem);
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(form->catalogue().size(), 3);
    type(form->cboDescription->lineEdit(), QStringLiteral("hinge"));
    click(form->cmdDeleteitem);
    EXPECT_EQ(form->catalogue(), (QStringList{"anchor", "Bolts"}));
    EXPECT_TRUE(form->cboDescription->currentText().isEmpty());
    click(form->cmdAdditem); // nothing typed
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(focused(), QStringLiteral("cboDescription"));

    // Picking an entry moves on to the quantity.
    form->cboDescription->setCurrentIndex(1);
    emit form->cboDescription->activated(1);
    EXPECT_EQ(focused(), QStringLiteral("txtQuantity"));

    const QPointer<QWidget> invoice = form;
    click(form->cmdExit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(invoice.isNull());
    EXPECT_TRUE(program->splash()->isVisible());
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "anchor\r\nBolts\r\n");
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260041\r\n");

    // The next invoice is a new form with the stored number.
    form = openInvoice();
    EXPECT_EQ(form->txtInvoiceNo->text(), QStringLiteral("20260041"));
    EXPECT_TRUE(form->txtPO->text().isEmpty());
}

TEST_F(InvoiceForm, TitleBarCloseEndsTheProgramWithoutWritingTheCatalogue) {
    folder.put("SalesItems.txt", "Bolts\r\n");
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    type(form->cboDescription->lineEdit(), QStringLiteral("Anchor"));
    click(form->cmdAdditem);
    pellar::testing::closeByPerson(form);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "Bolts\r\n");
}

TEST_F(InvoiceForm, MissingOrUnreadableInputIsAnsweredWithTheAlarmOnly) {
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    click(form->cmdPost);
    EXPECT_EQ(focused(), QStringLiteral("cboDescription"));
    type(form->cboDescription->lineEdit(), QStringLiteral("Rope"));
    click(form->cmdPost);
    EXPECT_EQ(focused(), QStringLiteral("txtPrice"));
    type(form->txtPrice, QStringLiteral("2"));
    click(form->cmdPost);
    EXPECT_EQ(focused(), QStringLiteral("txtQuantity"));
    type(form->txtQuantity, QStringLiteral("3"));
    type(form->txtPrice, QStringLiteral("two dollars"));
    click(form->cmdPost);
    EXPECT_EQ(focused(), QStringLiteral("txtPrice"));
    EXPECT_EQ(desk.beeps(), 4);
    EXPECT_EQ(form->lineCount(), 0);
    EXPECT_TRUE(desk.messages().isEmpty());

    // A quantity without a leading number is a line of nothing; "2 coils" is 2.
    type(form->txtPrice, QStringLiteral("2"));
    type(form->txtQuantity, QStringLiteral("some"));
    click(form->cmdPost);
    EXPECT_EQ(line(form, 1), (QStringList{"1", "some", "Rope", "$2.00", "$0.00"}));
    post(form, QStringLiteral("Rope"), QStringLiteral("2 coils"), QStringLiteral("$1,000.50"));
    EXPECT_EQ(line(form, 2), (QStringList{"2", "2 coils", "Rope", "$1,000.50", "$2,001.00"}));

    app.context.settings.alarmsOn = false;
    click(form->cmdPost);
    EXPECT_EQ(desk.beeps(), 4);
    EXPECT_EQ(focused(), QStringLiteral("cboDescription"));
}

TEST_F(InvoiceForm, FiftyLinesFillTheGridAndAFiftyFirstIsRefused) {
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    for (int i = 1; i <= 50; ++i)
        post(form, QStringLiteral("Item %1").arg(i), QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_EQ(form->lineCount(), 50);
    EXPECT_EQ(line(form, 50), (QStringList{"50", "1", "Item 50", "$1.00", "$1.00"}));
    post(form, QStringLiteral("One too many"), QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(form->lineCount(), 50);
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("$50.00"));
    EXPECT_EQ(form->fgInvoice->rowCount(), InvoiceGrid::kLines);
    EXPECT_EQ(form->cboDescription->currentText(), QStringLiteral("One too many"));
}

TEST_F(InvoiceForm, SubTotalIsExactAndALineComesOffWhole) {
    start();
    setOptions([](InvoiceOptions& o) {
        o.setTaxMode(TaxMode::MaterialOnly);
        o.taxRate = QStringLiteral("6.5");
    });
    frmInvoice* form = openInvoice();
    click(form->cmdInvoice);
    post(form, QStringLiteral("Site survey"), QStringLiteral("1"), QStringLiteral("300000.01"));
    EXPECT_EQ(line(form, 1)[4], QStringLiteral("$300,000.01"));
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("$300,000.01"));

    post(form, QStringLiteral("Washer"), QStringLiteral("3"), QStringLiteral("0.333"));
    EXPECT_EQ(line(form, 2)[4], QStringLiteral("$1.00"));
    form->fgInvoice->setCurrentLine(1);
    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::Yes);
    form->mnuDeleteItem->trigger();
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("$1.00"));
    form->fgInvoice->setCurrentLine(1);
    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::Yes);
    form->mnuDeleteItem->trigger();
    EXPECT_EQ(totals(form), (QStringList{"$0.00", "$0.00", "$0.00"}));
    EXPECT_TRUE(form->totals().subTotal().isZero());
    EXPECT_TRUE(form->totals().grandTotal().isZero());

    post(form, QStringLiteral("Shelf"), QStringLiteral("1"), QStringLiteral("10.01"));
    EXPECT_EQ(form->totals().tax(), *pellar::Currency::fromDecimalText(u"0.6506"));
    EXPECT_EQ(totals(form), (QStringList{"$10.01", "$0.65", "$10.66"}));
}

} // namespace
