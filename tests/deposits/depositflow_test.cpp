// The deposit form driven through its controls: entry, check verification, cash back,
// printing, confirmation, and what reaches the log and the checkbook balance.
#include "common/core/printerchoice.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/slipmaker.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QDateEdit>
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
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;
using pellar::testing::ShownMessage;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QByteArray kCheckbook("\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\" 4\",1,2\r\n");

QByteArray checkbookWithBalance(const char* balance) {
    return QByteArray("\"Checking\",\"Bank\",\"") + balance + "\",\"0042\",\" 4\",1,2\r\n";
}

QByteArray logRecord(const char* date, const char* amount) {
    return QByteArray(date).leftJustified(10) + QByteArray("Deposit").leftJustified(35) +
           QByteArray(amount).leftJustified(15);
}

class DepositFlow : public ::testing::Test {
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
    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    void click(QAbstractButton* button) {
        ASSERT_TRUE(button->isVisible() && button->isEnabled())
            << button->objectName().toStdString();
        // On the indicator: a radio button takes clicks only there and on its text.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    QPushButton* creation(int index) const { return form->cmdDepositCreation[index]; }

    void announce(const QString& currency, const QString& count) {
        type(form->txtCurrency, currency);
        type(form->txtNoofChecks, count);
        click(creation(0));
    }
    void enterCheck(const QString& number, const QString& amount, const QString& payer,
                    MessageAnswer answer = MessageAnswer::Ok) {
        type(form->txtCheckEntry[0], number);
        type(form->txtCheckEntry[1], amount);
        type(form->txtReceivedFrom, payer);
        desk.expectMessage(QStringLiteral("Payment Verification"), answer);
        click(creation(2));
    }
    void enterChecks(int count, int firstCents = 100) {
        announce(QStringLiteral("5"), QString::number(count));
        for (int i = 0; i < count; ++i)
            enterCheck(QString::number(1000 + i), QString::number((firstCents + i) / 100.0, 'f', 2),
                       QStringLiteral("Payer %1").arg(i));
    }
    // From the deposit-creation screen to the print screen without cash back.
    void toPrintScreen() {
        click(creation(1));
        click(form->cmdCashBack);
    }
    void print(MessageAnswer answer, bool back = false, const PrinterChoice& printer = {}) {
        desk.expectPrinterDialog(printer);
        if (back)
            desk.expectMessage(QStringLiteral("Check Summary on Back"));
        desk.expectMessage(QStringLiteral("Deposit Complete"), answer);
        click(form->cmdDepositContinue);
    }
    bool onCreationScreen() const {
        return form->fraDepositCreation->isVisible() && !form->fraCheckEntry->isVisible() &&
               !form->fraAmountBack->isVisible() && !form->fraDepositSummary->isVisible();
    }

    pellar::testing::TestProgram app{slipmakerProfile()};
    ScratchDataFolder& folder = app.folder;
    ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
    std::unique_ptr<frmDeposit> form;
};

} // namespace

