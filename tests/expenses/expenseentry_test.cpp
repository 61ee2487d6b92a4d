// Recording payments on the expense form: single postings, splits, partial payments, and
// what the form refuses.
#include "expenses/core/expensefile.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmstartup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace expenses;
using expenses::testing::SpendlogTest;
using pellar::MessageAnswer;

namespace {

class ExpenseEntryTest : public SpendlogTest {
protected:
    frmExpenses& open() {
        folder.put("ExpenseCodes.txt",
                   "\"Travel\"\r\n\"Office - Supplies\"\r\n\"Vehicle - Fuel\"\r\n");
        putContacts({contact("Harbor Fuel"), contact("Alpha Supply Co")});
        start().startup().cmdGoto->click();
        frmExpenses& e = forms->expenses();
        EXPECT_TRUE(e.isVisible());
        QApplication::setActiveWindow(&e);
        return e;
    }

    // Types into the amount box and leaves it, as the person would.
    static void typeAmount(frmExpenses& e, const QString& text) {
        e.txtAmount->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(e.txtAmount, text);
        e.lstVendors->setFocus(Qt::MouseFocusReason);
    }

    // One split line, reviewed with `answer`; `then` is the title of a message expected
    // after the review.
    void enterLine(frmExpenses& e, const QString& category, const QString& amount,
                   MessageAnswer answer = MessageAnswer::Yes, const QString& then = {}) {
        e.cboExpenseCategories->setCurrentText(category);
        e.txtSplitAmount->setText(amount);
        desk.expectMessage("Review before Posting", answer);
        if (!then.isEmpty())
            desk.expectMessage(then);
        e.cmdExpense[frmExpenses::SplitEnter]->click();
    }

    QList<ExpenseRecord> records() const {
        const QByteArray file = folder.bytes("NewExpenses.txt");
        QList<ExpenseRecord> list;
        for (qsizetype at = 0; at < file.size(); at += kExpenseRecordLength)
            list.append(decodeExpense(file.mid(at, kExpenseRecordLength)));
        return list;
    }
};

} // namespace

TEST_F(ExpenseEntryTest, SingleCategoryPostingAfterTheReview) {
    frmExpenses& e = open();
    EXPECT_EQ(e.windowTitle(), "Expenses");
    EXPECT_EQ(e.lstVendors->currentItem()->text(), "Harbor Fuel");
    EXPECT_EQ(e.cboExpenseCategories->currentText(), "Travel");
    EXPECT_EQ(e.DTPicker1->date(), QDate(2026, 12, 6));
    EXPECT_TRUE(e.txtAmount->hasFocus());
    EXPECT_TRUE(e.optPayment[PayByCheck]->isChecked());
    EXPECT_EQ(e.lblReference->text(), "Enter Check No");
    EXPECT_TRUE(e.lblCBFound[1]->isVisible());
    EXPECT_FALSE(e.lblCBFound[0]->isVisible());
    EXPECT_FALSE(e.cmdExpense[frmExpenses::Enter]->isEnabled());

    typeAmount(e, "1234.5");
    EXPECT_EQ(e.txtAmount->text(), "$1,234.50");
    EXPECT_TRUE(e.cmdExpense[frmExpenses::Enter]->isEnabled());

    // The check number is required.
    desk.expectMessage("Input Error");
    e.cmdExpense[frmExpenses::Enter]->click();
    EXPECT_EQ(desk.messages().last().text(), "All Required information has not been Supplied");
    EXPECT_TRUE(e.txtReference->hasFocus());
    EXPECT_EQ(desk.beeps(), 1);

    // Declining the review writes nothing.
    e.txtReference->setText("1042");
    e.cboExpenseCategories->setCurrentIndex(1);
    e.DTPicker1->setDate(QDate(2026, 11, 30));
    desk.expectMessage("Review before Posting", MessageAnswer::No);
    e.cmdExpense[frmExpenses::Enter]->click();
    EXPECT_EQ(desk.messages().last().text(), "\nPaid to: Harbor Fuel\nFor: Office - Supplies\n"
                                             "By: Check \nIn the Amount of: $1,234.50\n"
                                             "On 11/30/2026\nAre Entries Correct?");
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    e.cmdExpense[frmExpenses::Enter]->click();
    ASSERT_EQ(records().size(), 1);
    EXPECT_EQ(records()[0], (ExpenseRecord{"11/30/2026", "Harbor Fuel", "Office - Supplies",
                                           "$1,234.50", "Check", "1042", "Open"}));
    // The review grid lists everything from 1988 on, and the screen starts afresh.
    EXPECT_EQ(e.startDate(), QDate(1988, 1, 1));
    EXPECT_EQ(e.gridModel().rowCount(), 1);
    EXPECT_TRUE(e.txtAmount->text().isEmpty());
    EXPECT_EQ(e.DTPicker1->date(), QDate(2026, 12, 6));
    EXPECT_FALSE(e.cmdExpense[frmExpenses::Enter]->isEnabled());
    EXPECT_TRUE(e.fraMain->isVisible());
}

