// The expense form: recording payments (the entry draft itself: single, split, partial with
// a finance charge, a full file; and the entry screen's wiring to it), and the review grid,
// the cleanup screen, the export and the category totals.
#include "common/core/regional.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expenseentry.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/ui/frmexpenses.h"
#include "tests/expenses/spendlogfixture.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>

using namespace expenses;
using namespace expenses::testing;
using pellar::Currency;
using pellar::MessageAnswer;

// Mnemonics are on under X11 and Windows, off on the platform the tests run on.
Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

namespace {

Currency dollars(double value) {
    return *Currency::fromDouble(value);
}

ExpenseEntry harborFuel() {
    ExpenseEntry entry;
    entry.payee = "Harbor Fuel";
    entry.category = "Travel";
    entry.payment = PayByCreditCard;
    entry.reference = "Northern Card";
    entry.date = QDate(2026, 11, 30);
    entry.amount = dollars(100);
    return entry;
}

} // namespace

TEST(ExpenseEntryDraft, SingleCategoryNeedsEachPartInTurn) {
    ExpenseEntry entry;
    entry.reset(QDate(2026, 12, 6));
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Payee);
    entry.payee = "Harbor Fuel";
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Category);
    entry.category = "   "; // blanks are no category
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Category);
    entry.mode = ChargingMode::None; // nothing could be written
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Mode);
    entry.mode = ChargingMode::SingleCategory;
    entry.category = "Travel";
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Amount);
    entry.amount = Currency{}; // zero is no amount
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Amount);
    entry.amount = dollars(1234.5);
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Reference); // a check's number
    entry.reference = "1042";
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Nothing);

    // Typed amounts are taken to the cent; one too long for its field, or not an amount,
    // is not taken at all.
    EXPECT_EQ(storableAmount("12.345"), dollars(12.35));
    EXPECT_EQ(storableAmount("$1,000"), dollars(1000));
    EXPECT_FALSE(storableAmount("-12345678.90"));
}

// Unpaid amounts may be expensed: nothing remains to count, and so none is short.
TEST(ExpenseEntryDraft, UnpaidAmountsLeaveNoRemainder) {
    ExpenseEntry entry = harborFuel();
    entry.mode = ChargingMode::MultipleCategories;
    entry.allowNegative = true;
    EXPECT_FALSE(entry.remaining());
}

TEST(ExpenseEntryDraft, PartialPaymentRecordsOnlyAFinanceChargeAboveZero) {
    pellar::testing::ScratchDataFolder folder;
    ExpenseEntry entry = harborFuel();
    entry.payment = PayByEBill;
    entry.mode = ChargingMode::PartialPayment;
    entry.category.clear(); // not needed for a partial payment
    EXPECT_EQ(entry.missing(), ExpenseEntry::Missing::Nothing);
    EXPECT_EQ(entry.post(folder).status, PostResult::NothingToWrite);

    for (const char* none : {"0", "none", "", "-5"}) {
        entry.financeCharge = none;
        EXPECT_EQ(entry.charge(), ExpenseEntry::Charge::None) << none;
        EXPECT_EQ(entry.postFinanceCharge(folder).status, PostResult::NothingToWrite);
    }

    entry.financeCharge = "12.5";
    ASSERT_TRUE(entry.postFinanceCharge(folder));
    EXPECT_EQ(expensesIn(folder.bytes("NewExpenses.txt")),
              (QList<ExpenseRecord>{{"11/30/2026", "Harbor Fuel", "Finance Charge", "12.5",
                                     "E-Bill Payment", "", "Open"}}));
}

TEST(ExpenseEntryDraft, AFullFileTakesNoPartOfAPosting) {
    pellar::testing::ScratchDataFolder folder;
    const QByteArray almost =
        QByteArray(kExpenseRecordLength, ' ').repeated(pellar::kMaxRecords - 1);
    folder.put("NewExpenses.txt", almost);
    ExpenseEntry entry = harborFuel();
    entry.mode = ChargingMode::MultipleCategories;
    entry.addSplitLine("Travel", dollars(50));
    entry.addSplitLine("Fuel", dollars(50));
    const PostResult full = entry.post(folder);
    EXPECT_EQ(full.status, PostResult::FileFull);
    EXPECT_EQ(full.room, 1);
    EXPECT_EQ(full.needed, 2);
    EXPECT_EQ(entry.splitLines().size(), 2); // kept for another try
    EXPECT_EQ(folder.bytes("NewExpenses.txt"), almost);

    entry.financeCharge = "3";
    ASSERT_TRUE(entry.postFinanceCharge(folder));
    EXPECT_EQ(entry.postFinanceCharge(folder).status, PostResult::FileFull);
    EXPECT_EQ(folder.bytes("NewExpenses.txt").size(),
              qsizetype(pellar::kMaxRecords) * kExpenseRecordLength);
}

