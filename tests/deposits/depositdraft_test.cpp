// The deposit without widgets: the draft (the steps of one deposit, what each step offers
// next, what it refuses, the amounts it works out) and the sheet it prints, laid out in twips
// on the recording surface (text width = characters x size x 10, line height = size x 24),
// with one real PDF of each side.
#include "common/core/regional.h"
#include "common/ui/printersurface.h"
#include "deposits/core/depositdraft.h"
#include "deposits/core/depositslip.h"
#include "tests/support/keeppdf.h"
#include "tests/support/money.h"
#include "tests/support/recordingsurface.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::money;
using namespace deposits;
using Refusal = DepositDraft::Refusal;
using Step = DepositDraft::Step;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

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

// Checks of $1.01, $1.02, ...: each amount is a text of its own on the page, as are the
// totals ($111.11 the checks, $222.22 the gross, $333.33 the net).
DepositSlip slipWith(int checks, std::optional<Currency> amountBack = Currency::fromUnits(200000),
                     qint64 firstAmountUnits = 10000) {
    DepositSlip slip;
    slip.date = QDate(2026, 12, 6);
    slip.currency = *Currency::fromWhole(125);
    for (int i = 1; i <= checks; ++i)
        slip.checks.append({QString::number(500 + i),
                            Currency::fromUnits(firstAmountUnits + i * 100),
                            QStringLiteral("Payer %1").arg(i)});
    slip.checksTotal = Currency::fromUnits(1111100);
    slip.gross = Currency::fromUnits(2222200);
    slip.amountBack = amountBack;
    slip.net = Currency::fromUnits(3333300);
    return slip;
}

QString amountOf(int check) {
    return formatCurrency(Currency::fromUnits(10000 + check * 100));
}

enum class Side { Front, Back };

// Every page laid out in these tests is also checked for text printed over other text.
PrintLog page(const DepositSlip& slip, Side side = Side::Front) {
    RecordingSurface surface;
    side == Side::Back ? PrintCheckListOnBack(surface, slip) : PrintDepositSlip(surface, slip);
    EXPECT_TRUE(surface.log()->overlaps().isEmpty())
        << surface.log()->overlaps().join(u'\n').toStdString();
    return *surface.log();
}

// The ticket is everything above the summary's 4-inch line.
enum class Part { Ticket, Summary, Anywhere };
enum class Edge { Left, Right };

// "x,y" of where the text is printed (its left or its right edge), "-" when it is not.
QString at(const PrintLog& log, const QString& text, Edge edge = Edge::Left,
           Part part = Part::Anywhere) {
    for (const PrintOp& op : log.texts()) {
        const bool inPart = part == Part::Anywhere || (op.y < 5760) == (part == Part::Ticket);
        if (op.text == text && inPart) {
            const double x = edge == Edge::Left ? op.x : op.x + text.size() * op.fontSize * 10;
            return QStringLiteral("%1,%2").arg(x).arg(op.y);
        }
    }
    return QStringLiteral("-");
}

QString summaryTexts(const PrintLog& log) {
    QStringList texts;
    for (const PrintOp& op : log.texts()) {
        if (op.y >= 5760)
            texts << op.text;
    }
    return texts.join(u'|');
}

