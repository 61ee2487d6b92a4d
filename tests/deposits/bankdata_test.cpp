// The deposit form's bank data: the checkbook data file and the transactions log.
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/slipmaker.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace pellar;
using namespace deposits;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

// Field 1 holds a byte above 127 and field 5 something other than " 4", so the rewrite
// shows what is carried through and what is replaced.
const QByteArray kCheckbook("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"$1,000.00\","
                            "\"0042-17\",\"x\",7,-3\r\n");

QByteArray checkbookWithBalance(const char* balance) {
    return QByteArray("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"") + balance +
           "\",\"0042-17\",\" 4\",7,-3\r\n";
}

class SlipmakerBankData : public ::testing::Test {
protected:
    SlipmakerBankData() { MakeBackupFolder(folder); }

    // One confirmed deposit as the workflow records it: the log first, then the balance.
    void deposit(frmDeposit& form, const char* amount, QDate date) {
        form.lblNewDeposit->setText(QString::fromLatin1(amount));
        const Currency value = *currencyValue(QString::fromLatin1(amount));
        ASSERT_TRUE(form.WriteTransaction(QStringLiteral("Deposit"), value, date));
        ASSERT_TRUE(form.SaveBank());
    }

    pellar::testing::TestProgram app{slipmakerProfile()};
    ScratchDataFolder& folder = app.folder;
    ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
};

} // namespace

TEST_F(SlipmakerBankData, DepositAddsToTheBalanceAndCarriesTheOtherFieldsThrough) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    frmDeposit form(app.context);
    ASSERT_TRUE(form.activate());
    EXPECT_EQ(form.bankRecord().balance, "$1,000.00");
    EXPECT_EQ(form.bankRecord().field6, 7);
    EXPECT_EQ(form.bankRecord().field7, -3);

    deposit(form, "$250.50", QDate(2026, 12, 6));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,250.50"));
    EXPECT_TRUE(desk.messages().isEmpty());

    // Negative balances (the regional negative form) and large ones.
    const struct {
        const char* before;
        const char* deposit;
        const char* after;
    } cases[] = {{"($100.00)", "$250.50", "$150.50"},
                 {"$1,234,567.89", "$0.11", "$1,234,568.00"},
                 {"$0.00", "$0.01", "$0.01"},
                 {"$20.00", "($45.00)", "($25.00)"}};
    for (const auto& c : cases) {
        folder.put("CheckbookInfo.txt", checkbookWithBalance(c.before));
        ASSERT_TRUE(form.activate());
        deposit(form, c.deposit, QDate(2026, 12, 6));
        EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance(c.after)) << c.before;
    }
}

TEST_F(SlipmakerBankData, EachDepositOfARunAddsToWhatIsOnDisk) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    frmDeposit form(app.context);
    ASSERT_TRUE(form.activate());
    deposit(form, "$250.50", QDate(2026, 12, 6));

    // Meanwhile the check-writing program wrote a check of $300.00.
    folder.put("CheckbookInfo.txt", checkbookWithBalance("$950.50"));
    ASSERT_TRUE(form.activate());
    deposit(form, "$100.00", QDate(2026, 12, 7));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,050.50"));

    // Two saves without a reload still add up, each to the balance last written.
    deposit(form, "$1.25", QDate(2026, 12, 7));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,051.75"));
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), 3 * kTransactionLength);
}

TEST_F(SlipmakerBankData, LogRecordsOfTheFirstAndSecondDeposit) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    frmDeposit form(app.context);
    ASSERT_TRUE(form.activate());

    deposit(form, "$1,234.50", QDate(2026, 12, 6));
    const QByteArray first = "12/6/2026 "
                             "Deposit                            "
                             "1234.5         ";
    ASSERT_EQ(first.size(), 60);
    EXPECT_EQ(folder.bytes("Transactions.txt"), first);

    // The amount is exact, not rounded to seven digits; a second record follows the first.
    deposit(form, "$123,456.78", QDate(2027, 1, 15));
    const QByteArray second = "1/15/2027 "
                              "Deposit                            "
                              "123456.78      ";
    EXPECT_EQ(folder.bytes("Transactions.txt"), first + second);

    // Widths hold: a long description is cut, whole amounts carry no decimals.
    EXPECT_EQ(transactionRecord(QDate(2026, 12, 25), QString(40, u'D'), *Currency::fromWhole(5)),
              QByteArray("12/25/2026") + QByteArray(35, 'D') + "5              ");
}