TEST(CleanupPresets, RangesEndTodayAndLastMonthIsWhole) {
    // Last month in January, at the end of March, and in a leap year's February.
    using enum CleanupPreset;
    for (const auto& [preset, day, start, end] :
         {std::tuple{Eternity, QDate(2026, 12, 6), QDate(2000, 1, 1), QDate(2026, 12, 6)},
          std::tuple{MonthToDate, QDate(2026, 12, 6), QDate(2026, 12, 1), QDate(2026, 12, 6)},
          std::tuple{YearToDate, QDate(2026, 12, 6), QDate(2026, 1, 1), QDate(2026, 12, 6)},
          std::tuple{LastMonth, QDate(2026, 12, 6), QDate(2026, 11, 1), QDate(2026, 11, 30)},
          std::tuple{LastMonth, QDate(2027, 1, 1), QDate(2026, 12, 1), QDate(2026, 12, 31)},
          std::tuple{LastMonth, QDate(2027, 1, 31), QDate(2026, 12, 1), QDate(2026, 12, 31)},
          std::tuple{LastMonth, QDate(2027, 3, 31), QDate(2027, 2, 1), QDate(2027, 2, 28)},
          std::tuple{LastMonth, QDate(2028, 3, 31), QDate(2028, 2, 1), QDate(2028, 2, 29)}})
        EXPECT_EQ(cleanupPresetRange(preset, day), (DateRange{start, end}))
            << int(preset) << " " << day.toString().toStdString();
}

namespace {

class ExpenseFormTest : public SpendlogTest {
protected:
    // The form on `today`, with three categories and two payees.
    frmExpenses& open(QDate today = QDate(2026, 12, 6)) {
        desk.setToday(today);
        folder.put("ExpenseCodes.txt",
                   "\"Travel\"\r\n\"Office - Supplies\"\r\n\"Vehicle - Fuel\"\r\n");
        putContacts({contact("Harbor Fuel"), contact("Alpha Supply Co")});
        start();
        goOn();
        frmExpenses& e = forms->expenses();
        EXPECT_TRUE(e.isVisible());
        QApplication::setActiveWindow(&e);
        return e;
    }

    template <typename Control = QAbstractButton> Control* get(const char* name) {
        return child<Control>(&forms->expenses(), QString::fromLatin1(name));
    }
    void press(const char* name) { get(name)->click(); }
    bool shown(const char* frame) { return get<QWidget>(frame)->isVisible(); }

    // Types into a box and leaves it, as the person would.
    void type(const char* box, const QString& text) {
        QLineEdit* edit = get<QLineEdit>(box);
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(edit, text);
        get<QListWidget>("lstVendors")->setFocus(Qt::MouseFocusReason);
    }

    // One split line, reviewed with `answer`; `then` is a message expected after it.
    void enterLine(const QString& category, const QString& amount,
                   MessageAnswer answer = MessageAnswer::Yes, const QString& then = {}) {
        get<QComboBox>("cboExpenseCategories")->setCurrentText(category);
        get<QLineEdit>("txtSplitAmount")->setText(amount);
        desk.expectMessage("Review before Posting", answer);
        if (!then.isEmpty())
            desk.expectMessage(then);
        press("cmdExpense_6");
    }

    QList<ExpenseRecord> records() const { return expensesIn(folder.bytes("NewExpenses.txt")); }
    static QString focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }
    QString note() { return get<QLabel>("lblStatusNote")->text(); }

    void putRecords(const QList<std::pair<QString, QString>>& datesAndPayees) {
        QList<ExpenseRecord> records;
        for (const auto& [date, payee] : datesAndPayees)
            records.append(dated(date, payee));
        folder.put("NewExpenses.txt", expenseFileOf(records));
    }

    static QStringList listedPayees(const frmExpenses& e) {
        QStringList payees;
        for (int row = 0; row < e.gridModel().rowCount(); ++row)
            payees.append(e.gridModel().cellText(row, ExpenseGridModel::PaidToColumn));
        return payees;
    }

    QStringList payeesOnFile() const {
        return fieldIn(folder.bytes("NewExpenses.txt"), &ExpenseRecord::paidTo);
    }

    void openCleanup(frmExpenses& e, MessageAnswer answer = MessageAnswer::Ok) {
        desk.expectMessage("Archive Procedure", answer);
        trigger(&e, "mnuCleanup");
    }
    std::pair<QDate, QDate> range() {
        return {get<QDateEdit>("DTStartDate")->date(), get<QDateEdit>("DTEndDate")->date()};
    }
    void cleanup() {
        desk.expectMessage("Verify", MessageAnswer::Yes);
        press("cmdExpense_11");
    }
    // A letter with Alt through the window, as the keyboard's keys come; a button's letter
    // clicks it once the button has shown itself pressed.
    void alt(Qt::Key key) {
        QTest::keyClick(forms->expenses().windowHandle(), key, Qt::AltModifier);
        QTest::qWait(150);
    }
};