TEST_F(DepositFlow, CashOnlyDepositIsPrintedLoggedAndAddedToTheBalance) {
    EXPECT_TRUE(onCreationScreen());
    EXPECT_EQ(form->txtCurrency->text() + form->txtNoofChecks->text(), "$0.000");
    EXPECT_EQ(form->DTPicker1->date(), QDate(2026, 12, 6));
    EXPECT_FALSE(creation(0)->isEnabled() || creation(1)->isEnabled());

    // Leaving the untouched box rewrites its zero; letters never get in; the zero goes
    // when the first key goes down.
    form->txtNoofChecks->setFocus();
    EXPECT_EQ(form->txtCurrency->text(), "0.00");
    type(form->txtCurrency, QStringLiteral("1x00"));
    EXPECT_EQ(form->txtCurrency->text(), "100");
    click(creation(1));
    EXPECT_EQ(form->txtCurrency->text(), "100.00");
    EXPECT_EQ(form->lblDepositTotal->text(), "$100.00");
    EXPECT_TRUE(form->fraAmountBack->isVisible() && form->cmdCashBack->hasFocus());
    EXPECT_FALSE(form->fraDepositCreation->isVisible() || form->fraReceiveAmount->isVisible());
    EXPECT_EQ(form->lblAmountBack->text(), "0"); // no choice made
    for (QLabel* label : {form->lblDepositAmount, form->lblNewDeposit, form->lblNewDepositPrint})
        EXPECT_EQ(label->text(), "$100.00");

    click(form->cmdCashBack);
    EXPECT_TRUE(form->fraDepositSummary->isVisible() && form->lblDeposit[1]->isVisible());
    EXPECT_FALSE(form->fraAmountBack->isVisible());

    QSignalSpy menu(form.get(), &frmDeposit::menuWanted);
    form->DTPicker1->setDate(QDate(2026, 12, 4));
    print(MessageAnswer::Yes);
    ASSERT_EQ(desk.jobs().size(), 1);
    EXPECT_TRUE(desk.jobs()[0]->ended);
    EXPECT_EQ(desk.jobs()[0]->findText(QStringLiteral("Cash Retained")), nullptr);
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("0")), nullptr); // the amount back
    const ShownMessage& done = desk.messages().last();
    EXPECT_EQ(done.lines, QStringList({"Review the Deposit Ticket", "Click YES if Correct",
                                       "Click NO if Incorrect "}));
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/4/2026", "100"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,100.00"));
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(desk.beeps(), 0);
}

TEST_F(DepositFlow, ThreeChecksVerifiedThenTwentyBackOnSixtyFive) {
    announce(QStringLiteral("5"), QStringLiteral("3"));
    EXPECT_TRUE(form->fraCheckEntry->isVisible() && form->txtCheckEntry[0]->hasFocus());
    EXPECT_EQ(form->fraCheckEntry->title(), "Entering Check 1 of 3 Checks");
    EXPECT_FALSE(creation(2)->isEnabled());

    enterCheck(QStringLiteral("1041"), QStringLiteral("10"), QStringLiteral("Harbor Supply"));
    EXPECT_EQ(
        desk.messages().last().lines,
        QStringList({"Click Okay if the Summary Information is Correct", "      Check No   1041",
                     "      Amount     10.00", "      From       Harbor Supply"}));
    EXPECT_EQ(desk.messages().last().buttons, MessageButtons::OkCancel);
    EXPECT_EQ(form->fraCheckEntry->title(), "Entering Check 2 of 3 Checks");
    EXPECT_EQ(form->txtCheckEntry[0]->text() + form->txtCheckEntry[1]->text() +
                  form->txtReceivedFrom->text(),
              "$0.00");
    EXPECT_FALSE(creation(1)->isEnabled()); // not while checks are still owed

    // Cancel: the same check is entered again.
    enterCheck(QStringLiteral("1042"), QStringLiteral("99"), QStringLiteral("Wrong"),
               MessageAnswer::Cancel);
    EXPECT_EQ(form->fraCheckEntry->title(), "Entering Check 2 of 3 Checks");
    EXPECT_EQ(form->checks().size(), 1);
    EXPECT_FALSE(creation(2)->isEnabled());

    enterCheck(QStringLiteral("1042"), QStringLiteral("20"), QStringLiteral("Lee"));
    enterCheck(QStringLiteral("1043"), QStringLiteral("30"), QStringLiteral("Ng"));
    EXPECT_FALSE(form->fraCheckEntry->isVisible());
    EXPECT_EQ(form->lblTotalofChecks->text(), "$60.00");
    EXPECT_EQ(form->lblDepositTotal->text(), "$65.00");
    EXPECT_FALSE(creation(0)->isEnabled());
    EXPECT_TRUE(creation(1)->isEnabled() && creation(1)->hasFocus());

    click(creation(1));
    click(form->optCashBack[1]);
    EXPECT_TRUE(form->fraReceiveAmount->isVisible() && form->txtReceiveAmount->hasFocus());
    type(form->txtReceiveAmount, QStringLiteral("20"));
    click(form->cmdReceiveAmount);
    EXPECT_EQ(form->lblAmountBack->text(), "$20.00");
    EXPECT_EQ(form->lblNewDeposit->text(), "$45.00");
    EXPECT_FALSE(form->fraReceiveAmount->isVisible());
    click(form->cmdCashBack);
    EXPECT_EQ(form->lblDepositTotal->text(), "$45.00");
    EXPECT_EQ(form->lblNewDepositPrint->text(), "$65.00"); // as it stood before the cash back

    print(MessageAnswer::Yes);
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/6/2026", "45"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,045.00"));
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("Cash Retained")), nullptr);
    EXPECT_EQ(desk.beeps(), 0);
}

