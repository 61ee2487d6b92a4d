// The invoice form's Print button: the printer dialog, the print, the confirmation and the
// retry, and what each answer does to the invoice counter.
#include "common/core/printerchoice.h"
#include "common/core/settings.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/invoiceform.h"
#include "invoicing/ui/startmenu.h"
#include "tests/support/testprogram.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace invoicing;
using pellar::MessageAnswer;
using pellar::PrinterChoice;
using pellar::PrintLog;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

const QByteArray kProfile = "\"Hillside Hardware\",\"41 Quarry Road\",\"\",\"Brookfield\","
                            "\"VT\",\"05036\",\"802-555-0142\",\"\",\"\"\r\n";
const PrinterChoice kOffice{QStringLiteral("Office Laser"), 2, QString()};

class InvoicePrint : public ::testing::Test {
protected:
    void SetUp() override {
        folder.put("MyBusinessData.txt", kProfile);
        program = new Billwright(app.shell());
        program->setInvoiceFormFactory([](Billwright& bw) { return new InvoiceForm(bw); });
        program->start();
    }

    // Menu -> customer entry -> invoice form, with one posted line: ready to print.
    InvoiceForm* invoiceWithOneLine(const QString& number = {}) {
        click(program->startMenu(), "cmdContinue");
        QWidget* entry = app.shell().form(QStringLiteral("frmShell"));
        const QStringList customer{"Maple Street Bakery", "12 Maple St", "",
                                   "Springfield",         "IL",          "62704"};
        for (int i = 1; i <= 6; ++i)
            entry->findChild<QLineEdit*>(QStringLiteral("txtCustomer_%1").arg(i))
                ->setText(customer[i - 1]);
        click(entry, "cmdSchedule");
        auto* form = dynamic_cast<InvoiceForm*>(program->invoiceForm());
        EXPECT_NE(form, nullptr);
        QTest::keyClicks(form->findChild<QLineEdit*>("txtPO"), "PO-9");
        if (!number.isEmpty()) {
            form->findChild<QLineEdit*>("txtInvoiceNo")->selectAll();
            QTest::keyClicks(form->findChild<QLineEdit*>("txtInvoiceNo"), number);
        }
        click(form, "cmdInvoice");
        form->findChild<QComboBox*>("cboDescription")->lineEdit()->setText("Hinge");
        form->findChild<QLineEdit*>("txtQuantity")->setText("2");
        form->findChild<QLineEdit*>("txtPrice")->setText("4.5");
        click(form, "cmdPost");
        EXPECT_EQ(form->draft().lines().size(), 1);
        return form;
    }
    // Print, and check the form went back to the menu with the catalogue written.
    void printAndReturn(InvoiceForm* form) {
        QPointer<InvoiceForm> watched(form);
        click(form, "cmdPrint");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(watched.isNull()) << "the invoice form is unloaded";
        EXPECT_TRUE(program->startMenu()->isVisible());
        EXPECT_TRUE(folder.exists("SalesItems.txt"));
        EXPECT_FALSE(desk.busy());
    }
    // The number the next invoice form opens with.
    QString nextNumber() {
        click(program->startMenu(), "cmdContinue");
        click(app.shell().form(QStringLiteral("frmShell")), "cmdSchedule");
        return program->invoiceForm()->findChild<QLineEdit*>("txtInvoiceNo")->text();
    }
    QByteArray counter() const { return folder.bytes("BWInvoiceNo.txt"); }

    static void click(QWidget* form, const char* name) {
        auto* button = form->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    pellar::testing::TestProgram app{billwrightProfile()};
    ScratchDataFolder& folder = app.folder;
    ScriptedDesk& desk = app.desk;
    Billwright* program = nullptr;
};

} // namespace

TEST_F(InvoicePrint, ConfirmedPrintAdvancesTheCounterOnce) {
    folder.put("InvoiceMemo.txt", "Thank you, neighbour.\r\n\r\nOpen Sundays\r\n");
    InvoiceForm* form = invoiceWithOneLine();
    EXPECT_EQ(counter(), "20260001\r\n");

    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn(form);

    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].text(), QStringLiteral("Was the Invoice Printed Correctly"));
    EXPECT_EQ(desk.messages()[0].buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(counter(), "20260002\r\n");

    // One job on the chosen printer, in colour with the remittance section (the defaults).
    ASSERT_EQ(desk.jobs().size(), 1);
    const pellar::PrintJobSetup& job = desk.jobSetups()[0];
    EXPECT_EQ(job.printer.printerName, kOffice.printerName);
    EXPECT_EQ(job.printer.copies, 2);
    EXPECT_TRUE(job.color);
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    const PrintLog& log = *desk.jobs()[0];
    EXPECT_TRUE(log.ended);
    for (const char* text :
         {"Hillside Hardware", "Date 12/6/2026", "INVOICE NO: 20260001", "Reference: PO-9",
          "Detach Here and Return Top Section", "Maple Street Bakery", "Springfield, IL 62704",
          "Hinge", "$4.50", "$9.00", "Thank you, neighbour.", "Open Sundays"})
        EXPECT_NE(log.findText(text), nullptr) << text;
    EXPECT_EQ(log.findText("Maple Street Bakery")->y, 3312);
    EXPECT_EQ(log.findText("Open Sundays")->y, 12600 + 2 * 240);

    EXPECT_EQ(nextNumber(), "20260002");
}

