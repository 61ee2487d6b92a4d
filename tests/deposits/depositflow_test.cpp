// The deposit form's wiring, driven through its controls by their documented names: keys
// and clicks reach the draft, the draft reaches the screen, and a printed deposit reaches
// the log and the checkbook balance only when the person confirms it.
#include "common/core/printalignment.h"
#include "common/core/printerchoice.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/slipmaker.h"
#include "tests/deposits/slipmakerfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellar;
using namespace deposits;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using deposits::testing::checkbookWithBalance;
using deposits::testing::kCheckbook;
using deposits::testing::logRecord;

class DepositFlow : public deposits::testing::SlipmakerTest {
protected:
    DepositFlow() {
        MakeBackupFolder(folder);
        folder.put("CheckbookInfo.txt", kCheckbook);
        form = std::make_unique<frmDeposit>(app.context);
        reopen();
    }
    ~DepositFlow() override { form.reset(); }

    // The form shown again from the menu.
    void reopen() {
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        EXPECT_TRUE(form->activate());
    }
    template <typename Widget = QWidget> Widget* child(const QString& name) const {
        return deposits::testing::child<Widget>(form.get(), name);
    }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    bool shown(const QString& name) const { return child(name)->isVisible(); }

    void type(const QString& name, const QString& text) {
        box(name)->setFocus();
        QTest::keyClicks(box(name), text);
    }
    void click(const QString& name) {
        auto* button = child<QAbstractButton>(name);
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name.toStdString();
        // On the indicator: a radio button takes clicks only there and on its text.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // A click that the program answers with a message, answered as given.
    void clickTold(const QString& name, MessageAnswer answer = MessageAnswer::Ok,
                   const QString& title = programTitle()) {
        desk.expectMessage(title, answer);
        click(name);
    }
    // The keyboard from the first box on: Tab to the next box, Return in the last goes on.
    void announce(const QString& currency, const QString& count) {
        type("txtCurrency", currency);
        press(Qt::Key_Tab);
        typeHere(count);
        press(Qt::Key_Return);
    }
    // From box to box with Tab, or with Return.
    void typeCheck(const QString& number, const QString& amount, const QString& payer,
                   Qt::Key next = Qt::Key_Tab) {
        type("txtCheckEntry_0", number);
        press(next);
        typeHere(amount);
        press(next);
        typeHere(payer);
    }
    void enterCheck(const QString& number, const QString& amount, const QString& payer,
                    MessageAnswer answer = MessageAnswer::Ok, Qt::Key next = Qt::Key_Tab) {
        typeCheck(number, amount, payer, next);
        desk.expectMessage(QStringLiteral("Payment Verification"), answer);
        press(Qt::Key_Return);
    }
    void enterChecks(int count) {
        announce(QStringLiteral("5"), QString::number(count));
        for (int i = 0; i < count; ++i)
            enterCheck(QString::number(1000 + i), QString::number((100 + i) / 100.0, 'f', 2),
                       QStringLiteral("Payer %1").arg(i));
    }
    // From the deposit-creation screen to the print screen without cash back.
    void toPrintScreen() {
        click("cmdDepositCreation_1");
        click("cmdCashBack");
    }
    // Printed with the button, or with Return where the button has the focus.
    void print(MessageAnswer answer, bool back = false, const PrinterChoice& printer = {},
               bool byKey = false) {
        desk.expectPrinterDialog(printer);
        if (back)
            desk.expectMessage(QStringLiteral("Check Summary on Back"));
        desk.expectMessage(QStringLiteral("Deposit Complete"), answer);
        byKey ? press(Qt::Key_Return) : click("cmdDepositContinue");
    }
    bool onCreationScreen() const {
        return shown("fraDepositCreation") && !shown("fraCheckEntry") && !shown("fraAmountBack") &&
               !shown("fraDepositSummary");
    }
    bool focused(const QString& name) const { return child(name)->hasFocus(); }
    QString note() const { return text(QStringLiteral("lblStatusNote")); }
    // As a keyboard sends keys: to the active window, which hands them to its focus.
    static QWindow* keyboard() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->window()->windowHandle() : QGuiApplication::focusWindow();
    }
    static void press(Qt::Key key) { QTest::keyClick(keyboard(), key); }
    static void typeHere(const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(keyboard(), c.toLatin1());
    }