using ExpenseEntryTest = ExpenseFormTest;
using ExpenseReviewTest = ExpenseFormTest;

} // namespace

TEST_F(ExpenseEntryTest, SingleCategoryPostingAfterTheReview) {
    frmExpenses& e = open();
    EXPECT_TRUE(get<QLineEdit>("txtAmount")->hasFocus());
    EXPECT_FALSE(get("cmdExpense_1")->isEnabled());

    type("txtAmount", "1234.5");
    EXPECT_EQ(get<QLineEdit>("txtAmount")->text(), "$1,234.50");
    EXPECT_TRUE(get("cmdExpense_1")->isEnabled());

    // The check number is required: the focus goes to its box.
    desk.expectMessage("Input Error");
    press("cmdExpense_1");
    EXPECT_TRUE(get<QLineEdit>("txtReference")->hasFocus());
    EXPECT_EQ(desk.beeps(), 1);

    // Declining the review writes nothing.
    get<QLineEdit>("txtReference")->setText("1042");
    get<QComboBox>("cboExpenseCategories")->setCurrentIndex(1);
    get<QDateEdit>("DTPicker1")->setDate(QDate(2026, 11, 30));
    desk.expectMessage("Review before Posting", MessageAnswer::No);
    press("cmdExpense_1");
    EXPECT_EQ(desk.messages().last().text(), "\nPaid to: Harbor Fuel\nFor: Office - Supplies\n"
                                             "By: Check \nIn the Amount of: $1,234.50\n"
                                             "On 11/30/2026\nAre Entries Correct?");
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    press("cmdExpense_1");
    EXPECT_EQ(records(), (QList<ExpenseRecord>{{"11/30/2026", "Harbor Fuel", "Office - Supplies",
                                                "$1,234.50", "Check", "1042", "Open"}}));
    EXPECT_EQ(note(), "Posted $1,234.50 to Office - Supplies, check 1042");
    // The review grid lists everything from 1988 on, and the screen starts afresh.
    EXPECT_EQ(e.period().start, QDate(1988, 1, 1));
    EXPECT_EQ(e.gridModel().rowCount(), 1);
    EXPECT_TRUE(get<QLineEdit>("txtAmount")->text().isEmpty());
    EXPECT_FALSE(e.entry().amount);
    EXPECT_EQ(e.entry().date, QDate(2026, 12, 6));
    EXPECT_TRUE(get<QLineEdit>("txtReference")->text().isEmpty()) << "never carried over";
}

TEST_F(ExpenseEntryTest, AmountBoxZeroTextNotANumberAndFutureDates) {
    frmExpenses& e = open();
    press("optPayment_1");
    EXPECT_TRUE(get<QLineEdit>("txtReference")->isHidden());
    QLineEdit* amount = get<QLineEdit>("txtAmount");

    // Text that is not a number is refused when the box is left, said, and kept to be
    // corrected: it is no amount, and never zero.
    for (const char* typed : {"abc", "12 dollars"}) {
        amount->clear();
        type("txtAmount", typed);
        EXPECT_EQ(amount->text(), typed);
        EXPECT_TRUE(amount->hasFocus());
        EXPECT_FALSE(e.entry().amount);
        EXPECT_EQ(note(),
                  QStringLiteral("\"%1\" is not an amount that can be recorded.").arg(typed));
    }
    EXPECT_EQ(desk.beeps(), 2);

    // An empty box left becomes zero; typing over the zero starts from an empty box.
    amount->clear();
    get<QListWidget>("lstVendors")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(amount->text(), "$0.00");
    amount->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(amount, "7");
    EXPECT_EQ(amount->text(), "7");
    EXPECT_TRUE(note().isEmpty()) << "a keystroke clears the note";
    amount->clear();
    get<QListWidget>("lstVendors")->setFocus(Qt::MouseFocusReason);

    // A date after today: two messages and the picker back at today.
    desk.expectMessage("Input Error");
    desk.expectMessage("PellarSpendlogFREE");
    get<QDateEdit>("DTPicker1")->setDate(QDate(2026, 12, 7));
    EXPECT_EQ(e.entry().date, QDate(2026, 12, 6));
}