TEST_F(DepositFlow, EntryMistakesAreRefusedWithABeep) {
    // No count: a beep and nothing changes; the cash-only way is "Continue".
    type(form->txtNoofChecks, QStringLiteral("0"));
    click(creation(0));
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(form->fraCheckEntry->isVisible());

    // Leaving the count empty gives "0" with a beep; letters never get in.
    type(form->txtNoofChecks, QStringLiteral("\b"));
    form->txtCurrency->setFocus();
    EXPECT_EQ(form->txtNoofChecks->text(), "0");
    EXPECT_EQ(desk.beeps(), 2);

    // More checks than the back of the form can list.
    type(form->txtNoofChecks, QStringLiteral("4x05"));
    EXPECT_EQ(form->txtNoofChecks->text(), "405");
    desk.expectMessage(QStringLiteral("Slipmaker"));
    click(creation(0));
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("at most 404 checks")));
    EXPECT_FALSE(form->fraCheckEntry->isVisible());

    // A count typed but no checks entered: typing the currency does not open "Continue".
    form->txtNoofChecks->setText(QStringLiteral("2"));
    type(form->txtCurrency, QStringLiteral("5"));
    EXPECT_FALSE(creation(1)->isEnabled());
    click(creation(0));
    type(form->txtCurrency, QStringLiteral("1"));
    EXPECT_FALSE(creation(1)->isEnabled());

    const int before = desk.beeps();
    // A missing field, a nil or negative amount: a beep, nothing stored, no verification.
    type(form->txtCheckEntry[0], QStringLiteral("77"));
    type(form->txtCheckEntry[1], QStringLiteral("12"));
    click(creation(2));
    type(form->txtReceivedFrom, QStringLiteral("Kim"));
    form->txtCheckEntry[1]->setText(QStringLiteral("-3"));
    click(creation(2));
    form->txtCheckEntry[1]->setText(QStringLiteral("0"));
    click(creation(2));
    EXPECT_EQ(desk.beeps(), before + 3);
    EXPECT_TRUE(form->checks().isEmpty());
    EXPECT_TRUE(form->txtCheckEntry[1]->hasFocus());

    // Not a number: a beep, the currency form of zero, the focus kept in the box.
    form->txtCheckEntry[1]->setText(QStringLiteral("1.2.3"));
    form->txtReceivedFrom->setFocus();
    EXPECT_EQ(form->txtCheckEntry[1]->text(), "$0.00");
    EXPECT_TRUE(form->txtCheckEntry[1]->hasFocus());
    EXPECT_EQ(desk.beeps(), before + 4);

    // Redo Check Entry empties the check; Redo Deposit starts over without rereading.
    click(creation(3));
    EXPECT_EQ(form->txtCheckEntry[1]->text(), "$0.00");
    EXPECT_EQ(form->fraCheckEntry->title(), "Entering Check 1 of 2 Checks");
    QFile::remove(folder.file("CheckbookInfo.txt"));
    click(creation(4));
    EXPECT_TRUE(onCreationScreen());
    EXPECT_EQ(form->txtCurrency->text(), "$0.00");
    EXPECT_TRUE(form->lblDepositTotal->text().isEmpty());
}

