// The review grid and the cleanup screen of the expense form.
#include "expenses/core/expensefile.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmstartup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace expenses;
using expenses::testing::SpendlogTest;
using pellar::MessageAnswer;

namespace {

class ExpenseReviewTest : public SpendlogTest {
protected:
    frmExpenses& open(QDate today) {
        desk.setToday(today);
        putCategories();
        putContacts({contact("Harbor Fuel")});
        start().startup().cmdGoto->click();
        return forms->expenses();
    }

    void putRecords(const QList<std::pair<QString, QString>>& datesAndPayees) {
        QByteArray bytes;
        for (const auto& [date, payee] : datesAndPayees)
            bytes += encodeExpense({date, payee, "Travel", "$10.00", "Cash", "", "Open"});
        folder.put("NewExpenses.txt", bytes);
    }

    static QStringList listedPayees(const frmExpenses& e) {
        QStringList payees;
        for (int row = 0; row < e.gridModel().rowCount(); ++row)
            payees.append(e.gridModel().cellText(row, ExpenseGridModel::PaidToColumn));
        return payees;
    }

    QStringList payeesOnFile() const {
        const QByteArray file = folder.bytes("NewExpenses.txt");
        QStringList payees;
        for (qsizetype at = 0; at < file.size(); at += kExpenseRecordLength)
            payees.append(decodeExpense(file.mid(at, kExpenseRecordLength)).paidTo);
        return payees;
    }

    void openCleanup(frmExpenses& e) {
        desk.expectMessage("Archive Procedure");
        e.mnuCleanup->trigger();
    }
    void clickPreset(frmExpenses& e, int index) { e.cmdIncome[index]->click(); }
    static std::pair<QDate, QDate> range(const frmExpenses& e) {
        return {e.DTStartDate->date(), e.DTEndDate->date()};
    }
};

} // namespace