    std::unique_ptr<frmDeposit> form;
};

} // namespace

TEST_F(DepositFlow, CashOnlyDepositIsPrintedLoggedAndAddedToTheBalance) {
    EXPECT_TRUE(onCreationScreen() && focused("txtCurrency"));
    EXPECT_EQ(child<QDateEdit>("DTPicker1")->date(), QDate(2026, 12, 6));
    EXPECT_FALSE(child("cmdDepositCreation_0")->isEnabled() ||
                 child("cmdDepositCreation_1")->isEnabled());

    // Leaving the untouched box rewrites its zero; letters never get in; the zero goes
    // when the first key goes down, and typing offers "Continue".
    box("txtNoofChecks")->setFocus();
    EXPECT_EQ(box("txtCurrency")->text(), "0.00");
    type("txtCurrency", QStringLiteral("1x00"));
    EXPECT_EQ(box("txtCurrency")->text(), "100");
    child<QDateEdit>("DTPicker1")->setDate(QDate(2026, 12, 4));
    type("txtNoofChecks", QStringLiteral("0")); // still cash only: Continue stays offered
    click("cmdDepositCreation_1");
    EXPECT_EQ(box("txtCurrency")->text(), "100.00");
    EXPECT_EQ(text("lblDepositTotal"), "$100.00");
    EXPECT_TRUE(shown("fraAmountBack") && focused("cmdCashBack"));
    EXPECT_FALSE(shown("fraDepositCreation") || shown("fraReceiveAmount"));
    EXPECT_EQ(text("lblAmountBack"), "0"); // no choice made
    for (const char* label : {"lblDepositAmount", "lblNewDeposit", "lblNewDepositPrint"})
        EXPECT_EQ(text(label), "$100.00");

    press(Qt::Key_Return);
    EXPECT_TRUE(shown("fraDepositSummary") && focused("cmdDepositContinue"));
    EXPECT_FALSE(shown("fraAmountBack"));

    QSignalSpy menu(form.get(), &frmDeposit::menuWanted);
    print(MessageAnswer::Yes, false, {}, true);
    // The slip on the printer, then its kept copy by the same layout.
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_TRUE(desk.jobs()[0]->ended);
    EXPECT_EQ(desk.jobs()[0]->findText(QStringLiteral("Cash Retained")), nullptr);
    EXPECT_EQ(desk.jobs()[1]->texts().size(), desk.jobs()[0]->texts().size());
    EXPECT_EQ(QDir(folder.file("Deposits/2026")).entryList(QDir::Files),
              QStringList{"2026-12-04 100.00.pdf"});
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/4/2026", "100"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,100.00"));
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(desk.beeps(), 0);
}