TEST_F(ExpenseEntryTest, SplitPanelTakesLinesAndTheSummaryPostsThem) {
    frmExpenses& e = open();
    press("optPayment_2");
    get<QLineEdit>("txtReference")->setText("Northern Card");
    get<QListWidget>("lstVendors")->setCurrentRow(1);
    type("txtAmount", "100");
    press("optExpenses_1");
    EXPECT_TRUE(shown("fraAssignAmount"));
    EXPECT_FALSE(get("cmdExpense_1")->isEnabled());
    EXPECT_EQ(get<QLabel>("lblRemaining")->text(), "$100.00");

    enterLine("Travel", "60");
    EXPECT_EQ(get<QLabel>("lblRemaining")->text(), "$40.00");
    enterLine("Office - Supplies", "40.01", MessageAnswer::Yes, "Input Error");
    EXPECT_EQ(desk.messages().last().text(),
              "$40.01 is more than the $40.00 that remains to be split.");
    enterLine("Office - Supplies", "15", MessageAnswer::No);
    EXPECT_EQ(e.entry().splitLines().size(), 1);
    EXPECT_TRUE(get<QLineEdit>("txtSplitAmount")->text().isEmpty());

    // The last line leaves nothing: the summary opens by itself, its grid from the entry.
    enterLine("Office - Supplies", "15");
    enterLine("Vehicle - Fuel", "25");
    ASSERT_TRUE(shown("fraSplit"));
    const QAbstractItemModel* grid = get<QTableView>("fgSplit")->model();
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->index(2, 1).data().toString(), "$25.00");
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));

    press("cmdExpense_10");
    ASSERT_EQ(records().size(), 3);
    EXPECT_EQ(note(), "Posted $60.00 to Travel, $15.00 to Office - Supplies and $25.00 to "
                      "Vehicle - Fuel, credit card Northern Card");
    EXPECT_EQ(records()[0], (ExpenseRecord{"12/6/2026", "Alpha Supply Co", "Travel", "$60.00",
                                           "Credit Card", "Northern Card", "Open"}));
    EXPECT_TRUE(get<QWidget>("fraSplit")->isHidden());
    EXPECT_EQ(e.entry().mode, ChargingMode::SingleCategory);
    EXPECT_EQ(get<QLineEdit>("txtAmount")->text(), "$0.00");
    EXPECT_EQ(e.gridModel().rowCount(), 0); // the review is left alone by a split
    // The card company was this payment's: the next one is asked for again.
    EXPECT_TRUE(get<QLineEdit>("txtReference")->text().isEmpty());
    get<QLineEdit>("txtReference")->setText("Northern Card");

    // Unpaid amounts: no amounts shown and no completing by itself; unchecked, the amounts
    // come back at once, less the line taken. Completed by hand, Redo posts nothing.
    type("txtAmount", "90");
    press("optExpenses_1");
    press("ckAllowNegative");
    EXPECT_EQ(get<QLabel>("lblAmount")->text(), "Not Applicable");
    enterLine("Travel", "90");
    EXPECT_TRUE(get<QWidget>("fraSplit")->isHidden());
    enterLine("Travel", "5");
    press("ckAllowNegative");
    EXPECT_EQ(get<QLabel>("lblRemaining")->text(), pellar::formatCurrency(dollars(-5)));
    press("cmdExpense_4");
    EXPECT_TRUE(shown("fraSplit"));
    press("cmdExpense_9");
    EXPECT_TRUE(get<QWidget>("fraSplit")->isHidden());
    EXPECT_TRUE(e.entry().splitLines().isEmpty());
    EXPECT_EQ(records().size(), 3);

    // A cash payment cannot expense unpaid amounts.
    press("optPayment_1");
    press("ckAllowNegative");
    EXPECT_FALSE(e.entry().allowNegative);
}

TEST_F(ExpenseEntryTest, WithNoChargingModeEnterSaysWhatIsMissingAndWritesNothing) {
    frmExpenses& e = open();
    press("optPayment_1");
    // After a Redo, and after a split was posted, "Disburse" before an amount leaves no
    // mode chosen.
    for (const bool afterSplit : {false, true}) {
        if (afterSplit) {
            get<QLineEdit>("txtAmount")->clear();
            type("txtAmount", "10");
            press("optExpenses_1");
            enterLine("Travel", "10");
            press("cmdExpense_10");
        } else {
            press("cmdExpense_7");
        }
        const qsizetype written = records().size();
        desk.expectMessage("No Amount Entered");
        press("optExpenses_1");
        ASSERT_EQ(e.entry().mode, ChargingMode::None);
        QLineEdit* amount = get<QLineEdit>("txtAmount");
        amount->setFocus(Qt::MouseFocusReason);
        amount->clear();
        QTest::keyClicks(amount, "20");
        QTest::keyClick(amount, Qt::Key_Return);
        EXPECT_TRUE(note().startsWith("Choose how the amount is charged")) << afterSplit;
        EXPECT_TRUE(get<QWidget>("optExpenses_0")->hasFocus());
        if (get("cmdExpense_1")->isEnabled()) {
            desk.expectMessage("Input Error");
            press("cmdExpense_1");
        }
        EXPECT_EQ(records().size(), written) << "nothing written, nothing reviewed";
    }
    EXPECT_TRUE(get<QWidget>("fraAssignAmount")->isHidden());
    // Redo brings back the single category without asking again.
    press("cmdExpense_7");
    EXPECT_EQ(e.entry().mode, ChargingMode::SingleCategory);
}

