// The deposit draft without widgets: the steps of one deposit, what each step offers next,
// what it refuses, and the amounts it works out.
#include "common/core/regional.h"
#include "deposits/core/depositdraft.h"
#include "tests/support/money.h"

#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::money;
using namespace deposits;
using Refusal = DepositDraft::Refusal;
using Step = DepositDraft::Step;

namespace {

// A draft at check entry for `count` checks, with `currency` in bills and coins.
DepositDraft announced(int count, const char* currency = "5") {
    DepositDraft draft;
    draft.reset(QDate(2026, 12, 6));
    draft.setCurrency(money(currency));
    EXPECT_EQ(draft.announceChecks(count), Refusal::None);
    return draft;
}

void accept(DepositDraft& draft, const QString& number, const QString& amount) {
    const TypedCheck check{number, amount, QStringLiteral("Payer ") + number};
    ASSERT_EQ(draft.checkRefusal(check), Refusal::None) << amount.toStdString();
    draft.acceptCheck(check);
}

} // namespace

TEST(DepositDraft, TypingOffersTheNextButtonOnlyWhenNothingIsOwed) {
    DepositDraft draft;
    draft.reset(QDate(2026, 12, 6));
    EXPECT_EQ(draft.step(), Step::Creation);
    EXPECT_FALSE(draft.offersCheckSummary() || draft.offersContinue() || draft.offersAccept());
    EXPECT_FALSE(draft.checksTotal() || draft.depositTotal() || draft.amountBack());
    draft.countChanged(0);
    EXPECT_FALSE(draft.offersContinue()); // nothing typed yet

    draft.currencyTyped(0); // cash only so far
    EXPECT_TRUE(draft.offersContinue());
    draft.countTyped();
    EXPECT_TRUE(draft.offersCheckSummary());
    EXPECT_FALSE(draft.offersContinue());
    draft.countChanged(0); // the key clears the count; the 0 typed then stands
    EXPECT_TRUE(draft.offersContinue());
    draft.countChanged(2);
    EXPECT_FALSE(draft.offersContinue());
    draft.currencyTyped(2); // two checks announced, none entered
    EXPECT_FALSE(draft.offersContinue());
    EXPECT_EQ(draft.continueToCashBack(2), Refusal::NotNow);

    // No checks, or more than the back of the sheet lists: the step is not taken.
    for (const qint64 count : {qint64(0), qint64(-1), qint64(405)}) {
        EXPECT_EQ(draft.announceChecks(count),
                  count > 0 ? Refusal::TooManyChecks : Refusal::NoChecks);
        EXPECT_EQ(draft.step(), Step::Creation);
    }

    EXPECT_EQ(draft.announceChecks(2), Refusal::None);
    EXPECT_EQ(draft.step(), Step::CheckEntry);
    EXPECT_EQ(draft.currentCheck(), 1);
    EXPECT_FALSE(draft.offersCheckSummary());
    draft.currencyTyped(2);
    EXPECT_FALSE(draft.offersContinue()); // not while checks are still being entered
    draft.checkTyped();
    EXPECT_TRUE(draft.offersAccept());
    // A count announced again starts the checks afresh: what was typed is not offered.
    ASSERT_EQ(draft.announceChecks(2), Refusal::None);
    EXPECT_FALSE(draft.offersAccept());
    draft.checkTyped();
    draft.clearCheckEntry();
    EXPECT_FALSE(draft.offersAccept());

    // The checks accepted while more are owed are what announcing the count again drops.
    accept(draft, "1", "5");
    EXPECT_EQ(draft.acceptedWhileOwed(), 1);
    accept(draft, "2", "5");
    EXPECT_EQ(draft.acceptedWhileOwed(), 0);
}

TEST(DepositDraft, ThreeChecksAndCurrencyMakeTheDeposit) {
    DepositDraft draft = announced(3);
    // A missing field, nothing, less than nothing or no amount at all: refused.
    for (const TypedCheck& missing :
         {TypedCheck{"", "10.00", "Lee"}, TypedCheck{"1", "", "Lee"}, TypedCheck{"1", "10.00", ""}})
        EXPECT_EQ(draft.checkRefusal(missing), Refusal::MissingField);
    for (const char* amount : {"0", "-3", "   ", "1.2.3"})
        EXPECT_EQ(draft.checkRefusal({"1", amount, "Lee"}), Refusal::NotPositive) << amount;

    accept(draft, "1041", "10.00");
    EXPECT_EQ(draft.currentCheck(), 2);
    EXPECT_EQ(draft.step(), Step::CheckEntry);
    EXPECT_FALSE(draft.checksTotal());
    accept(draft, "1042", "20");
    accept(draft, "1043", "$30.00");
    EXPECT_EQ(draft.step(), Step::Creation);
    EXPECT_EQ(draft.checks().size(), 3);
    EXPECT_EQ(draft.checks()[2], (DepositCheck{"1043", money("30"), "Payer 1043"}));
    EXPECT_EQ(draft.checksTotal(), money("60"));
    EXPECT_EQ(draft.depositTotal(), money("65"));
    EXPECT_TRUE(draft.offersContinue());
    EXPECT_FALSE(draft.offersCheckSummary());

    // A currency corrected after the checks still counts.
    draft.setCurrency(money("7.5"));
    EXPECT_EQ(draft.continueToCashBack(3), Refusal::None);
    EXPECT_EQ(draft.step(), Step::CashBack);
    EXPECT_EQ(draft.gross(), money("67.5"));
    EXPECT_EQ(draft.net(), money("67.5"));
    EXPECT_FALSE(draft.amountBack()); // no choice made
    EXPECT_EQ(draft.cashBackChoice(), DepositDraft::CashBackChoice::None);

    // Typing in the count asks for its checks again.
    DepositDraft retyped = announced(1);
    accept(retyped, "7", "1");
    retyped.countTyped();
    EXPECT_EQ(retyped.continueToCashBack(1), Refusal::NotNow);
}

