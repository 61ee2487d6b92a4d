// Expense categories: the built-in lists, the file, and the setup form's list rules.
#include "expenses/core/categories.h"
#include "expenses/ui/categorylists.h"
#include "expenses/ui/frmsetup.h"
#include "expenses/ui/frmstartup.h"
#include "tests/expenses/spendlogfixture.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

using namespace expenses;
using expenses::testing::SpendlogTest;

namespace {

// What a drop of one of the category lists on the expense list delivers.
void dropOn(ExpenseListBox* target, const QByteArray& format, const QByteArray& source) {
    QMimeData data;
    data.setData(QString::fromLatin1(format), source);
    // The drop goes to the widget that took the drag's entry, as a real drag does.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

} // namespace

TEST(Categories, BuiltInListsAsOffered) {
    const QStringList& suggested = suggestedCategories();
    ASSERT_EQ(suggested.size(), 55);
    EXPECT_EQ(suggested.first(), "Accounting Service");
    EXPECT_EQ(suggested[8], "Taxes - Local");
    EXPECT_EQ(suggested[10], "Taxes -County");
    EXPECT_EQ(suggested[22], "Finance Charge");
    EXPECT_EQ(suggested[48], "Taxes - Local");
    EXPECT_EQ(suggested.last(), "Wages");
    EXPECT_EQ(nondeductibleCategories(),
              (QStringList{"NOTES PAYABLE", "FEDERAL INCOME TAX", "LOANS PAYABLE",
                           "PERSONAL EXPENSE", "FIXED ASSET"}));

    // Exact, case-sensitive comparison of the whole text; empty never goes in.
    const QStringList list{"Travel", "Wages"};
    EXPECT_FALSE(canAddCategory(list, "Travel"));
    EXPECT_FALSE(canAddCategory(list, ""));
    EXPECT_TRUE(canAddCategory(list, "travel"));
    EXPECT_TRUE(canAddCategory(list, "Travel "));
}

TEST(Categories, FileIsOneQuotedCategoryPerLine) {
    const QStringList list{"Travel", "Rent, Office", "FIXED ASSET"};
    const QByteArray bytes = encodeCategories(list);
    EXPECT_EQ(bytes, QByteArray("\"Travel\"\r\n\"Rent, Office\"\r\n\"FIXED ASSET\"\r\n"));
    EXPECT_EQ(decodeFieldList(bytes), list);
    EXPECT_EQ(encodeCategories({}), QByteArray());

    // A chart may hold plain fields and several to a line.
    EXPECT_EQ(decodeFieldList("Advertising, Wages\r\n\"Rent, Office\"\r\n\r\nTaxes"),
              (QStringList{"Advertising", "Wages", "Rent, Office", "Taxes"}));
}

using SetupTest = SpendlogTest;

TEST_F(SetupTest, LoadsTheSavedListAndKeepsItUntilSaved) {
    folder.put("ExpenseCodes.txt", "\"Wages\"\r\n\"Travel\"\r\n");
    SpendlogForms& f = start();
    f.showSetup(&f.startup());
    frmSetup& s = f.setup();
    EXPECT_EQ(s.windowTitle(), "Spendlog Form");
    EXPECT_EQ(s.lstCategories->count(), 55);
    EXPECT_EQ(s.lstNondeductable->count(), 5);
    EXPECT_EQ(s.cboCategories->items(), (QStringList{"Wages", "Travel"}));
    EXPECT_EQ(s.cmdExpense[frmSetup::SelectAll]->text(), "Select&All");
    EXPECT_EQ(s.cmdExpense[frmSetup::DeleteItem]->toolTip(),
              "Delets the Current Item from your Expense List");

    // Typed entries: a duplicate of the first item and an empty text add nothing.
    s.cboCategories->setEditText("Wages");
    s.cmdExpense[frmSetup::AddItem]->click();
    s.cboCategories->setEditText("");
    s.cmdExpense[frmSetup::AddItem]->click();
    s.cboCategories->setEditText("Fuel");
    s.cmdExpense[frmSetup::AddItem]->click();
    EXPECT_EQ(s.cboCategories->items(), (QStringList{"Wages", "Travel", "Fuel"}));

    // Delete takes the selected item; with none selected nothing happens.
    s.cboCategories->setCurrentIndex(1);
    s.cmdExpense[frmSetup::DeleteItem]->click();
    EXPECT_EQ(s.cboCategories->items(), (QStringList{"Wages", "Fuel"}));
    s.cmdExpense[frmSetup::DeleteItem]->click();
    EXPECT_EQ(s.cboCategories->count(), 2);

    // Hidden and shown again within the run: the list stays as it was, unsaved.
    f.showStartup(&s);
    f.showSetup(&f.startup());
    EXPECT_EQ(s.cboCategories->items(), (QStringList{"Wages", "Fuel"}));
    EXPECT_EQ(folder.bytes("ExpenseCodes.txt"), QByteArray("\"Wages\"\r\n\"Travel\"\r\n"));
}

TEST_F(SetupTest, DragFromEitherListAppendsANewEntryOnly) {
    SpendlogForms& f = start();
    f.showSetup(&f.startup());
    frmSetup& s = f.setup();
    const QByteArray format(kCategoryDragFormat);

    s.lstCategories->setCurrentRow(18); // Travel
    dropOn(s.cboCategories, format, "lstCategories");
    s.lstNondeductable->setCurrentRow(4); // FIXED ASSET
    dropOn(s.cboCategories, format, "lstNondeductable");
    EXPECT_EQ(s.cboCategories->items(), (QStringList{"Travel", "FIXED ASSET"}));

    // Already there: nothing. From anything else, or carrying something else: nothing.
    s.lstCategories->setCurrentRow(18);
    dropOn(s.cboCategories, format, "lstCategories");
    dropOn(s.cboCategories, format, "cboCategories");
    dropOn(s.cboCategories, "text/plain", "lstCategories");
    EXPECT_EQ(s.cboCategories->items(), (QStringList{"Travel", "FIXED ASSET"}));

    // What a drag from a list carries names that list.
    s.lstCategories->setCurrentRow(0);
    QListWidget* source = s.lstCategories;
    std::unique_ptr<QMimeData> dragged(source->model()->mimeData({source->model()->index(0, 0)}));
    ASSERT_TRUE(dragged);
    EXPECT_EQ(dragged->data(QString::fromLatin1(format)), QByteArray("lstCategories"));
}

TEST_F(SetupTest, SelectAllClearAllAndTheStandardChart) {
    SpendlogForms& f = start();
    f.showSetup(&f.startup());
    frmSetup& s = f.setup();
    s.cboCategories->setEditText("My Own");
    s.cmdExpense[frmSetup::AddItem]->click();

    // Both lists whole, in order, with no duplicate test: custom entries are gone.
    s.cmdExpense[frmSetup::SelectAll]->click();
    const QStringList all = s.cboCategories->items();
    ASSERT_EQ(all.size(), 60);
    EXPECT_EQ(all.count("Taxes - Local"), 2);
    EXPECT_FALSE(all.contains("My Own"));
    EXPECT_EQ(all[55], "NOTES PAYABLE");
    EXPECT_EQ(all.last(), "FIXED ASSET");

    // No chart: a beep and nothing changes.
    s.cmdExpense[frmSetup::StandardChart]->click();
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(s.cboCategories->count(), 60);

    // A chart replaces the list, every field in order, duplicates and all.
    folder.put("Chart.txt", "\"Advertising\"\r\n\"Rent, Office\",Supplies\r\n\"Advertising\"\r\n");
    s.cmdExpense[frmSetup::StandardChart]->click();
    EXPECT_EQ(s.cboCategories->items(),
              (QStringList{"Advertising", "Rent, Office", "Supplies", "Advertising"}));
    EXPECT_EQ(desk.beeps(), 1);

    s.cmdExpense[frmSetup::ClearAll]->click();
    EXPECT_EQ(s.cboCategories->count(), 0);
}

TEST_F(SetupTest, SaveRefusesAnEmptyListAndWritesTheListWholeWithoutItsBackup) {
    SpendlogForms& f = start();
    f.showSetup(&f.startup());
    frmSetup& s = f.setup();

    desk.expectMessage("No Expense Codes Selected");
    s.cmdQuit->click();
    EXPECT_EQ(desk.messages().last().text(), "You must Enter Expense Codes");
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(folder.exists("ExpenseCodes.txt"));

    folder.put("ExpenseCodes.txt", "\"Old\"\r\n");
    folder.put("Backup/ExpenseCodes.txt", "\"Older\"\r\n");
    for (const char* entry : {"Travel", "Rent, Office", "PERSONAL EXPENSE"}) {
        s.cboCategories->setEditText(entry);
        s.cmdExpense[frmSetup::AddItem]->click();
    }
    s.cmdQuit->click();
    EXPECT_EQ(folder.bytes("ExpenseCodes.txt"),
              QByteArray("\"Travel\"\r\n\"Rent, Office\"\r\n\"PERSONAL EXPENSE\"\r\n"));
    EXPECT_FALSE(folder.exists("Backup/ExpenseCodes.txt"));
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(f.startup().isVisible());

    // What was saved loads back as the same list.
    EXPECT_EQ(readCategories(folder).categories,
              (QStringList{"Travel", "Rent, Office", "PERSONAL EXPENSE"}));

    // The banking supplies entry shows the start form's business-forms notice.
    f.showSetup(&f.startup());
    desk.expectMessage("Ordering Deluxe Forms", pellar::MessageAnswer::No);
    s.mnuOrder->trigger();
    EXPECT_EQ(desk.messages().last().lines.size(), 14);
    EXPECT_FALSE(folder.exists("Temp.url"));
}
