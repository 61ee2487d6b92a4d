// The invoice form's Print button: the printer dialog, the print, the confirmation and the
// retry, and what each answer does to the invoice counter.
#include "common/core/printerchoice.h"
#include "tests/invoicing/billwrightfixture.h"
#include "tests/support/faults.h"

#include <QPointer>

using namespace invoicing;
using pellar::MessageAnswer;
using pellar::PrinterChoice;
using pellar::PrintLog;

namespace {

const PrinterChoice kOffice{QStringLiteral("Office Laser"), 2, QString()};

class InvoicePrint : public invoicing::testing::BillwrightTest {
protected:
    InvoiceForm* invoiceWithOneLine(const QString& number = {},
                                    const std::function<void(InvoiceOptions&)>& change = {}) {
        openInvoice(change);
        type("txtPO", "PO-9");
        if (!number.isEmpty())
            type("txtInvoiceNo", number);
        click("cmdInvoice");
        post("Hinge", "2", "4.5");
        EXPECT_EQ(form->draft().lines().size(), 1);
        return form;
    }
    // Print (or save the PDF), and check the form went back to the menu with the catalogue
    // written.
    void printAndReturn(const QByteArray& button = "cmdPrint") {
        QPointer<InvoiceForm> watched(form);
        click(button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(watched.isNull()) << "the invoice form is unloaded";
        EXPECT_TRUE(program->startMenu()->isVisible());
        EXPECT_TRUE(folder.exists("SalesItems.txt"));
        EXPECT_FALSE(desk.busy());
    }
    QByteArray counter() const { return folder.bytes("BWInvoiceNo.txt"); }
};

} // namespace

TEST_F(InvoicePrint, ConfirmedPrintAdvancesTheCounterOnce) {
    folder.put("InvoiceMemo.txt", "Thank you, neighbour.\r\n\r\nOpen Sundays\r\n");
    invoiceWithOneLine();
    EXPECT_EQ(counter(), "20260001\r\n");

    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn();

    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(counter(), "20260002\r\n");

    // One job on the chosen printer, in colour with the remittance section (the defaults).
    ASSERT_EQ(desk.jobs().size(), 2) << "the paper and the kept copy";
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

    // Issued: one register record, its kept copy drawn by the same job as the paper, the
    // customer in the book.
    EXPECT_EQ(folder.bytes("Invoices.txt"),
              "\"20260001\",\"2026-12-06\",\"Maple Street Bakery\",0.00,9.00,0.00,9.00,0.00,"
              "\"\",\"Invoices/2026/20260001 Maple Street Bakery.pdf\",\"\"\r\n");
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile.section(u'/', -1),
              QStringLiteral(".20260001 Maple Street Bakery.pdf.part"));
    EXPECT_TRUE(folder.exists("Invoices/2026/20260001 Maple Street Bakery.pdf"));
    const PrintLog& kept = *desk.jobs()[1];
    ASSERT_EQ(kept.ops.size(), log.ops.size());
    for (qsizetype i = 0; i < log.ops.size(); ++i) {
        const pellar::PrintOp &a = log.ops[i], &b = kept.ops[i];
        EXPECT_TRUE(a.kind == b.kind && a.page == b.page && a.x == b.x && a.y == b.y &&
                    a.x2 == b.x2 && a.y2 == b.y2 && a.text == b.text && a.fontSize == b.fontSize &&
                    a.bold == b.bold)
            << "op " << i << " " << a.text.toStdString();
    }
    EXPECT_EQ(folder.bytes("Customers.txt"),
              "\"Maple Street Bakery\",\"12 Maple St\",\"\",\"Springfield\",\"IL\",\"62704\"\r\n");

    openInvoice();
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260002");
}

