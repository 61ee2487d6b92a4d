#pragma once
// "Cash Back from Deposit": whether part of the deposit is taken back as cash, and how much.

#include "common/core/currency.h"

#include <QGroupBox>
#include <QList>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pellar {
class Desk;
}

namespace deposits {

class DepositDraft;

class CashBackPanel : public QGroupBox {
    Q_OBJECT
public:
    CashBackPanel(pellar::Desk& desk, QWidget* parent);

    // The gross, the amount back and the net, the choice made, and the amount-back frame
    // closed unless the draft awaits an amount. Before the cash-back step the panel keeps
    // what it showed.
    void showDraft(const DepositDraft& draft);
    // "Yes, Receive Cash Back": the amount-back frame opens empty, the focus in its box.
    void openAmountBack();

    bool amountBackEmpty() const;
    // Accept reached without leaving the box still gets the box's own rule. False when the
    // box held no amount (the person was told).
    bool amountRuleKept();
    std::optional<pellar::Currency> amountBack() const;
    void focusAmountBack();
    void focusContinue();

signals:
    void depositAllChosen();
    void cashBackChosen();
    void amountBackAccepted();
    void continueClicked();
    void redoClicked();
    // The amount box's own rule refused what it held (it has beeped); the words for it.
    void refused(const QString& why);

private:
    void setChoice(int checked);

    pellar::Desk& m_desk;
    QList<QRadioButton*> m_options; // 0 "No, Deposit All", 1 "Yes, Receive Cash Back"
    QButtonGroup* m_optionGroup = nullptr;
    QLabel* m_gross = nullptr;
    QLabel* m_amountBack = nullptr;
    QLabel* m_net = nullptr;
    QPushButton* m_continue = nullptr;
    QGroupBox* m_receive = nullptr;
    QLineEdit* m_receiveAmount = nullptr;
};

} // namespace deposits
