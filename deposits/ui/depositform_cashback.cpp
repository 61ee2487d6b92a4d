// The deposit form's cash-back step: part of the deposit may be taken back as cash.
#include "deposits/ui/frmdeposit.h"

#include "common/ui/inputroutines.h"
#include "common/core/regional.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace deposits {

namespace {
enum CashBackOption { DepositAll = 0, ReceiveCashBack = 1 };
} // namespace

void frmDeposit::startCashBack() {
    lblDepositAmount->setText(lblDepositTotal->text());
    lblNewDeposit->setText(lblDepositTotal->text());
    lblNewDepositPrint->setText(lblNewDeposit->text());

    fraReceiveAmount->hide();
    fraAmountBack->show();
    // No choice made yet for this deposit, whatever was chosen for the last one.
    clearCashBackChoice();
    lblAmountBack->setText(QStringLiteral("0"));
    cmdCashBack->setFocus();
    fraDepositCreation->hide();
}

void frmDeposit::clearCashBackChoice() {
    m_cashBackOptions->setExclusive(false);
    for (QRadioButton* option : optCashBack)
        option->setChecked(false);
    m_cashBackOptions->setExclusive(true);
}

void frmDeposit::cashBackOptionClicked(int index) {
    if (index == DepositAll) {
        lblAmountBack->setText(pellar::formatCurrency(pellar::Currency{}));
        lblNewDeposit->setText(lblDepositAmount->text());
        optCashBack[DepositAll]->setChecked(true);
        if (fraReceiveAmount->isAncestorOf(focusWidget()))
            cmdCashBack->setFocus();
        fraReceiveAmount->hide();
        return;
    }
    optCashBack[ReceiveCashBack]->setChecked(true);
    fraReceiveAmount->show();
    txtReceiveAmount->clear();
    txtReceiveAmount->setFocus();
}

void frmDeposit::receiveAmountAccepted() {
    if (txtReceiveAmount->text().trimmed().isEmpty()) {
        cashBackOptionClicked(DepositAll);
        return;
    }
    // Accept reached without leaving the box still gets the box's own rule.
    if (!pellar::CheckMoneyBox(*txtReceiveAmount, m_desk))
        return;
    const pellar::Currency back =
        pellar::currencyValue(txtReceiveAmount->text()).value_or(pellar::Currency{});
    const pellar::Currency gross =
        pellar::currencyValue(lblDepositAmount->text()).value_or(pellar::Currency{});
    // More back than was brought in would make the deposit negative: kept for correction.
    if (back.isNegative() || back > gross) {
        m_desk.beep();
        txtReceiveAmount->setFocus();
        txtReceiveAmount->selectAll();
        return;
    }
    lblAmountBack->setText(pellar::formatCurrency(back));
    // Never below zero and never above the gross, so the difference always holds.
    lblNewDeposit->setText(pellar::formatCurrency((gross - back).value_or(gross)));
    cmdCashBack->setFocus();
    fraReceiveAmount->hide();
}

void frmDeposit::cashBackContinue() {
    lblDepositTotal->setText(lblNewDeposit->text()); // from now on the net deposit
    lblDeposit[1]->show();
    fraDepositSummary->show();
    cmdDepositContinue->setFocus();
    fraAmountBack->hide();
}

} // namespace deposits