TEST_F(InvoicePrint, ARegisterThatCannotGrowRefusesTheInvoiceAndFreesItsNumber) {
    QByteArray earlier;
    for (int i = 0; i < 200; ++i)
        earlier += "\"2025" + QByteArray::number(1000 + i) +
                   "\",\"2025-03-01\",\"Smith\",0.00,"
                   "5.00,0.00,5.00,0.00,\"\",\"Invoices/2025/x.pdf\",\"\"\r\n";
    folder.put("Invoices.txt", earlier);
    invoiceWithOneLine();
    const auto outcome = pellar::testing::runUnderFileSizeLimit(earlier.size() + 16, [&] {
        desk.expectPrinterDialog(kOffice);
        desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
        desk.expectMessage(QStringLiteral("Billwright"));
        click("cmdPrint");
        const QString told = desk.messages().last().text();
        return form->isVisible() && told.contains("Invoices.txt could not be written") &&
               told.contains("not issued");
    });
    EXPECT_EQ(outcome, pellar::testing::ChildOutcome::ReportedSuccess);
    EXPECT_EQ(folder.bytes("Invoices.txt"), earlier);
    EXPECT_EQ(counter(), "20260001\r\n");
    EXPECT_TRUE(QDir(folder.file("Invoices/2026")).isEmpty());
    EXPECT_FALSE(folder.exists("Customers.txt"));
}

TEST_F(InvoicePrint, NoThenNoKeepsTheNumberAndNoYesYesPrintsTwiceUnderIt) {
    invoiceWithOneLine();
    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::No);
    printAndReturn();
    ASSERT_EQ(desk.messages().size(), 2);
    EXPECT_EQ(desk.messages()[1].buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_EQ(counter(), "20260001\r\n");
    EXPECT_FALSE(folder.exists("Invoices.txt")); // not confirmed: not issued
    EXPECT_FALSE(folder.exists("Invoices"));

    // The next invoice has the same number; printed again on a retry, it counts once.
    invoiceWithOneLine();
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260001");
    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::Yes);
    desk.expectPrinterDialog(PrinterChoice{kOffice.printerName, 1, QString()});
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn();
    ASSERT_EQ(desk.jobs().size(), 4);
    for (const auto& log : desk.jobs().mid(1, 2)) {
        EXPECT_TRUE(log->ended);
        EXPECT_NE(log->findText("INVOICE NO: 20260001"), nullptr);
        EXPECT_NE(log->findText("Hinge"), nullptr);
    }
    // The retry's dialog opens on the printer chosen the first time.
    ASSERT_EQ(desk.printerDialogsShownWith().size(), 3);
    EXPECT_EQ(desk.printerDialogsShownWith()[2].printerName, kOffice.printerName);
    EXPECT_EQ(desk.jobSetups()[2].printer.copies, 1);
    EXPECT_EQ(counter(), "20260002\r\n");
}

TEST_F(InvoicePrint, ANumberAnotherCopyIssuedMeanwhileIsNotPrintedAgain) {
    invoiceWithOneLine();
    // Another copy on the folder printed 20260001 and 20260002 while this form was open.
    folder.put("BWInvoiceNo.txt", "20260003\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn();
    EXPECT_EQ(desk.messages()[0].lines.last(), QStringLiteral("This invoice is number 20260003."));
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_NE(desk.jobs()[0]->findText("INVOICE NO: 20260003"), nullptr);
    EXPECT_EQ(counter(), "20260004\r\n");
}

TEST_F(InvoicePrint, CancelledDialogOrFailedJobKeepsTheInvoiceOnTheForm) {
    invoiceWithOneLine();
    desk.expectPrinterDialog(std::nullopt);
    click("cmdPrint");
    EXPECT_TRUE(desk.jobSetups().isEmpty());
    EXPECT_TRUE(desk.messages().isEmpty());

    // A job that cannot start is told in the printer's words; the invoice stays as it was.
    desk.expectPrinterDialog(kOffice);
    desk.failNextPrintJob(QStringLiteral("The printer \"Office Laser\" is not available."));
    desk.expectMessage(QStringLiteral("Billwright"));
    click("cmdPrint");
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("not available")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->draft().lines().size(), 1);
    EXPECT_TRUE(get<QAbstractButton>("cmdPrint")->isEnabled());
    EXPECT_EQ(counter(), "20260001\r\n");
    EXPECT_FALSE(folder.exists("Invoices.txt"));
    EXPECT_FALSE(folder.exists("Customers.txt"));
}