TEST(DepositDraft, CashOnlyDepositDropsChecksOfAnEarlierCount) {
    DepositDraft draft = announced(1, "100");
    accept(draft, "9", "1234567.89");
    EXPECT_EQ(draft.checks()[0].amount, Currency::fromUnits(12345678900)); // every cent kept
    EXPECT_EQ(draft.continueToCashBack(0), Refusal::None);
    EXPECT_TRUE(draft.checks().isEmpty());
    EXPECT_FALSE(draft.checksTotal());
    EXPECT_EQ(draft.depositTotal(), money("100"));
    const DepositSlip slip = draft.slip();
    EXPECT_EQ(slip.gross, money("100"));
    EXPECT_EQ(slip.amountBackText(), "0");
}

TEST(DepositDraft, CashBackNeverExceedsTheDeposit) {
    DepositDraft draft = announced(3);
    for (const char* amount : {"10", "20", "30"})
        accept(draft, amount, amount);
    ASSERT_EQ(draft.continueToCashBack(3), Refusal::None);

    draft.depositAll();
    EXPECT_EQ(draft.amountBack(), Currency{});
    EXPECT_EQ(draft.slip().amountBackText(), "$0.00");
    EXPECT_EQ(draft.net(), money("65"));

    draft.chooseCashBack();
    EXPECT_TRUE(draft.awaitingAmountBack());
    EXPECT_EQ(draft.cashBackChoice(), DepositDraft::CashBackChoice::ReceiveCashBack);
    for (const char* back : {"-1", "65.01"}) {
        EXPECT_EQ(draft.receiveCashBack(money(back)), Refusal::BackOutOfRange) << back;
        EXPECT_EQ(draft.net(), money("65"));
    }
    // The whole deposit back is the largest cash back there is.
    EXPECT_EQ(draft.receiveCashBack(money("65")), Refusal::None);
    EXPECT_EQ(draft.net(), Currency{});
    draft.chooseCashBack();
    EXPECT_EQ(draft.receiveCashBack(money("20")), Refusal::None);
    EXPECT_FALSE(draft.awaitingAmountBack());
    EXPECT_EQ(draft.net(), money("45"));

    draft.continueToPrint();
    EXPECT_EQ(draft.step(), Step::Print);
    EXPECT_EQ(draft.depositTotal(), money("45"));
    const DepositSlip s = draft.slip();
    EXPECT_EQ(std::tuple(s.date, s.currency, s.checks, s.checksTotal, s.gross, s.amountBack, s.net),
              std::tuple(QDate(2026, 12, 6), money("5"), draft.checks(), money("60"), money("65"),
                         std::optional(money("20")), money("45")));

    // The next deposit starts with no choice made, whatever the last one chose.
    draft.reset(QDate(2026, 12, 7));
    draft.setCurrency(money("1"));
    ASSERT_EQ(draft.continueToCashBack(0), Refusal::None);
    EXPECT_EQ(draft.cashBackChoice(), DepositDraft::CashBackChoice::None);
    EXPECT_FALSE(draft.amountBack() || draft.awaitingAmountBack());
}

TEST(DepositDraft, AmountsTooLargeToLogAreRefusedAtTheStepThatMakesThem) {
    DepositDraft draft = announced(2, "0.01");
    // One check beyond the log's amount field, then two that only together pass it.
    EXPECT_EQ(draft.checkRefusal({"1", "600000000000000", "Big"}), Refusal::TooLarge);
    accept(draft, "1", "999999999999.98");
    EXPECT_EQ(draft.checkRefusal({"2", "0.01", "Small"}), Refusal::TooLarge);
    draft.acceptCheck({"2", "0.01", "Small"}); // refused here too
    EXPECT_EQ(draft.checks().size(), 1);

    // The currency raised past it afterwards: refused at "Continue".
    DepositDraft raised = announced(1, "0");
    accept(raised, "1", "999999999999.99");
    raised.setCurrency(money("0.01"));
    EXPECT_EQ(raised.continueToCashBack(1), Refusal::TooLarge);
    EXPECT_EQ(raised.step(), Step::Creation);
}