TEST_F(ExpenseEntryTest, TheControlsStayPutWhenThePaymentChanges) {
    open();
    const auto where = [this] {
        QApplication::processEvents();
        return get<QWidget>("fraPayto")->mapTo(&forms->expenses(), QPoint());
    };
    const QPoint withCheck = where();
    press("optPayment_1");
    EXPECT_EQ(where(), withCheck);
    press("optPayment_3");
    EXPECT_EQ(where(), withCheck);
}

TEST_F(ExpenseEntryTest, FromPayeeToPostedWithTheKeyboardAlone) {
    frmExpenses& e = open();
    const auto key = [](int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* widget = QApplication::focusWidget();
        ASSERT_TRUE(widget);
        QTest::keyClick(widget, Qt::Key(key), mods);
    };
    const auto tabTo = [&](const QString& name, int direction) {
        for (int i = 0; i < 12 && focused() != name; ++i)
            key(direction < 0 ? Qt::Key_Backtab : Qt::Key_Tab);
        EXPECT_EQ(focused(), name);
    };
    ASSERT_EQ(focused(), "txtAmount");
    tabTo("lstVendors", -1);
    key(Qt::Key_Down);
    EXPECT_EQ(e.entry().payee, "Alpha Supply Co");
    tabTo("txtAmount", 1);
    QTest::keyClicks(QApplication::focusWidget(), "42.1");
    tabTo("txtReference", 1);
    QTest::keyClicks(QApplication::focusWidget(), "1043");
    tabTo("cboExpenseCategories", 1);
    key(Qt::Key_Down);
    tabTo("cmdExpense_1", 1);
    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    key(Qt::Key_Return);
    EXPECT_EQ(records(), (QList<ExpenseRecord>{{"12/6/2026", "Alpha Supply Co", "Office - Supplies",
                                                "$42.10", "Check", "1043", "Open"}}));

    // The next one straight from the amount box: Return there is Enter.
    EXPECT_EQ(focused(), "txtAmount");
    QTest::keyClicks(QApplication::focusWidget(), "5");
    tabTo("txtReference", 1);
    QTest::keyClicks(QApplication::focusWidget(), "1044");
    tabTo("txtAmount", -1);
    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    key(Qt::Key_Return);
    ASSERT_EQ(records().size(), 2);
    EXPECT_EQ(records()[1].amount, "$5.00");

    // A split, its lines entered with Return in the line's box.
    QTest::keyClicks(QApplication::focusWidget(), "30");
    tabTo("txtReference", 1);
    QTest::keyClicks(QApplication::focusWidget(), "1045");
    tabTo("optExpenses_0", 1);
    key(Qt::Key_Down);
    EXPECT_EQ(e.entry().mode, ChargingMode::MultipleCategories);
    tabTo("txtAmount", -1);
    key(Qt::Key_Return); // in a split, on to the lines
    EXPECT_EQ(focused(), "txtSplitAmount");
    for (const char* line : {"10", "20"}) {
        QTest::keyClicks(QApplication::focusWidget(), line);
        desk.expectMessage("Review before Posting", MessageAnswer::Yes);
        key(Qt::Key_Return);
    }
    ASSERT_TRUE(shown("fraSplit"));
    tabTo("cmdExpense_10", 1);
    key(Qt::Key_Return);
    EXPECT_EQ(records().size(), 4);
}

TEST_F(ExpenseEntryTest, PartialPaymentShowsTheFinancePanelAndCashHasNothingToPost) {
    frmExpenses& e = open();
    press("optPayment_3");
    type("txtAmount", "250");
    press("optExpenses_2");
    EXPECT_TRUE(shown("fraFinance"));
    EXPECT_FALSE(get<QComboBox>("cboExpenseCategories")->isEnabled());
    QLineEdit* charge = get<QLineEdit>("txtFinance");
    EXPECT_EQ(charge->text(), "0");

    // Confirming the payment itself writes nothing, and says so.
    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    press("cmdExpense_1");
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));
    EXPECT_TRUE(note().startsWith("A partial payment is not recorded."));

    // Text that starts as a number but is no amount is refused, the panel kept.
    charge->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(charge, "12abc");
    EXPECT_EQ(charge->text(), "12abc"); // typing replaced the zero
    desk.expectMessage("Input Error");
    press("cmdExpense_5");
    EXPECT_TRUE(shown("fraFinance"));

    charge->setText("12.5");
    press("cmdExpense_5");
    ASSERT_EQ(records().size(), 1);
    EXPECT_EQ(note(), "Posted $12.50 to Finance Charge, e-bill payment");
    EXPECT_TRUE(get<QWidget>("fraFinance")->isHidden());
    EXPECT_EQ(get<QLineEdit>("txtAmount")->text(), "$250.00"); // otherwise unchanged

    press("optPayment_1");
    desk.expectMessage("No Record will be Created");
    press("optExpenses_2");
    EXPECT_EQ(e.entry().mode, ChargingMode::SingleCategory);
    EXPECT_TRUE(get<QLineEdit>("txtAmount")->text().isEmpty());
}