TEST_F(InvoicePrint, PreviewNeverCountsAndPdfCountsOnlyOnceConfirmed) {
    invoiceWithOneLine();
    click("cmdPreview");
    ASSERT_EQ(desk.previews().size(), 1);
    EXPECT_NE(desk.previews()[0]->findText("INVOICE NO: 20260001"), nullptr);
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_EQ(counter(), "20260001\r\n");

    // A cancelled save dialog keeps the invoice; a saved PDF is asked about like paper.
    desk.expectSaveFile(std::nullopt);
    click("cmdSavePdf");
    EXPECT_TRUE(form->isVisible());
    const QString pdf = folder.path() + QStringLiteral("/Hillside March.pdf");
    desk.expectSaveFile(pdf);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::Yes);
    desk.expectSaveFile(pdf);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn("cmdSavePdf");
    // The retry offers the file chosen the time before.
    EXPECT_EQ(desk.saveFilesSuggested(),
              (QStringList{QStringLiteral("Invoice 20260001.pdf"),
                           QStringLiteral("Invoice 20260001.pdf"), pdf}));
    ASSERT_EQ(desk.jobSetups().size(), 3);
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile, pdf);
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_EQ(counter(), "20260002\r\n");
}

TEST_F(InvoicePrint, WithoutAPrinterThePdfIsOfferedAndNothingElseWritten) {
    desk.setPrinterAvailable(false);
    invoiceWithOneLine();
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::No);
    click("cmdPrint");
    EXPECT_TRUE(desk.jobSetups().isEmpty());
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_TRUE(form->isVisible());

    const QString pdf = folder.path() + QStringLiteral("/Hillside March.pdf");
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::Yes);
    desk.expectSaveFile(pdf);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn();
    ASSERT_EQ(desk.jobSetups().size(), 2);
    EXPECT_EQ(desk.jobSetups()[0].printer.outputFile, pdf);
    EXPECT_EQ(counter(), "20260002\r\n");
}

TEST_F(InvoicePrint, TheCounterAtItsLargestRefusesBeforePrinting) {
    folder.put("BWInvoiceNo.txt", "2147483647\r\n");
    invoiceWithOneLine();
    desk.expectMessage(QStringLiteral("Billwright"));
    click("cmdPrint");
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("2147483647")));
    EXPECT_EQ(counter(), "2147483647\r\n");
    EXPECT_EQ(form->draft().lines().size(), 1); // the invoice is still there
}

TEST_F(InvoicePrint, PrintsTheDraftWithTheOptionsOfTheMoment) {
    // An edited number is printed; the counter still goes on from its own value.
    invoiceWithOneLine(QStringLiteral("A-100"), [](InvoiceOptions& o) {
        o.setRemittance(false);
        o.color = kClear;
        o.discountPercent = QStringLiteral("2");
        o.discountDays = QStringLiteral("15");
        o.discountAddOn = kTicked;
    });
    click("cmdComplete");
    click("cmdOptionsContinue");

    desk.expectPrinterDialog(kOffice);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn();

    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_FALSE(desk.jobSetups()[0].color);
    const PrintLog& log = *desk.jobs()[0];
    EXPECT_NE(log.findText("INVOICE NO: A-100"), nullptr);
    EXPECT_EQ(log.findText("Detach Here and Return Top Section"), nullptr);
    EXPECT_NE(log.findText("Deduct a Discount of $0.18 if Paid in 15 days"), nullptr);
    EXPECT_EQ(log.findText("Hinge")->colorMode, pellar::ColorMode::Monochrome);
    EXPECT_EQ(log.findText("ITEM SUB-TOTAL")->y, 6480 + 2 * 240);
    EXPECT_EQ(counter(), "20260002\r\n");
}
