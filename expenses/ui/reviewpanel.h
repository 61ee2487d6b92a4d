#pragma once
// The review frame "fraExpenses": the posted expenses from a chosen start to today in a
// grid, with their total.

#include "expenses/core/expensefile.h"

#include <QGroupBox>

class QLabel;
class QPushButton;
class QTableView;

namespace pellar {
class DataFolder;
class Desk;
} // namespace pellar

namespace expenses {

class ExpenseGridModel;

class ReviewPanel : public QGroupBox {
    Q_OBJECT
public:
    // The buttons of cmdExpensesGrid.
    enum Button { MonthToDate = 0, Eternity = 1, Close = 2, YearToDate = 3 };

    // The period is the form's, shared with the cleanup.
    ReviewPanel(DateRange& period, pellar::Desk& desk, const pellar::DataFolder& data,
                QWidget* parent);

    const ExpenseGridModel& gridModel() const { return *m_model; }

    // The period from the button's start to today, listed.
    void listFrom(Button button);
    // Lists the records from the period's start to today. Without an expense file the grid
    // keeps what it showed.
    void refresh();

signals:
    void closeClicked();
    // The period listed, to be exported.
    void exportClicked();

private:
    DateRange& m_period;
    pellar::Desk& m_desk;
    const pellar::DataFolder& m_data;
    ExpenseGridModel* m_model;
    QTableView* m_grid;
    QPushButton* m_buttons[4];
    QLabel* m_total;
    QLabel* m_periodShown; // the period listed
    QLabel* m_unreadable;  // records that could not be read, when there are any
};

} // namespace expenses
