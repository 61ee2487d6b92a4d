#pragma once
// The finance-charge panel "fraFinance" of a partial payment: the charge shown on the
// statement, posted as its own record under "Finance Charge".

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace pellar {
class DataFolder;
}

namespace expenses {

class EntryNotices;
class ExpenseEntry;

class FinancePanel : public QGroupBox {
    Q_OBJECT
public:
    FinancePanel(ExpenseEntry& entry, EntryNotices& notices, const pellar::DataFolder& data,
                 QWidget* parent);

    // Shown with "0" in the box and the focus in it.
    void start();

    QWidget* tabFirst() const;
    QWidget* tabLast() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void post();

    ExpenseEntry& m_entry;
    EntryNotices& m_notices;
    const pellar::DataFolder& m_data;
    QLineEdit* m_charge;
    QPushButton* m_continue;
};

} // namespace expenses