TEST_F(DepositFlow, ThreeChecksVerifiedThenTwentyBackOnSixtyFive) {
    announce(QStringLiteral("5"), QStringLiteral("3"));
    EXPECT_TRUE(shown("fraCheckEntry") && focused("txtCheckEntry_0"));
    EXPECT_FALSE(child("cmdDepositCreation_2")->isEnabled());

    enterCheck(QStringLiteral("1041"), QStringLiteral("10"), QStringLiteral("Harbor Supply"));
    EXPECT_EQ(
        desk.messages().last().lines,
        QStringList({"Click Okay if the Summary Information is Correct", "      Check No   1041",
                     "      Amount     10.00", "      From       Harbor Supply"}));
    EXPECT_EQ(box("txtCheckEntry_0")->text() + box("txtCheckEntry_1")->text() +
                  box("txtReceivedFrom")->text(),
              "$0.00");

    // Cancel: the same check is entered again.
    enterCheck(QStringLiteral("1042"), QStringLiteral("99"), QStringLiteral("Wrong"),
               MessageAnswer::Cancel);
    EXPECT_EQ(child<QGroupBox>("fraCheckEntry")->title(), "Entering Check 2 of 3 Checks");
    EXPECT_EQ(form->draft().checks().size(), 1);

    enterCheck(QStringLiteral("1042"), QStringLiteral("20"), QStringLiteral("Lee"),
               MessageAnswer::Ok, Qt::Key_Return);
    enterCheck(QStringLiteral("1043"), QStringLiteral("30"), QStringLiteral("Ng"));
    EXPECT_FALSE(shown("fraCheckEntry"));
    EXPECT_EQ(text("lblTotalofChecks"), "$60.00");
    EXPECT_EQ(text("lblDepositTotal"), "$65.00");
    EXPECT_TRUE(focused("cmdDepositCreation_1"));

    press(Qt::Key_Return);
    // "Yes", then an empty amount: as "No, Deposit All".
    click("optCashBack_1");
    EXPECT_TRUE(shown("fraReceiveAmount") && focused("txtReceiveAmount"));
    click("cmdReceiveAmount");
    EXPECT_EQ(text("lblAmountBack"), "$0.00");
    EXPECT_TRUE(child<QRadioButton>("optCashBack_0")->isChecked());
    EXPECT_FALSE(shown("fraReceiveAmount"));

    // More back than the deposit: a beep, kept for correction. Return chooses "Yes" as
    // Space does.
    child("optCashBack_1")->setFocus();
    press(Qt::Key_Return);
    typeHere(QStringLiteral("65.01"));
    press(Qt::Key_Return); // Return in the box: its Accept
    EXPECT_TRUE(shown("fraReceiveAmount") && focused("txtReceiveAmount"));
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(note(), "The cash back can be from zero up to the deposit, $65.00.");
    box("txtReceiveAmount")->setText(QStringLiteral("20"));
    click("cmdReceiveAmount");
    EXPECT_EQ(text("lblAmountBack"), "$20.00");
    EXPECT_EQ(text("lblNewDeposit"), "$45.00");
    EXPECT_TRUE(!shown("fraReceiveAmount") && focused("cmdCashBack"));
    click("cmdCashBack");
    EXPECT_EQ(text("lblNewDepositPrint"), "$45.00"); // what goes to the bank

    print(MessageAnswer::Yes);
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/6/2026", "45"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,045.00"));
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("Cash Retained")), nullptr);
}