TEST_F(ExpenseEntryTest, AmountBoxZeroTextNotANumberAndFutureDates) {
    frmExpenses& e = open();
    e.optPayment[PayByCash]->click();
    EXPECT_TRUE(e.txtReference->isHidden());

    // Text that is not a number is refused when the box is left.
    typeAmount(e, "12 dollars");
    EXPECT_EQ(e.txtAmount->text(), "$0.00");
    EXPECT_TRUE(e.txtAmount->hasFocus());
    EXPECT_EQ(desk.beeps(), 1);
    // ... and a zero amount is no amount: nothing can be posted from it.
    e.cmdExpense[frmExpenses::Enter]->setEnabled(true);
    desk.expectMessage("Input Error");
    e.cmdExpense[frmExpenses::Enter]->click();
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    // Typing over the zero starts from an empty box; an empty box left becomes zero.
    e.txtAmount->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(e.txtAmount, "7");
    EXPECT_EQ(e.txtAmount->text(), "7");
    e.txtAmount->clear();
    e.lstVendors->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(e.txtAmount->text(), "$0.00");
    // An amount too long for the record's field is refused the same way.
    typeAmount(e, "-12345678.90");
    EXPECT_EQ(e.txtAmount->text(), "$0.00");

    // A date after today: two messages and the picker back at today.
    desk.expectMessage("Input Error");
    desk.expectMessage("PellarSpendlogFREE");
    e.DTPicker1->setDate(QDate(2026, 12, 7));
    EXPECT_EQ(desk.messages().last().text(), "Your Calendar(s) Selection is Invalid");
    EXPECT_EQ(e.DTPicker1->date(), QDate(2026, 12, 6));

    // Choosing a mode with no amount: asked for, and no mode left chosen.
    e.txtAmount->clear();
    desk.expectMessage("No Amount Entered");
    e.optExpenses[frmExpenses::MultipleCategories]->click();
    EXPECT_EQ(desk.messages().last().text(), "Enter an Amount before Disbursing");
    EXPECT_EQ(e.chargingMode(), -1);
    EXPECT_TRUE(e.fraAssignAmount->isHidden());
    // Redo brings back the single category without asking again.
    e.cmdExpense[frmExpenses::Redo]->click();
    EXPECT_EQ(e.chargingMode(), frmExpenses::SingleCategory);
}

TEST_F(ExpenseEntryTest, SplitCompletesByItselfAtZeroAndPostsEachLine) {
    frmExpenses& e = open();
    e.optPayment[PayByCreditCard]->click();
    EXPECT_EQ(e.lblReference->text(), "Enter Card Co.");
    e.txtReference->setText("Northern Card");
    e.lstVendors->setCurrentRow(1);
    typeAmount(e, "100");
    e.optExpenses[frmExpenses::MultipleCategories]->click();
    EXPECT_TRUE(e.fraAssignAmount->isVisible());
    EXPECT_FALSE(e.cmdExpense[frmExpenses::Enter]->isEnabled());
    EXPECT_EQ(e.lblAmount->text(), "$100.00");
    EXPECT_EQ(e.lblRemaining->text(), "$100.00");

    enterLine(e, "Travel", "60");
    EXPECT_EQ(e.lblRemaining->text(), "$40.00");
    // A line beyond what remains is refused.
    enterLine(e, "Office - Supplies", "40.01", MessageAnswer::Yes, "Input Error");
    EXPECT_EQ(e.lblRemaining->text(), "$40.00");
    EXPECT_TRUE(e.txtSplitAmount->text().isEmpty());
    // A declined line is not taken.
    enterLine(e, "Office - Supplies", "15", MessageAnswer::No);
    EXPECT_EQ(e.lblRemaining->text(), "$40.00");
    EXPECT_TRUE(e.fraSplit->isHidden());

    enterLine(e, "Office - Supplies", "15");
    enterLine(e, "Vehicle - Fuel", "25");
    EXPECT_EQ(e.lblRemaining->text(), "$0.00");
    ASSERT_TRUE(e.fraSplit->isVisible());
    ASSERT_EQ(e.fgSplit->rowCount(), 4);
    EXPECT_EQ(e.fgSplit->item(2, 0)->text(), "Vehicle - Fuel");
    EXPECT_EQ(e.fgSplit->item(2, 1)->text(), "$25.00");
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    e.cmdExpense[frmExpenses::SplitContinue]->click();
    const QList<ExpenseRecord> posted = records();
    ASSERT_EQ(posted.size(), 3);
    const QStringList categories{"Travel", "Office - Supplies", "Vehicle - Fuel"};
    const QStringList amounts{"$60.00", "$15.00", "$25.00"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(posted[i], (ExpenseRecord{"12/6/2026", "Alpha Supply Co", categories[i],
                                            amounts[i], "Credit Card", "Northern Card", "Open"}));
    }
    EXPECT_TRUE(e.fraSplit->isHidden());
    EXPECT_TRUE(e.fraAssignAmount->isHidden());
    EXPECT_EQ(e.chargingMode(), frmExpenses::SingleCategory);
    EXPECT_EQ(e.txtAmount->text(), "$0.00");
    // The review grid is left alone by a split.
    EXPECT_EQ(e.gridModel().rowCount(), 0);

    // The next split starts from an empty summary: nothing is posted twice.
    typeAmount(e, "10");
    e.optExpenses[frmExpenses::MultipleCategories]->click();
    enterLine(e, "Travel", "10");
    e.cmdExpense[frmExpenses::SplitContinue]->click();
    EXPECT_EQ(records().size(), 4);
}

