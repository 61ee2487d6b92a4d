#pragma once
// The form-of-payment frame "fraPaymentForm": check, cash, credit card or e-bill, with
// the check number or card company for the first and the third.

#include <QGroupBox>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace expenses {

class ExpenseEntry;

class PaymentPanel : public QGroupBox {
    Q_OBJECT
public:
    PaymentPanel(ExpenseEntry& entry, QWidget* parent);

    // With the checkbook program's data present, checks and e-bills are entered there:
    // only cash and credit cards are offered here, cash chosen.
    void setCheckbookPresent(bool present);
    void focusReference();
    // The check number or card company of a posted payment, gone before the next one.
    void clearReference();
    QWidget* tabFirst() const;
    QWidget* tabLast() const;

signals:
    void paymentChosen();

private:
    void paymentClicked(int option);

    ExpenseEntry& m_entry;
    QButtonGroup* m_group;
    QRadioButton* m_payments[4];
    QLabel* m_referenceLabel;
    QLineEdit* m_reference;
};

} // namespace expenses