QMap<double, int> amountsPerColumn(const PrintLog& log) {
    QMap<double, int> perColumn;
    for (const PrintOp& op : log.texts()) {
        if (op.text.startsWith(u'$'))
            ++perColumn[op.x];
    }
    return perColumn;
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

TEST(DepositDraft, ThreeChecksAndCurrencyMakeTheDepositAndTheCashBackNeverExceedsIt) {
    DepositDraft draft = announced(3, "2.5");
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
    EXPECT_EQ(draft.depositTotal(), money("62.5"));
    EXPECT_TRUE(draft.offersContinue());
    EXPECT_FALSE(draft.offersCheckSummary());

    // A currency corrected after the checks still counts.
    draft.setCurrency(money("5"));
    EXPECT_EQ(draft.continueToCashBack(3), Refusal::None);
    EXPECT_EQ(draft.step(), Step::CashBack);
    EXPECT_EQ(draft.gross(), money("65"));
    EXPECT_EQ(draft.net(), money("65"));
    EXPECT_FALSE(draft.amountBack()); // no choice made
    EXPECT_EQ(draft.cashBackChoice(), DepositDraft::CashBackChoice::None);

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

TEST(DepositSlipLayout, TicketWithSixAndWithFourteenChecks) {
    const PrintLog six = page(slipWith(6));
    EXPECT_EQ(six.pageCount(), 1);
    const PrintOp date = six.texts().value(0);
    EXPECT_EQ(std::tuple(date.text, date.x, date.y, date.fontSize, date.bold),
              std::tuple(QStringLiteral("12/6/2026"), 1800.0, 2160.0, 10.0, false));
    EXPECT_EQ(at(six, "$125.00", Edge::Right, Part::Ticket), "5904,216");
    for (int i = 1; i <= 6; ++i) // right edge 4.1 in, from 0.45 in down, 0.3 in apart
        EXPECT_EQ(at(six, amountOf(i), Edge::Right, Part::Ticket),
                  QStringLiteral("5904,%1").arg(648 + (i - 1) * 432));
    for (const PrintOp& op : six.texts())
        EXPECT_NE(op.x + op.text.size() * 100, 8784) << "second column: " << op.text.toStdString();
    EXPECT_EQ(at(six, "$222.22", Edge::Right), "11520,2304");
    EXPECT_EQ(at(six, "$20.00", Edge::Right, Part::Ticket), "11520,2736");
    EXPECT_EQ(at(six, " 6 ", Edge::Left, Part::Ticket), "7920,3744");
    EXPECT_EQ(at(six, "$333.33", Edge::Right), "11520,3744");

    const DepositSlip fourteen = slipWith(14);
    EXPECT_FALSE(printsBackSide(fourteen));
    const PrintLog ticket = page(fourteen);
    for (int i = 7; i <= 14; ++i) // right edge 6.1 in, from 0.15 in down to 2.25 in
        EXPECT_EQ(at(ticket, amountOf(i), Edge::Right, Part::Ticket),
                  QStringLiteral("8784,%1").arg(216 + (i - 7) * 432));
    EXPECT_EQ(at(ticket, "Checks Listed on Back of Slip"), "-");
}

TEST(DepositSlipLayout, SummaryWithChecksAndWithout) {
    const PrintLog log = page(slipWith(3));
    EXPECT_EQ(summaryTexts(log), "Deposit Summary|12/6/2026||Cash|$125.00|Check Count| 3 |"
                                 "Check Total|$111.11|Deposit|$333.33||Check No|From|Amount||"
                                 "501|Payer 1|$1.01|502|Payer 2|$1.02|503|Payer 3|$1.03||"
                                 "Cash Retained|$20.00");
    const PrintOp* heading = log.findText(QStringLiteral("Deposit Summary"));
    EXPECT_TRUE(heading->underline && heading->fontSize == 12);
    EXPECT_FALSE(log.findText(QStringLiteral("Cash"))->underline);
    EXPECT_TRUE(log.findText(QStringLiteral("Check No"))->bold);
    EXPECT_FALSE(log.findText(QStringLiteral("Payer 1"))->bold);
    for (const auto& [text, edge, where] : {std::tuple{"Deposit Summary", Edge::Left, "5220,5760"},
                                            {"Cash", Edge::Left, "2880,6624"},
                                            {"$111.11", Edge::Right, "9360,7104"},
                                            {"Deposit", Edge::Left, "2880,7632"},
                                            {"Amount", Edge::Right, "9360,8112"},
                                            {"Payer 1", Edge::Left, "4320,8592"}})
        EXPECT_EQ(at(log, text, edge), where) << text;
    EXPECT_EQ(at(log, "12/6/2026", Edge::Left, Part::Summary), "8640,6048");
    EXPECT_EQ(at(log, "$125.00", Edge::Right, Part::Summary), "9360,6624");
    EXPECT_EQ(at(log, " 3 ", Edge::Left, Part::Summary), "8928,6864");
    EXPECT_EQ(at(log, "$1.03", Edge::Right, Part::Summary), "9360,9072");
    const auto rule = std::find_if(log.ops.begin(), log.ops.end(), [](const PrintOp& op) {
        return op.kind == PrintOp::Kind::Line;
    });
    ASSERT_NE(rule, log.ops.end());
    EXPECT_EQ(QList<double>({rule->x, rule->y, rule->x2, rule->y2}),
              QList<double>({2880, 7488, 9360, 7488}));

    // No checks and no cash-back choice: the ticket prints the text 0; the summary has no
    // table and no "Cash Retained".
    const PrintLog cashOnly = page(slipWith(0, std::nullopt));
    EXPECT_EQ(summaryTexts(cashOnly), "Deposit Summary|12/6/2026||Cash|$125.00|");
    EXPECT_EQ(at(cashOnly, "0", Edge::Right), "11520,2736");
    EXPECT_EQ(at(cashOnly, " 0 "), "7920,3744");
    // "No, Deposit All": zero in the currency form, and a "Cash Retained" line for it.
    EXPECT_TRUE(summaryTexts(page(slipWith(0, Currency{}))).endsWith("|Cash Retained|$0.00"));
}

TEST(DepositSlipLayout, FifteenAndFortyChecksGoOnTheBackInColumns) {
    const DepositSlip fifteenChecks = slipWith(15);
    EXPECT_TRUE(printsBackSide(fifteenChecks));
    const PrintLog ticket = page(fifteenChecks);
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(at(ticket, amountOf(i), Edge::Left, Part::Ticket), "-") << i;
    // Above the gross amount's line (1.6 in) by the 14-point line height.
    EXPECT_EQ(at(ticket, "Checks Listed on Back of Slip"), "5760,1968");
    const PrintOp* notice = ticket.findText(QStringLiteral("Checks Listed on Back of Slip"));
    EXPECT_TRUE(notice->bold && notice->fontSize == 14);
    const PrintOp* gross = ticket.findText(QStringLiteral("$222.22"));
    EXPECT_TRUE(!gross->bold && gross->fontSize == 10);

    const PrintLog fifteen = page(fifteenChecks, Side::Back);
    EXPECT_EQ(at(fifteen, "CHECKS WITH THIS DEPOSIT"), "0,0");
    EXPECT_EQ(fifteen.texts()[0].fontSize, 8);
    EXPECT_EQ(amountsPerColumn(fifteen), (QMap<double, int>{{720, 14}, {2160, 1}}));
    EXPECT_EQ(at(fifteen, amountOf(14)), QStringLiteral("720,%1").arg(720 + 13 * 192));
    EXPECT_EQ(at(fifteen, amountOf(15)), "2160,720");

    const PrintLog forty = page(slipWith(40), Side::Back);
    EXPECT_EQ(amountsPerColumn(forty), (QMap<double, int>{{720, 14}, {2160, 15}, {3600, 11}}));
    EXPECT_EQ(at(forty, amountOf(30)), "3600,720");
    EXPECT_EQ(forty.pageCount(), 1);

    // The front lists all forty in its summary, going on at the top of a second page with
    // the headings again rather than running off the paper.
    const PrintLog fortyFront = page(slipWith(40));
    EXPECT_EQ(fortyFront.pageCount(), 2);
    for (int i = 1; i <= 40; ++i)
        EXPECT_NE(at(fortyFront, QStringLiteral("Payer %1").arg(i)), "-") << i;
    for (const PrintOp& op : fortyFront.texts())
        EXPECT_LE(op.y + op.fontSize * 24, 15840 - 720) << op.text.toStdString();
    ASSERT_GE(fortyFront.textsOnPage(2).size(), 2);
    EXPECT_EQ(fortyFront.textsOnPage(2)[1].text, "Check No");
}

TEST(DepositSlipLayout, LongPayersAndLargeAmountsNeverPrintOverOtherText) {
    // At every count the check count stands in its box (from 5.5 in, 0.45 in wide, on the
    // line at 2.6 in) and no check amount on the ticket shares its line, however wide.
    for (int count = 1; count <= 40; ++count) {
        DepositSlip slip = slipWith(count, Currency::fromUnits(200000), 100000000);
        slip.gross = Currency::fromUnits(123456789012300); // $12,345,678,901.23
        SCOPED_TRACE(count);
        const PrintLog ticket = page(slip);
        const PrintOp* counted = ticket.findText(QStringLiteral(" %1 ").arg(count));
        ASSERT_TRUE(counted);
        EXPECT_EQ(std::pair(counted->x, counted->y), std::pair(7920.0, 3744.0));
        EXPECT_LE(counted->x + counted->text.size() * 100, 7920 + 648);
        for (const PrintOp& op : ticket.textsOnPage(1)) {
            const bool checkAmountOnTicket = op.text.startsWith(u'$') && op.y < 5760 && op.x < 8784;
            EXPECT_TRUE(!checkAmountOnTicket || std::abs(op.y - 3744) >= 240)
                << op.text.toStdString();
        }
    }

    // A payer of 40 letters is cut to end before the widest amount; so is a long number.
    DepositSlip named = slipWith(2, std::nullopt, 100000000);
    named.checks[0].payer = QString(40, u'W');
    named.checks[1].number = QStringLiteral("123456789012345678");
    const PrintLog log = page(named);
    const auto cut = std::find_if(log.ops.begin(), log.ops.end(),
                                  [](const PrintOp& op) { return op.text.startsWith(u'W'); });
    const QString cutPayer = cut == log.ops.end() ? QString() : cut->text;
    EXPECT_TRUE(cutPayer.endsWith(QChar(0x2026))) << cutPayer.toStdString();
    EXPECT_LE(4320 + cutPayer.size() * 100, 9360 - 1000 - 144); // "$10,001.00" ends at 6.5 in
    EXPECT_NE(at(log, QStringLiteral("12345678901") + QChar(0x2026)), "-");
}

TEST(DepositSlipLayout, TestPageOutlinesEachEntryWhereItPrints) {
    RecordingSurface outlines;
    outlineFrontFields(outlines);
    QMap<QString, QRectF> boxes; // by the name printed in the box's corner
    const QList<PrintOp>& ops = outlines.log()->ops;
    for (qsizetype i = 0; i + 1 < ops.size(); ++i) {
        if (ops[i].kind == PrintOp::Kind::Box)
            boxes[ops[i + 1].text] =
                QRectF(QPointF(ops[i].x, ops[i].y), QPointF(ops[i].x2, ops[i].y2));
    }
    const PrintLog full = page(slipWith(14)), few = page(slipWith(3));
    const auto holds = [&](const char* name, const QString& where) {
        const QStringList xy = where.split(u',');
        return boxes.value(QString::fromLatin1(name))
            .contains(xy.value(0).toDouble(), xy.value(1).toDouble());
    };
    EXPECT_TRUE(holds("Date", at(full, "12/6/2026", Edge::Left, Part::Ticket)));
    EXPECT_TRUE(holds("Currency", at(full, "$125.00", Edge::Right, Part::Ticket)));
    EXPECT_TRUE(holds("Checks 1-6", at(full, amountOf(6), Edge::Right, Part::Ticket)));
    EXPECT_TRUE(holds("Checks 7-14", at(full, amountOf(14), Edge::Right, Part::Ticket)));
    EXPECT_TRUE(holds("Gross", at(full, "$222.22", Edge::Right)));
    EXPECT_TRUE(holds("Cash back", at(full, "$20.00", Edge::Right, Part::Ticket)));
    EXPECT_TRUE(holds("Count", at(few, " 3 ", Edge::Left, Part::Ticket)));
    EXPECT_TRUE(holds("Net", at(full, "$333.33", Edge::Right)));
}

TEST(DepositSlipLayout, TheBackNeverPrintsOffThePaper) {
    // Past the third column the list goes on an inch to the right, never below the page.
    const int most = checksTheBackHolds();
    EXPECT_EQ(most, 14 + 15 + 5 * 75);
    const PrintLog full = page(slipWith(most), Side::Back);
    EXPECT_EQ(full.pageCount(), 1);
    QSet<double> lefts;
    for (const PrintOp& op : full.texts()) {
        EXPECT_LE(op.y + 192, 15840 - 720) << op.text.toStdString();
        lefts << op.x;
    }
    EXPECT_EQ(lefts, (QSet<double>{0, 720, 2160, 3600, 5040, 6480, 7920, 9360}));

    // Only when the columns have run out: a further page, titled again.
    const PrintLog over = page(slipWith(most + 1), Side::Back);
    ASSERT_EQ(over.textsOnPage(2).size(), 2);
    EXPECT_EQ(over.textsOnPage(2)[0].text, "CHECKS WITH THIS DEPOSIT");
    EXPECT_EQ(at(over, amountOf(most + 1)), "720,720");
}

TEST(DepositSlipLayout, FullTicketsAndTheBackPrintToPdfFromThePrintableArea) {
    QTemporaryDir dir;
    DepositSlip fourteen = slipWith(14, Currency::fromUnits(200000), 100000000);
    fourteen.checks[0].payer = QString(40, u'W');
    DepositSlip forty = slipWith(40);
    forty.gross = Currency::fromUnits(123456789012300);
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?!s))"));
    const QList<std::tuple<QString, const DepositSlip*, bool, int>> sheets{
        {"fourteen.pdf", &fourteen, false, 1},
        {"forty.pdf", &forty, false, 2},
        {"forty-back.pdf", &forty, true, 1}};
    for (const auto& [name, slip, backSide, pages] : sheets) {
        PrintJobSetup setup;
        setup.origin = depositSlipFront(slip->date).origin;
        setup.printer.outputFile = dir.filePath(name);
        PrinterSurface surface(setup);
        ASSERT_TRUE(surface.error().isEmpty()) << surface.error().toStdString();
        backSide ? PrintCheckListOnBack(surface, *slip) : PrintDepositSlip(surface, *slip);
        EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
        QFile pdf(setup.printer.outputFile);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(page), pages) << name.toStdString();
        pellar::testing::keepPrintedFileIfAsked(setup.printer.outputFile);
    }
}
