#pragma once
// "Check Entry": one check at a time, its number, amount and payer, inside the deposit
// form's first screen.

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace pellar {
class Desk;
}

namespace deposits {

class DepositDraft;
struct TypedCheck;

class CheckEntryPanel : public QGroupBox {
    Q_OBJECT
public:
    CheckEntryPanel(pellar::Desk& desk, QWidget* parent);

    // "Accept" as the draft offers it.
    void showDraft(const DepositDraft& draft);
    // "Entering Check 2 of 5 Checks", with the count as its box holds it.
    void showCaption(int currentCheck, const QString& countText);

    // For the next check: a zero amount, no number or payer, the focus on the number.
    void clearCheck();
    // Every box empty, for a new deposit.
    void emptyBoxes();

    TypedCheck typedCheck() const;
    // Accept reached without leaving the amount box still gets the box's own rule. False
    // when the box held no amount (the person was told).
    bool amountRuleKept();
    void focusAmount();

signals:
    void acceptClicked();
    void redoClicked();
    void checkTyped();
    // The amount box's own rule refused what it held (it has beeped); the words for it.
    void refused(const QString& why);

private:
    pellar::Desk& m_desk;
    QLineEdit* m_number = nullptr;
    QLineEdit* m_amount = nullptr;
    QLineEdit* m_payer = nullptr;
    QPushButton* m_accept = nullptr;
};

} // namespace deposits
