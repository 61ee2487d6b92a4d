#pragma once
// The setup form: the user's expense categories, built from the suggestions, the
// non-deductible list or the standard chart of accounts, and saved to "\ExpenseCodes.txt".

#include "expenses/core/categories.h"

#include <QMainWindow>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace pellar::ui {
class StatusNote;
}

namespace expenses {

class CategorySourceList;
class ExpenseListBox;
class SpendlogForms;

class frmSetup : public QMainWindow {
    Q_OBJECT
public:
    enum ExpenseButton { AddItem, DeleteItem, SelectAll, ClearAll, StandardChart };

    explicit frmSetup(SpendlogForms& forms);

    // Once per run: the ready-made lists and the saved categories.
    void formLoad();
    void showForm();

private:
    // The candidate is appended when it is not empty and not in the expense list yet.
    void addEntry(const QString& candidate);
    // A drop of one of the category lists on the expense list: its selected item is the
    // candidate. A name that is not one of the two lists does nothing.
    void dropFromList(const QString& listName);
    void expenseClicked(int index);
    void useStandardChart();
    void saveAndReturn();

    SpendlogForms& m_forms;
    CategorySourceList* m_suggested;     // lstCategories
    CategorySourceList* m_nondeductible; // lstNondeductable
    ExpenseListBox* m_expenseList;       // cboCategories
    QPushButton* m_listButtons[5];       // cmdExpense, by ExpenseButton
    QPushButton* m_saveAndReturn;        // cmdQuit
    QButtonGroup* m_expenseButtons;
    pellar::ui::StatusNote* m_note; // lblStatusNote
    // The saved categories as this form last read or wrote them.
    CategoriesRead m_shown;
};

} // namespace expenses
