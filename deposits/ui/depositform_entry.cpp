// The deposit form's first step: the date, the currency, the check count and the checks.
#include "deposits/ui/frmdeposit.h"

#include "common/ui/inputroutines.h"
#include "common/core/regional.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <limits>

namespace deposits {

namespace {

enum CreationButton {
    EnterCheckSummary = 0,
    ContinueWithDeposit = 1,
    AcceptCheck = 2,
    RedoCheckEntry = 3,
};

QString zeroAmount() {
    return pellar::formatCurrency(pellar::Currency{});
}

// The zero an amount box starts with, also as leaving the box rewrites it ("0.00"): typing
// into either replaces it rather than adding to it.
bool holdsStartingZero(const QLineEdit& box) {
    return box.text() == zeroAmount() || box.text() == pellar::formatFixed(pellar::Currency{});
}

// The count in the check-count box. The box takes only digits, but a pasted text may hold
// anything: a run of digits too long for a number is certainly too many, anything else
// that is not a number counts as none.
qint64 announcedChecks(const QLineEdit& box) {
    const QString text = box.text().trimmed();
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    if (ok)
        return count;
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch() ? std::numeric_limits<qint64>::max() : 0;
}

} // namespace

void frmDeposit::ResetDeposit() {
    fraDepositCreation->show();
    fraDepositCreation->raise();
    // The focus moves before the other screens go, so it never passes through their boxes.
    txtCurrency->setFocus();
    fraCheckEntry->hide();
    fraAmountBack->hide();
    fraDepositSummary->hide();

    lblTotalofChecks->clear();
    lblDepositTotal->clear();
    cmdDepositCreation[EnterCheckSummary]->setEnabled(false);
    cmdDepositCreation[ContinueWithDeposit]->setEnabled(false);
    txtCurrency->setText(zeroAmount());
    txtNoofChecks->setText(QStringLiteral("0"));

    m_checkCount = 0;
    m_currentCheck = 0;
    m_checks.clear();
    m_checksTotal = {};
    m_checksComplete = false;
    ClearDepositEntries();
}

void frmDeposit::ClearDepositEntries() {
    txtCurrency->setText(zeroAmount());
    txtNoofChecks->setText(QStringLiteral("0"));
    DTPicker1->setDate(m_desk.today());
    txtCheckEntry[0]->clear();
    txtCheckEntry[1]->clear();
    txtReceivedFrom->clear();
}

void frmDeposit::ShowCheckEntryCaption() {
    fraCheckEntry->setTitle(QStringLiteral("Entering Check %1 of %2 Checks")
                                .arg(m_currentCheck)
                                .arg(txtNoofChecks->text()));
}

void frmDeposit::ClearCheckEntry() {
    txtCheckEntry[1]->setText(zeroAmount());
    txtCheckEntry[0]->clear();
    txtReceivedFrom->clear();
    cmdDepositCreation[AcceptCheck]->setEnabled(false);
    txtCheckEntry[0]->setFocus();
}

void frmDeposit::depositCreationClicked(int index) {
    switch (index) {
    case EnterCheckSummary:
        enterCheckSummary();
        break;
    case ContinueWithDeposit:
        continueWithDeposit();
        break;
    case AcceptCheck:
        acceptCheck();
        break;
    case RedoCheckEntry:
        ClearCheckEntry();
        ShowCheckEntryCaption();
        break;
    default: // 4, 5 and 6: "Redo Deposit" on each screen; the checkbook is not read again
        ResetDeposit();
        break;
    }
}

void frmDeposit::enterCheckSummary() {
    const qint64 count = announcedChecks(*txtNoofChecks);
    if (count <= 0) {
        // A deposit without checks goes on with "Continue with Deposit Creation".
        m_desk.beep();
        txtNoofChecks->setFocus();
        return;
    }
    const int most = checksTheBackHolds();
    if (count > most) {
        m_desk.message(programTitle(),
                       {QStringLiteral("The deposit form can list at most %1 checks.").arg(most),
                        QStringLiteral("Please split these checks over two or more deposits.")},
                       pellar::MessageButtons::Ok);
        txtNoofChecks->setFocus();
        txtNoofChecks->selectAll();
        return;
    }
    m_checkCount = int(count);
    m_checks.clear();
    m_checksTotal = {};
    m_checksComplete = false;
    m_currentCheck = 1;
    cmdDepositCreation[ContinueWithDeposit]->setEnabled(false);
    ShowCheckEntryCaption();
    fraCheckEntry->show();
    ClearCheckEntry();
}

void frmDeposit::acceptCheck() {
    QLineEdit* amountBox = txtCheckEntry[1];
    // Accept reached without leaving the amount box still gets the box's own rule.
    if (!amountBox->text().trimmed().isEmpty() && !pellar::CheckMoneyBox(*amountBox, m_desk))
        return;
    const QString number = txtCheckEntry[0]->text().trimmed();
    const QString amountText = amountBox->text();
    const QString payer = txtReceivedFrom->text().trimmed();
    if (number.isEmpty() || amountText.isEmpty() || payer.isEmpty()) {
        m_desk.beep();
        return;
    }
    // A check is money received: nothing, or less than nothing, is a slip of the finger.
    const pellar::Currency amount = pellar::currencyValue(amountText).value_or(pellar::Currency{});
    if (amount <= pellar::Currency{}) {
        m_desk.beep();
        amountBox->setFocus();
        amountBox->selectAll();
        return;
    }
    // Refused here, at the check that makes the deposit too large to be logged.
    std::optional<pellar::Currency> total = amount + currencyAmount();
    for (const DepositCheck& check : std::as_const(m_checks))
        total = total + check.amount;
    if (!fitsTransactionLog(total)) {
        refuseTooLarge(*amountBox);
        return;
    }

    const pellar::MessageAnswer answer =
        m_desk.message(QStringLiteral("Payment Verification"),
                       {QStringLiteral("Click Okay if the Summary Information is Correct"),
                        QStringLiteral("      Check No   ") + number,
                        QStringLiteral("      Amount     ") + amountText,
                        QStringLiteral("      From       ") + payer},
                       pellar::MessageButtons::OkCancel);
    if (answer != pellar::MessageAnswer::Ok) {
        ClearCheckEntry(); // the same check is entered again
        return;
    }
    m_checks.append({number, amount, payer});
    ++m_currentCheck;
    if (m_checkCount >= m_currentCheck) {
        ShowCheckEntryCaption();
        ClearCheckEntry();
        return;
    }
    checksComplete();
}

void frmDeposit::checksComplete() {
    QList<pellar::Currency> amounts;
    for (const DepositCheck& check : std::as_const(m_checks))
        amounts.append(check.amount);
    // Each check was refused that would have taken the deposit past what can be logged.
    m_checksTotal = pellar::Currency::sum(amounts).value_or(pellar::Currency{});
    lblTotalofChecks->setText(pellar::formatCurrency(m_checksTotal));
    lblDepositTotal->setText(
        pellar::formatCurrency((m_checksTotal + currencyAmount()).value_or(m_checksTotal)));
    m_checksComplete = true;
    cmdDepositCreation[ContinueWithDeposit]->setEnabled(true);
    cmdDepositCreation[ContinueWithDeposit]->setFocus();
    fraCheckEntry->hide();
    cmdDepositCreation[EnterCheckSummary]->setEnabled(false);
}

bool frmDeposit::continueAllowed() const {
    if (fraCheckEntry->isVisibleTo(fraDepositCreation))
        return false;
    return announcedChecks(*txtNoofChecks) == 0 || m_checksComplete;
}

void frmDeposit::continueWithDeposit() {
    if (!continueAllowed()) {
        m_desk.beep();
        return;
    }
    const bool cashOnly = announcedChecks(*txtNoofChecks) == 0;
    // Worked out again, so a currency corrected after the checks still counts.
    const std::optional<pellar::Currency> total =
        cashOnly ? currencyAmount() : m_checksTotal + currencyAmount();
    if (!fitsTransactionLog(total)) {
        refuseTooLarge(*txtCurrency);
        return;
    }
    if (cashOnly) {
        // Checks entered for an earlier count do not belong to this deposit.
        m_checks.clear();
        m_checksTotal = {};
        lblTotalofChecks->clear();
    }
    lblDepositTotal->setText(pellar::formatCurrency(*total));
    startCashBack();
}

void frmDeposit::refuseTooLarge(QLineEdit& box) {
    m_desk.message(programTitle(), {depositTooLargeText()}, pellar::MessageButtons::Ok);
    box.setFocus();
    box.selectAll();
}

pellar::Currency frmDeposit::currencyAmount() const {
    return pellar::currencyValue(txtCurrency->text()).value_or(pellar::Currency{});
}

void frmDeposit::currencyKeyDown() {
    if (holdsStartingZero(*txtCurrency))
        txtCurrency->clear();
    // Not while checks are still owed: the deposit total would not hold them.
    if (continueAllowed())
        cmdDepositCreation[ContinueWithDeposit]->setEnabled(true);
}

void frmDeposit::checkCountKeyDown() {
    if (txtNoofChecks->text() == u"0")
        txtNoofChecks->clear();
    // A changed count needs its checks entered again.
    m_checksComplete = false;
    cmdDepositCreation[EnterCheckSummary]->setEnabled(true);
    cmdDepositCreation[ContinueWithDeposit]->setEnabled(false);
}

void frmDeposit::checkEntryKeyDown(int index) {
    cmdDepositCreation[AcceptCheck]->setEnabled(true);
    if (index == 1 && holdsStartingZero(*txtCheckEntry[1]))
        txtCheckEntry[1]->clear();
}

DepositSlip frmDeposit::slip() const {
    DepositSlip slip;
    slip.date = DTPicker1->date();
    slip.currency = currencyAmount();
    slip.checks = m_checks;
    slip.depositAmount = lblDepositAmount->text();
    slip.amountBack = lblAmountBack->text();
    slip.depositTotal = lblDepositTotal->text();
    slip.totalOfChecks = lblTotalofChecks->text();
    slip.newDeposit = lblNewDeposit->text();
    return slip;
}

} // namespace deposits
