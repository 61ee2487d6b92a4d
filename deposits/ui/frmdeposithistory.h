#pragma once
// The deposits made so far, read back from the transactions log: a table of date,
// description and amount within a date range, the range's total and each month's, the
// records that cannot be read listed last and counted. From it a slip's PDF copy opens in
// the person's PDF viewer (to read or to print again), the list prints or shows as a
// preview, and the shown rows go to a CSV file. Nothing here writes the log or the balance.

#include "deposits/core/deposithistory.h"

#include <QMainWindow>

class QDateEdit;
class QLabel;
class QTableView;
class QTableWidget;

namespace pellar {
class Desk;
class PrintSurface;
struct ProgramContext;
namespace ui {
class StatusNote;
}
} // namespace pellar

namespace deposits {

class DepositTableModel;

class frmDepositHistory : public QMainWindow {
    Q_OBJECT
public:
    explicit frmDepositHistory(pellar::ProgramContext& context, QWidget* parent = nullptr);
    ~frmDepositHistory() override;

    // Each showing: the log read again, the range set to all of it, the focus in the table.
    void activate();

    const DepositHistory& shown() const { return m_history; }

signals:
    // The form has hidden itself; the start form is to be shown.
    void menuWanted();

private:
    void buildScreen();
    void refresh();
    void showAll();
    void openSlip();
    void printList(bool preview);
    void exportCsv();
    void printLayout(pellar::PrintSurface& surface) const;
    QString rangeWords() const;

    pellar::ProgramContext& m_context;
    pellar::Desk& m_desk;
    QList<LoggedDeposit> m_log;
    DepositHistory m_history;
    DepositTableModel* m_model = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QTableView* m_table = nullptr;
    QTableWidget* m_months = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_unreadable = nullptr;
    pellar::ui::StatusNote* m_note = nullptr;
};

} // namespace deposits