TEST_F(DepositFlow, AmountsAreExactAndCashBackNeverExceedsTheDeposit) {
    // Beyond what single precision holds: every cent is kept.
    announce(QStringLiteral("0.01"), QStringLiteral("1"));
    enterCheck(QStringLiteral("9"), QStringLiteral("1234567.89"), QStringLiteral("Ng"));
    EXPECT_EQ(form->checks()[0].amount, Currency::fromUnits(12345678900));
    // A currency corrected after the checks still counts.
    form->txtCurrency->clear();
    type(form->txtCurrency, QStringLiteral("7.5"));
    click(creation(1));
    ASSERT_EQ(form->lblDepositAmount->text(), "$1,234,575.39");

    // Yes, then an empty amount: as "No, Deposit All".
    click(form->optCashBack[1]);
    click(form->cmdReceiveAmount);
    EXPECT_EQ(form->lblAmountBack->text(), "$0.00");
    EXPECT_EQ(form->lblNewDeposit->text(), "$1,234,575.39");
    EXPECT_TRUE(form->optCashBack[0]->isChecked() && !form->optCashBack[1]->isChecked());
    EXPECT_FALSE(form->fraReceiveAmount->isVisible());

    // More back than the deposit, or less than nothing: kept for correction.
    click(form->optCashBack[1]);
    for (const QString& typed : {QStringLiteral("1234575.40"), QStringLiteral("-1")}) {
        form->txtReceiveAmount->setText(typed);
        click(form->cmdReceiveAmount);
        EXPECT_TRUE(form->fraReceiveAmount->isVisible() && form->txtReceiveAmount->hasFocus());
        EXPECT_EQ(form->lblNewDeposit->text(), "$1,234,575.39");
    }
    EXPECT_EQ(desk.beeps(), 2);
    form->txtReceiveAmount->setText(QStringLiteral("0.01"));
    click(form->cmdReceiveAmount);
    click(form->cmdCashBack);
    print(MessageAnswer::Yes);
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/6/2026", "1234575.38"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,235,575.38"));

    // The next deposit starts with no choice made, whatever the last one chose.
    reopen();
    type(form->txtCurrency, QStringLiteral("65"));
    click(creation(1));
    EXPECT_FALSE(form->optCashBack[0]->isChecked() || form->optCashBack[1]->isChecked());
    EXPECT_EQ(form->lblAmountBack->text(), "0");
}