TEST_F(ExpenseEntryTest, CheckbookProgramFullFileAndNoCategories) {
    folder.put("CheckbookInfo.txt", "\"Bank\"\r\n");
    folder.put("TempExpenses.txt", "old");
    frmExpenses& e = open();
    EXPECT_FALSE(folder.exists("TempExpenses.txt"));
    EXPECT_FALSE(get("optPayment_0")->isEnabled());
    EXPECT_FALSE(get("optPayment_3")->isEnabled());
    EXPECT_EQ(e.entry().payment, PayByCash);
    EXPECT_TRUE(shown("lblCBFound_0"));
    EXPECT_FALSE(shown("lblCBFound_1"));

    // A full file: the posting is refused before anything is written, and said so.
    const QByteArray full = QByteArray(kExpenseRecordLength, ' ').repeated(pellar::kMaxRecords);
    folder.put("NewExpenses.txt", full);
    type("txtAmount", "5");
    desk.expectMessage("Review before Posting", MessageAnswer::Yes);
    desk.expectMessage("Expense File Full");
    press("cmdExpense_1");
    EXPECT_EQ(folder.bytes("NewExpenses.txt").size(), full.size());
    EXPECT_EQ(get<QLineEdit>("txtAmount")->text(), "$5.00"); // nothing was reset either

    // Without categories the form sends the person back to the menu.
    press("cmdExpense_0");
    folder.put("ExpenseCodes.txt", "");
    desk.expectMessage("No Expense Catigories");
    goOn();
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(forms->startup().isVisible());
}

TEST_F(ExpenseEntryTest, ASplitShortOfTheAmountIsSaidBeforeAnythingIsPosted) {
    open();
    press("optPayment_1");
    type("txtAmount", "100");
    press("optExpenses_1");
    for (int i = 0; i < 3; ++i)
        enterLine("Travel", "33.33");
    press("cmdExpense_4");
    desk.expectMessage("Amount Not Fully Disbursed", MessageAnswer::No);
    press("cmdExpense_10");
    EXPECT_TRUE(desk.messages().last().text().startsWith("$0.01 of the $100.00 paid"));
    EXPECT_FALSE(folder.exists("NewExpenses.txt"));
    EXPECT_TRUE(get<QWidget>("fraSplit")->isHidden());
    EXPECT_TRUE(get<QLineEdit>("txtSplitAmount")->hasFocus());

    // The cent added, the split completes and posts without a question.
    enterLine("Office - Supplies", "0.01");
    press("cmdExpense_10");
    EXPECT_EQ(records().size(), 4);
}

TEST_F(ExpenseEntryTest, TabStopsOnceAtThePickerAndAtTheChosenPayment) {
    folder.put("CheckbookInfo.txt", "\"Bank\"\r\n");
    open();
    QDateEdit* picker = get<QDateEdit>("DTPicker1");
    picker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picker, Qt::Key_Tab);
    EXPECT_EQ(focused(), "txtAmount");
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), "optPayment_1"); // cash, the one chosen
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), "DTPicker1");
}

TEST_F(ExpenseReviewTest, PeriodsEndTodayAndSkipVoidAndArchived) {
    // Void and archived records are the review's own test (the panel lists the review).
    folder.put(
        "NewExpenses.txt",
        expenseFileOf(
            {dated("3/1/2026", "Today", "$100.25"), dated("3/2/2026", "Tomorrow", "$1.00"),
             dated("2/28/2026", "Last month", "$20.00"), dated("1/1/2026", "New Year", "$3.00"),
             dated("12/31/1987", "Too old", "$6.00"), dated("1/1/1988", "Oldest", "$7.00")}));

    // On the first of a month; opened on the year so far.
    frmExpenses& e = open(QDate(2026, 3, 1));
    trigger(&e, "mnuExpenses");
    EXPECT_TRUE(shown("fraExpenses"));
    EXPECT_FALSE(shown("fraMain"));
    EXPECT_FALSE(shown("fraCleanup"));
    EXPECT_EQ(listedPayees(e), (QStringList{"Today", "Last month", "New Year"}));
    EXPECT_EQ(get<QLabel>("lblTotal")->text(), "$123.25");
    EXPECT_EQ(e.period(), (DateRange{QDate(2026, 1, 1), QDate(2026, 3, 1)}));

    press("cmdExpensesGrid_0");
    EXPECT_EQ(listedPayees(e), QStringList{"Today"});
    EXPECT_EQ(e.gridModel().cellText(0, ExpenseGridModel::AmountColumn), "$100.25");
    EXPECT_EQ(get<QLabel>("lblTotal")->text(), "$100.25");

    press("cmdExpensesGrid_1");
    EXPECT_EQ(listedPayees(e), (QStringList{"Today", "Last month", "New Year", "Oldest"}));
    EXPECT_EQ(get<QLabel>("lblTotal")->text(), "$130.25");
    EXPECT_TRUE(get<QWidget>("lblUnreadable")->isHidden());

    press("cmdExpensesGrid_2");
    EXPECT_TRUE(shown("fraMain"));
    EXPECT_FALSE(shown("fraExpenses"));
}

