#pragma once
// The split panel "fraAssignAmount": a line's amount typed for the chosen category, the
// amount to split and what is left of it.

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace expenses {

class EntryNotices;
class ExpenseEntry;

class SplitPanel : public QGroupBox {
    Q_OBJECT
public:
    SplitPanel(EntryNotices& notices, QWidget* parent);

    QString typed() const;
    void clearTyped();
    void focusTyped();
    // The amount and what remains of it, or "Not Applicable" while unpaid amounts may be
    // expensed.
    void showAmounts(const ExpenseEntry& entry);
    void clearAmounts();

    QWidget* tabFirst() const;
    QWidget* tabLast() const;

signals:
    void enterClicked();
    void completeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EntryNotices& m_notices;
    QLineEdit* m_lineAmount;
    QPushButton* m_enter;
    QPushButton* m_complete;
    QLabel* m_total;
    QLabel* m_remaining;
};

} // namespace expenses