TEST_F(ExpenseEntryTest, UnpaidAmountsAndCompletingEarly) {
    frmExpenses& e = open();
    e.txtReference->setText("2001");
    typeAmount(e, "100");
    e.optExpenses[frmExpenses::MultipleCategories]->click();
    e.ckAllowNegative->click();
    EXPECT_EQ(e.lblAmount->text(), "Not Applicable");
    EXPECT_EQ(e.lblRemaining->text(), "Not Applicable");
    // Lines may add up to more than the amount, and never complete by themselves.
    enterLine(e, "Travel", "80");
    enterLine(e, "Vehicle - Fuel", "50");
    EXPECT_TRUE(e.fraSplit->isHidden());
    e.cmdExpense[frmExpenses::Complete]->click();
    EXPECT_TRUE(e.fraSplit->isVisible());
    e.cmdExpense[frmExpenses::SplitContinue]->click();
    ASSERT_EQ(records().size(), 2);
    EXPECT_EQ(records()[1].amount, "$50.00");

    // Unchecking brings back the amounts at once, less the lines already taken.
    typeAmount(e, "90");
    e.optExpenses[frmExpenses::MultipleCategories]->click();
    enterLine(e, "Travel", "30");
    ASSERT_TRUE(e.ckAllowNegative->isChecked()); // a split posting leaves it as it was
    e.ckAllowNegative->click();
    EXPECT_EQ(e.lblAmount->text(), "$90.00");
    EXPECT_EQ(e.lblRemaining->text(), "$60.00");
    // Complete early posts only the lines entered; Redo on the summary posts nothing.
    e.cmdExpense[frmExpenses::Complete]->click();
    e.cmdExpense[frmExpenses::SplitContinue]->click();
    ASSERT_EQ(records().size(), 3);
    EXPECT_EQ(records()[2].amount, "$30.00");
    typeAmount(e, "20");
    e.optExpenses[frmExpenses::MultipleCategories]->click();
    enterLine(e, "Travel", "20");
    ASSERT_TRUE(e.fraSplit->isVisible());
    e.cmdExpense[frmExpenses::SplitRedo]->click();
    EXPECT_TRUE(e.fraSplit->isHidden());
    EXPECT_EQ(records().size(), 3);
    EXPECT_EQ(e.fgSplit->rowCount(), 1);

    // A cash payment cannot expense unpaid amounts.
    e.optPayment[PayByCash]->click();
    e.ckAllowNegative->click();
    EXPECT_FALSE(e.ckAllowNegative->isChecked());
}

