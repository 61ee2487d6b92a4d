#include "deposits/core/depositdraft.h"

#include "common/core/regional.h"
#include "deposits/core/transactionlog.h"

namespace deposits {

int DepositDraft::mostChecks() {
    return checksTheBackHolds();
}

void DepositDraft::reset(QDate today) {
    *this = DepositDraft();
    m_date = today;
}

void DepositDraft::countTyped() {
    m_checksComplete = false;
    m_offersCheckSummary = true;
    m_offersContinue = false;
}

void DepositDraft::countChanged(qint64 announced) {
    m_checksComplete = false;
    m_offersCheckSummary = true;
    m_offersContinue = announced == 0 && m_currencyTyped && continueAllowed(0);
}

void DepositDraft::currencyTyped(qint64 announced) {
    m_currencyTyped = true;
    // Not while checks are still owed: the deposit total would not hold them.
    if (continueAllowed(announced))
        m_offersContinue = true;
}

DepositDraft::Refusal DepositDraft::announceChecks(qint64 count) {
    // A deposit without checks goes on with "Continue with Deposit Creation".
    if (count <= 0)
        return Refusal::NoChecks;
    if (count > mostChecks())
        return Refusal::TooManyChecks;
    m_checkCount = int(count);
    m_checks.clear();
    m_checksComplete = false;
    m_currentCheck = 1;
    // The count is taken; typing it again offers the button again.
    m_offersCheckSummary = false;
    m_offersContinue = false;
    m_offersAccept = false;
    m_step = Step::CheckEntry;
    return Refusal::None;
}

std::optional<pellar::Currency> DepositDraft::totalWith(pellar::Currency amount) const {
    std::optional<pellar::Currency> total = amount + m_currency;
    for (const DepositCheck& check : m_checks)
        total = total + check.amount;
    return total;
}

DepositDraft::Refusal DepositDraft::checkRefusal(const TypedCheck& check) const {
    if (check.number.isEmpty() || check.amount.isEmpty() || check.payer.isEmpty())
        return Refusal::MissingField;
    // A check is money received: nothing, or less than nothing, is a slip of the finger.
    const std::optional<pellar::Currency> amount = pellar::currencyValue(check.amount);
    if (!amount || *amount <= pellar::Currency{})
        return Refusal::NotPositive;
    // Refused at the check that makes the deposit too large to be logged.
    if (!fitsTransactionLog(totalWith(*amount)))
        return Refusal::TooLarge;
    return Refusal::None;
}

void DepositDraft::acceptCheck(const TypedCheck& check) {
    if (m_step != Step::CheckEntry || checkRefusal(check) != Refusal::None)
        return;
    m_checks.append({check.number, *pellar::currencyValue(check.amount), check.payer});
    ++m_currentCheck;
    m_offersAccept = false;
    if (m_checkCount < m_currentCheck)
        completeChecks();
}

void DepositDraft::completeChecks() {
    QList<pellar::Currency> amounts;
    for (const DepositCheck& check : std::as_const(m_checks))
        amounts.append(check.amount);
    // Each check that would have taken the deposit past what can be logged was refused, so
    // both sums hold.
    const pellar::Currency checks = pellar::Currency::sum(amounts).value_or(pellar::Currency{});
    m_checksTotal = checks;
    m_depositTotal = (checks + m_currency).value_or(checks);
    m_checksComplete = true;
    m_offersContinue = true;
    m_offersCheckSummary = false;
    m_step = Step::Creation;
}

bool DepositDraft::continueAllowed(qint64 announced) const {
    return m_step == Step::Creation && (announced == 0 || m_checksComplete);
}

DepositDraft::Refusal DepositDraft::continueToCashBack(qint64 announced) {
    if (!continueAllowed(announced))
        return Refusal::NotNow;
    const bool cashOnly = announced == 0;
    // Worked out again, so a currency corrected after the checks still counts.
    const std::optional<pellar::Currency> total =
        cashOnly ? m_currency : m_checksTotal.value_or(pellar::Currency{}) + m_currency;
    if (!fitsTransactionLog(total))
        return Refusal::TooLarge;
    if (cashOnly) {
        m_checks.clear();
        m_checksTotal.reset();
    }
    m_depositTotal = total;
    m_gross = *total;
    m_net = *total;
    // No choice made yet for this deposit, whatever was chosen for the last one.
    m_amountBack.reset();
    m_choice = CashBackChoice::None;
    m_awaitingAmountBack = false;
    m_step = Step::CashBack;
    return Refusal::None;
}

void DepositDraft::depositAll() {
    m_amountBack = pellar::Currency{};
    m_net = m_gross;
    m_choice = CashBackChoice::DepositAll;
    m_awaitingAmountBack = false;
}

void DepositDraft::chooseCashBack() {
    m_choice = CashBackChoice::ReceiveCashBack;
    m_awaitingAmountBack = true;
}

DepositDraft::Refusal DepositDraft::receiveCashBack(pellar::Currency back) {
    // More back than was brought in would make the deposit negative.
    if (back.isNegative() || back > m_gross)
        return Refusal::BackOutOfRange;
    m_amountBack = back;
    m_net = *(m_gross - back); // between zero and the gross, so it always holds
    m_awaitingAmountBack = false;
    return Refusal::None;
}

void DepositDraft::continueToPrint() {
    m_depositTotal = m_net;
    m_step = Step::Print;
}

DepositSlip DepositDraft::slip() const {
    DepositSlip slip;
    slip.date = m_date;
    slip.currency = m_currency;
    slip.checks = m_checks;
    slip.checksTotal = m_checksTotal.value_or(pellar::Currency{});
    slip.gross = m_gross;
    slip.amountBack = m_amountBack;
    slip.net = m_net;
    return slip;
}

} // namespace deposits