TEST_F(DepositFlow, AmountsTooLargeToLogAreRefusedBeforeAnythingIsWritten) {
    const QString tooLarge = depositTooLargeText();
    announce(QStringLiteral("0.01"), QStringLiteral("2"));
    // One check beyond the log's amount field, then two that only together pass it: both
    // refused at the check, never shown as a wrapped total.
    desk.expectMessage(programTitle());
    type(form->txtCheckEntry[0], QStringLiteral("1"));
    type(form->txtCheckEntry[1], QStringLiteral("600000000000000"));
    type(form->txtReceivedFrom, QStringLiteral("Big"));
    click(creation(2));
    EXPECT_EQ(desk.messages().last().text(), tooLarge);
    EXPECT_TRUE(form->txtCheckEntry[1]->hasFocus());
    EXPECT_TRUE(form->checks().isEmpty());

    form->txtCheckEntry[1]->clear();
    type(form->txtCheckEntry[1], QStringLiteral("999999999999.98"));
    desk.expectMessage(QStringLiteral("Payment Verification"));
    click(creation(2));
    ASSERT_EQ(form->checks().size(), 1);
    type(form->txtCheckEntry[0], QStringLiteral("2"));
    type(form->txtCheckEntry[1], QStringLiteral("0.01"));
    type(form->txtReceivedFrom, QStringLiteral("Small"));
    desk.expectMessage(programTitle());
    click(creation(2));
    EXPECT_EQ(form->checks().size(), 1);

    // A checkbook balance that cannot take the deposit: told before anything is printed.
    folder.put("CheckbookInfo.txt", checkbookWithBalance("$922,337,203,685,477.00"));
    reopen();
    type(form->txtCurrency, QStringLiteral("1000"));
    toPrintScreen();
    desk.expectMessage(programTitle());
    click(form->cmdDepositContinue);
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("$922,337,203,685,477.00")));
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_FALSE(folder.exists("Transactions.txt"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$922,337,203,685,477.00"));
}

TEST_F(DepositFlow, PrintingCancelledDeclinedOrFailedWritesNothing) {
    enterChecks(1);
    toPrintScreen();

    // Cancel in the printer dialog: nothing printed, still on the print screen.
    desk.expectPrinterDialog(std::nullopt);
    click(form->cmdDepositContinue);
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(form->fraDepositSummary->isVisible());

    // No after printing: a fresh start with the checkbook read again, nothing written.
    folder.put("CheckbookInfo.txt", checkbookWithBalance("$7.00"));
    print(MessageAnswer::No);
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_TRUE(onCreationScreen());
    EXPECT_EQ(form->bankRecord().balance, "$7.00");
    EXPECT_FALSE(folder.exists("Transactions.txt"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$7.00"));

    // A job that cannot start: "Print Error" and a fresh start.
    enterChecks(1);
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{QString(), 3, QString()});
    desk.failNextPrintJob(QStringLiteral("No printer is set up on this computer."));
    desk.expectMessage(QStringLiteral("Print Error"));
    click(form->cmdDepositContinue);
    EXPECT_EQ(desk.messages().last().lines, QStringList{"An Error has occurred while Printing"});
    EXPECT_EQ(desk.jobSetups().last().printer.copies, 3);
    EXPECT_TRUE(onCreationScreen());
    EXPECT_FALSE(folder.exists("Transactions.txt"));

    // The log cannot be written after Yes: told which file, nothing recorded.
    QDir(folder.path()).mkdir(QStringLiteral("Transactions.txt"));
    enterChecks(1);
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{});
    desk.expectMessage(QStringLiteral("Deposit Complete"), MessageAnswer::Yes);
    desk.expectMessage(QStringLiteral("Slipmaker"));
    click(form->cmdDepositContinue);
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("Transactions.txt")));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$7.00"));
    EXPECT_TRUE(onCreationScreen());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(DepositFlow, EighteenChecksGoOnTheBackThenThreeInTheSameRunDoNot) {
    enterChecks(18);
    toPrintScreen();
    // Printed to a file, the back gets a file of its own rather than overwriting the front.
    print(MessageAnswer::Yes, true, PrinterChoice{QString(), 1, QStringLiteral("/out/slip.pdf")});
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_EQ(desk.jobSetups()[0].printer.outputFile, "/out/slip.pdf");
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile, "/out/slip-back.pdf");
    const ShownMessage& turn = desk.messages()[desk.messages().size() - 2];
    EXPECT_EQ(turn.lines, QStringList({"Reverse the Deposit/Summary Report Form",
                                       "and Re-install into the Printer as before",
                                       "Checks will be Printed on the back"}));
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("Checks Listed on Back of Slip")), nullptr);
    EXPECT_EQ(desk.jobs()[1]->texts().size(), 1 + 18);
    EXPECT_TRUE(desk.jobs()[1]->ended);

    reopen();
    EXPECT_TRUE(form->checks().isEmpty());
    enterChecks(3);
    toPrintScreen();
    print(MessageAnswer::Yes);
    ASSERT_EQ(desk.jobs().size(), 3);
    EXPECT_EQ(desk.jobs()[2]->findText(QStringLiteral("Checks Listed on Back of Slip")), nullptr);
    EXPECT_NE(desk.jobs()[2]->findText(QStringLiteral("$1.02")), nullptr);
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), 120);
}

TEST_F(DepositFlow, RedoDepositFromEveryScreenAndMenu) {
    enterChecks(1);
    click(creation(1));
    click(creation(5));
    EXPECT_TRUE(onCreationScreen());
    EXPECT_TRUE(form->checks().isEmpty());

    enterChecks(1);
    toPrintScreen();
    click(creation(6));
    EXPECT_TRUE(onCreationScreen());

    QSignalSpy menu(form.get(), &frmDeposit::menuWanted);
    click(form->cmdMenu);
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(desk.beeps(), 0);
}