TEST_F(ExpenseEntryTest, PartialPaymentRecordsOnlyAFinanceChargeAboveZero) {
    frmExpenses& e = open();
    e.optPayment[PayByEBill]->click();
    typeAmount(e, "250");
    e.optExpenses[frmExpenses::PartialPayment]->click();
    EXPECT_TRUE(e.fraFinance->isVisible());
    EXPECT_EQ(e.txtFinance->text(), "0");
    EXPECT_FALSE(e.cboExpenseCategories->isEnabled());
    EXPECT_FALSE(e.ckAllowNegative->isEnabled());
    EXPECT_TRUE(e.cmdExpense[frmExpenses::Enter]->isEnabled());

    // Confirming the payment itself writes nothing.
    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    e.cmdExpense[frmExpenses::Enter]->click();
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    // A zero charge, or text that is no number, writes nothing either.
    e.cmdExpense[frmExpenses::FinanceContinue]->click();
    EXPECT_TRUE(e.fraFinance->isHidden());
    e.optExpenses[frmExpenses::SingleCategory]->click();
    e.optExpenses[frmExpenses::PartialPayment]->click();
    e.txtFinance->setText("none");
    e.cmdExpense[frmExpenses::FinanceContinue]->click();
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    // Text that starts as a number but is not an amount is refused, the panel kept.
    e.optExpenses[frmExpenses::SingleCategory]->click();
    e.optExpenses[frmExpenses::PartialPayment]->click();
    e.txtFinance->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(e.txtFinance, "12abc");
    EXPECT_EQ(e.txtFinance->text(), "12abc"); // typing replaced the zero
    desk.expectMessage("Input Error");
    e.cmdExpense[frmExpenses::FinanceContinue]->click();
    EXPECT_TRUE(e.fraFinance->isVisible());
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    e.txtFinance->setText("12.5");
    e.cmdExpense[frmExpenses::FinanceContinue]->click();
    ASSERT_EQ(records().size(), 1);
    EXPECT_EQ(records()[0], (ExpenseRecord{"12/6/2026", "Harbor Fuel", "Finance Charge", "12.5",
                                           "E-Bill Payment", "", "Open"}));
    EXPECT_TRUE(e.fraFinance->isHidden());
    EXPECT_EQ(e.txtAmount->text(), "$250.00"); // the screen is otherwise unchanged

    // A cash payment on account has nothing to record.
    e.optPayment[PayByCash]->click();
    desk.expectMessage("No Record will be Created");
    e.optExpenses[frmExpenses::PartialPayment]->click();
    EXPECT_EQ(desk.messages().last().text(),
              "A cash payment with no Disbursement\nDoes not need to be Posted");
    EXPECT_EQ(e.chargingMode(), frmExpenses::SingleCategory);
    EXPECT_TRUE(e.txtAmount->text().isEmpty());
    EXPECT_TRUE(e.fraFinance->isHidden());
    EXPECT_EQ(records().size(), 1);
}

TEST_F(ExpenseEntryTest, CheckbookProgramFullFileAndNoCategories) {
    folder.put("CheckbookInfo.txt", "\"Bank\"\r\n");
    folder.put("TempExpenses.txt", "old");
    frmExpenses& e = open();
    EXPECT_FALSE(folder.exists("TempExpenses.txt"));
    EXPECT_FALSE(e.optPayment[PayByCheck]->isEnabled());
    EXPECT_FALSE(e.optPayment[PayByEBill]->isEnabled());
    EXPECT_TRUE(e.optPayment[PayByCash]->isChecked());
    EXPECT_TRUE(e.lblCBFound[0]->isVisible());
    EXPECT_FALSE(e.lblCBFound[1]->isVisible());
    EXPECT_TRUE(e.txtReference->isHidden());

    // A full file: the posting is refused before anything is written.
    const QByteArray full = QByteArray(kExpenseRecordLength, ' ').repeated(pellar::kMaxRecords);
    folder.put("NewExpenses.txt", full);
    typeAmount(e, "5");
    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    desk.expectMessage("Expense File Full");
    e.cmdExpense[frmExpenses::Enter]->click();
    EXPECT_EQ(desk.messages().last().text(),
              "The expense file can hold no more than 32,767 records.\nIt is full.\nNothing was "
              "posted. Remove old records with File Cleanup under Reports first.");
    EXPECT_EQ(folder.bytes("NewExpenses.txt").size(), full.size());
    EXPECT_EQ(e.txtAmount->text(), "$5.00"); // nothing was reset either

    // Without categories the form sends the person back to the menu.
    e.cmdExpense[frmExpenses::Menu]->click();
    folder.put("ExpenseCodes.txt", "");
    desk.expectMessage("No Expense Catigories");
    forms->startup().cmdGoto->click();
    EXPECT_EQ(desk.messages().last().text(), "You Do not have any Expense Categories\n"
                                             "Create a list by Selecting Setup on the Main Menu");
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(forms->startup().isVisible());
}