TEST_F(SlipmakerBankData, AFullLogRefusesTheNextDepositBeforeItIsPrinted) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    const QByteArray almostFull(qsizetype(kMaxRecords - 1) * kTransactionLength, 'L');
    folder.put("Transactions.txt", almostFull);
    frmDeposit form(app.context);
    ASSERT_TRUE(form.activate());

    // The 32,767th record still fits.
    EXPECT_TRUE(form.depositCanBeRecorded());
    deposit(form, "$10.00", QDate(2026, 12, 6));
    const QByteArray full = folder.bytes("Transactions.txt");
    ASSERT_EQ(full.size(), qsizetype(kMaxRecords) * kTransactionLength);
    EXPECT_EQ(full.left(almostFull.size()), almostFull);

    // Then the deposit is refused up front, and nothing is written even if asked to.
    desk.expectMessage(QStringLiteral("Slipmaker"));
    EXPECT_FALSE(form.depositCanBeRecorded());
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("32,767")));
    EXPECT_FALSE(form.WriteTransaction(QStringLiteral("Deposit"), *Currency::fromWhole(1),
                                       QDate(2026, 12, 7)));
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), full.size());
}

TEST_F(SlipmakerBankData, ACheckbookFileMissingFromTheFolderIsRestoredFromBackup) {
    folder.put("Backup/CheckbookInfo.txt", kCheckbook);
    frmDeposit form(app.context);
    EXPECT_TRUE(form.activate());
    EXPECT_TRUE(folder.exists("CheckbookInfo.txt"));
    EXPECT_EQ(form.bankRecord().balance, "$1,000.00");
    EXPECT_TRUE(desk.messages().isEmpty());
    EXPECT_EQ(ended, 0);
}

TEST_F(SlipmakerBankData, WithoutACheckbookFileTheProgramEnds) {
    folder.put("Transactions.txt", QByteArray(60, 'T'));
    frmDeposit form(app.context);
    desk.expectMessage(QStringLiteral("Slipmaker"));
    EXPECT_FALSE(form.activate());

    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].lines, QStringList({"You need to create your Checkbook Data file",
                                                     "Using the PellarWriter Program"}));
    EXPECT_EQ(desk.messages()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(form.isVisible());
    // The end backs up the transactions log.
    EXPECT_EQ(folder.bytes("Backup/Transactions.txt"), QByteArray(60, 'T'));
}

TEST_F(SlipmakerBankData, ADamagedCheckbookFileIsNeverRewritten) {
    const QByteArray damaged[] = {
        "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\"x\",7\r\n",       // six fields
        "\"Checking\",\"Bank\",\"lots\",\"0042\",\"x\",7,-3\r\n",         // no amount
        "\"Checking\",\"Bank\",\"\",\"0042\",\"x\",7,-3\r\n",             // empty balance
        "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\"x\",7,99999\r\n", // not 16-bit
        "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\"x\",seven,3\r\n",
        "",
    };
    frmDeposit form(app.context);
    QSignalSpy menu(&form, &frmDeposit::menuWanted);
    for (const QByteArray& bytes : damaged) {
        folder.put("CheckbookInfo.txt", bytes);
        desk.expectMessage(QStringLiteral("Slipmaker"));
        EXPECT_FALSE(form.activate()) << bytes.constData();
        EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("CheckbookInfo.txt")));
        EXPECT_FALSE(form.bankLoaded());

        // Nothing can be recorded against it, and the file stays as it was.
        form.lblNewDeposit->setText(QStringLiteral("$5.00"));
        EXPECT_FALSE(form.WriteTransaction(QStringLiteral("Deposit"), *Currency::fromWhole(5),
                                           QDate(2026, 12, 6)));
        EXPECT_FALSE(form.SaveBank());
        desk.expectMessage(QStringLiteral("Slipmaker"));
        EXPECT_FALSE(form.depositCanBeRecorded());
        EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), bytes);
    }
    EXPECT_FALSE(folder.exists("Transactions.txt"));
    // The form went back to the menu each time; the program goes on.
    EXPECT_EQ(menu.count(), int(std::size(damaged)));
    EXPECT_EQ(ended, 0);

    // A repaired file is trusted again.
    folder.put("CheckbookInfo.txt", kCheckbook);
    EXPECT_TRUE(form.activate());
    EXPECT_TRUE(form.depositCanBeRecorded());

    // A new-deposit caption that is not an amount changes nothing either.
    form.lblNewDeposit->setText(QStringLiteral("New Deposit"));
    EXPECT_FALSE(form.SaveBank());
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kCheckbook);

    // Nor does a deposit that would take the balance past the largest amount: it used to
    // wrap round and store a large negative balance.
    const QByteArray full = checkbookWithBalance("$922,337,203,685,477.58");
    folder.put("CheckbookInfo.txt", full);
    ASSERT_TRUE(form.activate());
    form.lblNewDeposit->setText(QStringLiteral("$5.00"));
    const FileResult refused = form.SaveBank();
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("$922,337,203,685,477.58")))
        << refused.error.toStdString();
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), full);
}