TEST_F(DepositFlow, EntryMistakesAreRefusedWithWordsAndRedoStartsOver) {
    // No count: a beep; leaving the count empty gives "0" with a beep.
    type("txtNoofChecks", QStringLiteral("0"));
    click("cmdDepositCreation_0");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(shown("fraCheckEntry") || note().isEmpty());
    type("txtNoofChecks", QStringLiteral("\b"));
    EXPECT_TRUE(note().isEmpty()); // the next keystroke clears it
    box("txtCurrency")->setFocus();
    EXPECT_EQ(box("txtNoofChecks")->text(), "0");
    EXPECT_EQ(desk.beeps(), 2);

    // More checks than the back of the form can list: told, and kept for correction.
    type("txtNoofChecks", QStringLiteral("4x05"));
    EXPECT_EQ(box("txtNoofChecks")->text(), "405");
    clickTold("cmdDepositCreation_0");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("at most 404 checks")));
    EXPECT_TRUE(focused("txtNoofChecks"));
    box("txtNoofChecks")->clear();

    // A check beyond what the log can record: told, the amount kept for correction.
    announce(QStringLiteral("1"), QStringLiteral("2"));
    typeCheck(QStringLiteral("77"), QStringLiteral("600000000000000"), QStringLiteral("Big"));
    clickTold("cmdDepositCreation_2");
    EXPECT_EQ(desk.messages().last().text(), depositTooLargeText());
    EXPECT_TRUE(focused("txtCheckEntry_1"));

    // A missing field: a beep, nothing stored. Not a number: a beep, the currency form of
    // zero, the focus kept in the box.
    const int before = desk.beeps();
    box("txtReceivedFrom")->clear();
    click("cmdDepositCreation_2");
    box("txtCheckEntry_1")->setFocus();
    box("txtCheckEntry_1")->setText(QStringLiteral("1.2.3"));
    box("txtReceivedFrom")->setFocus();
    EXPECT_EQ(box("txtCheckEntry_1")->text(), "$0.00");
    EXPECT_TRUE(focused("txtCheckEntry_1"));
    EXPECT_EQ(desk.beeps(), before + 2);
    EXPECT_TRUE(form->draft().checks().isEmpty());

    // Redo Check Entry empties the check; Redo Deposit starts over without rereading.
    click("cmdDepositCreation_3");
    EXPECT_EQ(box("txtCheckEntry_0")->text() + box("txtCheckEntry_1")->text(), "$0.00");
    EXPECT_EQ(child<QGroupBox>("fraCheckEntry")->title(), "Entering Check 1 of 2 Checks");
    QFile::remove(folder.file("CheckbookInfo.txt"));
    click("cmdDepositCreation_4");
    EXPECT_TRUE(onCreationScreen());
    EXPECT_EQ(box("txtCurrency")->text(), "$0.00");
    EXPECT_TRUE(text("lblDepositTotal").isEmpty());

    // A currency box that holds no amount when Continue is reached without leaving it (a
    // click from code, as a shortcut may give) is refused, never taken as zero.
    type("txtCurrency", QStringLiteral("1"));
    box("txtCurrency")->setText(QStringLiteral("1.2.3"));
    const int beeps = desk.beeps();
    child<QPushButton>("cmdDepositCreation_1")->click();
    EXPECT_EQ(desk.beeps(), beeps + 1);
    EXPECT_TRUE(onCreationScreen() && focused("txtCurrency"));
    EXPECT_EQ(form->draft().step(), DepositDraft::Step::Creation);

    // From the cash-back and print screens too.
    folder.put("CheckbookInfo.txt", kCheckbook);
    enterChecks(1);
    click("cmdDepositCreation_1");
    click("cmdDepositCreation_5");
    EXPECT_TRUE(onCreationScreen());
    EXPECT_TRUE(form->draft().checks().isEmpty());
    enterChecks(1);
    toPrintScreen();
    click("cmdDepositCreation_6");
    EXPECT_TRUE(onCreationScreen());

    // "Enter Check Summary Data" while checks are owed asks first; No keeps them.
    announce(QStringLiteral("5"), QStringLiteral("3"));
    EXPECT_FALSE(child("cmdDepositCreation_0")->isEnabled());
    enterCheck(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("Lee"));
    type("txtNoofChecks", QStringLiteral("\b4"));
    clickTold("cmdDepositCreation_0", MessageAnswer::No);
    EXPECT_EQ(desk.messages().last().buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(form->draft().checks().size(), 1);

    // A check of zero: beep and words.
    typeCheck(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("Ng"));
    click("cmdDepositCreation_2");
    EXPECT_EQ(note(), "A check amount must be more than zero.");
    clickTold("cmdDepositCreation_0", MessageAnswer::Yes);
    EXPECT_TRUE(form->draft().checks().isEmpty());
    EXPECT_EQ(child<QGroupBox>("fraCheckEntry")->title(), "Entering Check 1 of 4 Checks");

    // A count changed by pasting is seen: the checks of the old count no longer do.
    click("cmdDepositCreation_4");
    enterChecks(1);
    EXPECT_TRUE(child("cmdDepositCreation_1")->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("3"));
    box("txtNoofChecks")->selectAll();
    box("txtNoofChecks")->paste();
    EXPECT_FALSE(child("cmdDepositCreation_1")->isEnabled());

    QSignalSpy menu(form.get(), &frmDeposit::menuWanted);
    click("cmdMenu");
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(app.ended, 0);
}