TEST_F(ExpenseReviewTest, PeriodsEndTodayAndSkipVoidAndArchived) {
    QByteArray bytes;
    const auto add = [&](const char* date, const char* payee, const char* amount,
                         const char* method = "Cash", const char* status = "Open") {
        bytes += encodeExpense({date, payee, "Travel", amount, method, "", status});
    };
    add("3/1/2026", "Today", "$100.25");
    add("3/2/2026", "Tomorrow", "$1.00");
    add("2/28/2026", "Last month", "$20.00");
    add("1/1/2026", "New Year", "$3.00");
    add("3/1/2026", "Voided", "$4.00", "Void Check");
    add("3/1/2026", "Archived", "$5.00", "Cash", "Archived");
    add("12/31/1987", "Too old", "$6.00");
    add("1/1/1988", "Oldest", "$7.00");
    folder.put("NewExpenses.txt", bytes);

    // On the first of a month.
    frmExpenses& e = open(QDate(2026, 3, 1));
    EXPECT_TRUE(e.fraMain->isVisible());
    EXPECT_FALSE(e.fraExpenses->isVisible());
    e.mnuExpenses->trigger();
    EXPECT_TRUE(e.fraExpenses->isVisible());
    EXPECT_FALSE(e.fraMain->isVisible());
    EXPECT_FALSE(e.fraCleanup->isVisible());
    // Opened on the year so far.
    EXPECT_EQ(listedPayees(e), (QStringList{"Today", "Last month", "New Year"}));
    EXPECT_EQ(e.lblTotal->text(), "$123.25");
    EXPECT_EQ(e.startDate(), QDate(2026, 1, 1));
    EXPECT_EQ(e.endDate(), QDate(2026, 3, 1));

    e.cmdExpensesGrid[frmExpenses::GridMTD]->click();
    EXPECT_EQ(listedPayees(e), QStringList{"Today"});
    EXPECT_EQ(e.gridModel().cellText(0, ExpenseGridModel::DateColumn), "3/1/2026");
    EXPECT_EQ(e.gridModel().cellText(0, ExpenseGridModel::CategoryColumn), "Travel");
    EXPECT_EQ(e.gridModel().cellText(0, ExpenseGridModel::AmountColumn), "$100.25");
    EXPECT_EQ(e.lblTotal->text(), "$100.25");

    e.cmdExpensesGrid[frmExpenses::GridEternity]->click();
    EXPECT_EQ(listedPayees(e), (QStringList{"Today", "Last month", "New Year", "Oldest"}));
    EXPECT_EQ(e.lblTotal->text(), "$130.25");
    EXPECT_TRUE(e.lblUnreadable->isHidden());

    // Headers, alignment, and the way back.
    const QAbstractItemModel* model = e.fgExpenses->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Date Paid");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Paid to");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Category");
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "Amount");
    EXPECT_EQ(model->data(model->index(0, 3), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(e.cmdExpensesGrid[frmExpenses::GridClose]->toolTip(), "Show main screen");
    e.cmdExpensesGrid[frmExpenses::GridClose]->click();
    EXPECT_TRUE(e.fraMain->isVisible());
    EXPECT_FALSE(e.fraExpenses->isVisible());
}

TEST_F(ExpenseReviewTest, UnreadableRecordsAreCountedAndAMissingFileChangesNothing) {
    frmExpenses& e = open(QDate(2026, 12, 6));
    e.mnuExpenses->trigger();
    EXPECT_EQ(e.gridModel().rowCount(), 0);
    EXPECT_TRUE(e.lblTotal->text().isEmpty()); // no file: the frame shows what it showed

    QByteArray bytes;
    bytes += encodeExpense({"12/1/2026", "Good", "Travel", "$2.50", "Cash", "", "Open"});
    bytes += encodeExpense({"12/2/2026", "Odd", "Travel", "2,50 EUR", "Cash", "", "Open"});
    bytes += encodeExpense({"2026-12-03", "Undated", "Travel", "$9.00", "Cash", "", "Open"});
    folder.put("NewExpenses.txt", bytes);
    e.cmdExpensesGrid[frmExpenses::GridMTD]->click();
    EXPECT_EQ(listedPayees(e), (QStringList{"Good", "Odd"}));
    EXPECT_EQ(e.gridModel().cellText(1, ExpenseGridModel::AmountColumn), "2,50 EUR");
    EXPECT_EQ(e.lblTotal->text(), "$2.50");
    EXPECT_FALSE(e.lblUnreadable->isHidden());
    EXPECT_TRUE(e.lblUnreadable->text().startsWith("1 record has a date that could not be read"));

    // The file gone again: the grid keeps its rows.
    QFile::remove(folder.file("NewExpenses.txt"));
    e.cmdExpensesGrid[frmExpenses::GridEternity]->click();
    EXPECT_EQ(e.gridModel().rowCount(), 2);
    EXPECT_EQ(e.lblTotal->text(), "$2.50");
}

TEST_F(ExpenseReviewTest, CleanupPresetsAndPickerRules) {
    frmExpenses& e = open(QDate(2026, 12, 6));
    // Cancel leaves everything as it was.
    desk.expectMessage("Archive Procedure", MessageAnswer::Cancel);
    e.mnuCleanup->trigger();
    EXPECT_EQ(desk.messages().last().text(),
              "Cleanup Permenantly removes Records in your Expense Files\n"
              "You should Clean Files only when Records are no longer needed");
    EXPECT_FALSE(e.fraCleanup->isVisible());

    openCleanup(e);
    EXPECT_TRUE(e.fraCleanup->isVisible());
    EXPECT_FALSE(e.fraMain->isVisible());
    EXPECT_EQ(range(e), std::make_pair(QDate(2026, 1, 1), QDate(2026, 12, 6)));

    clickPreset(e, frmExpenses::PresetEternity);
    EXPECT_EQ(range(e), std::make_pair(QDate(2000, 1, 1), QDate(2026, 12, 6)));
    clickPreset(e, frmExpenses::PresetMTD);
    EXPECT_EQ(range(e), std::make_pair(QDate(2026, 12, 1), QDate(2026, 12, 6)));
    clickPreset(e, frmExpenses::PresetLastMonth);
    EXPECT_EQ(range(e), std::make_pair(QDate(2026, 11, 1), QDate(2026, 11, 30)));
    clickPreset(e, frmExpenses::PresetYTD);
    EXPECT_EQ(range(e), std::make_pair(QDate(2026, 1, 1), QDate(2026, 12, 6)));
    EXPECT_EQ(e.startDate(), QDate(2026, 1, 1));
    EXPECT_EQ(e.endDate(), QDate(2026, 12, 6));

    // A future date: a beep and the picker back at today. An end before the start follows
    // the start.
    e.DTEndDate->setDate(QDate(2026, 12, 25));
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(e.DTEndDate->date(), QDate(2026, 12, 6));
    e.DTStartDate->setDate(QDate(2027, 1, 1));
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(e.DTStartDate->date(), QDate(2026, 12, 6));
    e.DTStartDate->setDate(QDate(2026, 6, 10));
    e.DTEndDate->setDate(QDate(2026, 3, 1));
    EXPECT_EQ(range(e), std::make_pair(QDate(2026, 6, 10), QDate(2026, 6, 10)));
    EXPECT_EQ(e.endDate(), QDate(2026, 6, 10));

    // "Last Month" in January and at the end of March (a leap year's February too).
    for (const auto& [today, start, end] :
         {std::tuple{QDate(2027, 1, 1), QDate(2026, 12, 1), QDate(2026, 12, 31)},
          std::tuple{QDate(2027, 1, 31), QDate(2026, 12, 1), QDate(2026, 12, 31)},
          std::tuple{QDate(2027, 3, 31), QDate(2027, 2, 1), QDate(2027, 2, 28)},
          std::tuple{QDate(2028, 3, 31), QDate(2028, 2, 1), QDate(2028, 2, 29)}}) {
        desk.setToday(today);
        clickPreset(e, frmExpenses::PresetLastMonth);
        EXPECT_EQ(range(e), std::make_pair(start, end)) << today.toString().toStdString();
        EXPECT_EQ(e.startDate(), start);
        EXPECT_EQ(e.endDate(), end);
    }

    e.cmdExpense[frmExpenses::Hide]->click();
    EXPECT_TRUE(e.fraMain->isVisible());
    EXPECT_FALSE(e.fraCleanup->isVisible());
}

TEST_F(ExpenseReviewTest, CleanupRemovesTheRangeShownAndSaysHowMany) {
    putRecords({{"12/31/1999", "Millennium"},
                {"1/1/2000", "First of 2000"},
                {"6/30/2026", "June"},
                {"7/1/2026", "July"},
                {"12/6/2026", "Today"}});
    frmExpenses& e = open(QDate(2026, 12, 6));
    openCleanup(e);

    // No at "Verify" removes nothing.
    desk.expectMessage("Verify", MessageAnswer::No);
    e.cmdExpense[frmExpenses::Cleanup]->click();
    EXPECT_EQ(desk.messages().last().text(),
              "This will Delete all Expense Records\nwithin the Selected Date Range");
    EXPECT_EQ(payeesOnFile().size(), 5);
    EXPECT_TRUE(e.lblCleanupResult->text().isEmpty());

    // One day, boundaries included.
    e.DTStartDate->setDate(QDate(2026, 7, 1));
    e.DTEndDate->setDate(QDate(2026, 7, 1));
    desk.expectMessage("Verify", MessageAnswer::Yes);
    e.cmdExpense[frmExpenses::Cleanup]->click();
    EXPECT_EQ(payeesOnFile(), (QStringList{"Millennium", "First of 2000", "June", "Today"}));
    EXPECT_EQ(e.lblCleanupResult->text(), "1 record was removed; 4 records are left.");
    EXPECT_TRUE(e.fraCleanup->isVisible());

    // The pickers, not an older period of the review, say what goes: the review's month is
    // not the year the reopened cleanup shows (its pickers already on that year).
    clickPreset(e, frmExpenses::PresetYTD);
    e.cmdExpense[frmExpenses::Hide]->click();
    e.mnuExpenses->trigger();
    e.cmdExpensesGrid[frmExpenses::GridMTD]->click();
    openCleanup(e);
    desk.expectMessage("Verify", MessageAnswer::Yes);
    e.cmdExpense[frmExpenses::Cleanup]->click();
    EXPECT_EQ(payeesOnFile(), (QStringList{"Millennium", "First of 2000"}));

    // Eternity starts in 2000: what is older survives it.
    clickPreset(e, frmExpenses::PresetEternity);
    desk.expectMessage("Verify", MessageAnswer::Yes);
    e.cmdExpense[frmExpenses::Cleanup]->click();
    EXPECT_EQ(payeesOnFile(), QStringList{"Millennium"});
    EXPECT_EQ(e.lblCleanupResult->text(), "1 record was removed; 1 record is left.");
}
