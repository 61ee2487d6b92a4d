// The review grid and the cleanup screen of the expense form.
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expensefile.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/ui/frmexpenses.h"
#include "tests/expenses/spendlogfixture.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QTableView>
#include <QTest>

using namespace expenses;
using expenses::testing::child;
using expenses::testing::click;
using expenses::testing::SpendlogTest;
using expenses::testing::trigger;
using pellar::MessageAnswer;

// Mnemonics are on under X11 and Windows, off on the platform the tests run on.
Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

TEST(CleanupPresets, RangesEndTodayAndLastMonthIsWhole) {
    const QDate today(2026, 12, 6);
    EXPECT_EQ(cleanupPresetRange(CleanupPreset::Eternity, today),
              (DateRange{QDate(2000, 1, 1), today}));
    EXPECT_EQ(cleanupPresetRange(CleanupPreset::MonthToDate, today),
              (DateRange{QDate(2026, 12, 1), today}));
    EXPECT_EQ(cleanupPresetRange(CleanupPreset::YearToDate, today),
              (DateRange{QDate(2026, 1, 1), today}));
    // In January, at the end of March, and a leap year's February.
    for (const auto& [day, start, end] :
         {std::tuple{QDate(2026, 12, 6), QDate(2026, 11, 1), QDate(2026, 11, 30)},
          std::tuple{QDate(2027, 1, 1), QDate(2026, 12, 1), QDate(2026, 12, 31)},
          std::tuple{QDate(2027, 1, 31), QDate(2026, 12, 1), QDate(2026, 12, 31)},
          std::tuple{QDate(2027, 3, 31), QDate(2027, 2, 1), QDate(2027, 2, 28)},
          std::tuple{QDate(2028, 3, 31), QDate(2028, 2, 1), QDate(2028, 2, 29)}})
        EXPECT_EQ(cleanupPresetRange(CleanupPreset::LastMonth, day), (DateRange{start, end}))
            << day.toString().toStdString();
}

namespace {

class ExpenseReviewTest : public SpendlogTest {
protected:
    frmExpenses& open(QDate today) {
        desk.setToday(today);
        putCategories();
        putContacts({contact("Harbor Fuel")});
        start();
        goOn();
        return forms->expenses();
    }

    template <typename Control = QAbstractButton> Control* get(const char* name) {
        return child<Control>(&forms->expenses(), QString::fromLatin1(name));
    }
    void press(const char* name) { click(&forms->expenses(), QString::fromLatin1(name)); }
    bool shown(const char* frame) { return get<QWidget>(frame)->isVisible(); }

    void putRecords(const QList<std::pair<QString, QString>>& datesAndPayees) {
        QList<ExpenseRecord> records;
        for (const auto& [date, payee] : datesAndPayees)
            records.append({date, payee, "Travel", "$10.00", "Cash", "", "Open"});
        folder.put("NewExpenses.txt", expenses::testing::expenseFileOf(records));
    }

    static QStringList listedPayees(const frmExpenses& e) {
        QStringList payees;
        for (int row = 0; row < e.gridModel().rowCount(); ++row)
            payees.append(e.gridModel().cellText(row, ExpenseGridModel::PaidToColumn));
        return payees;
    }

    QStringList payeesOnFile() const {
        QStringList payees;
        for (const ExpenseRecord& r :
             expenses::testing::expensesIn(folder.bytes("NewExpenses.txt")))
            payees.append(r.paidTo);
        return payees;
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

} // namespace

TEST_F(ExpenseReviewTest, PeriodsEndTodayAndSkipVoidAndArchived) {
    QByteArray bytes;
    // Void and archived records are the review's own test (the panel lists the review).
    const auto add = [&](const char* date, const char* payee, const char* amount) {
        bytes += encodeExpense(expenses::testing::dated(date, payee, amount));
    };
    add("3/1/2026", "Today", "$100.25");
    add("3/2/2026", "Tomorrow", "$1.00");
    add("2/28/2026", "Last month", "$20.00");
    add("1/1/2026", "New Year", "$3.00");
    add("12/31/1987", "Too old", "$6.00");
    add("1/1/1988", "Oldest", "$7.00");
    folder.put("NewExpenses.txt", bytes);

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
    frmExpenses& e = open(QDate(2026, 12, 6));
    trigger(&e, "mnuExpenses");
    EXPECT_EQ(e.gridModel().rowCount(), 0);
    EXPECT_TRUE(get<QLabel>("lblTotal")->text().isEmpty());

    QByteArray bytes;
    bytes += encodeExpense({"12/1/2026", "Good", "Travel", "$2.50", "Cash", "", "Open"});
    bytes += encodeExpense({"12/2/2026", "Odd", "Travel", "2,50 EUR", "Cash", "", "Open"});
    bytes += encodeExpense({"2026-12-03", "Undated", "Travel", "$9.00", "Cash", "", "Open"});
    folder.put("NewExpenses.txt", bytes);
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
    frmExpenses& e = open(QDate(2026, 12, 6));
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
    frmExpenses& e = open(QDate(2026, 12, 6));
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
    frmExpenses& e = open(QDate(2026, 12, 6));
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
    frmExpenses& e = open(QDate(2026, 12, 6));
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