TEST_F(InvoicePrint, NoThenNoKeepsTheNumberForTheNextInvoice) {
    InvoiceForm* form = invoiceWithOneLine();
    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::No);
    printAndReturn(form);

    ASSERT_EQ(desk.messages().size(), 2);
    EXPECT_EQ(desk.messages()[1].text(),
              QStringLiteral("Would you like to Retry Printing this Invoice"));
    EXPECT_EQ(desk.messages()[1].buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_EQ(counter(), "20260001\r\n");

    EXPECT_EQ(nextNumber(), "20260001");
}

TEST_F(InvoicePrint, NoYesYesPrintsTwiceUnderOneNumberAndAdvancesByOne) {
    InvoiceForm* form = invoiceWithOneLine();
    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::Yes);
    desk.expectPrinterDialog(PrinterChoice{kOffice.printerName, 1, QString()});
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn(form);

    ASSERT_EQ(desk.jobs().size(), 2);
    for (const auto& log : desk.jobs()) {
        EXPECT_TRUE(log->ended);
        EXPECT_NE(log->findText("INVOICE NO: 20260001"), nullptr);
        EXPECT_NE(log->findText("Hinge"), nullptr);
    }
    // The retry's dialog opens on the printer chosen the first time.
    ASSERT_EQ(desk.printerDialogsShownWith().size(), 2);
    EXPECT_EQ(desk.printerDialogsShownWith()[1].printerName, kOffice.printerName);
    EXPECT_EQ(desk.jobSetups()[1].printer.copies, 1);
    EXPECT_EQ(counter(), "20260002\r\n");
}

TEST_F(InvoicePrint, CancelledDialogAndFailedJobEndSilently) {
    InvoiceForm* form = invoiceWithOneLine();
    desk.expectPrinterDialog(std::nullopt);
    printAndReturn(form);
    EXPECT_TRUE(desk.jobSetups().isEmpty());
    EXPECT_TRUE(desk.messages().isEmpty());
    EXPECT_EQ(counter(), "20260001\r\n");

    // A job that cannot start: no question, no message, the same number next time.
    form = invoiceWithOneLine();
    desk.expectPrinterDialog(kOffice);
    desk.failNextPrintJob(QStringLiteral("The printer \"Office Laser\" is not available."));
    printAndReturn(form);
    EXPECT_EQ(desk.jobSetups().size(), 1);
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(desk.messages().isEmpty());
    EXPECT_EQ(counter(), "20260001\r\n");
}

TEST_F(InvoicePrint, TheCounterAtItsLargestRefusesBeforePrinting) {
    folder.put("BWInvoiceNo.txt", "2147483647\r\n");
    InvoiceForm* form = invoiceWithOneLine();
    desk.expectMessage(QStringLiteral("Billwright"));
    click(form, "cmdPrint");
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("2147483647")));
    EXPECT_EQ(counter(), "2147483647\r\n");
    EXPECT_EQ(form->draft().lines().size(), 1); // the invoice is still there
}

TEST_F(InvoicePrint, PrintsTheDraftWithTheOptionsOfTheMoment) {
    InvoiceOptions options = program->options();
    options.setRemittance(false);
    options.color = kClear;
    options.discountPercent = QStringLiteral("2");
    options.discountDays = QStringLiteral("15");
    options.discountAddOn = kTicked;
    program->setOptions(options);
    // An edited number is printed; the counter still goes on from its own value.
    InvoiceForm* form = invoiceWithOneLine(QStringLiteral("A-100"));
    click(form, "cmdComplete");
    click(form, "cmdOptionsContinue");

    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn(form);

    ASSERT_EQ(desk.jobs().size(), 1);
    EXPECT_FALSE(desk.jobSetups()[0].color);
    const PrintLog& log = *desk.jobs()[0];
    EXPECT_NE(log.findText("INVOICE NO: A-100"), nullptr);
    EXPECT_EQ(log.findText("Detach Here and Return Top Section"), nullptr);
    EXPECT_NE(log.findText("Deduct a Discount of $0.18 if Paid in 15 days"), nullptr);
    EXPECT_EQ(log.findText("Hinge")->colorMode, pellar::ColorMode::Monochrome);
    EXPECT_EQ(log.findText("ITEM SUB-TOTAL")->y, 6480 + 2 * 240);
    EXPECT_EQ(counter(), "20260002\r\n");
}
