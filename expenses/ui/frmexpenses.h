#pragma once
// The expense form: the entry screen where a payment is recorded, the review grid of the
// posted expenses of a period, and the cleanup screen that removes the records of a date
// range. The three frames share one area of the form; one of them is seen at a time.

#include "expenses/core/expensefile.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

namespace pellar::ui {
class StatusNote;
}

class QAction;
class QMenu;

namespace expenses {

class CategoryTotalsPanel;
class CleanupPanel;
class ExportPanel;
class EntryNotices;
class EntryPanel;
class ExpenseEntry;
class ExpenseGridModel;
class ReviewPanel;
class SpendlogForms;

class frmExpenses : public QMainWindow {
    Q_OBJECT
public:
    explicit frmExpenses(SpendlogForms& forms);
    ~frmExpenses() override;

    // Once per run: the forms of payment follow from whether the checkbook program's data
    // is there.
    void formLoad();
    // Shows the form and runs its activation: payees and categories read again, the entry
    // screen reset.
    void showForm();
    // The screens the form shows, besides the entry screen.
    enum class Screen { Entry, Export, CategoryTotals };
    // Shows the form as showForm does, then the screen.
    void showForm(Screen screen);
    // The payee list: the contacts' names, in file order.
    void setPayees(const QStringList& names);

    // The payment being recorded.
    const ExpenseEntry& entry() const;
    // The period the review lists and the range a cleanup removes.
    const DateRange& period() const { return m_period; }
    const ExpenseGridModel& gridModel() const;

private:
    void showFrame(QWidget* frame);
    void activate();
    void showReview();
    void openCleanup();
    void addFrame(QWidget* frame);
    ExportPanel& exportPanel();
    CategoryTotalsPanel& totalsPanel();
    void openExport(const DateRange& period);
    void openCategoryTotals();

    SpendlogForms& m_forms;
    std::unique_ptr<EntryNotices> m_notices;
    DateRange m_period;
    EntryPanel* m_entry;
    ReviewPanel* m_review;
    CleanupPanel* m_cleanup;
    ExportPanel* m_export = nullptr;         // made when first shown
    CategoryTotalsPanel* m_totals = nullptr; // made when first shown
    pellar::ui::StatusNote* m_note;          // lblStatusNote
    QMenu* m_reports;
    QAction* m_reviewAction;  // mnuExpenses
    QAction* m_cleanupAction; // mnuCleanup
    QAction* m_exportAction;  // mnuExport
    QAction* m_totalsAction;  // mnuCategoryTotals
};

} // namespace expenses