TEST_F(ExpenseReviewTest, UnreadableRecordsAreCountedAndAMissingFileChangesNothing) {
    frmExpenses& e = open();
    trigger(&e, "mnuExpenses");
    EXPECT_EQ(e.gridModel().rowCount(), 0);
    EXPECT_TRUE(get<QLabel>("lblTotal")->text().isEmpty());

    folder.put("NewExpenses.txt", expenseFileOf({dated("12/1/2026", "Good", "$2.50"),
                                                 dated("12/2/2026", "Odd", "2,50 EUR"),
                                                 dated("2026-12-03", "Undated", "$9.00")}));
    press("cmdExpensesGrid_0");
    EXPECT_EQ(listedPayees(e), (QStringList{"Good", "Odd"}));
    EXPECT_EQ(e.gridModel().cellText(1, ExpenseGridModel::AmountColumn), "2,50 EUR");
    EXPECT_EQ(get<QLabel>("lblTotal")->text(), "$2.50");
    EXPECT_TRUE(get<QLabel>("lblUnreadable")->text().startsWith("1 record has a date"));

    // The file gone again: the grid keeps its rows.
    QFile::remove(folder.file("NewExpenses.txt"));
    press("cmdExpensesGrid_1");
    EXPECT_EQ(e.gridModel().rowCount(), 2);
}

TEST_F(ExpenseReviewTest, CleanupPickersFollowThePresetsAndTheRangeRules) {
    frmExpenses& e = open();
    openCleanup(e, MessageAnswer::Cancel);
    EXPECT_FALSE(shown("fraCleanup"));

    openCleanup(e);
    EXPECT_TRUE(shown("fraCleanup"));
    EXPECT_FALSE(shown("fraMain"));
    EXPECT_EQ(range(), std::make_pair(QDate(2026, 1, 1), QDate(2026, 12, 6)));
    press("cmdIncome_6");
    EXPECT_EQ(range(), std::make_pair(QDate(2026, 11, 1), QDate(2026, 11, 30)));
    EXPECT_EQ(e.period(), (DateRange{QDate(2026, 11, 1), QDate(2026, 11, 30)}));
    press("cmdIncome_0");
    EXPECT_EQ(range(), std::make_pair(QDate(2000, 1, 1), QDate(2026, 12, 6)));

    // A future date: a beep and the picker back at today. An end before the start follows
    // the start.
    get<QDateEdit>("DTEndDate")->setDate(QDate(2026, 12, 25));
    get<QDateEdit>("DTStartDate")->setDate(QDate(2027, 1, 1));
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(range(), std::make_pair(QDate(2026, 12, 6), QDate(2026, 12, 6)));
    get<QDateEdit>("DTStartDate")->setDate(QDate(2026, 6, 10));
    get<QDateEdit>("DTEndDate")->setDate(QDate(2026, 3, 1));
    EXPECT_EQ(range(), std::make_pair(QDate(2026, 6, 10), QDate(2026, 6, 10)));
    EXPECT_EQ(e.period().end, QDate(2026, 6, 10));

    press("cmdExpense_12");
    EXPECT_TRUE(shown("fraMain"));
    EXPECT_FALSE(shown("fraCleanup"));
}