TEST_F(DepositFlow, PrintingCancelledDeclinedOrFailedWritesNothing) {
    enterChecks(1);
    toPrintScreen();

    // Cancel in the printer dialog: nothing printed, still on the print screen.
    desk.expectPrinterDialog(std::nullopt);
    click("cmdDepositContinue");
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(shown("fraDepositSummary"));

    // No after printing: a fresh start with the checkbook read again, nothing written.
    folder.put("CheckbookInfo.txt", checkbookWithBalance("$7.00"));
    print(MessageAnswer::No);
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_TRUE(onCreationScreen());
    EXPECT_EQ(form->bank().record().balance, "$7.00");
    EXPECT_FALSE(folder.exists("Transactions.txt"));

    // A job that cannot start: "Print Error", and the deposit kept on the print screen.
    enterChecks(1);
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{QString(), 3, QString()});
    desk.failNextPrintJob(QStringLiteral("No printer is set up on this computer."));
    clickTold("cmdDepositContinue", MessageAnswer::Ok, QStringLiteral("Print Error"));
    EXPECT_EQ(desk.jobSetups().last().printer.copies, 3);
    EXPECT_TRUE(shown("fraDepositSummary"));
    EXPECT_EQ(form->draft().checks().size(), 1);
    EXPECT_FALSE(folder.exists("Transactions.txt"));
    click("cmdDepositCreation_6");

    // The log cannot be written after Yes: told which file, nothing recorded.
    QDir(folder.path()).mkdir(QStringLiteral("Transactions.txt"));
    enterChecks(1);
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{});
    desk.expectMessage(QStringLiteral("Deposit Complete"), MessageAnswer::Yes);
    clickTold("cmdDepositContinue");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("Transactions.txt")));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$7.00"));
    EXPECT_TRUE(onCreationScreen() && form->isVisible());

    // A balance that cannot take the deposit: told before anything is printed.
    folder.put("CheckbookInfo.txt", checkbookWithBalance("$922,337,203,685,477.00"));
    const qsizetype jobs = desk.jobs().size();
    reopen();
    type("txtCurrency", QStringLiteral("1000"));
    toPrintScreen();
    clickTold("cmdDepositContinue");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("$922,337,203,685,477.00")));
    EXPECT_EQ(desk.jobs().size(), jobs);
    // No deposit was recorded, so no copy was kept.
    EXPECT_FALSE(folder.exists("Deposits"));
}

TEST_F(DepositFlow, ACopyThatCannotBeKeptIsToldAndTheDepositStaysRecorded) {
    folder.put("Deposits/2026", "not a folder");
    type("txtCurrency", QStringLiteral("5"));
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{});
    desk.expectMessage(QStringLiteral("Deposit Complete"), MessageAnswer::Yes);
    clickTold("cmdDepositContinue");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("PDF copy")));
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), kTransactionLength);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,005.00"));
}

