#pragma once
// One bank deposit as the person puts it together: the date, the currency, the checks, the
// cash taken back, and the step the work is at. Each of the deposit form's actions is one
// method here; the form only shows what the draft holds.

#include "common/core/currency.h"
#include "deposits/core/depositslip.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace deposits {

// One check as the person typed it: number and payer without surrounding blanks, the
// amount as its box holds it.
struct TypedCheck {
    QString number;
    QString amount;
    QString payer;
};

class DepositDraft {
public:
    // Creation: date, currency and check count. CheckEntry: the checks one by one, still on
    // the creation screen. CashBack: how much cash goes back. Print: ready to print.
    enum class Step { Creation, CheckEntry, CashBack, Print };

    // Why an action was not taken. TooManyChecks and TooLarge get a message box; the others
    // a beep with a line of words beside it.
    enum class Refusal {
        None,
        NotNow,         // "Continue" while checks are still owed
        NoChecks,       // a check summary of no checks
        TooManyChecks,  // more than the back of the sheet lists
        MissingField,   // a check without number, amount or payer
        NotPositive,    // a check of nothing or less
        TooLarge,       // more than the transactions log can record
        BackOutOfRange, // cash back below nothing or above the deposit
        NotAnAmount,    // a box that should hold an amount does not
    };

    enum class CashBackChoice { None, DepositAll, ReceiveCashBack };

    // The most checks a deposit may have: what the back of the sheet lists.
    static int mostChecks();

    // Back to the first step with nothing entered, dated `today`.
    void reset(QDate today);

    void setDate(QDate date) { m_date = date; }
    // The bills and coins, as last read from their box; each step that counts them sets it.
    void setCurrency(pellar::Currency currency) { m_currency = currency; }

    // A key went down in a box. Typing in the count means its checks are due again; typing
    // in the currency offers "Continue" when nothing is owed (`announced` is the count as
    // its box holds it now); typing a check offers "Accept".
    void countTyped();
    void currencyTyped(qint64 announced);
    // The count's text changed, typed or pasted (`announced` as its box now holds it): its
    // checks are due again; a count of 0 offers "Continue" once the currency was typed.
    void countChanged(qint64 announced);
    void checkTyped() { m_offersAccept = true; }

    // "Enter Check Summary Data": the count of checks to come; earlier checks are dropped.
    Refusal announceChecks(qint64 count);
    // Checks accepted while more are still owed: what announcing the count again would drop.
    int acceptedWhileOwed() const { return m_step == Step::CheckEntry ? int(m_checks.size()) : 0; }
    // The check being entered is emptied (Redo, or Cancel at its verification).
    void clearCheckEntry() { m_offersAccept = false; }
    // Asked before the person verifies a check.
    Refusal checkRefusal(const TypedCheck& check) const;
    // A verified check joins the deposit; the next is due, or with the last the totals are
    // worked out and the creation screen offers "Continue".
    void acceptCheck(const TypedCheck& check);

    // "Continue with Deposit Creation" with the count its box holds now: a count of 0 is a
    // cash-only deposit (checks entered for an earlier count are dropped).
    bool continueAllowed(qint64 announced) const;
    Refusal continueToCashBack(qint64 announced);

    void depositAll();
    void chooseCashBack();
    Refusal receiveCashBack(pellar::Currency back);
    void continueToPrint();

    Step step() const { return m_step; }
    QDate date() const { return m_date; }
    int currentCheck() const { return m_currentCheck; }
    const QList<DepositCheck>& checks() const { return m_checks; }
    // The checks' total once the last was accepted; none before that, after a reset or for
    // a cash-only deposit.
    std::optional<pellar::Currency> checksTotal() const { return m_checksTotal; }
    // The deposit's total as last worked out (checks and currency); from the print step on
    // the net deposit. None after a reset.
    std::optional<pellar::Currency> depositTotal() const { return m_depositTotal; }
    pellar::Currency gross() const { return m_gross; }
    // None until a cash-back choice is made; "No, Deposit All" makes it zero.
    std::optional<pellar::Currency> amountBack() const { return m_amountBack; }
    pellar::Currency net() const { return m_net; }
    CashBackChoice cashBackChoice() const { return m_choice; }
    // "Yes, Receive Cash Back" chosen and no amount accepted yet.
    bool awaitingAmountBack() const { return m_awaitingAmountBack; }

    bool offersCheckSummary() const { return m_offersCheckSummary; }
    bool offersContinue() const { return m_offersContinue; }
    bool offersAccept() const { return m_offersAccept; }

    DepositSlip slip() const;

private:
    std::optional<pellar::Currency> totalWith(pellar::Currency amount) const;
    void completeChecks();

    Step m_step = Step::Creation;
    QDate m_date;
    pellar::Currency m_currency;
    int m_checkCount = 0;   // checks announced
    int m_currentCheck = 0; // 1-based number of the check being entered
    QList<DepositCheck> m_checks;
    // Every announced check accepted, and the count not typed in since.
    bool m_checksComplete = false;
    std::optional<pellar::Currency> m_checksTotal;
    std::optional<pellar::Currency> m_depositTotal;
    pellar::Currency m_gross;
    std::optional<pellar::Currency> m_amountBack;
    pellar::Currency m_net;
    CashBackChoice m_choice = CashBackChoice::None;
    bool m_awaitingAmountBack = false;
    bool m_offersCheckSummary = false;
    bool m_offersContinue = false;
    bool m_offersAccept = false;
    bool m_currencyTyped = false; // since the last reset
};

} // namespace deposits