TEST_F(ExpenseReviewTest, CleanupRemovesTheRangeShownAndSaysHowMany) {
    putRecords({{"12/31/1999", "Millennium"},
                {"1/1/2000", "First of 2000"},
                {"6/30/2026", "June"},
                {"7/1/2026", "July"},
                {"12/6/2026", "Today"},
                {"2026-07-01", "Undated"}});
    frmExpenses& e = open();
    openCleanup(e);
    QApplication::processEvents();
    const QSize windowBefore = e.size();

    desk.expectMessage("Verify", MessageAnswer::No);
    press("cmdExpense_11");
    EXPECT_EQ(payeesOnFile().size(), 6);
    EXPECT_EQ(desk.messages().last().buttons, pellar::MessageButtons::YesNoDefaultNo);

    // One day, boundaries included.
    get<QDateEdit>("DTStartDate")->setDate(QDate(2026, 7, 1));
    get<QDateEdit>("DTEndDate")->setDate(QDate(2026, 7, 1));
    cleanup();
    EXPECT_EQ(payeesOnFile(),
              (QStringList{"Millennium", "First of 2000", "June", "Today", "Undated"}));
    EXPECT_TRUE(get<QLabel>("lblCleanupResult")->text().startsWith("1 record was removed; 5"));
    // The window keeps its size, and the result goes when the range changes.
    QApplication::processEvents();
    EXPECT_EQ(e.size(), windowBefore);
    get<QDateEdit>("DTStartDate")->setDate(QDate(2026, 6, 30));
    EXPECT_TRUE(get<QLabel>("lblCleanupResult")->text().isEmpty());
    get<QDateEdit>("DTStartDate")->setDate(QDate(2026, 7, 1));

    // The pickers, not an older period of the review, say what goes: the review's month is
    // not the year the reopened cleanup shows (its pickers already on that year).
    press("cmdIncome_4");
    press("cmdExpense_12");
    trigger(&e, "mnuExpenses");
    press("cmdExpensesGrid_0");
    openCleanup(e);
    cleanup();
    EXPECT_EQ(payeesOnFile(), (QStringList{"Millennium", "First of 2000", "Undated"}));
}

TEST_F(ExpenseReviewTest, TheReviewsPeriodIsExportedFromTheKeyboard) {
    qt_set_sequence_auto_mnemonic(true);
    putRecords({{"12/31/2025", "Old"}, {"1/2/2026", "Café"}, {"12/6/2026", "Today"}});
    frmExpenses& e = open();
    e.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
    trigger(&e, "mnuExpenses");
    // The focus went with the review, not left in the entry screen's hidden boxes.
    EXPECT_TRUE(get<QWidget>("fraExpenses")->isAncestorOf(QApplication::focusWidget()));
    alt(Qt::Key_X); // the review's E&xport...
    ASSERT_TRUE(shown("fraExport"));
    EXPECT_EQ(get<QDateEdit>("dtpExportFrom")->date(), QDate(2026, 1, 1));
    EXPECT_EQ(QApplication::focusWidget(), get<QDateEdit>("dtpExportFrom"));

    // No category chosen: refused in words, nothing asked.
    alt(Qt::Key_A);
    alt(Qt::Key_X);
    EXPECT_EQ(desk.beeps(), 1);

    alt(Qt::Key_A);
    const QString path = folder.file("out/Expenses");
    QDir().mkpath(folder.file("out"));
    desk.expectSaveFile(path);
    desk.expectMessage("Export Expenses");
    alt(Qt::Key_X);
    EXPECT_EQ(desk.saveFilesSuggested().last().section(u'/', -1),
              "Expenses 2026-01-01 to 2026-12-06.csv");
    EXPECT_EQ(desk.messages().last().lines,
              (QStringList{"2 payments exported.", "Saved as " + path + ".csv"}));
    const QByteArray csv = folder.bytes("out/Expenses.csv");
    EXPECT_TRUE(csv.contains("\r\n2,2026-01-02,\"Café\",\"Travel\",10.00,\"Cash\",\"\"\r\n"))
        << csv.toStdString();
}

TEST_F(ExpenseReviewTest, CategoryTotalsAreShownPreviewedAndSavedFromTheKeyboard) {
    qt_set_sequence_auto_mnemonic(true);
    putRecords({{"12/31/2025", "Old"}, {"1/2/2026", "A"}, {"2/28/2026", "B"}, {"3/1/2026", "C"}});
    frmExpenses& e = open();
    e.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
    trigger(&e, "mnuCategoryTotals");
    ASSERT_TRUE(shown("fraCategoryTotals"));
    const QAbstractItemModel* model = get<QTableView>("tblTotals")->model();
    const auto cell = [&](int row, int column) {
        return model->data(model->index(row, column)).toString();
    };
    EXPECT_EQ(model->headerData(0, Qt::Vertical).toString(), "Travel");
    EXPECT_EQ(cell(0, 1), "$10.00"); // 28 February
    EXPECT_EQ(cell(model->rowCount() - 1, 12), "$30.00");

    // Another year, typed where the focus is: Return shows it.
    QTest::keyClicks(QApplication::focusWidget(), "2025");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(cell(model->rowCount() - 1, 12), "$10.00");

    alt(Qt::Key_V);
    ASSERT_EQ(desk.previews().size(), 1);
    EXPECT_TRUE(desk.previews()[0]->overlaps().isEmpty());
    desk.expectSaveFile(folder.file("totals.pdf"));
    alt(Qt::Key_D);
    ASSERT_FALSE(desk.jobSetups().isEmpty());
    EXPECT_EQ(desk.jobSetups().last().orientation, QPageLayout::Landscape);
    EXPECT_EQ(desk.jobSetups().last().printer.outputFile, folder.file("totals.pdf"));
    EXPECT_TRUE(get<QLabel>("lblStatusNote")->text().contains("totals.pdf"));
}