TEST_F(DepositFlow, EighteenChecksGoOnTheBackThenThreeInTheSameRunDoNot) {
    enterChecks(18);
    toPrintScreen();
    // Printed to a file, the back gets a file of its own rather than overwriting the front.
    print(MessageAnswer::Yes, true, PrinterChoice{QString(), 1, QStringLiteral("/out/slip.pdf")});
    // Front, back, and the kept copy holding both as its two pages.
    ASSERT_EQ(desk.jobs().size(), 3);
    EXPECT_EQ(desk.jobs()[2]->pageCount(), 2);
    EXPECT_EQ(desk.jobs()[2]->texts().size(),
              desk.jobs()[0]->texts().size() + desk.jobs()[1]->texts().size());
    EXPECT_EQ(desk.jobSetups()[0].printer.outputFile, "/out/slip.pdf");
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile, "/out/slip-back.pdf");
    EXPECT_EQ(desk.jobSetups()[1].origin, PageOrigin::PrintableArea);
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("Checks Listed on Back of Slip")), nullptr);
    EXPECT_EQ(desk.jobs()[1]->texts().size(), 1 + 18);
    EXPECT_TRUE(desk.jobs()[1]->ended);

    // The next deposit starts without them.
    reopen();
    EXPECT_TRUE(form->draft().checks().isEmpty());
    EXPECT_EQ(desk.beeps(), 0);
}

TEST_F(DepositFlow, PreviewAndPdfUseEachSidesOriginAndOffsetsAndRecordOnlyWhenConfirmed) {
    PrintAlignment alignment;
    alignment.setOffsets(PrintedDocument::DepositSlipFront, {10, -5});
    alignment.setOffsets(PrintedDocument::DepositSlipBack, {3, 4});
    ASSERT_TRUE(savePrintAlignment(folder.data(), alignment));
    enterChecks(18);
    toPrintScreen();

    // A preview (Ctrl+Shift+P, as a keyboard sends it) shows both sides, each from the
    // printable area moved by its own offsets, and records nothing.
    QTest::keyClick(keyboard(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(desk.previews().size(), 2);
    const PrintOp* date = desk.previews()[0]->findText(QStringLiteral("12/6/2026"));
    EXPECT_EQ(std::pair(date->x, date->y), std::pair(1800.0 + 144, 2160.0 - 72));
    const PrintOp* heading =
        desk.previews()[1]->findText(QStringLiteral("CHECKS WITH THIS DEPOSIT"));
    EXPECT_EQ(std::pair(heading->x, heading->y), std::pair(43.2, 57.6));
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(shown("fraDepositSummary"));

    // Save as PDF: cancelled, nothing; a file that cannot be written, told and kept on
    // the print screen; saved, both sides go to files and the confirmation follows.
    desk.expectSaveFile(std::nullopt);
    click("cmdSaveAsPdf");
    desk.expectSaveFile(QStringLiteral("/out/full.pdf"));
    desk.failNextPrintJob(QStringLiteral("The disk is full."));
    clickTold("cmdSaveAsPdf");
    EXPECT_TRUE(shown("fraDepositSummary"));
    desk.expectSaveFile(QStringLiteral("/out/Deposit"));
    clickTold("cmdSaveAsPdf", MessageAnswer::No, QStringLiteral("Deposit Complete"));
    EXPECT_EQ(desk.saveFilesSuggested(), QStringList(3, QStringLiteral("Deposit 2026-12-06.pdf")));
    ASSERT_EQ(desk.jobSetups().size(), 3);
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile, "/out/Deposit.pdf");
    EXPECT_EQ(desk.jobSetups()[2].printer.outputFile, "/out/Deposit-back.pdf");
    EXPECT_FALSE(folder.exists("Transactions.txt"));
    EXPECT_TRUE(onCreationScreen());

    // No printer: said so, and the PDF offered; only a named file is written.
    desk.setPrinterAvailable(false);
    type("txtCurrency", QStringLiteral("40"));
    toPrintScreen();
    clickTold("cmdDepositContinue", MessageAnswer::No);
    desk.expectMessage(programTitle(), MessageAnswer::Yes);
    desk.expectSaveFile(QStringLiteral("/out/cash.pdf"));
    clickTold("cmdDepositContinue", MessageAnswer::Yes, QStringLiteral("Deposit Complete"));
    ASSERT_EQ(desk.jobSetups().size(), 5);
    EXPECT_EQ(desk.jobSetups()[3].printer.outputFile, "/out/cash.pdf");
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/6/2026", "40"));
}
